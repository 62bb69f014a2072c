// The launcher's waits: messages other programs send to its windows are answered while it
// waits, posted ones wait for the message loop, and a wait that cannot be made says so.
#include <gtest/gtest.h>

#include "MessageWait.h"

namespace {

struct TSender {
  HWND window;
  HANDLE done;
  LRESULT answer = 0;
  BOOL sent = FALSE;
};

DWORD WINAPI SendThenSignal(void* p) {
  auto* s = static_cast<TSender*>(p);
  DWORD_PTR result = 0;
  // A broadcast's kind of message, sent with a time-out so that a failure cannot hang the test.
  s->sent = SendMessageTimeoutA(s->window, WM_USER + 7, 0, 0, SMTO_NORMAL, 20000, &result) != 0;
  s->answer = LRESULT(result);
  SetEvent(s->done);
  return 0;
}

LRESULT CALLBACK Answer42(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
  return msg == WM_USER + 7 ? 42 : DefWindowProcA(w, msg, wParam, lParam);
}

}  // namespace

TEST(MessageWait, AnswersSentMessagesAndLeavesPostedOnesQueued) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = Answer42;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "RuvoWaitTest";
  RegisterClassA(&wc);
  HWND window =
      CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  PostMessageA(window, WM_USER + 8, 0, 0);

  TSender sender{window, CreateEventA(nullptr, TRUE, FALSE, nullptr)};
  HANDLE never = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE thread = CreateThread(nullptr, 0, SendThenSignal, &sender, 0, nullptr);
  // The sender's event is set only once its message was answered, by this waiting thread.
  EXPECT_EQ(WaitForAnyHandle({never, sender.done}), 1);
  EXPECT_TRUE(sender.sent);
  EXPECT_EQ(sender.answer, 42);
  MSG msg;
  EXPECT_TRUE(PeekMessageA(&msg, window, WM_USER + 8, WM_USER + 8, PM_REMOVE));

  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  CloseHandle(never);
  CloseHandle(sender.done);
  DestroyWindow(window);
}

TEST(MessageWait, AWaitThatCannotBeMadeFails) {
  HANDLE e = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  CloseHandle(e);  // no longer a handle
  EXPECT_EQ(WaitForAnyHandle({e}), -1);
  EXPECT_EQ(WaitForAnyHandle({}), -1);
}
