// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "finance/stock_desk.h"

#include <gtest/gtest.h>

#include "support/scripted_random.h"
#include "support/world.h"
#include "world/tables.h"

namespace gallox {
namespace {

using testing::ScriptedRandom;

constexpr const char* kNoShares = "You have no more shares to sell.";

class StockDeskTest : public ::testing::Test, protected testing::LonePlayer {
 protected:
  // The six stables at their base prices: a first draw below a half changes none.
  StockDeskTest() {
    ScriptedRandom random;
    random.fallBackTo(0.2f);
    for (std::size_t i = 0; i < stables.size(); ++i)
      stables[i].construct(std::string(kStableRows[i].name), kStableRows[i].basePrice, random);
    player.setMoney(150.0f);
  }

  StockDesk desk{stables, player, messenger};
};

TEST_F(StockDeskTest, ListsTheStablesAndStartsOnTheFirst) {
  EXPECT_EQ(desk.stableNames(),
            (std::array<std::string, kStableCount>{"Dejavu", "Allstars Horses", "Baron Kestrel's",
                                                   "Free Horses Association", "Gustav Albert 1840",
                                                   "Fergusson's"}));
  EXPECT_EQ(desk.selectedStable(), 0);
  EXPECT_EQ(desk.sharePriceText(), "GBP 50.00");
  EXPECT_EQ(desk.dividendText(), "GBP 2.50");
  EXPECT_EQ(desk.sharesText(), "0");

  desk.selectStable(5);
  desk.selectStable(6);
  EXPECT_EQ(desk.selectedStable(), 5);
  EXPECT_EQ(desk.sharePriceText(), "GBP 1000.00");
  EXPECT_EQ(desk.dividendText(), "GBP 50.00");
}

TEST_F(StockDeskTest, ShowsThePriceAndDividendTheMonthLeft) {
  ScriptedRandom random{0.7f, 0.14f};
  stables[0].DetermineSharePrice(random);
  EXPECT_EQ(desk.sharePriceText(), "GBP 52.00");
  EXPECT_EQ(desk.dividendText(), "GBP 2.60");
}

TEST_F(StockDeskTest, BuysAndSellsOneShareOfTheStableShown) {
  desk.selectStable(1);
  desk.buy();
  EXPECT_EQ(desk.sharesText(), "1");
  EXPECT_EQ(player.Money(), 50.0f);
  EXPECT_EQ(player.SharesAt(0), 0);

  // A second share is more than the purse holds.
  desk.buy();
  EXPECT_EQ(messenger.last(), "Sorry, you do not have enough money to afford this.");
  EXPECT_EQ(desk.sharesText(), "1");
  EXPECT_EQ(player.Money(), 50.0f);

  desk.sell();
  EXPECT_EQ(desk.sharesText(), "0");
  EXPECT_EQ(player.Money(), 140.0f);
  EXPECT_EQ(messenger.messages.size(), 1u);
}

TEST_F(StockDeskTest, SellingWithNoSharesSaysSoAndChangesNothing) {
  desk.selectStable(0);
  desk.buy();
  desk.selectStable(2);
  desk.sell();
  EXPECT_EQ(messenger.last(), kNoShares);
  EXPECT_EQ(desk.sharesText(), "0");
  EXPECT_EQ(player.Money(), 100.0f);
  EXPECT_EQ(player.SharesAt(0), 1);

  desk.selectStable(0);
  desk.sell();
  desk.sell();
  EXPECT_EQ(messenger.messages, (std::vector<std::string>{kNoShares, kNoShares}));
  EXPECT_EQ(desk.sharesText(), "0");
  EXPECT_EQ(player.Money(), 145.0f);
}

}  // namespace
}  // namespace gallox
