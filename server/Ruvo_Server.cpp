// Library entry point: the start steps on load and the end steps, in reverse, on unload.
#include <windows.h>

#include "ExportGuard.h"

namespace {
HINSTANCE gModule = nullptr;
}

HINSTANCE ServerModule() { return gModule; }

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  try {
    switch (reason) {
      case DLL_PROCESS_ATTACH:
        gModule = instance;
        // Threads the host starts or ends later never enter the library.
        DisableThreadLibraryCalls(instance);
        break;
      case DLL_PROCESS_DETACH:
        gModule = nullptr;
        break;
    }
    return TRUE;
  } catch (...) {
    return FALSE;  // the loader lock is held: no message box here
  }
}
