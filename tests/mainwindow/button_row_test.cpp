// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "mainwindow/button_row.h"

#include <gtest/gtest.h>

namespace gallox {
namespace {

TEST(ButtonRowTest, TipStandsCentredUnderEachButton) {
  // In twips, button by button; the console's picture is a pixel wider than the others.
  constexpr double kTipLefts[ButtonRow::kCount] = {456, 996, 1536, 2076, 2616, 3156, 3696, 4236, 4782};
  for (int b = 0; b < ButtonRow::kCount; ++b) {
    const ButtonRow::Place& place = ButtonRow::place(static_cast<ButtonRow::Button>(b));
    EXPECT_DOUBLE_EQ(ButtonRow::tipLeft(place), kTipLefts[b]) << place.name;
  }
}

}  // namespace
}  // namespace gallox
