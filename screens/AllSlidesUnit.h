// One all-slides page of a slide-show screen: the page background drawn at its own size, a grid
// of cells that hold slide thumbnails or the page arrows, and a highlight frame over the current
// slide's cell. A click on a slide's cell asks the add-in to go to that slide; a click on an
// arrow turns the page through the screen.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Frame.h"

class TAllSlidesFrame : public TFrame {
 public:
  TAllSlidesFrame();

  TImage& BackgroundImage;

  // The background and the cells for a screen-size index 0..6, once; the cells all empty,
  // tagged 0.
  void BuildSlideGrid(uint8_t ResolutionIndex);
  void SetPageCallbacks(std::function<void()> OnPrevPage, std::function<void()> OnNextPage);
  // The cell at a 0-based index, row by row.
  TImage& GetTile(int32_t Index) { return *FTiles[size_t(Index)]; }
  int32_t TileCount() const { return int32_t(FTiles.size()); }
  // The first cell tagged n, or null.
  TImage* FindTileByTag(int32_t n);
  // Over the cell of slide n; hidden for 0, and when no cell holds n.
  void ShowHighlight(int32_t n);
  // Null until the grid is built.
  const TImage* HighlightImage() const { return FHighlightImage; }

  // Sent with the go-to-slide command.
  std::string FPresentationName;
  // The slides on this page and the 1-based cells that hold them.
  int32_t FFirstSlide = 0;
  int32_t FLastSlide = 0;
  int32_t FFirstCell = 0;
  int32_t FLastCell = 0;

 private:
  void TileClick(TControl& Sender);

  std::vector<TImage*> FTiles;  // owned by the page as its controls
  std::function<void()> FOnPrevPage;
  std::function<void()> FOnNextPage;
  TPicture FHighlightPicture;
  TImage* FHighlightImage = nullptr;  // made after the cells, so that it lies above them
};
