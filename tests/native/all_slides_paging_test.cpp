// The all-slides pages: how a deck is shared out over pages for every screen size, which page
// holds a slide, and where the cells lie.
#include <gtest/gtest.h>

#include <string>

#include "AllSlidesPaging.h"

namespace {

std::vector<int32_t> SlidesPerPage(const std::vector<TAllSlidesPage>& pages) {
  std::vector<int32_t> counts;
  for (const auto& p : pages) counts.push_back(p.LastSlide - p.FirstSlide + 1);
  return counts;
}

// Every cell's content, page by page, as text: "<" and ">" for the arrows, "." for an empty cell.
std::string Contents(const std::vector<TAllSlidesPage>& pages, int32_t cells) {
  std::string s;
  for (const auto& p : pages) {
    s += "|";
    for (int32_t c = 1; c <= cells; ++c) {
      int32_t v = CellContent(p, c, cells);
      s += v == kPrevPageCell ? "<" : v == kNextPageCell ? ">" : v == kEmptyCell ? "." : std::to_string(v);
      s += c < cells ? " " : "";
    }
  }
  return s;
}

std::string Range(int32_t from, int32_t to) {
  std::string s;
  for (int32_t i = from; i <= to; ++i) s += std::to_string(i) + (i < to ? " " : "");
  return s;
}

std::string Empty(int32_t count) {
  std::string s;
  for (int32_t i = 0; i < count; ++i) s += i ? " ." : ".";
  return s;
}

}  // namespace

