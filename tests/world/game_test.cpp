// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/game.h"

#include <gtest/gtest.h>

#include "support/game_tables.h"
#include "support/scripted_random.h"
#include "support/world.h"

namespace gallox {
namespace {

using namespace testing;

constexpr float kNo = 0.99f;  // a park without races, a stable without a new price

class GameTest : public ::testing::Test, protected testing::GameWorld<ScriptedRandom> {
 protected:
  // Draws for the fourteen parks in which only London holds races, with this draw for the count.
  void onlyLondonRaces(float countDraw) {
    for (int park = 0; park < kCityCount; ++park) {
      random.add({park == kLondon ? 0.5f : kNo});
      if (park == kLondon) random.add({countDraw});
    }
  }
};

TEST_F(GameTest, StartUpBuildsTheWorldAndDrawsInItsFixedOrder) {
  random.add({0.7f, 0.3f});  // stable 0 is repriced
  random.repeat(0.1f, 5);
  onlyLondonRaces(0.99f);
  random.add({0.2f});               // London's line: second wording
  random.add({5.5f / 18, 0.0f, 0.0f, 0.0f});  // items: Linux, then hooligans
  start();
  EXPECT_EQ(random.left(), 0u);
  EXPECT_EQ(game.player().Money(), 150.0f);
  EXPECT_EQ(game.stable(0).SharePrice(), 60.0f);
  EXPECT_EQ(game.stable(5).SharePrice(), 1000.0f);
  EXPECT_TRUE(game.RPs()[kLondon].IsRace());
  EXPECT_EQ(game.RPs()[kLondon].races(), 7);
  EXPECT_FALSE(game.RPs()[0].IsRace());
  EXPECT_EQ(game.news().raceNews(), "London hosts races this month!\r\n");
  EXPECT_EQ(game.news().newsItem(1), "New Linux is out now!\r\n");
  EXPECT_EQ(game.news().newsDate(), (GameMonth{2010, 1}));
}

TEST_F(GameTest, ABrokenRouteFileStopsTheStartAndHorsesRunFromTheSlowestToTheFastest) {
  random.fallBackTo(0.0f);
  EXPECT_THROW(game.startUp("/nonexistent/cons.htx"), WorldError);
  start();
  for (std::size_t i = 1; i < game.horses().size(); ++i)
    EXPECT_LE(game.horses()[i].speedExp, game.horses()[i - 1].speedExp) << game.horses()[i].name;
  EXPECT_EQ(game.bank(5).DebtInt(), 0.06f) << "rates are the floats nearest their decimals";
}

TEST_F(GameTest, MonthCycleRunsBanksParksDividendsStablesAndNewsInOrder) {
  random.fallBackTo(0.0f);
  random.repeat(0.1f, 6);
  random.repeat(kNo, kCityCount);
  random.repeat(0.0f, 4);
  start();
  ASSERT_EQ(random.left(), 0u);

  Player& player = game.player();
  player.setMoney(100000.0f);
  game.bank(0).borrowLoan();  // 50 at 2 %: no whole pound of interest
  game.bank(2).borrowLoan();  // 500 at 3 %: 14
  game.bank(1).deposit();     // 200 at 100.15: 200.30
  player.buyShares(0, 2);     // dividend 2.5 each, paid before the reprice
  game.RP(kLondon).setRacesFinished(true);
  const float before = player.Money();
  const int fades = view.fadesStarted;

  onlyLondonRaces(0.0f);
  random.add({0.7f, 0.98f});  // stable 0 is repriced after paying its dividend
  random.repeat(0.1f, 5);
  random.repeat(0.0f, 5);  // one race line (first wording), then four hooligan items
  game.nextMonth();
  EXPECT_EQ(random.left(), 0u);

  EXPECT_FLOAT_EQ(player.Money() - before, -14.0f + 5.0f);
  EXPECT_FLOAT_EQ(game.bank(1).CurDep(), 200.3f);
  EXPECT_EQ(view.fadesStarted, fades + 7) << "six banks and the dividend each pass a change";
  EXPECT_EQ(view.moneyColour, 0x00FF00u) << "the dividend comes last and is never a loss";
  EXPECT_FALSE(game.RPs()[kLondon].RacesFinished());
  EXPECT_EQ(game.RPs()[kLondon].races(), 1);
  EXPECT_EQ(game.stable(0).SharePrice(), 94.0f);
  EXPECT_EQ(game.news().raceNews(), "There are races in London\r\n");
  EXPECT_EQ(game.news().newsDate(), (GameMonth{2010, 2}));
}

}  // namespace
}  // namespace gallox
