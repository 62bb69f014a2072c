#include "MessageWait.h"

int WaitForAnyHandle(const std::vector<HANDLE>& handles) {
  if (handles.empty() || handles.size() >= MAXIMUM_WAIT_OBJECTS) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return -1;
  }
  DWORD n = DWORD(handles.size());
  for (;;) {
    DWORD got = MsgWaitForMultipleObjects(n, handles.data(), FALSE, INFINITE, QS_SENDMESSAGE);
    if (got < WAIT_OBJECT_0 + n) return int(got - WAIT_OBJECT_0);
    if (got >= WAIT_ABANDONED_0 && got < WAIT_ABANDONED_0 + n) return int(got - WAIT_ABANDONED_0);
    if (got != WAIT_OBJECT_0 + n) return -1;
    // Handles the sent messages only; a posted one is left for the message loop.
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

void WaitForMessage(DWORD timeoutMs) { MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs, QS_ALLINPUT); }
