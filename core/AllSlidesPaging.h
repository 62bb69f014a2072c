// How the all-slides pages share out a deck: which slides and arrows each page's cells hold,
// which page holds a slide, and where a cell lies on its page.
#pragma once

#include <cstdint>
#include <vector>

#include "AllSlidesLayout.h"
#include "AnchorLayout.h"

// A cell's content: an arrow, nothing, or a slide number (1 and up).
constexpr int32_t kPrevPageCell = -1;
constexpr int32_t kNextPageCell = -2;
constexpr int32_t kEmptyCell = 0;

// One page: slides FirstSlide..LastSlide lie in cells FirstCell..LastCell (1-based, row by row).
// Every page but the first has the previous-page arrow in cell 1; the last cell holds the
// next-page arrow when more slides follow.
struct TAllSlidesPage {
  int32_t FirstSlide;
  int32_t LastSlide;
  int32_t FirstCell;
  int32_t LastCell;
  bool NextArrow;
};

// The pages for slides 1..slideCount with that many cells a page: none for no slides. A page
// needs room for both arrows and a slide: fewer than 3 cells give no pages.
std::vector<TAllSlidesPage> PlanPages(int32_t slideCount, int32_t cells);

// What 1-based cell `cell` of the page holds.
int32_t CellContent(const TAllSlidesPage& page, int32_t cell, int32_t cells);

// The 0-based index of the page that holds slide n, or -1 when no page does (n outside
// 1..slideCount). Agrees with PlanPages without building it.
int32_t PageOfSlide(int32_t slideCount, int32_t cells, int32_t n);

int32_t CellsPerPage(const TAllSlidesLayout& layout);

// Bounds of 1-based cell `cell` on its page.
TBounds CellBounds(const TAllSlidesLayout& layout, int32_t cell);

// The highlight frame over a cell: as wide as the cell, 9 pixels taller (its pointer below it).
TBounds HighlightBounds(const TAllSlidesLayout& layout, int32_t cell);

// A page on its slide-show screen, below the 80-pixel top bar, for screen size `width` x `height`.
TBounds PageBounds(int32_t width, int32_t height);