TEST(AllSlidesPaging, SlidesPerPageForEveryScreenSize) {
  // Cells per page: 54, 36, 45, 54, 54, 54, 54.
  using V = std::vector<int32_t>;
  struct {
    int size;
    int32_t slides;
    V perPage;
  } cases[] = {
      {0, 0, {}},
      {0, 1, {1}},
      {0, 53, {53}},
      {0, 54, {54}},
      {0, 55, {53, 2}},
      {0, 106, {53, 53}},
      {0, 107, {53, 52, 2}},
      {1, 0, {}},
      {1, 1, {1}},
      {1, 36, {36}},
      {1, 37, {35, 2}},
      {1, 53, {35, 18}},
      {1, 54, {35, 19}},
      {1, 55, {35, 20}},
      {1, 107, {35, 34, 34, 4}},
      {2, 0, {}},
      {2, 1, {1}},
      {2, 53, {44, 9}},
      {2, 54, {44, 10}},
      {2, 55, {44, 11}},
      {2, 107, {44, 43, 20}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("size " + std::to_string(c.size) + ", " + std::to_string(c.slides) + " slides");
    EXPECT_EQ(SlidesPerPage(PlanPages(c.slides, CellsPerPage(AllSlidesLayout[c.size]))), c.perPage);
  }
  // The 54-cell sizes share out alike.
  for (int size : {3, 4, 5, 6})
    for (int32_t slides : {0, 1, 53, 54, 55, 107})
      EXPECT_EQ(PlanPages(slides, CellsPerPage(AllSlidesLayout[size])).size(), PlanPages(slides, 54).size())
          << size << " " << slides;
}

TEST(AllSlidesPaging, CellContentsOfTheExamples) {
  struct {
    int32_t slides, cells;
    std::string contents;
  } cases[] = {
      {0, 54, ""},
      {1, 54, "|1 " + Empty(53)},
      {54, 54, "|" + Range(1, 54)},
      {55, 54, "|" + Range(1, 53) + " >|< 54 55 " + Empty(51)},
      {106, 54, "|" + Range(1, 53) + " >|< " + Range(54, 106)},
      {107, 54, "|" + Range(1, 53) + " >|< " + Range(54, 105) + " >|< 106 107 " + Empty(51)},
      {37, 36, "|" + Range(1, 35) + " >|< 36 37 " + Empty(33)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Contents(PlanPages(c.slides, c.cells), c.cells), c.contents) << c.slides << " slides";
}

// For every screen size and deck: each slide on exactly one page, in order; the arrows where
// they belong; and the page found for a slide is the page that holds it.
TEST(AllSlidesPaging, EverySlideOnceAndFoundOnItsPage) {
  for (int size = 0; size < kScreenSizeCount; ++size) {
    int32_t cells = CellsPerPage(AllSlidesLayout[size]);
    for (int32_t slides = 0; slides <= 3 * cells + 2; ++slides) {
      SCOPED_TRACE("size " + std::to_string(size) + ", " + std::to_string(slides) + " slides");
      std::vector<TAllSlidesPage> pages = PlanPages(slides, cells);
      int32_t next = 1;
      for (size_t i = 0; i < pages.size(); ++i) {
        const TAllSlidesPage& p = pages[i];
        ASSERT_EQ(p.FirstSlide, next);
        ASSERT_EQ(p.LastSlide - p.FirstSlide, p.LastCell - p.FirstCell);
        ASSERT_EQ(p.FirstCell, i == 0 ? 1 : 2);
        ASSERT_EQ(p.NextArrow, i + 1 < pages.size());
        ASSERT_EQ(CellContent(p, 1, cells), i == 0 ? 1 : kPrevPageCell);
        ASSERT_TRUE(!p.NextArrow || p.LastCell == cells - 1);
        for (int32_t n = p.FirstSlide; n <= p.LastSlide; ++n) ASSERT_EQ(PageOfSlide(slides, cells, n), int32_t(i)) << n;
        next = p.LastSlide + 1;
      }
      ASSERT_EQ(next, slides + 1);
      for (int32_t n : {-2, -1, 0, slides + 1}) ASSERT_EQ(PageOfSlide(slides, cells, n), -1) << n;
    }
  }
}

TEST(AllSlidesPaging, PageOfSlideInA107SlideDeck) {
  struct {
    int32_t n, page;
  } cases[] = {{1, 0}, {53, 0}, {54, 1}, {60, 1}, {105, 1}, {106, 2}, {107, 2}, {0, -1}, {108, -1}};
  for (auto c : cases) EXPECT_EQ(PageOfSlide(107, 54, c.n), c.page) << c.n;
}

TEST(AllSlidesPaging, TooFewCellsGiveNoPages) {
  for (int32_t cells : {-1, 0, 1, 2}) {
    EXPECT_TRUE(PlanPages(10, cells).empty()) << cells;
    EXPECT_EQ(PageOfSlide(10, cells, 1), -1) << cells;
  }
  // Three cells: a later page holds one slide between its arrows.
  EXPECT_EQ(SlidesPerPage(PlanPages(5, 3)), (std::vector<int32_t>{2, 1, 2}));
}

TEST(AllSlidesPaging, CellsLieOnTheirPageCentredAndInRows) {
  for (int size = 0; size < kScreenSizeCount; ++size) {
    const TAllSlidesLayout& l = AllSlidesLayout[size];
    const TSelectorResolution& screen = SelectorResolutions[size];
    SCOPED_TRACE(std::to_string(screen.Width) + "x" + std::to_string(screen.Height));
    TBounds page = PageBounds(screen.Width, screen.Height);
    EXPECT_EQ(page, (TBounds{0, 80, screen.Width, screen.Height - 80}));
    int32_t cells = CellsPerPage(l);
    TBounds first = CellBounds(l, 1), lastInRow = CellBounds(l, l.Columns), last = CellBounds(l, cells);
    EXPECT_EQ(first, (TBounds{l.Left0, 9, 120, 90}));
    EXPECT_EQ(CellBounds(l, l.Columns + 1), (TBounds{l.Left0, 9 + 153, 120, 90}));
    EXPECT_EQ(lastInRow.Top, 9);
    // The grid is centred on the page.
    EXPECT_EQ(first.Left, page.Width - (lastInRow.Left + lastInRow.Width));
    EXPECT_EQ(last.Left, lastInRow.Left);
    EXPECT_EQ(last.Top, 9 + (l.Rows - 1) * 153);
    // The highlight of the bottom-right cell stays on the page.
    TBounds h = HighlightBounds(l, cells);
    EXPECT_EQ(h, (TBounds{last.Left, last.Top, 120, 99}));
    EXPECT_LE(h.Top + h.Height, page.Height);
    EXPECT_LE(h.Left + h.Width, page.Width);
  }
}
