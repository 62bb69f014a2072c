// Process-wide services of the control toolkit.
#pragma once

#include <windows.h>

// The toolkit's window classes are registered in the binary that holds its code, OwnModule().
#include "OwnModule.h"

// Handles every window message pending for the calling thread, then returns. A quit request met
// on the way is posted again for the caller's own loop.
void ProcessMessages();

// Registers the common-controls classes named by the ICC_ flags, once per flag set.
void InitCommonControlClasses(DWORD classes);

// Registers (once) the window class of the toolkit's windows and returns its name.
const char* ToolkitWindowClass();
// Unregisters it again: a class left behind would point into an unloaded library.
void UnregisterToolkitWindowClass();
