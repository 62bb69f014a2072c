#include "ListBox.h"

DWORD TListBox::Style() const {
  return WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
}

void TListBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  itemIndex_ = -1;
  if (!Handle()) return;
  SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
  SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
  for (const std::string& item : items_)
    SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TListBox::SetItemIndex(int index) {
  itemIndex_ = index >= 0 && size_t(index) < items_.size() ? index : -1;
  if (Handle()) SendMessageA(Handle(), LB_SETCURSEL, WPARAM(itemIndex_), 0);
}

void TListBox::SetItemHeight(int height) {
  itemHeight_ = height;
  if (Handle() && height > 0) {
    SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, height);
    InvalidateRect(Handle(), nullptr, TRUE);
  }
}

void TListBox::Created() {
  if (itemHeight_ > 0) SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, itemHeight_);
  int index = itemIndex_;
  SetItems(items_);
  SetItemIndex(index);
}

void TListBox::Command(WORD code) {
  if (code == LBN_SELCHANGE) {
    LRESULT index = SendMessageA(Handle(), LB_GETCURSEL, 0, 0);
    itemIndex_ = index >= 0 && size_t(index) < items_.size() ? int(index) : -1;
    SelectionChanged();
  } else if (code == LBN_DBLCLK) {
    DblClicked();
  }
}

bool TListBox::DrawItem(const DRAWITEMSTRUCT& item) {
  int i = int(item.itemID);
  bool valid = item.itemID != UINT(-1) && i >= 0 && size_t(i) < items_.size();
  PaintListItem(item, valid ? items_[size_t(i)] : std::string(), valid ? ItemIndent(i) : 0, Parent());
  return true;
}

HBRUSH TListBox::ControlColor(HDC) {
  // Below the last entry the list shows its parent's colour.
  TColor color = Parent() ? Parent()->Color() : clBtnFace;
  if (!brush_ || brushColor_ != color) {
    brush_ = TGdiObject<HBRUSH>(CreateSolidBrush(ColorToRGB(color)));
    brushColor_ = color;
  }
  return brush_.Get();
}

void PaintListItem(const DRAWITEMSTRUCT& item, const std::string& text, int indent, const TWinControl* parent) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  bool selected = (item.itemState & ODS_SELECTED) != 0;
  TColor back = selected ? SysColor(COLOR_HIGHLIGHT) : parent ? parent->Color() : clBtnFace;
  TColor fore = selected ? SysColor(COLOR_HIGHLIGHTTEXT) : parent ? parent->Font().Color : clWindowText;
  TGdiObject<HBRUSH> brush(CreateSolidBrush(ColorToRGB(back)));
  FillRect(dc, &r, brush.Get());
  if (!text.empty()) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(fore));
    RECT t{r.left + 2 + indent, r.top, r.right - 2, r.bottom};
    DrawTextA(dc, text.c_str(), -1, &t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(dc, &r);
}
