// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/player.h"

#include <gtest/gtest.h>

#include "support/scripted_random.h"
#include "support/world.h"

namespace gallox {
namespace {

using testing::ScriptedRandom;

constexpr Colour kRed = 0x0000FF;
constexpr Colour kGreen = 0x00FF00;
constexpr Colour kDarkGreen = 0x00C000;
constexpr Colour kBlue = 0xFF0000;
const char* const kNoMoney = "Sorry, you do not have enough money to afford this.";

class PlayerTest : public ::testing::Test, protected testing::LonePlayer {
 protected:
  // Stables priced at their base: a first draw below one half changes nothing.
  PlayerTest() {
    player.setMoney(150.0f);
    ScriptedRandom random;
    random.fallBackTo(0.0f);
    for (std::size_t i = 0; i < stables.size(); ++i)
      stables[i].construct("Stable", static_cast<std::int16_t>(std::array{50, 100, 200, 300, 500, 1000}[i]), random);
  }
};

TEST_F(PlayerTest, PaymentAboveThePurseIsRefusedLoudlyOrSilentlyAndTheWholePurseIsAccepted) {
  EXPECT_FALSE(player.cGainMoney(-150.01f, true));
  EXPECT_TRUE(messenger.messages.empty());
  EXPECT_FALSE(player.cGainMoney(-150.01f));
  EXPECT_EQ(messenger.last(), kNoMoney);
  EXPECT_EQ(player.Money(), 150.0f);
  EXPECT_EQ(view.fadesStarted, 0);
  EXPECT_TRUE(view.money.empty());

  EXPECT_TRUE(player.cGainMoney(-150.0f));
  EXPECT_EQ(view.money, "GBP 0.00");
  EXPECT_EQ(view.moneyColour, kRed);
  EXPECT_EQ(view.flowStep, -16);
  EXPECT_EQ(view.gain, "GBP -150.00");
  EXPECT_EQ(view.gainColour, kRed);
  EXPECT_EQ(messenger.messages.size(), 1u);

  // A purse below zero shows the sign first and refuses payments.
  player.gainMoney(-12.0f);
  EXPECT_EQ(view.money, "-GBP 12.00");
  EXPECT_FALSE(player.Has(1.0f));
  EXPECT_FALSE(player.cGainMoney(-1.0f));
}

TEST_F(PlayerTest, GainLabelShowsTheSumWhileThePurseShowsTheLastChange) {
  // No change counts as a gain and restarts the fade.
  player.gainMoney(0.0f);
  EXPECT_EQ(player.Money(), 150.0f);
  EXPECT_EQ(view.moneyColour, kGreen);
  EXPECT_EQ(view.flowStep, 16);
  EXPECT_EQ(view.gain, "GBP 0");
  EXPECT_EQ(view.gainColour, kBlue);
  EXPECT_EQ(view.fadesStarted, 1);

  player.gainMoney(100.0f);
  player.gainMoney(-30.0f);
  EXPECT_EQ(view.moneyColour, kRed);
  EXPECT_EQ(view.gain, "GBP 70.00");
  EXPECT_EQ(view.gainColour, kDarkGreen);

  player.gainMoney(-70.0f);
  EXPECT_EQ(view.gain, "GBP 0");
  EXPECT_EQ(view.gainColour, kBlue);
}

TEST_F(PlayerTest, DigestUsesAnIssueAndOpensOrReloadsThePaper) {
  player.subscribe(1);
  EXPECT_EQ(view.newspapers, "1");
  player.digest();
  EXPECT_EQ(view.newspapers, "0");
  EXPECT_EQ(view.paperOpened, 1);

  player.digest();
  EXPECT_EQ(messenger.last(), "Sorry, but you have to either buy or subscribe the newspapers first!");
  EXPECT_EQ(player.newspapers(), 0);

  player.subscribe(10);
  player.digest();
  EXPECT_EQ(view.paperReloaded, 1);
  EXPECT_EQ(view.paperOpened, 1);
  EXPECT_EQ(player.newspapers(), 9);
}

TEST_F(PlayerTest, CountersStopAt255) {
  for (int i = 0; i < 3; ++i) player.subscribe(100);
  EXPECT_EQ(player.newspapers(), 255);
  EXPECT_EQ(view.newspapers, "255");

  EXPECT_FALSE(player.useDoping());
  for (int i = 0; i < 300; ++i) player.buyDoping();
  EXPECT_EQ(player.dopings(), 255);
  EXPECT_TRUE(player.useDoping());
  EXPECT_TRUE(player.canBuyDoping());
  EXPECT_EQ(player.dopings(), 254);
}

TEST_F(PlayerTest, SellingClampsTheCountAndPaysNinetyPercentEvenIntoANegativePurse) {
  player.setMoney(1000.0f);
  player.buyShares(1, 1);
  player.buyShares(1, 1);
  EXPECT_EQ(player.SharesAt(1), 2);
  EXPECT_EQ(player.Money(), 800.0f);
  std::int16_t howMany = 5;
  EXPECT_TRUE(player.sellShares(1, howMany));
  EXPECT_EQ(howMany, 2);
  EXPECT_EQ(player.SharesAt(1), 0);
  EXPECT_FLOAT_EQ(player.Money(), 980.0f);
  EXPECT_FALSE(player.sellShares(1, howMany));

  player.buyShares(1, 1);
  player.gainMoney(-1000.0f);
  howMany = 1;
  EXPECT_TRUE(player.sellShares(1, howMany));
  EXPECT_FLOAT_EQ(player.Money(), 880.0f - 1000.0f + 90.0f);
  EXPECT_EQ(player.SharesAt(1), 0);
}

// Buying without money: the stock desk's test.
TEST_F(PlayerTest, BuyingBeyondTheCounterKeepsEverything) {
  player.setMoney(1e9f);
  player.buyShares(0, 32767);
  EXPECT_EQ(player.SharesAt(0), 32767);
  const float purse = player.Money();
  EXPECT_FALSE(player.canBuyShares(0, 1));
  player.buyShares(0, 1);
  EXPECT_EQ(player.SharesAt(0), 32767);
  EXPECT_EQ(player.Money(), purse);
}

TEST_F(PlayerTest, DividendsArePaidInOneChangeEvenWhenNothing) {
  player.evaluateShares();
  EXPECT_EQ(view.fadesStarted, 1);
  EXPECT_EQ(view.gain, "GBP 0");

  player.setMoney(100000.0f);
  for (int i = 0; i < 3; ++i) player.buyShares(0, 1);
  player.buyShares(5, 1);
  const float before = player.Money();
  const int fades = view.fadesStarted;
  player.evaluateShares();
  EXPECT_FLOAT_EQ(player.Money() - before, 3 * 2.5f + 50.0f);
  EXPECT_EQ(view.fadesStarted, fades + 1);
}

}  // namespace
}  // namespace gallox
