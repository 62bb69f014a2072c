// The filter entries "Description|mask|..." of a file list. When the speaker picks an entry its
// mask goes to the linked file list, then OnChange comes; an entry selected by the program
// raises nothing and leaves the file list alone.
#pragma once

#include <string>
#include <vector>

#include "ComboBox.h"
#include "FileListBox.h"
#include "FileMask.h"

class TFilterComboBox : public TComboBox {
 public:
  TFilterComboBox() = default;
  // Takes the entries and selects the first.
  void SetFilter(const std::string& filter);
  const std::vector<TFilterEntry>& Entries() const { return entries_; }
  // The selected entry's mask; "*.*" when none is selected.
  std::string Mask() const;
  TFileListBox* FileList = nullptr;

 protected:
  void Picked() override;

 private:
  std::vector<TFilterEntry> entries_;
};
