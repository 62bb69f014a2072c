#include "FileBrowserLayout.h"

#include <algorithm>

namespace {
constexpr int kBorder = 4, kNameHeight = 41, kControlHeight = 61, kFilterHeight = 37, kDriveHeight = 35;
// The buttons keep their distances to the right and bottom of the strip, as designed.
constexpr int kOKRight = kFileBrowserDesignWidth - 1056, kCancelRight = kFileBrowserDesignWidth - 1168, kButtonTop = 8,
              kButtonWidth = 105, kButtonHeight = 41;

int NotNegative(int v) { return std::max(v, 0); }

// A list filling a panel above a box of boxHeight at its bottom, inside the border.
void ListAboveBox(const TBounds& panel, int boxHeight, TBounds& list, TBounds& box) {
  int innerWidth = NotNegative(panel.Width - 2 * kBorder), innerHeight = NotNegative(panel.Height - 2 * kBorder);
  int boxTop = kBorder + NotNegative(innerHeight - boxHeight);
  box = {kBorder, boxTop, innerWidth, std::min(boxHeight, innerHeight)};
  list = {kBorder, kBorder, innerWidth, boxTop - kBorder};
}
}  // namespace

TFileBrowserBounds FileBrowserLayout(int width, int height, int fileListWidth) {
  TFileBrowserBounds b;
  width = NotNegative(width), height = NotNegative(height);
  int nameHeight = std::min(kNameHeight, height);
  int controlHeight = std::min(kControlHeight, height - nameHeight);
  int middleTop = nameHeight, middleHeight = height - nameHeight - controlHeight;

  b.FileNamePanel = {0, 0, width, nameHeight};
  b.FileNameLabel = {kBorder, kBorder, NotNegative(width - 2 * kBorder), NotNegative(nameHeight - 2 * kBorder)};

  int fileWidth = std::clamp(fileListWidth, 0, width);
  int splitterWidth = std::min(kSplitterWidth, width - fileWidth);
  b.FileListPanel = {0, middleTop, fileWidth, middleHeight};
  ListAboveBox(b.FileListPanel, kFilterHeight, b.FileListBox, b.FilterComboBox);
  b.Splitter = {fileWidth, middleTop, splitterWidth, middleHeight};
  int dirLeft = fileWidth + splitterWidth;
  b.DirListPanel = {dirLeft, middleTop, width - dirLeft, middleHeight};
  ListAboveBox(b.DirListPanel, kDriveHeight, b.DirectoryListBox, b.DriveComboBox);

  b.ControlPanel = {0, height - controlHeight, width, controlHeight};
  int buttonTop = controlHeight - (kControlHeight - kButtonTop);
  b.OKButton = {width - kOKRight, buttonTop, kButtonWidth, kButtonHeight};
  b.CancelButton = {width - kCancelRight, buttonTop, kButtonWidth, kButtonHeight};
  return b;
}

int SplitterFileListWidth(int splitterLeft, int width) {
  int fileWidth = std::max(std::min(splitterLeft, width - kSplitterWidth - kSplitterMinSize), kSplitterMinSize);
  return std::clamp(fileWidth, 0, NotNegative(width - kSplitterWidth));
}
