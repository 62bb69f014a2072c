// The presentation selector: the start screen, a grid of slots (tiles) holding presentations'
// thumbnails and module file names, in launch or manage mode, at one of one or two levels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "DesignerTypes.h"
#include "Frame.h"
#include "SelectorGrid.h"
#include "Stream.h"
#include "ThumbnailFrameUnit.h"

// LaunchManageImage's Tag: the face it shows, the mode a click switches to.
enum TLaunchManageFace : int32_t { lmLaunch = 0, lmManage = 1 };

class TSelectorFrame : public TFrame {
 public:
  // Chooses the screen size from the first monitor at once; it stays for the selector's life.
  TSelectorFrame();
  ~TSelectorFrame() override;

  TImage& BackgroundImage;
  TImage& LaunchManageImage;
  TImage& LaunchUpImage;
  TImage& LaunchDownImage;
  TImage& ManageUpImage;
  TImage& ManageDownImage;
  TImage& ExitImage;
  TImage& ExitUpImage;
  TImage& ExitDownImage;
  TImage& ReduceEmptySlotsImage;
  TImage& ReduceEmptySlotsUpImage;
  TImage& ReduceEmptySlotsDownImage;

  // Fills slot Index (1-based) from the module's slide SlideKey, or empties it for a null
  // module; false for an index out of range. A slide that cannot be read raises before anything
  // changes.
  bool LoadThumbnail(int32_t Index, TDesignerModule* Module, TStream* Stream, int32_t SlideKey,
                     const std::string& FileName);
  bool SwapThumbnails(int32_t A, int32_t B);
  void SetMode(TSelectorMode Mode);
  void SetLevel(int32_t Level);
  int32_t GetMinLevel() const { return 1; }
  int32_t GetMaxLevel() const;
  // Both outputs for a level from 1 to the highest, neither otherwise; null outputs are skipped.
  void GetDimensions(int32_t Level, int32_t* Columns, int32_t* Rows) const;
  // Slot N (1-based), or null out of range.
  TThumbnailFrame* GetSlot(int32_t N) const;
  int32_t SlotCount() const { return int32_t(FSlots.size()); }
  const std::string& SlotFile(int32_t N) const { return FSlotFiles.at(size_t(N - 1)); }

  TSelectorMode FMode = TSelectorMode::Manage;
  uint8_t FTileSize = 1;
  int32_t FLevel = 1;
  uint8_t FResolution = 0;
  // The frame pictures the tiles share.
  TTilePictures& TilePictures() { return tilePictures_; }

 private:
  void PickLayout();
  std::vector<TThumbnailFrame*> BuildGrid(uint8_t TileSize, TSelectorMode Mode, int Columns, int Rows, int Width,
                                          int Height);
  void FreeGrid(std::vector<TThumbnailFrame*>& list);
  void FrameResize();
  void KeepButtonsInFront();
  void UpdateModeFromSlots();
  void SlotClick(TControl& sender);
  void LaunchManageImageClick();
  void LaunchManageImageMouseDown();
  void LaunchManageImageMouseUp();

  TTilePictures tilePictures_;
  std::vector<TThumbnailFrame*> FSlots;
  std::vector<std::string> FSlotFiles;
};
