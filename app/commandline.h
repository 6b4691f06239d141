#pragma once

class QCoreApplication;

// The program's command line. --help and --version are answered before any
// window is made, so they work with no display too. Qt's own arguments
// (-platform, -style and the like) are left to QApplication.

// Prints the help or the version and ends the program with status 0 when
// either is asked for; otherwise returns.
void answerHelpAndVersion(int &argc, char **argv);

// Once QApplication has taken Qt's own arguments out: an option that is left
// ends the program with Qt's message and status 1.
void rejectUnknownOptions(const QCoreApplication &app);
