#pragma once

class QString;

// Compares two names by English rules, case ignored: less than, equal to or
// greater than 0 as a sorts before, with or after b. English has no rules of
// its own on top of the Unicode root order, which puts Latin before Cyrillic
// and a space before any letter. Each platform has its own implementation:
// Qt's collator on the desktop, the browser's on the web.
int compareIgnoringCase(const QString &a, const QString &b);
