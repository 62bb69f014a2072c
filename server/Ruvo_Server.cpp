// Library entry point: the start steps on load and the end steps, in reverse, on unload.
#include <windows.h>

#include "AllSlidesLayout.h"
#include "Application.h"
#include "CommandMailbox.h"
#include "ExportPPTToModuleComponentsUnit.h"
#include "LayoutTables.h"
#include "PngResource.h"
#include "PresenterExports.h"
#include "PresenterFrameUnit.h"
#include "ProgressStatusUnit.h"
#include "ServerLifetime.h"
#include "WinProcUnit.h"

namespace {
HINSTANCE gModule = nullptr;
bool gStarted = false;
}  // namespace

HINSTANCE ServerModule() { return gModule; }

void ServerStart(HINSTANCE module) {
  if (gStarted) return;
  gStarted = true;
  gModule = module;
  // The PNG decoder (libpng, linked in) needs no registration before the pictures below.

  // Types unit.
  LoadLayoutImages(OwnArtwork());
  MailboxStart();

  // All-slides unit.
  LoadAllSlidesImages(OwnArtwork());

  // Presenter view unit.
  PresenterFrameUnitStart();

  // Export unit: OLE on this thread.
  ExportPPTToModuleComponentsUnitStart();

  // Window-tracking unit.
  CreateWindowList();
}

void ServerEnd() {
  FreeWindowList();
  ExportPPTToModuleComponentsUnitEnd();

  // Windows the add-in left behind would outlive the code of their window procedure.
  FreePresenterWindow();
  DisposePending();
  FreeExportedProgressForms();

  PresenterFrameUnitEnd();
  FreeAllSlidesImages();

  MailboxEnd();
  FreeLayoutImages();

  gModule = nullptr;
  gStarted = false;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) noexcept {
  try {
    switch (reason) {
      case DLL_PROCESS_ATTACH:
        ServerStart(instance);
        // Threads the host starts or ends later never enter the library.
        DisableThreadLibraryCalls(instance);
        break;
      case DLL_PROCESS_DETACH:
        // At process exit the system reclaims everything; only an unload must tidy up.
        if (!reserved) ServerEnd();
        break;
    }
    return TRUE;
  } catch (...) {
    // The loader lock is held: no message box here. A failed load gets its detach call, and the
    // end steps tidy whatever the start steps did.
    return FALSE;
  }
}
