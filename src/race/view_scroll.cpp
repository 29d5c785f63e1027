// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "race/view_scroll.h"

#include "world/numbers.h"

namespace gallox {

namespace {
int wholePixels(double x) { return static_cast<int>(roundHalfEven(x)); }

// The upper bound comes first, so a track smaller than the view stays at 0.
int clampScroll(int scroll, int max) {
  if (scroll > max) scroll = max;
  if (scroll < 0) scroll = 0;
  return scroll;
}
}  // namespace

void ViewScroll::setup(double totalWidth, double totalHeight, double viewWidth, double viewHeight) {
  totalW_ = wholePixels(totalWidth);
  totalH_ = wholePixels(totalHeight);
  viewW_ = wholePixels(viewWidth);
  viewH_ = wholePixels(viewHeight);
  maxX_ = totalW_ - viewW_;
  maxY_ = totalH_ - viewH_;
  scrollX_ = 0;
  scrollY_ = 0;
  dragging_ = false;
}

void ViewScroll::drag(int x, int y) {
  if (!dragging_) {
    dragging_ = true;
    dragX_ = x;
    dragY_ = y;
    startX_ = scrollX_;
    startY_ = scrollY_;
    return;
  }
  scrollX_ = clampScroll(x - dragX_ + startX_, maxX_);
  scrollY_ = clampScroll(y - dragY_ + startY_, maxY_);
}

}  // namespace gallox
