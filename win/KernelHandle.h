// Owns a kernel object handle and closes it once.
#pragma once

#include <windows.h>

#include "OwnedHandle.h"

struct TCloseKernelHandle {
  static void Free(HANDLE h) { CloseHandle(h); }
};

class TKernelHandle : public TOwnedHandle<HANDLE, TCloseKernelHandle> {
 public:
  TKernelHandle() = default;
  // Functions that fail with INVALID_HANDLE_VALUE hold nothing either.
  explicit TKernelHandle(HANDLE h) : TOwnedHandle(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
};
