// The library's start steps and end steps, in their fixed order. The DLL entry point runs them
// on load and unload; tests that link the library's code run them directly.
#pragma once

#include <windows.h>

// Runs the start steps once; a second call before ServerEnd does nothing.
void ServerStart(HINSTANCE module);
// Runs the end steps in reverse order. Each step is safe to run when its start step has not run,
// so this also tidies up after a start that failed half way.
void ServerEnd();

// The library's own module while it is started.
HINSTANCE ServerModule();
