#pragma once

#include <QStringList>

// The working courier firms, in the order in which they were entered.
// They are the items of the hidden list List1(1) as the window is built.
QStringList Catalogue();
