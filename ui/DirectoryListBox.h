// A folder with its parents and sub-folders, indented as a tree. A double click opens the entry's
// folder. Each change of folder, by the speaker or the program, hands the folder to the linked
// file list and then raises OnChange.
#pragma once

#include <string>

#include "FileListBox.h"
#include "FolderTree.h"
#include "ListBox.h"

class TDirectoryListBox : public TListBox {
 public:
  TDirectoryListBox() = default;
  const std::string& Directory() const { return directory_; }
  // Reads the folder's sub-folders anew, also when it is the folder shown.
  // By value: the folder may be one of the list's own entries, which the new list replaces.
  void SetDirectory(std::string folder);
  // Opens the drive's root.
  void SetDrive(char letter);
  TFileListBox* FileList = nullptr;

 protected:
  int ItemIndent(int index) const override;
  // Only a change of folder counts as a change; moving the highlight does not.
  void SelectionChanged() override {}
  void DblClicked() override;

 private:
  std::string directory_;
  TFolderTree tree_;
};
