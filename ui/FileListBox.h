// The files of one folder that match a mask ("*.ppt;*.pps" for several patterns). Hidden and
// system files are left out. After each reading (new folder, new mask) no file is selected, and
// OnChange comes then as well as on each change of the selection by the speaker.
#pragma once

#include <string>
#include <vector>

#include "ListBox.h"

class TFileListBox : public TListBox {
 public:
  TFileListBox() = default;
  const std::string& Directory() const { return directory_; }
  void SetDirectory(const std::string& folder);
  const std::string& Mask() const { return mask_; }
  void SetMask(const std::string& mask);
  // Every file of the folder as last read, whatever the mask.
  const std::vector<std::string>& AllFiles() const { return allFiles_; }
  // The selected file's full path; empty when no file is selected.
  std::string FileName() const;

 private:
  void ShowMatching();
  std::string directory_;
  std::string mask_ = "*.*";
  std::vector<std::string> allFiles_;
};
