#pragma once

#include <QStringList>

// The working courier firms, in the order in which they were entered.
// The window puts them into the hidden list List1(1) when it is built.
QStringList Catalogue();
