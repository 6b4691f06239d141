#pragma once

#include <QApplication>

#include <memory>

// Makes the application object, which opens the connection to the display.
// Where Qt finds no display, or cannot reach it, the program says so in one
// sentence in Bulgarian and in English, with what to do, and ends with
// status 1: not with Qt's abort and its advice to reinstall.
std::unique_ptr<QApplication> openDisplay(int &argc, char **argv);
