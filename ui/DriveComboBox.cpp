#include "DriveComboBox.h"

#include "DriveProbe.h"

TDriveComboBox::TDriveComboBox() : drive_(CurrentDriveLetter()) { Rebuild(); }

void TDriveComboBox::Rebuild() {
  letters_ = ExistingDriveLetters();
  std::vector<std::string> items;
  for (char letter : letters_) {
    std::string item = std::string(1, letter) + ":";
    std::string label = FixedDriveLabel(letter);
    if (!label.empty()) item += " [" + label + "]";
    items.push_back(item);
  }
  SetItems(std::move(items), IndexOf(drive_));
}

void TDriveComboBox::SetDrive(char letter) {
  drive_ = letter >= 'A' && letter <= 'Z' ? char(letter - 'A' + 'a') : letter;
  SetItemIndex(IndexOf(drive_));
  if (DirList) DirList->SetDrive(drive_);
}

int TDriveComboBox::IndexOf(char letter) const {
  size_t at = letter ? letters_.find(letter) : std::string::npos;
  return at == std::string::npos ? -1 : int(at);
}

void TDriveComboBox::Picked() {
  if (ItemIndex() >= 0) SetDrive(letters_[size_t(ItemIndex())]);
  TComboBox::Picked();
}
