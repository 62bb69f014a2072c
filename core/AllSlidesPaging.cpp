#include "AllSlidesPaging.h"

namespace {
// Below this a later page has no cell left for a slide between its two arrows.
constexpr int32_t kMinCells = 3;
}  // namespace

std::vector<TAllSlidesPage> PlanPages(int32_t slideCount, int32_t cells) {
  std::vector<TAllSlidesPage> pages;
  if (cells < kMinCells) return pages;
  int32_t remaining = slideCount, firstCell = 1;
  while (remaining > 0) {
    TAllSlidesPage page{};
    page.FirstCell = firstCell;
    page.FirstSlide = slideCount - remaining + 1;
    // The cells left once the previous-page arrow has its cell.
    int32_t free = cells - firstCell + 1;
    page.NextArrow = remaining > free;
    page.LastCell = page.NextArrow ? cells - 1 : firstCell + remaining - 1;
    int32_t count = page.LastCell - page.FirstCell + 1;
    page.LastSlide = page.FirstSlide + count - 1;
    remaining -= count;
    pages.push_back(page);
    firstCell = 2;
  }
  return pages;
}

int32_t CellContent(const TAllSlidesPage& page, int32_t cell, int32_t cells) {
  if (cell == 1 && page.FirstCell > 1) return kPrevPageCell;
  if (cell == cells && page.NextArrow) return kNextPageCell;
  if (cell >= page.FirstCell && cell <= page.LastCell) return page.FirstSlide + (cell - page.FirstCell);
  return kEmptyCell;
}

int32_t PageOfSlide(int32_t slideCount, int32_t cells, int32_t n) {
  if (cells < kMinCells || n < 1 || n > slideCount) return -1;
  if (slideCount <= cells || n < cells) return 0;
  // Page 0 holds cells - 1 slides, every later page cells - 2, but the last one, which takes
  // one more when it needs no next-page arrow.
  int32_t later = slideCount - (cells - 1);
  int32_t laterPages = 1 + (later > cells - 1 ? (later - (cells - 1) + cells - 3) / (cells - 2) : 0);
  int32_t page = 1 + (n - cells) / (cells - 2);
  return page > laterPages ? laterPages : page;
}

int32_t CellsPerPage(const TAllSlidesLayout& layout) { return layout.Columns * layout.Rows; }

TBounds CellBounds(const TAllSlidesLayout& layout, int32_t cell) {
  int32_t row = (cell - 1) / layout.Columns, column = (cell - 1) % layout.Columns;
  return {layout.Left0 + column * layout.StepX, layout.Top0 + row * layout.StepY, layout.CellWidth, layout.CellHeight};
}

TBounds HighlightBounds(const TAllSlidesLayout& layout, int32_t cell) {
  TBounds b = CellBounds(layout, cell);
  b.Height += 9;
  return b;
}

TBounds PageBounds(int32_t width, int32_t height) { return {0, 80, width, height - 80}; }
