#include "Form.h"

#include "Application.h"
#include "Button.h"

namespace {
DWORD StyleFor(TBorderStyle border, bool systemMenu) {
  DWORD style = WS_CLIPCHILDREN;
  if (border == TBorderStyle::None) return style | WS_POPUP;
  style |= WS_CAPTION;
  if (border == TBorderStyle::Dialog) style |= DS_MODALFRAME;
  if (systemMenu) style |= WS_SYSMENU;
  return style;
}

DWORD ExStyleFor(TBorderStyle border) { return border == TBorderStyle::Dialog ? WS_EX_DLGMODALFRAME : 0; }

}  // namespace

TForm::TForm(TBorderStyle border, bool systemMenu, TForm* owner)
    : style_(StyleFor(border, systemMenu)), exStyle_(ExStyleFor(border)) {
  SetVisible(false);
  CreateHandle(exStyle_, style_, owner ? owner->Handle() : nullptr, "", CW_USEDEFAULT, CW_USEDEFAULT, 320, 240);
}

std::string TForm::Caption() const {
  char text[512] = "";
  GetWindowTextA(Handle(), text, sizeof text);
  return text;
}

void TForm::SetCaption(const std::string& caption) { SetWindowTextA(Handle(), caption.c_str()); }

void TForm::SetClientSize(int width, int height) {
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, style_, FALSE, exStyle_);
  SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
}

void TForm::Show() {
  if (Position == TFormPosition::ScreenCenter) {
    SetBounds((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2, (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2, Width(),
              Height());
  } else if (Position == TFormPosition::OwnerFormCenter) {
    RECT o;
    HWND owner = GetWindow(Handle(), GW_OWNER);
    if (owner && GetWindowRect(owner, &o))
      SetBounds(o.left + (o.right - o.left - Width()) / 2, o.top + (o.bottom - o.top - Height()) / 2, Width(),
                Height());
  }
  SetVisible(true);
  SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TForm::SetDefaultButton(TButton* button) {
  if (defaultButton_ && defaultButton_->Handle())
    SendMessageA(defaultButton_->Handle(), BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  defaultButton_ = button;
  if (button && button->Handle()) SendMessageA(button->Handle(), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

int TForm::ShowModal() {
  HWND owner = GetWindow(Handle(), GW_OWNER);
  bool reenable = owner && IsWindowEnabled(owner);
  if (reenable) EnableWindow(owner, FALSE);
  modalResult_ = 0;
  inModal_ = true;
  Show();
  SetActiveWindow(Handle());
  if (defaultButton_ && defaultButton_->Handle()) SetFocus(defaultButton_->Handle());
  MSG msg;
  while (modalResult_ == 0 && Handle()) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(int(msg.wParam));  // the host's own loop must still see it
      modalResult_ = IDCANCEL;
      break;
    }
    if (got < 0) break;
    if (DialogKey(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  inModal_ = false;
  // The owner comes back before this one hides, so that it, not another program, is activated.
  if (reenable) EnableWindow(owner, TRUE);
  if (Handle()) SetVisible(false);
  return modalResult_ ? modalResult_ : IDCANCEL;
}

bool TForm::DialogKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || (msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE)) return false;
  if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd)) return false;
  TButton* button = msg.wParam == VK_RETURN ? defaultButton_ : cancelButton_;
  if (!button) return false;
  button->Click();
  return true;
}

int TForm::ShowMessageBox(const std::string& text, const std::string& caption, UINT flags) {
  UINT saved = std::exchange(boxFlags_, flags);
  int answer = MessageBoxA(Handle(), text.c_str(), caption.c_str(), flags);
  boxFlags_ = saved;
  return answer;
}

namespace {
struct TOwnedSearch {
  HWND owner;
  UINT boxFlags;
};

BOOL CALLBACK EndOwned(HWND window, LPARAM param) noexcept {
  auto* search = reinterpret_cast<TOwnedSearch*>(param);
  if (GetWindow(window, GW_OWNER) != search->owner) return TRUE;
  char cls[64] = "";
  GetClassNameA(window, cls, sizeof cls);
  if (lstrcmpA(cls, "#32770") == 0) {
    // A Yes/No box has no cancel: its No is the answer that changes nothing.
    UINT buttons = search->boxFlags & MB_TYPEMASK;
    WORD id = buttons == MB_YESNO ? IDNO : buttons == MB_OK ? IDOK : IDCANCEL;
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  } else if (lstrcmpA(cls, ToolkitWindowClass()) == 0) {
    auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    auto* form = dynamic_cast<TForm*>(control);
    if (form && form->InModal()) {
      form->EndOwnedModals();
      form->SetModalResult(IDCANCEL);
      // Wakes its loop, which may be waiting for a message.
      PostMessageA(window, WM_NULL, 0, 0);
    }
  }
  return TRUE;
}
}  // namespace

void TForm::EndOwnedModals() {
  if (!Handle()) return;
  TOwnedSearch search{Handle(), boxFlags_};
  EnumThreadWindows(GetCurrentThreadId(), EndOwned, reinterpret_cast<LPARAM>(&search));
}

LRESULT TForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CLOSE) {
    if (OnCloseQuery && !OnCloseQuery(*this)) return 0;
    if (inModal_) {
      modalResult_ = IDCANCEL;
      return 0;
    }
  }
  return TWinControl::WndProc(msg, wParam, lParam);
}

void TForm::KeyEvent(UINT msg, WORD key, TShiftState shift) {
  if (!KeyPreview || key > 255) return;
  if (msg == WM_KEYDOWN) {
    keyDown_[key] = true;
  } else if (std::exchange(keyDown_[key], false) && OnKeyUp) {
    OnKeyUp(*this, key, shift);
  }
}
