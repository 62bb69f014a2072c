// Where the file browser's parts lie for a frame of a given size: a name strip on top, a button
// strip at the bottom, and between them the file panel (whose width the splitter sets) and the
// folder panel taking the rest. Panels keep a 4-pixel border around what they hold.
#pragma once

#include "AnchorLayout.h"

struct TFileBrowserBounds {
  TBounds FileNamePanel, FileNameLabel;                // label within its panel
  TBounds FileListPanel, FileListBox, FilterComboBox;  // boxes within their panel
  TBounds Splitter;
  TBounds DirListPanel, DirectoryListBox, DriveComboBox;  // boxes within their panel
  TBounds ControlPanel, OKButton, CancelButton;           // buttons within their panel
};

constexpr int kFileBrowserDesignWidth = 1280, kFileBrowserDesignHeight = 1024;
constexpr int kSplitterWidth = 3, kSplitterMinSize = 30;

// Sizes never go below 0; the file panel is as wide as asked, within the frame.
TFileBrowserBounds FileBrowserLayout(int width, int height, int fileListWidth);

// The file panel's width for a splitter dragged to splitterLeft: each side keeps at least
// kSplitterMinSize where the frame allows, the file panel first.
int SplitterFileListWidth(int splitterLeft, int width);
