// The file browser: the presenter window's screen for choosing a module or a presentation file
// from the speaker's drives. It only lets the speaker navigate; the main window wires its OK and
// Cancel buttons.
#pragma once

#include <string>

#include "Button.h"
#include "DirectoryListBox.h"
#include "DriveComboBox.h"
#include "FileListBox.h"
#include "FilterComboBox.h"
#include "Frame.h"
#include "Splitter.h"

class TFileBrowserFrame : public TFrame {
 public:
  // Builds the layout and opens on the start drive and folder.
  TFileBrowserFrame();

  TFrame& FileNamePanel;
  TLabel& FileNameLabel;
  TFrame& FileListPanel;
  TFileListBox& FileListBox;
  TFilterComboBox& FilterComboBox;
  TSplitter& Splitter1;
  TFrame& DirListPanel;
  TDirectoryListBox& DirectoryListBox;
  TDriveComboBox& DriveComboBox;
  TFrame& ControlPanel;
  TButton& OKButton;
  TButton& CancelButton;

  // Reads the drives anew, keeping the current drive, and the current folder anew; when that
  // drive has gone or no longer answers, opens on the start drive and folder again.
  void RefreshDrives();
  // Chooses the filter by what the current folder holds, until the speaker has chosen one.
  void AutoPickFilter();
  // The selected file's full path; empty when no file is selected.
  std::string SelectedPath() const { return FileListBox.FileName(); }

 private:
  void OpenStartFolder();
  void Layout();
  void DirectoryListBoxChange();
  void FilterComboBoxClick();
  void FileListBoxChange();
  void FileListBoxDblClick();

  bool FFilterChosen = false;
  int fileListWidth_ = 0;
  // The drive list's current drive when the browser was made: the start choice weighs every
  // drive against it, also when the browser opens anew after its own drive has gone.
  char startCurrentDrive_ = 0;
};
