// The file browser's native controls as the speaker meets them on screen: found among the
// presenter window's child windows, read through their own messages, clicked where they show.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "ScreenTools.h"

struct TBrowserWindows {
  HWND FileList = nullptr, DirList = nullptr, Filter = nullptr, Drive = nullptr, OK = nullptr, Cancel = nullptr;
};

namespace browser_detail {
inline BOOL CALLBACK Collect(HWND w, LPARAM p) {
  reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
  return TRUE;
}
inline bool ClassIs(HWND w, const char* name) {
  char cls[64] = "";
  return GetClassNameA(w, cls, sizeof cls) && lstrcmpiA(cls, name) == 0;
}
inline std::string Text(HWND w) {
  char text[256] = "";
  GetWindowTextA(w, text, sizeof text);
  return text;
}
}  // namespace browser_detail

// The visible browser's controls in the presenter window: of the two lists and the two boxes,
// the file list and the filter box lie left of the folder list and the drive box.
inline TBrowserWindows FindBrowser(HWND main) {
  using namespace browser_detail;
  std::vector<HWND> all;
  EnumChildWindows(main, Collect, reinterpret_cast<LPARAM>(&all));
  auto left = [](HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    return r.left;
  };
  auto place = [&](HWND w, HWND& leftOne, HWND& rightOne) {
    HWND& slot = !leftOne ? leftOne : !rightOne ? rightOne : leftOne;
    slot = w;
    if (leftOne && rightOne && left(leftOne) > left(rightOne)) std::swap(leftOne, rightOne);
  };
  TBrowserWindows b;
  for (HWND w : all) {
    if (!IsWindowVisible(w)) continue;
    if (ClassIs(w, "ListBox")) place(w, b.FileList, b.DirList);
    if (ClassIs(w, "ComboBox")) place(w, b.Filter, b.Drive);
    if (ClassIs(w, "Button") && Text(w) == "OK") b.OK = w;
    if (ClassIs(w, "Button") && Text(w) == "Cancel") b.Cancel = w;
  }
  return b;
}

inline std::vector<std::string> ListItems(HWND list) {
  std::vector<std::string> items;
  LRESULT n = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < n; ++i) {
    std::string text(size_t(SendMessageA(list, LB_GETTEXTLEN, WPARAM(i), 0)) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(&text[0]));
    items.push_back(text.c_str());
  }
  return items;
}

// The selected entry's text; empty when none is selected.
inline std::string ListSelection(HWND list) {
  LRESULT i = SendMessageA(list, LB_GETCURSEL, 0, 0);
  std::vector<std::string> items = ListItems(list);
  return i >= 0 && size_t(i) < items.size() ? items[size_t(i)] : std::string();
}

inline std::string ComboSelection(HWND combo) {
  LRESULT i = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (i < 0) return std::string();
  std::string text(size_t(SendMessageA(combo, CB_GETLBTEXTLEN, WPARAM(i), 0)) + 1, '\0');
  SendMessageA(combo, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(&text[0]));
  return text.c_str();
}

// The middle of a list entry on the screen.
inline POINT ListItemPoint(HWND list, int index) {
  RECT r{};
  SendMessageA(list, LB_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r));
  POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(list, &p);
  return p;
}

inline int ListIndexOf(HWND list, const std::string& text) {
  std::vector<std::string> items = ListItems(list);
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i] == text) return int(i);
  return -1;
}

// Double-clicks at a screen point as the mouse would: press, release, the second press, release.
inline void DoubleClickAt(int x, int y) {
  POINT p{x, y};
  HWND w = WindowFromPoint(p);
  if (!w) return;
  ScreenToClient(w, &p);
  LPARAM pos = MAKELPARAM(p.x, p.y);
  PostMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, pos);
  PostMessageA(w, WM_LBUTTONUP, 0, pos);
  PostMessageA(w, WM_LBUTTONDBLCLK, MK_LBUTTON, pos);
  PostMessageA(w, WM_LBUTTONUP, 0, pos);
  Settle(5);
}

// Clicks a list entry by its text, once or twice; false when the list does not show it.
inline bool ClickListItem(HWND list, const std::string& text, bool twice = false) {
  int i = ListIndexOf(list, text);
  if (i < 0) return false;
  POINT p = ListItemPoint(list, i);
  if (twice)
    DoubleClickAt(p.x, p.y);
  else
    ClickAt(p.x, p.y);
  return true;
}

// Clicks a button in the middle.
inline void ClickWindow(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// Opens a drop-down box with a click and clicks the entry with that text in its list.
inline bool PickComboItem(HWND combo, const std::string& text) {
  ClickWindow(combo);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!GetComboBoxInfo(combo, &info) || !info.hwndList) return false;
  int i = ListIndexOf(info.hwndList, text);
  if (i < 0) {
    SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    return false;
  }
  POINT p = ListItemPoint(info.hwndList, i);
  ClickAt(p.x, p.y);
  return true;
}
