#include "ComboBox.h"

#include <algorithm>

#include "ListBox.h"

DWORD TComboBox::Style() const {
  return WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
}

void TComboBox::SetItems(std::vector<std::string> items, int index) {
  items_ = std::move(items);
  itemIndex_ = index >= 0 && size_t(index) < items_.size() ? index : -1;
  if (!Handle()) return;
  SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
  SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items_)
    SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageA(Handle(), CB_SETCURSEL, WPARAM(itemIndex_), 0);
  SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
  FitHeights();
}

void TComboBox::SetItemIndex(int index) {
  itemIndex_ = index >= 0 && size_t(index) < items_.size() ? index : -1;
  if (Handle()) SendMessageA(Handle(), CB_SETCURSEL, WPARAM(itemIndex_), 0);
}

void TComboBox::SetItemHeight(int height) {
  itemHeight_ = height;
  FitHeights();
}

void TComboBox::Created() { SetItems(items_, itemIndex_); }

void TComboBox::FitHeights() {
  if (!Handle()) return;
  // The closed box is as high as its bounds: its field takes what the frame around it leaves.
  RECT r;
  GetWindowRect(Handle(), &r);
  LRESULT field = SendMessageA(Handle(), CB_GETITEMHEIGHT, WPARAM(-1), 0);
  int frame = int(r.bottom - r.top) - int(field);
  if (field > 0 && Height() - frame > 0 && Height() - frame != field)
    SendMessageA(Handle(), CB_SETITEMHEIGHT, WPARAM(-1), Height() - frame);
  if (itemHeight_ > 0) SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, itemHeight_);
  BoundsChanged();
}

void TComboBox::BoundsChanged() {
  if (!Handle()) return;
  // A combo box's window height sets how far its list drops; the list takes no more than its
  // entries need, so the slack for its frame only keeps it from losing the last entry.
  int entry = itemHeight_ > 0 ? itemHeight_ : int(SendMessageA(Handle(), CB_GETITEMHEIGHT, 0, 0));
  int shown = std::max(1, std::min(DropDownCount, int(items_.size())));
  SetWindowPos(Handle(), nullptr, Left(), Top(), Width(), Height() + shown * entry + 8, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::Command(WORD code) {
  if (code != CBN_SELCHANGE) return;
  LRESULT index = SendMessageA(Handle(), CB_GETCURSEL, 0, 0);
  itemIndex_ = index >= 0 && size_t(index) < items_.size() ? int(index) : -1;
  Picked();
}

bool TComboBox::DrawItem(const DRAWITEMSTRUCT& item) {
  int i = int(item.itemID);
  bool valid = item.itemID != UINT(-1) && i >= 0 && size_t(i) < items_.size();
  PaintListItem(item, valid ? items_[size_t(i)] : std::string(), 0, Parent());
  return true;
}
