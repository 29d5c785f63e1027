// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/numbers.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "world/game_month.h"

namespace gallox {
namespace {

TEST(Numbers, HalvesGoToTheEvenNeighbourAndStoresHoldAtTheirLimits) {
  for (const auto& [value, rounded] : {std::pair{0.5, 0.0}, {1.5, 2.0}, {2.5, 2.0}, {-2.5, -2.0}, {2.5000001, 3.0}})
    EXPECT_EQ(roundHalfEven(value), rounded) << value;
  EXPECT_EQ(toByte(6.5), 6);
  EXPECT_EQ(toByte(7.5), 8);
  // The whole part goes toward minus infinity; the fixed width stores hold at their limits.
  EXPECT_EQ(wholePart(2.99), 2);
  EXPECT_EQ(wholePart(-0.5), -1);
  EXPECT_EQ(wholePart(-3.0), -3);
  EXPECT_EQ(toByte(255.4), 255);
  EXPECT_EQ(toByte(300), 255);
  EXPECT_EQ(toByte(-4), 0);
  EXPECT_EQ(toInt16(40000), 32767);
  EXPECT_EQ(toInt16(-40000), -32768);
}

TEST(Numbers, MoneyAndGeneralText) {
  for (const auto& [value, text] : {std::pair{150.0f, "GBP 150.00"}, {0.0f, "GBP 0.00"}, {10000.0f, "GBP 10000.00"},
                                    {-12.0f, "-GBP 12.00"}, {0.5f, "GBP 0.50"}, {-0.001f, "GBP 0.00"}})
    EXPECT_EQ(moneyText(value), text) << text;
  EXPECT_EQ(twoDecimals(12.5f), "12.50");
  EXPECT_EQ(twoDecimals(-12.5f), "-12.50");
  for (const auto& [value, text] : {std::pair{12.5f, "12.5"}, {217.0963f, "217.0963"}, {0.0f, "0"}, {-0.0f, "0"},
                                    {20.0f, "20"}, {0.02f, "0.02"}, {100.15f, "100.15"}, {93.04125f, "93.04125"}})
    EXPECT_EQ(generalText(value), text) << text;
}

TEST(Numbers, NoTextReadsInfOrNan) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  constexpr float kNan = std::numeric_limits<float>::quiet_NaN();
  const std::string largest = "340282346638528859811704183484516925440.00";
  EXPECT_EQ(moneyText(kInf), "GBP " + largest);
  EXPECT_EQ(moneyText(-kInf), "-GBP " + largest);
  EXPECT_EQ(moneyText(std::numeric_limits<float>::max()), "GBP " + largest);
  EXPECT_EQ(moneyText(kNan), "GBP 0.00");
  EXPECT_EQ(twoDecimals(-kInf), "-" + largest);
  EXPECT_EQ(generalText(kInf), "3.402823e+38");
  EXPECT_EQ(generalText(kNan), "0");
}

TEST(Numbers, ColoursKeepRedInTheLowestByte) {
  EXPECT_EQ(rgb(255, 0, 0), 0x0000FFu);
  EXPECT_EQ(rgb(0, 255, 0), 0x00FF00u);
  EXPECT_EQ(rgb(0, 0, 255), 0xFF0000u);
  EXPECT_EQ(blueOf(0x123456u), 0x12);
  EXPECT_EQ(redOf(0x123456u), 0x56);
}

TEST(GameMonth, ShowsAndAdvancesMonthByMonth) {
  GameMonth month;
  EXPECT_EQ(month.text(), "January 2010");
  EXPECT_EQ(month.next().text(), "February 2010");
  EXPECT_EQ((GameMonth{2010, 12}.next()), (GameMonth{2011, 1}));
  EXPECT_EQ((GameMonth{2011, 1}.text()), "January 2011");
}

}  // namespace
}  // namespace gallox
