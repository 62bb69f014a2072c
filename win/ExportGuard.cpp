#include "ExportGuard.h"

#include <windows.h>

#include <exception>
#include <new>

#include "ProductNames.h"

void ReportFailure(const char* text, TFailureBox box) noexcept {
  UINT flags = MB_OK | MB_ICONERROR | MB_TASKMODAL | (box == TFailureBox::Foreground ? MB_SETFOREGROUND : 0);
  MessageBoxA(nullptr, text, kProductCaption, flags);
}

void ReportCurrentFailure() noexcept {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    ReportFailure("Out of memory.");
  } catch (const std::exception& e) {
    ReportFailure(e.what());
  } catch (...) {
    ReportFailure("An unexpected failure ended the operation.");
  }
}
