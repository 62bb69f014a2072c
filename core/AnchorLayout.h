// Where an anchored control goes when its parent changes size. A side that is anchored keeps its
// distance to that side of the parent; with both sides of an axis anchored the control stretches;
// with neither, its centre keeps its fraction of the parent's extent.
#pragma once

#include <cstdint>

enum TAnchor : uint8_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = uint8_t;
constexpr TAnchors kDefaultAnchors = akLeft | akTop;

struct TBounds {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool operator==(const TBounds& o) const {
    return Left == o.Left && Top == o.Top && Width == o.Width && Height == o.Height;
  }
  // The right and bottom edges lie outside, so that neighbours never share a point.
  bool Contains(int x, int y) const { return x >= Left && x < Left + Width && y >= Top && y < Top + Height; }
};

// What a control remembers of its place: taken whenever the program places it, against the
// parent's size at that moment.
struct TAnchorRule {
  TAnchors Anchors = kDefaultAnchors;
  int X = 0, Y = 0;  // per axis: left, width, or centre, by the anchors
  int ParentWidth = 0, ParentHeight = 0;
};

TAnchorRule MakeAnchorRule(TAnchors anchors, const TBounds& bounds, int parentWidth, int parentHeight);

// The control's bounds for the parent's new size. A rule taken against an empty parent leaves
// the bounds alone.
TBounds AnchoredBounds(const TAnchorRule& rule, const TBounds& current, int parentWidth, int parentHeight);

// a * b / c rounded to the nearest integer, halves away from zero; 0 when c is 0.
int MulDivRound(int a, int b, int c);
