// A slide-show window in another process: a top-level window of the given class and caption
// that lives until the quit event is set. Usage:
//   fake_slide_show CLASS CAPTION READY_EVENT QUIT_EVENT
// READY_EVENT is set once the window exists.
#include <windows.h>

int main(int argc, char** argv) {
  if (argc != 5) return 2;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = instance;
  wc.lpszClassName = argv[1];
  if (!RegisterClassA(&wc)) return 3;
  HWND wnd =
      CreateWindowExA(0, argv[1], argv[2], WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr, instance, nullptr);
  if (!wnd) return 4;
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[3]);
  HANDLE quit = OpenEventA(SYNCHRONIZE, FALSE, argv[4]);
  if (!ready || !quit) return 5;
  SetEvent(ready);
  // Serve the window's messages until told to end, a minute at the most.
  DWORD until = GetTickCount() + 60000;
  while (MsgWaitForMultipleObjects(1, &quit, FALSE, 100, QS_ALLINPUT) != WAIT_OBJECT_0 && GetTickCount() < until) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  DestroyWindow(wnd);
  return 0;
}
