#pragma once

class QString;

// Has a screen reader speak message at once, while the focus stays where it
// is; nothing on screen changes. An empty message says nothing.
void announce(const QString &message);
