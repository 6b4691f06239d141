#include "systemlibraries.h"

// Linux and the browser search no folder of the program's for libraries.
void loadLibrariesFromSystemOnly() {}
