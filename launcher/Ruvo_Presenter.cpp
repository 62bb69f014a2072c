// The launcher program: its units' start steps, OLE, the main window (whose creation does all the
// work), the message loop, and the end steps in reverse. Ruvo_Server.dll, imported statically,
// has run its own start steps in this process before any of this.
#include <windows.h>
// after windows.h, which it needs
#include <ole2.h>

#include "CommandMailbox.h"
#include "ExportGuard.h"
#include "InitUnit.h"
#include "LayoutTables.h"
#include "MainUnit.h"
#include "PngResource.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // The shared types unit: the selector pictures (none of which the launcher holds) and the
  // mailbox; then InitUnit, last.
  LoadLayoutImages(OwnArtwork());
  MailboxStart();
  CreateRunningMutex();
  OleInitialize(nullptr);
  int exitCode = 0;
  try {
    launcher::TMainForm form;
    form.FormCreate(GetCommandLineA());
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  } catch (const std::exception& e) {
    ReportFailure(e.what(), TFailureBox::Plain);
    exitCode = 1;
  } catch (...) {
    ReportFailure("An unexpected failure ended the program.", TFailureBox::Plain);
    exitCode = 1;
  }
  OleUninitialize();
  CloseRunningMutex();
  MailboxEnd();
  FreeLayoutImages();
  return exitCode;
}
