// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "race/view_scroll.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace gallox {
namespace {

// The race's track picture and the view that shows part of it.
constexpr int kTrackW = 800, kTrackH = 386, kViewW = 698, kViewH = 386;

// A drag to (x, y), or letting go.
struct Move { int x, y; };
constexpr Move kLetGo{INT_MIN, 0};

struct DragCase { const char* what; std::vector<Move> moves; int scrollX; };

TEST(ViewScroll, DragsMoveTheViewFromTheirAnchorWithinTheTrack) {
  const std::vector<DragCase> cases = {
      {"the first drag only anchors", {{100, 50}}, 0},
      {"the next moves with the mouse", {{100, 50}, {130, 40}}, 30},
      {"from the anchor, not from the last move", {{100, 50}, {130, 40}, {110, 40}}, 10},
      {"an anchor at -1 is still one", {{-1, 5}, {19, 5}}, 20},
      {"stopped at the track's right end", {{0, 0}, {5000, 0}}, kTrackW - kViewW},
      {"and at its left end", {{0, 0}, {5000, 0}, {-5000, 0}}, 0},
      {"a new drag anchors where the view is", {{10, 10}, {60, 10}, kLetGo, {300, 200}}, 50},
      {"and moves from there", {{10, 10}, {60, 10}, kLetGo, {300, 200}, {290, 200}}, 40},
  };
  for (const DragCase& c : cases) {
    ViewScroll scroll;
    scroll.setup(kTrackW, kTrackH, kViewW, kViewH);
    for (const Move& m : c.moves) m.x == kLetGo.x ? scroll.undrag() : scroll.drag(m.x, m.y);
    EXPECT_EQ(scroll.scrollX(), c.scrollX) << c.what;
    EXPECT_EQ(scroll.scrollY(), 0) << c.what;
  }
}

TEST(ViewScroll, SetupForgetsTheScrollAndTheDrag) {
  ViewScroll scroll;
  scroll.setup(kTrackW, kTrackH, kViewW, kViewH);
  scroll.drag(0, 0);
  scroll.drag(70, 0);
  scroll.setup(kTrackW, kTrackH, kViewW, kViewH);
  EXPECT_EQ(scroll.scrollX(), 0);
  EXPECT_FALSE(scroll.dragging());

  // A track no larger than the view never scrolls.
  scroll.setup(600, 300, kViewW, kViewH);
  for (const Move& m : {Move{0, 0}, Move{400, 400}, Move{-400, -400}}) {
    scroll.drag(m.x, m.y);
    EXPECT_EQ(scroll.scrollX(), 0);
    EXPECT_EQ(scroll.scrollY(), 0);
  }
}

TEST(ViewScroll, SizesRoundHalvesToEven) {
  ViewScroll scroll;
  scroll.setup(800.5, 387.5, 697.5, 385.5);
  EXPECT_EQ(scroll.totalW(), 800);
  EXPECT_EQ(scroll.totalH(), 388);
  EXPECT_EQ(scroll.viewW(), 698);
  EXPECT_EQ(scroll.viewH(), 386);
  EXPECT_EQ(scroll.maxY(), 2);
}

}  // namespace
}  // namespace gallox
