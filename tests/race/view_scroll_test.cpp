// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "race/view_scroll.h"

#include <gtest/gtest.h>

namespace gallox {
namespace {

// The race's track picture and the view that shows part of it.
constexpr int kTrackW = 800;
constexpr int kTrackH = 386;
constexpr int kViewW = 698;
constexpr int kViewH = 386;

class ViewScrollTest : public ::testing::Test {
 protected:
  ViewScrollTest() { scroll.setup(kTrackW, kTrackH, kViewW, kViewH); }
  ViewScroll scroll;
};

TEST_F(ViewScrollTest, FirstDragAnchorsAndTheNextMovesWithTheMouse) {
  scroll.drag(100, 50);
  EXPECT_EQ(scroll.scrollX(), 0);
  scroll.drag(130, 40);
  EXPECT_EQ(scroll.scrollX(), 30);
  EXPECT_EQ(scroll.scrollY(), 0);
  // Moves are measured from the anchor, not from the last move.
  scroll.drag(110, 40);
  EXPECT_EQ(scroll.scrollX(), 10);
}

TEST_F(ViewScrollTest, DragStopsAtBothEndsOfTheTrack) {
  scroll.drag(0, 0);
  scroll.drag(5000, 0);
  EXPECT_EQ(scroll.scrollX(), kTrackW - kViewW);
  scroll.drag(-5000, 0);
  EXPECT_EQ(scroll.scrollX(), 0);
}

TEST_F(ViewScrollTest, NewDragAfterUndragStartsFromWhereTheViewIs) {
  scroll.drag(10, 10);
  scroll.drag(60, 10);
  scroll.undrag();
  scroll.drag(300, 200);
  EXPECT_EQ(scroll.scrollX(), 50);
  scroll.drag(290, 200);
  EXPECT_EQ(scroll.scrollX(), 40);
}

TEST_F(ViewScrollTest, AnchorAtMinusOneIsStillADrag) {
  scroll.drag(-1, 5);
  scroll.drag(19, 5);
  EXPECT_EQ(scroll.scrollX(), 20);
}

TEST_F(ViewScrollTest, SetupForgetsTheScrollAndTheDrag) {
  scroll.drag(0, 0);
  scroll.drag(70, 0);
  scroll.setup(kTrackW, kTrackH, kViewW, kViewH);
  EXPECT_EQ(scroll.scrollX(), 0);
  EXPECT_FALSE(scroll.dragging());
}

TEST_F(ViewScrollTest, TrackNoLargerThanTheViewNeverScrolls) {
  scroll.setup(600, 300, kViewW, kViewH);
  scroll.drag(0, 0);
  scroll.drag(400, 400);
  EXPECT_EQ(scroll.scrollX(), 0);
  EXPECT_EQ(scroll.scrollY(), 0);
  scroll.drag(-400, -400);
  EXPECT_EQ(scroll.scrollX(), 0);
}

TEST(ViewScrollSizeTest, SizesRoundHalvesToEven) {
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
