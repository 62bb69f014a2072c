// A native drop-down list box (no typing), owner-drawn in its parent's colours and font. Its
// height is the closed box's; the dropped list shows up to DropDownCount entries below it.
#pragma once

#include <string>
#include <vector>

#include "NativeControl.h"

class TComboBox : public TNativeControl {
 public:
  TComboBox() = default;
  const std::vector<std::string>& Items() const { return items_; }
  // Replaces the entries in one step, without repainting between; selects the entry at index.
  void SetItems(std::vector<std::string> items, int index = -1);
  // The selected entry, -1 for none. Setting it by program raises no event.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  // The height of the entries in the dropped list.
  void SetItemHeight(int height);
  int DropDownCount = 8;

  // The speaker picked an entry.
  std::function<void(TComboBox&)> OnChange;

 protected:
  const char* ClassName() const override { return "COMBOBOX"; }
  DWORD Style() const override;
  void Created() override;
  void BoundsChanged() override;
  void Command(WORD code) override;
  bool DrawItem(const DRAWITEMSTRUCT& item) override;
  virtual void Picked() {
    if (OnChange) OnChange(*this);
  }

 private:
  void FitHeights();
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  int itemHeight_ = 0;
};
