#pragma once

// Has every library the program loads while it runs come from the system's
// own folder. On Windows the folder the program was started from comes first
// otherwise, and a program is often started from Downloads or a flash drive,
// where anyone may have left a library of the name that Qt asks for. Does
// nothing elsewhere.
void loadLibrariesFromSystemOnly();
