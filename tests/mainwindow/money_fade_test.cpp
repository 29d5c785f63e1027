// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "mainwindow/money_fade.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/world.h"

namespace gallox {
namespace {

class MoneyFadeTest : public ::testing::Test, protected testing::LonePlayer {
 protected:
  MoneyFadeTest() { player.setMoney(150.0f); }

  // A change of money as the main window sees it: the player starts the fade through the view.
  void change(float amount) {
    player.gainMoney(amount);
    fade.setFlowStep(view.flowStep);
  }

  // The purse's colour after each of the next ticks.
  std::vector<Colour> ticks(int count) {
    std::vector<Colour> colours;
    for (int i = 0; i < count; ++i) {
      fade.tick(player, view);
      colours.push_back(view.moneyColour);
    }
    return colours;
  }

  MoneyFade fade;
};

TEST_F(MoneyFadeTest, GainAndLossFadeToBlackInSixteenTicks) {
  struct Case { float amount; std::vector<Colour> colours; };
  const Case cases[] = {
      // Green steps are 17, so the first tick repeats pure green.
      {25.0f, {0xFF00, 0xEE00, 0xDD00, 0xCC00, 0xBB00, 0xAA00, 0x9900, 0x8800, 0x7700, 0x6600,
               0x5500, 0x4400, 0x3300, 0x2200, 0x1100, 0}},
      // Red steps are 16, so the first tick already drops from &HFF.
      {-25.0f, {0xF0, 0xE0, 0xD0, 0xC0, 0xB0, 0xA0, 0x90, 0x80, 0x70, 0x60, 0x50, 0x40, 0x30,
                0x20, 0x10, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.amount);
    change(c.amount);
    EXPECT_EQ(ticks(16), c.colours);
    EXPECT_FALSE(fade.running());
  }
}

TEST_F(MoneyFadeTest, GainLabelRestsOnlyWhenTheFadeEnds) {
  change(12.5f);
  ticks(15);
  EXPECT_TRUE(fade.running());
  EXPECT_EQ(view.gain, "GBP 12.50");
  EXPECT_EQ(player.gainSum(), 12.5f);

  EXPECT_FALSE(fade.tick(player, view));
  EXPECT_EQ(view.gain, "GBP 0");
  EXPECT_EQ(view.gainColour, MoneyFade::kRestingColour);
  EXPECT_EQ(player.gainSum(), 0.0f);

  // The next change counts from nothing again.
  change(-2.0f);
  EXPECT_EQ(view.gain, "GBP -2.00");
}

TEST_F(MoneyFadeTest, ChangeDuringAFadeRestartsItInItsOwnColourAndKeepsTheSum) {
  change(100.0f);
  ticks(5);
  change(-30.0f);
  EXPECT_EQ(fade.flowStep(), -16);
  EXPECT_EQ(view.gain, "GBP 70.00");

  const std::vector<Colour> colours = ticks(16);
  EXPECT_EQ(colours.front(), 0xF0u);
  EXPECT_EQ(colours[14], 0x10u);
  EXPECT_EQ(view.gain, "GBP 0");
  EXPECT_EQ(player.gainSum(), 0.0f);
}

TEST_F(MoneyFadeTest, TickAtRestEndsAtOnceInsteadOfCountingPastZero) {
  player.gainMoney(7.0f);  // the fade was never started
  EXPECT_FALSE(fade.tick(player, view));
  EXPECT_EQ(fade.flowStep(), 0);
  EXPECT_EQ(view.gain, "GBP 0");
  EXPECT_EQ(player.gainSum(), 0.0f);
}

}  // namespace
}  // namespace gallox
