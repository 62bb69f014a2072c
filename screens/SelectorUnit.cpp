#include "SelectorUnit.h"

#include <algorithm>
#include <utility>

#include "Application.h"
#include "CommandMailbox.h"
#include "FaceHolder.h"
#include "LayoutTables.h"
#include "ModuleFormat.h"
#include "RuvoError.h"
#include "UtilsUnit.h"

TSelectorFrame::TSelectorFrame()
    : BackgroundImage(Add<TImage>()),
      LaunchManageImage(Add<TImage>()),
      LaunchUpImage(Add<TImage>()),
      LaunchDownImage(Add<TImage>()),
      ManageUpImage(Add<TImage>()),
      ManageDownImage(Add<TImage>()),
      ExitImage(Add<TImage>()),
      ExitUpImage(Add<TImage>()),
      ExitDownImage(Add<TImage>()),
      ReduceEmptySlotsImage(Add<TImage>()),
      ReduceEmptySlotsUpImage(Add<TImage>()),
      ReduceEmptySlotsDownImage(Add<TImage>()) {
  SetBounds(0, 0, kSelectorDesignWidth, kSelectorDesignHeight);
  BackgroundImage.SetAlign(TAlign::Client);
  BackgroundImage.SetFit({true, false, false});
  LaunchManageImage.SetBounds(kLaunchManageDesign);
  LaunchManageImage.SetAutoSize(true);
  MakeFaceHolder(LaunchUpImage, fpSelectorLaunchUp);
  MakeFaceHolder(LaunchDownImage, fpSelectorLaunchDown);
  MakeFaceHolder(ManageUpImage, fpSelectorManageUp);
  MakeFaceHolder(ManageDownImage, fpSelectorManageDown);
  ExitImage.SetBounds(kSelectorExitDesign);
  ExitImage.SetAutoSize(true);
  MakeFaceHolder(ExitUpImage, fpSelectorExitUp);
  MakeFaceHolder(ExitDownImage, fpSelectorExitDown);
  ReduceEmptySlotsImage.SetBounds(kReduceEmptySlotsDesign);
  MakeFaceHolder(ReduceEmptySlotsUpImage, fpSelectorReduceEmptySlotsUp);
  MakeFaceHolder(ReduceEmptySlotsDownImage, fpSelectorReduceEmptySlotsDown);

  LaunchManageImage.OnClick = [this](TControl&) { LaunchManageImageClick(); };
  LaunchManageImage.OnMouseDown = [this](TControl&, TMouseButton) { LaunchManageImageMouseDown(); };
  LaunchManageImage.OnMouseUp = [this](TControl&, TMouseButton) { LaunchManageImageMouseUp(); };
  OnResize = [this](TWinControl&) { FrameResize(); };

  FMode = TSelectorMode::Manage;
  FTileSize = 1;
  FLevel = 1;
  LaunchManageImage.SetPicture(LaunchUpImage.Picture());
  LaunchManageImage.Tag = lmLaunch;
  ExitImage.SetPicture(ExitUpImage.Picture());
  ReduceEmptySlotsImage.SetPicture(ReduceEmptySlotsUpImage.Picture());
  PickLayout();
}

TSelectorFrame::~TSelectorFrame() { FreeGrid(FSlots); }

void TSelectorFrame::PickLayout() {
  RECT monitor{};
  int width = 0, height = 0;
  if (MonitorBounds(1, monitor)) width = monitor.right - monitor.left, height = monitor.bottom - monitor.top;
  FResolution = PickScreenSize(width, height);
  const TSelectorLayout& layout = SelectorLayout(1, FResolution);
  BackgroundImage.SetPicture(layout.Image);
  FSlotFiles.assign(size_t(layout.Columns * layout.Rows), std::string());
  const TSelectorResolution& size = SelectorResolutions[FResolution];
  FSlots = BuildGrid(FTileSize, FMode, layout.Columns, layout.Rows, size.Width, size.Height);
}

std::vector<TThumbnailFrame*> TSelectorFrame::BuildGrid(uint8_t TileSize, TSelectorMode Mode, int Columns, int Rows,
                                                        int Width, int Height) {
  std::vector<TTilePlace> places = GridPlaces(TileSize, Columns, Rows, Width, Height);
  std::vector<TThumbnailFrame*> list;
  list.reserve(places.size());
  // A tile that cannot be made takes the ones made before it with it: none stays over the selector.
  try {
    int32_t n = 0;
    for (const TTilePlace& place : places) {
      auto tile = std::make_unique<TThumbnailFrame>(tilePictures_);
      tile->SetBounds(place.Left, place.Top, tile->Width(), tile->Height());
      tile->Tag = ++n;
      tile->SetManageMode(Mode == TSelectorMode::Manage);
      tile->SetTileSize(TileSize);
      auto click = [this](TControl& c) { SlotClick(c); };
      tile->ThumbnailFrameImage.OnClick = click;
      tile->ThumbnailImage.OnClick = click;
      list.push_back(&Insert(std::move(tile)));
    }
  } catch (...) {
    FreeGrid(list);
    throw;
  }
  return list;
}

void TSelectorFrame::FreeGrid(std::vector<TThumbnailFrame*>& list) {
  for (TThumbnailFrame* tile : list) {
    tile->Hide();
    DisposeWhenIdle(Extract(*tile));
  }
  list.clear();
}

void TSelectorFrame::FrameResize() {
  TSelectorButtonPlaces p = SelectorButtons(Width(), Height(), ExitImage.Width(), ExitImage.Height());
  ExitImage.SetBounds(p.ExitLeft, p.ExitTop, ExitImage.Width(), ExitImage.Height());
  ReduceEmptySlotsImage.SetBounds(ReduceEmptySlotsImage.Left(), p.ReduceTop, ReduceEmptySlotsImage.Width(),
                                  ReduceEmptySlotsImage.Height());
  KeepButtonsInFront();
}

