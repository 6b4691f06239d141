#pragma once

class QCollator;

// The order of every sorted list: alphabetical, ignoring case, Latin letters
// before Cyrillic ones and a space before any letter. It is the same on every
// machine, whatever language the user's desktop is set to.
const QCollator &listCollator();
