#pragma once

class QString;

// Has a screen reader speak message at once, as news from the control that
// has the focus; nothing on screen changes. An empty message says nothing.
void announce(const QString &message);
