// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "finance/stock_desk.h"

#include <gtest/gtest.h>

#include "support/scripted_random.h"
#include "support/world.h"
#include "world/tables.h"

namespace gallox {
namespace {

class StockDeskTest : public ::testing::Test, protected testing::LonePlayer {
 protected:
  // The six stables at their base prices: a first draw below a half changes none.
  StockDeskTest() {
    testing::ScriptedRandom random;
    random.fallBackTo(0.2f);
    for (std::size_t i = 0; i < stables.size(); ++i)
      stables[i].construct(std::string(kStableRows[i].name), kStableRows[i].basePrice, random);
    player.setMoney(150.0f);
  }

  StockDesk desk{stables, player, messenger};
};

TEST_F(StockDeskTest, PriceAndDividendAsTheMonthLeftThemAndOneShareTradedAtATime) {
  EXPECT_EQ(desk.stableNames()[3], "Free Horses Association");
  EXPECT_EQ(desk.sharePriceText(), "GBP 50.00");
  EXPECT_EQ(desk.dividendText(), "GBP 2.50");
  testing::ScriptedRandom random{0.7f, 0.14f};
  stables[0].DetermineSharePrice(random);
  EXPECT_EQ(desk.sharePriceText(), "GBP 52.00");
  EXPECT_EQ(desk.dividendText(), "GBP 2.60");

  // Trades go to the stable shown: one share of the second bought, the second refused.
  desk.selectStable(1);
  desk.buy();
  desk.buy();
  EXPECT_EQ(messenger.last(), "Sorry, you do not have enough money to afford this.");
  EXPECT_EQ(desk.sharesText(), "1");
  EXPECT_EQ(player.SharesAt(0), 0);
  desk.selectStable(0);
  desk.sell();
  EXPECT_EQ(messenger.last(), "You have no more shares to sell.");
  EXPECT_EQ(player.Money(), 50.0f);
  desk.selectStable(1);
  desk.sell();
  EXPECT_EQ(desk.sharesText(), "0");
  EXPECT_EQ(player.Money(), 140.0f);
  EXPECT_EQ(messenger.messages.size(), 2u);
}

}  // namespace
}  // namespace gallox
