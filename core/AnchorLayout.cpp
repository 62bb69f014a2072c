#include "AnchorLayout.h"

#include <cstdint>

int MulDivRound(int a, int b, int c) {
  if (c == 0) return 0;
  int64_t p = int64_t(a) * b, d = c;
  if (d < 0) p = -p, d = -d;
  return int(p >= 0 ? (p + d / 2) / d : -((-p + d / 2) / d));
}

namespace {
// One axis: near and far anchors, position and extent.
int AxisRule(bool nearSide, bool farSide, int pos, int extent) {
  if (farSide) return nearSide ? extent : pos;
  return nearSide ? pos : pos + extent / 2;
}

void AxisPlace(bool nearSide, bool farSide, int rule, int origParent, int parent, int& pos, int& extent) {
  if (farSide) {
    if (nearSide)
      extent = parent - (origParent - rule);
    else
      pos = rule + (parent - origParent);
  } else if (!nearSide) {
    pos = MulDivRound(rule, parent, origParent) - extent / 2;
  }
}
}  // namespace

TAnchorRule MakeAnchorRule(TAnchors anchors, const TBounds& b, int parentWidth, int parentHeight) {
  TAnchorRule r;
  r.Anchors = anchors;
  r.X = AxisRule(anchors & akLeft, anchors & akRight, b.Left, b.Width);
  r.Y = AxisRule(anchors & akTop, anchors & akBottom, b.Top, b.Height);
  r.ParentWidth = parentWidth;
  r.ParentHeight = parentHeight;
  return r;
}

TBounds AnchoredBounds(const TAnchorRule& r, const TBounds& current, int parentWidth, int parentHeight) {
  TBounds b = current;
  if (r.ParentWidth > 0)
    AxisPlace(r.Anchors & akLeft, r.Anchors & akRight, r.X, r.ParentWidth, parentWidth, b.Left, b.Width);
  if (r.ParentHeight > 0)
    AxisPlace(r.Anchors & akTop, r.Anchors & akBottom, r.Y, r.ParentHeight, parentHeight, b.Top, b.Height);
  if (b.Width < 0) b.Width = 0;
  if (b.Height < 0) b.Height = 0;
  return b;
}
