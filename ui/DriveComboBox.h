// The drives that exist, each entry beginning with its lower-case letter (a fixed drive with its
// volume label), and a current drive. Choosing a drive, by the speaker or the program, moves the
// linked folder list to the drive's root.
#pragma once

#include <string>

#include "ComboBox.h"
#include "DirectoryListBox.h"

class TDriveComboBox : public TComboBox {
 public:
  // Starts with the drive of the process's current folder.
  TDriveComboBox();
  // The current drive's lower-case letter; 0 for none.
  char Drive() const { return drive_; }
  void SetDrive(char letter);
  // The letters listed, in order.
  const std::string& Letters() const { return letters_; }
  // Reads the drives anew and keeps the current drive, without repainting between.
  void Rebuild();
  TDirectoryListBox* DirList = nullptr;

 protected:
  void Picked() override;

 private:
  int IndexOf(char letter) const;
  char drive_ = 0;
  std::string letters_;
};
