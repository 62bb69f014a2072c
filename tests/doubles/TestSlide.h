// Slides that look like slides, drawn with GDI and encoded as PNG: a coloured band, a title and
// a large slide number, so that a screenshot shows at once whether a slide is sharp and whole.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Gdi.h"
#include "TestPng.h"

inline std::vector<uint8_t> MakeSlidePng(int w, int h, int number, const std::string& title) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  TClientDC screen(nullptr);
  TGdiObject<HBITMAP> bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  TMemoryDC dc(screen.Get());
  {
    TSelect select(dc.Get(), bitmap.Get());
    RECT all{0, 0, w, h}, band{0, 0, w, h / 5}, frame{w / 40, h / 40, w - w / 40, h - h / 40};
    TGdiObject<HBRUSH> paper(CreateSolidBrush(RGB(250, 248, 242)));
    TGdiObject<HBRUSH> ink(CreateSolidBrush(RGB(30 + number * 9 % 120, 60, 120 + number * 23 % 120)));
    FillRect(dc.Get(), &all, paper.Get());
    FillRect(dc.Get(), &band, ink.Get());
    FrameRect(dc.Get(), &frame, ink.Get());
    SetBkMode(dc.Get(), TRANSPARENT);
    TGdiObject<HFONT> big(
        CreateFontA(-h / 3, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, ANTIALIASED_QUALITY, 0, "Arial"));
    TGdiObject<HFONT> small(
        CreateFontA(-h / 10, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, ANTIALIASED_QUALITY, 0, "Arial"));
    SetTextColor(dc.Get(), RGB(255, 255, 255));
    {
      TSelect font(dc.Get(), small.Get());
      DrawTextA(dc.Get(), title.c_str(), -1, &band, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    SetTextColor(dc.Get(), RGB(40, 40, 40));
    TSelect font(dc.Get(), big.Get());
    RECT body{0, h / 5, w, h};
    std::string n = std::to_string(number);
    DrawTextA(dc.Get(), n.c_str(), -1, &body, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  GdiFlush();
  std::vector<uint32_t> px(static_cast<const uint32_t*>(bits), static_cast<const uint32_t*>(bits) + size_t(w) * h);
  for (uint32_t& p : px) p |= 0xFF000000u;
  return EncodePng(w, h, px);
}
