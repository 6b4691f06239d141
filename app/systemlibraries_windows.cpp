#include "systemlibraries.h"

#include <windows.h>

// Every Windows that runs the program (10 version 1809 and later) has this
// call: from here on, a library named without a path comes from System32.
void loadLibrariesFromSystemOnly()
{
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}
