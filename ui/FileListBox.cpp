#include "FileListBox.h"

#include "FileMask.h"
#include "FolderListing.h"
#include "FolderTree.h"

void TFileListBox::SetDirectory(const std::string& folder) {
  directory_ = folder;
  allFiles_ = ReadFolder(folder).Files;
  ShowMatching();
}

void TFileListBox::SetMask(const std::string& mask) {
  mask_ = mask;
  ShowMatching();
}

void TFileListBox::ShowMatching() {
  std::vector<std::string> shown;
  for (const std::string& name : allFiles_)
    if (MatchesMask(name, mask_)) shown.push_back(name);
  SetItems(std::move(shown));
  SelectionChanged();
}

std::string TFileListBox::FileName() const {
  if (ItemIndex() < 0) return std::string();
  return JoinPath(directory_, Items()[size_t(ItemIndex())]);
}
