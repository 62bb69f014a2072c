// The binary that holds the calling code: the library in the DLL, the program in the launcher.
#pragma once

#include <windows.h>

HMODULE OwnModule();
