// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// Where the race view looks on the larger track picture, and how a drag with the mouse moves
// it. The view follows the mouse: dragging right shows more of the track's right side.

namespace gallox {

class ViewScroll {
 public:
  // Sizes in pixels; halves round to the even neighbour. Resets the scroll and any drag.
  void setup(double totalWidth, double totalHeight, double viewWidth, double viewHeight);

  // The first drag after setup or undrag only anchors at the mouse; later ones move the view.
  void drag(int x, int y);
  void undrag() { dragging_ = false; }

  int scrollX() const { return scrollX_; }
  int scrollY() const { return scrollY_; }
  int maxX() const { return maxX_; }
  int maxY() const { return maxY_; }
  int viewW() const { return viewW_; }
  int viewH() const { return viewH_; }
  int totalW() const { return totalW_; }
  int totalH() const { return totalH_; }
  bool dragging() const { return dragging_; }

 private:
  int scrollX_ = 0;
  int scrollY_ = 0;
  int totalW_ = 0;
  int totalH_ = 0;
  int viewW_ = 0;
  int viewH_ = 0;
  int maxX_ = 0;
  int maxY_ = 0;
  // Whether a drag is anchored; a flag rather than a special x, since the mouse may be
  // anywhere, the view's border included.
  bool dragging_ = false;
  int dragX_ = 0;
  int dragY_ = 0;
  int startX_ = 0;
  int startY_ = 0;
};

}  // namespace gallox