// Where the grid's gaps come out negative (1366x768) the tiles reach into the buttons' bands; the
// buttons stay whole and take their clicks there.
void TSelectorFrame::KeepButtonsInFront() {
  std::vector<TBounds> buttons{LaunchManageImage.Bounds(), ExitImage.Bounds(), ReduceEmptySlotsImage.Bounds()};
  for (TThumbnailFrame* tile : FSlots) tile->LeaveToParent(buttons);
}

TThumbnailFrame* TSelectorFrame::GetSlot(int32_t N) const {
  return N >= 1 && N <= SlotCount() ? FSlots[size_t(N - 1)] : nullptr;
}

void TSelectorFrame::SlotClick(TControl& sender) {
  auto* tile = dynamic_cast<TThumbnailFrame*>(sender.Parent());
  if (!tile) return;
  TThumbnailFrame* slot = GetSlot(tile->Tag);
  if (!slot) return;
  TSlotCommand c = SlotClickCommand(FMode, slot->Filled(), tile->Tag, SlotFile(tile->Tag));
  if (c.Id) SetCommand(c.Name, c.Id, c.HasParam1 ? &c.Param1 : nullptr);
}

bool TSelectorFrame::LoadThumbnail(int32_t Index, TDesignerModule* Module, TStream* Stream, int32_t SlideKey,
                                   const std::string& FileName) {
  TThumbnailFrame* slot = GetSlot(Index);
  if (!slot) return false;
  if (!Module) {
    slot->SetThumbnail(TPicture());
    FSlotFiles[size_t(Index - 1)].clear();
  } else {
    TPicture picture;
    if (FindSlideInfo(*Module, SlideKey)) {
      if (!Stream) throw ERuvoError("The module file of the thumbnail is not open.");
      // At the larger tile's thumbnail area, whichever tile size shows it.
      picture = LoadSlidePictureToFit(*Module, *Stream, SlideKey, kThumbnailDesign.Width, kThumbnailDesign.Height);
    }
    slot->SetThumbnail(picture);
    FSlotFiles[size_t(Index - 1)] = FileName;
  }
  UpdateModeFromSlots();
  return true;
}

bool TSelectorFrame::SwapThumbnails(int32_t A, int32_t B) {
  TThumbnailFrame* a = GetSlot(A);
  TThumbnailFrame* b = GetSlot(B);
  if (!a || !b) return false;
  std::swap(FSlotFiles[size_t(A - 1)], FSlotFiles[size_t(B - 1)]);
  TPicture old = b->ThumbnailImage.Picture();
  b->SetThumbnail(a->ThumbnailImage.Picture());
  a->SetThumbnail(old);
  return true;
}

void TSelectorFrame::UpdateModeFromSlots() { SetMode(ModeFromSlots(FSlotFiles)); }

void TSelectorFrame::SetMode(TSelectorMode Mode) {
  if (Mode == FMode) return;
  FMode = Mode;
  bool manage = FMode == TSelectorMode::Manage;
  for (TThumbnailFrame* tile : FSlots) tile->SetManageMode(manage);
  LaunchManageImage.SetPicture(manage ? LaunchUpImage.Picture() : ManageUpImage.Picture());
  LaunchManageImage.Tag = manage ? lmLaunch : lmManage;
}

void TSelectorFrame::LaunchManageImageMouseDown() {
  LaunchManageImage.SetPicture(LaunchManageImage.Tag == lmLaunch ? LaunchDownImage.Picture()
                                                                 : ManageDownImage.Picture());
}

void TSelectorFrame::LaunchManageImageMouseUp() {
  LaunchManageImage.SetPicture(LaunchManageImage.Tag == lmLaunch ? LaunchUpImage.Picture() : ManageUpImage.Picture());
}

void TSelectorFrame::LaunchManageImageClick() {
  SetMode(FMode == TSelectorMode::Launch ? TSelectorMode::Manage : TSelectorMode::Launch);
}

int32_t TSelectorFrame::GetMaxLevel() const { return CountLayoutModes(FResolution); }

void TSelectorFrame::SetLevel(int32_t Level) {
  if (Level == FLevel || Level < GetMinLevel() || Level > GetMaxLevel()) return;
  TWindowUpdateLock lock(Handle());
  const TSelectorLayout& layout = SelectorLayout(Level, FResolution);
  const TSelectorResolution& size = SelectorResolutions[FResolution];
  // The new grid is made first: if it cannot be, the old one stays as it was.
  std::vector<TThumbnailFrame*> fresh =
      BuildGrid(layout.TileSize, FMode, layout.Columns, layout.Rows, size.Width, size.Height);
  FLevel = Level;
  FTileSize = layout.TileSize;
  std::vector<TThumbnailFrame*> old = std::exchange(FSlots, std::move(fresh));
  FSlotFiles.resize(FSlots.size());
  for (size_t i = 0; i < std::min(old.size(), FSlots.size()); ++i)
    FSlots[i]->SetThumbnail(old[i]->ThumbnailImage.Picture());
  FreeGrid(old);
  KeepButtonsInFront();
}

void TSelectorFrame::GetDimensions(int32_t Level, int32_t* Columns, int32_t* Rows) const {
  if (Level < 1 || Level > GetMaxLevel()) return;
  const TSelectorLayout& layout = SelectorLayout(Level, FResolution);
  if (Columns) *Columns = layout.Columns;
  if (Rows) *Rows = layout.Rows;
}
