#include "ExportGuard.h"

#include <windows.h>

void ReportFailure(const char* text) noexcept {
  MessageBoxA(nullptr, text, "Ruvo Presenter", MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
}
