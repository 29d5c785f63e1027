// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// Centuries of play: each month a few of the things a player may do, drawn from a fixed seed
// and done through the game's own operations, then the month's end. Nothing may run away to
// infinity, wrap around, or skip a month.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <string>

#include "cities/travel_desk.h"
#include "race/race_meeting.h"
#include "support/world.h"
#include "world/random_source.h"

namespace gallox {
namespace {

class LongRun : public ::testing::Test, protected testing::GameWorld<ClockRandomSource> {
 protected:
  LongRun() : GameWorld(20100101u) { start(); }

  int any(int n) { return static_cast<int>(choices_() % static_cast<unsigned>(n)); }
  float anyAmount(int most) { return static_cast<float>(any(2 * most + 1) - most); }

  void act() {
    Player& p = player();
    Bank& bank = game.bank(any(kBankCount));
    const int stable = any(kStableCount);
    auto howMany = static_cast<std::int16_t>(1 + any(any(10) == 0 ? 32767 : 100));
    switch (any(11)) {
      case 0: bank.borrowLoan(); break;
      case 1: bank.repayLoan(); break;
      case 2: bank.deposit(); break;
      case 3: bank.pick(); break;
      case 4: p.buyShares(stable, howMany); break;
      case 5: p.sellShares(stable, howMany); break;
      // A gift when the purse runs low keeps the player in the game, as the console's would.
      case 6: p.gainMoney(p.Money() < 1000.0f ? 10000.0f : anyAmount(1000)); break;
      case 7: p.cGainMoney(anyAmount(5000)); break;
      case 8:
        if (p.canSubscribe(100)) p.subscribe(100);
        p.digest();
        break;
      case 9: p.buyDoping(); break;
      default: travelAndRace();
    }
  }

  // A journey through the travel desk, then the meeting where the player is, if it holds one:
  // one race with a stake on a horse, doped now and then.
  void travelAndRace() {
    desk_.chooseCity(any(kCityCount));
    if (any(2) == 0) desk_.chooseVehicle(any(kVehicleCount));
    if (desk_.payFare()) desk_.arrive();
    desk_.chooseCity(game.cities().cityIndex(player().Location()));
    const std::optional<TravelDesk::Meeting> meeting = desk_.enterMeeting();
    if (!meeting) return;
    RaceMeeting race(game);
    race.sendData(meeting->races, meeting->city, meeting->horses);
    race.nextRace();
    const int horse = any(race.horseCount());
    for (int doses = any(9); doses > 0; --doses) race.dope(horse);
    if (race.setBet(std::to_string(any(1600)), horse).outcome == RaceMeeting::Bet::Taken)
      for (int ticks = 0; !race.tick() && ticks < 100000; ++ticks) continue;
    race.policeCheck();
    TravelDesk::finishMeeting(game, *meeting);
  }

  std::optional<std::string> faultAfter(const GameMonth& before) {
    const Player& p = player();
    if (!(p.CurrentDate() == before.next())) return "the month did not move on by one";
    if (!std::isfinite(p.Money()) || !std::isfinite(p.gainSum())) return "the purse";
    for (const Bank& b : game.banks())
      if (!std::isfinite(b.DebtInt()) || !std::isfinite(b.DepInt()) || !std::isfinite(b.CurDep()) ||
          !std::isfinite(b.YourDep()) || b.CurDep() < 0.0f || b.YourLoan() < 0.0f ||
          b.YourLoan() > 10.0f * b.DDStep())
        return b.BankName();
    for (int s = 0; s < kStableCount; ++s)
      if (const Stable& t = game.stable(s); !std::isfinite(t.SharePrice()) || !(t.SharePrice() > 0.0f) ||
                                            !std::isfinite(t.DivPrice()) || p.SharesAt(s) < 0)
        return t.Name();
    return {};
  }

  std::mt19937 choices_{1981};
  TravelDesk desk_{game};
};

TEST_F(LongRun, ThreeThousandMonthsOfRandomPlayStayFiniteAndInRange) {
  for (int month = 0; month < 3000; ++month) {
    for (int actions = any(6); actions > 0; --actions) act();
    const GameMonth before = player().CurrentDate();
    game.nextMonth();
    ASSERT_EQ(faultAfter(before), std::nullopt) << "month " << month;
  }
  EXPECT_EQ(player().CurrentDate(), (GameMonth{2260, 1}));
}

}  // namespace
}  // namespace gallox
