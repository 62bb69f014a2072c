#include "DirectoryListBox.h"

#include "FolderListing.h"
#include "StartDrive.h"

namespace {
constexpr int kIndentPerLevel = 20;
}

void TDirectoryListBox::SetDirectory(std::string folder) {
  directory_ = folder;
  tree_ = BuildFolderTree(folder, ReadFolder(folder).Folders);
  std::vector<std::string> captions;
  for (const TFolderEntry& entry : tree_.Entries) captions.push_back(entry.Caption);
  SetItems(std::move(captions));
  if (!tree_.Entries.empty()) SetItemIndex(int(tree_.Current));
  if (FileList) FileList->SetDirectory(folder);
  if (OnChange) OnChange(*this);
}

void TDirectoryListBox::SetDrive(char letter) { SetDirectory(DriveRoot(letter)); }

int TDirectoryListBox::ItemIndent(int index) const {
  return size_t(index) < tree_.Entries.size() ? tree_.Entries[size_t(index)].Level * kIndentPerLevel : 0;
}

void TDirectoryListBox::DblClicked() {
  int index = ItemIndex();
  if (index >= 0 && size_t(index) < tree_.Entries.size()) SetDirectory(tree_.Entries[size_t(index)].Path);
}
