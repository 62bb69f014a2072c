#include "FilterComboBox.h"

void TFilterComboBox::SetFilter(const std::string& filter) {
  entries_ = ParseFilter(filter);
  std::vector<std::string> items;
  for (const TFilterEntry& entry : entries_) items.push_back(entry.Description);
  SetItems(std::move(items), entries_.empty() ? -1 : 0);
}

std::string TFilterComboBox::Mask() const {
  return ItemIndex() >= 0 ? entries_[size_t(ItemIndex())].Mask : std::string("*.*");
}

void TFilterComboBox::Picked() {
  if (FileList) FileList->SetMask(Mask());
  TComboBox::Picked();
}
