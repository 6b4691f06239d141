#pragma once

#include <QString>

// The key that sorts names by length, then alphabetically: the length as two
// digits (three from 100 on), a hyphen, then the name: "Спиди" -> "05-Спиди".
// Names of up to 99 characters give keys with exactly three characters before
// the name. A name longer than 255 characters raises an overflow error.
QString LengthKey(const QString &name);
