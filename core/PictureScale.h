// Shrinking a picture once, with good quality, to the size it is shown at.
#pragma once

#include <vector>

#include "Picture.h"

// The picture scaled down (area averaging, colours weighted by alpha) to fit within maxWidth x
// maxHeight, keeping its proportions; the picture itself when it fits already. The kind is kept.
// The picture is first halved by 2x2 box averages while it is at least twice the target both
// ways (an odd last row or column left out), which keeps the result within a shade or two of the
// plain area average at a fraction of the cost.
TPicture ShrinkToFit(const TPicture& picture, int maxWidth, int maxHeight);

// ShrinkToFit for a picture that arrives row by row, top row first, as a decoder makes it: the
// rows are halved as they arrive, so the full size is never held. The result equals ShrinkToFit
// of the whole picture.
class TRowShrinker {
 public:
  TRowShrinker(int width, int height, TPictureKind kind, int maxWidth, int maxHeight);
  // Where the next row (width pixels) is to be written; valid until RowDone.
  uint32_t* RowBuffer();
  void RowDone();
  // A row that is complete elsewhere.
  void AddRow(const uint32_t* row);
  // After the last row.
  TPicture Finish();

 private:
  void Take(const uint32_t* row);
  void Push(size_t stage, const uint32_t* row);

  int width_, height_, fitWidth_, fitHeight_;
  TPictureKind kind_;
  bool streaming_;
  int row_ = 0;
  std::vector<uint32_t> whole_;          // every row, when not streaming
  std::vector<uint32_t> input_;          // the row being written, when streaming
  std::vector<uint32_t> premultiplied_;  // a row with alpha, its colours premultiplied
  // Per halving stage: its row width, the first row of a pair waiting for its second, and the
  // halved row it passes on.
  struct TStage {
    int width;
    bool waiting = false;
    std::vector<uint32_t> first, halved;
  };
  std::vector<TStage> stages_;
  int reducedWidth_ = 0, reducedHeight_ = 0, reducedRows_ = 0;
  std::vector<uint32_t> reduced_;  // the picture after the last halving
};
