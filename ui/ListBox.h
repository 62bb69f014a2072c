// A native list box, owner-drawn in its parent's colours and font, whose entries may be indented.
#pragma once

#include <string>
#include <vector>

#include "NativeControl.h"

class TListBox : public TNativeControl {
 public:
  TListBox() = default;
  const std::vector<std::string>& Items() const { return items_; }
  // Replaces the entries in one step; no entry is selected afterwards.
  void SetItems(std::vector<std::string> items);
  // The selected entry, -1 for none. Setting it by program raises no event.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  void SetItemHeight(int height);

  // The speaker changed the selection.
  std::function<void(TListBox&)> OnChange;
  // The speaker double-clicked the list.
  std::function<void(TListBox&)> OnDblClick;

 protected:
  const char* ClassName() const override { return "LISTBOX"; }
  DWORD Style() const override;
  DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
  void Created() override;
  void Command(WORD code) override;
  bool DrawItem(const DRAWITEMSTRUCT& item) override;
  HBRUSH ControlColor(HDC dc) override;
  // How far an entry's text is drawn in from the left.
  virtual int ItemIndent(int) const { return 0; }
  virtual void SelectionChanged() {
    if (OnChange) OnChange(*this);
  }
  virtual void DblClicked() {
    if (OnDblClick) OnDblClick(*this);
  }

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  int itemHeight_ = 0;
  TGdiObject<HBRUSH> brush_;
  TColor brushColor_ = 0;
};

// Draws an owner-drawn entry of a list or combo box: the parent's colours, the selection's
// system colours, the text indented and vertically centred, the focus frame.
void PaintListItem(const DRAWITEMSTRUCT& item, const std::string& text, int indent, const TWinControl* parent);
