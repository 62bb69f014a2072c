#include "Form.h"

namespace {
DWORD StyleFor(TBorderStyle border, bool systemMenu) {
  DWORD style = WS_CLIPCHILDREN;
  if (border == TBorderStyle::None) return style | WS_POPUP;
  style |= WS_CAPTION;
  if (systemMenu) style |= WS_SYSMENU;
  return style;
}
}  // namespace

TForm::TForm(TBorderStyle border, bool systemMenu) : style_(StyleFor(border, systemMenu)) {
  SetVisible(false);
  CreateHandle(0, style_, nullptr, "", CW_USEDEFAULT, CW_USEDEFAULT, 320, 240);
}

std::string TForm::Caption() const {
  char text[512] = "";
  GetWindowTextA(Handle(), text, sizeof text);
  return text;
}

void TForm::SetCaption(const std::string& caption) { SetWindowTextA(Handle(), caption.c_str()); }

void TForm::SetClientSize(int width, int height) {
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, style_, FALSE, 0);
  SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
}

void TForm::Show() {
  if (Position == TFormPosition::ScreenCenter)
    SetBounds((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2, (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2, Width(),
              Height());
  SetVisible(true);
  SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}
