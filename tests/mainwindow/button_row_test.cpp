// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "mainwindow/button_row.h"

#include <gtest/gtest.h>

#include <string>

namespace gallox {
namespace {

TEST(ButtonRowTest, TipStandsCentredUnderEachButton) {
  struct Case {
    ButtonRow::Button button;
    std::string tip;
    double left;
  };
  const Case cases[] = {
      {ButtonRow::Go, "Next Month", 456},   {ButtonRow::Banks, "Banks", 996},
      {ButtonRow::City, "Cities", 1536},    {ButtonRow::StockMarket, "Stock Market", 2076},
      {ButtonRow::Shop, "Shop", 2616},      {ButtonRow::NP, "Newspapers", 3156},
      {ButtonRow::GridMap, "Grid Map", 3696}, {ButtonRow::About, "Credits", 4236},
      // The console's picture is a pixel wider than the others.
      {ButtonRow::Console, "Console", 4782},
  };
  for (const Case& c : cases) {
    const ButtonRow::Place& place = ButtonRow::place(c.button);
    SCOPED_TRACE(place.name);
    EXPECT_EQ(place.tip, c.tip);
    EXPECT_DOUBLE_EQ(ButtonRow::tipLeft(place), c.left);
  }
}

}  // namespace
}  // namespace gallox
