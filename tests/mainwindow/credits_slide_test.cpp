// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "mainwindow/credits_slide.h"

#include <gtest/gtest.h>

namespace gallox {
namespace {

TEST(CreditsSlideTest, ColumnsComeToRestLevelWithEachOther) {
  CreditsSlide slide;
  for (int tick = 1; tick <= 24; ++tick) ASSERT_TRUE(slide.tick()) << "tick " << tick;
  // The roles are in place after 24 moves; the names still have one to go.
  EXPECT_EQ(slide.leftColumn(), 516);
  EXPECT_EQ(slide.rightColumn(), 2400);

  EXPECT_FALSE(slide.tick());
  EXPECT_EQ(slide.leftColumn(), 516);
  EXPECT_EQ(slide.rightColumn(), 2320);
}

}  // namespace
}  // namespace gallox
