#pragma once

class QString;

// The order of every sorted list: alphabetical, ignoring case, Latin letters
// before Cyrillic ones and a space before any letter. It is the same on every
// machine, whatever language the user's desktop is set to, on Linux, on
// Windows and in a browser alike.
bool sortsBefore(const QString &a, const QString &b);
