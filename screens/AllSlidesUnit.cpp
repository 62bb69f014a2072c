#include "AllSlidesUnit.h"

#include "AllSlidesLayout.h"
#include "AllSlidesPaging.h"
#include "ArtworkIds.h"
#include "CommandMailbox.h"
#include "PngResource.h"

TAllSlidesFrame::TAllSlidesFrame() : BackgroundImage(Add<TImage>()) {
  BackgroundImage.SetAlign(TAlign::Client);
  // Drawn at its own size from the top-left corner.
  BackgroundImage.SetFit({false, false, false});
  FHighlightPicture = ArtworkOrNone(awHighlight);
}

void TAllSlidesFrame::BuildSlideGrid(uint8_t ResolutionIndex) {
  if (FHighlightImage) return;
  const TAllSlidesLayout& layout = AllSlidesLayout[ResolutionIndex];
  BackgroundImage.SetPicture(layout.Image);
  for (int32_t cell = 1; cell <= CellsPerPage(layout); ++cell) {
    TImage& tile = Add<TImage>();
    tile.SetBounds(CellBounds(layout, cell));
    tile.SetFit({true, true, true});
    tile.OnClick = [this](TControl& sender) { TileClick(sender); };
    tile.Tag = kEmptyCell;
    FTiles.push_back(&tile);
  }
  // No click action of its own: a click on the current slide's cell posts nothing.
  FHighlightImage = &Add<TImage>();
  FHighlightImage->Hide();
  FHighlightImage->SetBounds(HighlightBounds(layout, 1));
  FHighlightImage->SetFit({true, false, false});
  FHighlightImage->SetPicture(FHighlightPicture);
}

void TAllSlidesFrame::SetPageCallbacks(std::function<void()> OnPrevPage, std::function<void()> OnNextPage) {
  FOnPrevPage = std::move(OnPrevPage);
  FOnNextPage = std::move(OnNextPage);
}

TImage* TAllSlidesFrame::FindTileByTag(int32_t n) {
  for (TImage* tile : FTiles)
    if (tile->Tag == n) return tile;
  return nullptr;
}

void TAllSlidesFrame::ShowHighlight(int32_t n) {
  if (!FHighlightImage) return;
  TImage* tile = n != kEmptyCell ? FindTileByTag(n) : nullptr;
  if (!tile) {
    FHighlightImage->Hide();
    return;
  }
  FHighlightImage->SetBounds(tile->Left(), tile->Top(), FHighlightImage->Width(), FHighlightImage->Height());
  FHighlightImage->Show();
}

void TAllSlidesFrame::TileClick(TControl& Sender) {
  int32_t tag = Sender.Tag;
  if (tag == kNextPageCell) {
    if (FOnNextPage) FOnNextPage();
  } else if (tag == kPrevPageCell) {
    if (FOnPrevPage) FOnPrevPage();
  } else if (tag != kEmptyCell) {
    SetCommand(FPresentationName, cmdGoToSlide, &tag);
  }
}
