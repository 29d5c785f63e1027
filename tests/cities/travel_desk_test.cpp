// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "cities/travel_desk.h"

#include <gtest/gtest.h>

#include "support/game_tables.h"
#include "support/scripted_random.h"
#include "support/world.h"

namespace gallox {
namespace {

using namespace testing;
// A draw of 0 makes every park hold races, and just one each; a draw of 0.99 makes none.
constexpr float kEveryParkRaces = 0.0f;
constexpr float kNoParkRaces = 0.99f;
constexpr const char* kNoMoney = "Sorry, you do not have enough money to afford this.";

class TravelDeskTest : public ::testing::Test, protected testing::GameWorld<ScriptedRandom> {
 protected:
  explicit TravelDeskTest(float draw = kEveryParkRaces) {
    random.fallBackTo(draw);
    start();
  }

  TravelDesk desk{game};
};

TEST_F(TravelDeskTest, ThePlayersOwnCityShowsItsMeetingButNoJourney) {
  desk.chooseCity(kLondon);
  EXPECT_TRUE(desk.isHere());
  EXPECT_EQ(desk.travelCaption(), "Travel to London");
  EXPECT_EQ(desk.entranceFeeText(), "GBP 20");
  EXPECT_EQ(desk.raceInfo(), (TravelDesk::RaceInfo{"Yes", "1", "8"}));
  EXPECT_EQ(desk.vehicle(), kBus);
  EXPECT_EQ(desk.vehicleText(), "travel by: Bus");
  EXPECT_EQ(desk.fareText(), "no route available");
  EXPECT_FALSE(desk.canTravel());
  EXPECT_FALSE(desk.payFare());
  EXPECT_EQ(game.player().Money(), 150.0f);
}

TEST_F(TravelDeskTest, AnotherCityShowsTheFaresPerVehicleAndHidesItsMeeting) {
  desk.chooseCity(kSouthampton);
  EXPECT_FALSE(desk.isHere());
  EXPECT_EQ(desk.travelCaption(), "Travel to Southampton");
  EXPECT_EQ(desk.entranceFeeText(), "GBP 15");
  EXPECT_EQ(desk.raceInfo(), (TravelDesk::RaceInfo{"?", "?", "?"}));
  EXPECT_EQ(desk.fareText(), "GBP 15");
  EXPECT_TRUE(desk.canTravel());

  desk.chooseVehicle(kTrain);
  EXPECT_EQ(desk.vehicleText(), "travel by: Train");
  EXPECT_EQ(desk.fareText(), "GBP 32");
  desk.chooseVehicle(kAirplane);
  EXPECT_EQ(desk.vehicleText(), "travel by: Airplane");
  EXPECT_EQ(desk.fareText(), "no route available");
  EXPECT_FALSE(desk.canTravel());
  EXPECT_FALSE(desk.payFare());
  EXPECT_EQ(game.player().Money(), 150.0f);

  desk.chooseCity(kPenzance);
  EXPECT_EQ(desk.vehicle(), kAirplane) << "the first vehicle with a route is offered";
  EXPECT_EQ(desk.fareText(), "GBP 109");
}

TEST_F(TravelDeskTest, AJourneyIsPaidBeforeTheWaitAndEndsInTheCityShown) {
  desk.chooseCity(kSouthampton);
  desk.chooseVehicle(kTrain);
  ASSERT_TRUE(desk.payFare());
  EXPECT_EQ(game.player().Money(), 118.0f);
  EXPECT_EQ(game.player().Location(), "London") << "the player is still on the way";

  desk.arrive();
  EXPECT_EQ(game.player().Location(), "Southampton");
  EXPECT_EQ(view.location, "Southampton");
  EXPECT_EQ(desk.raceInfo(), (TravelDesk::RaceInfo{"Yes", "1", "7"}));
  // The fare of the journey just made stays on show, and a second press costs nothing.
  EXPECT_EQ(desk.fareText(), "GBP 32");
  EXPECT_TRUE(desk.canTravel());
  EXPECT_FALSE(desk.payFare());
  EXPECT_EQ(game.player().Money(), 118.0f);
  EXPECT_TRUE(messenger.messages.empty());
}

TEST_F(TravelDeskTest, AJourneyThePurseCannotCoverIsRefused) {
  desk.chooseCity(kSouthampton);
  game.player().setMoney(14.99f);
  EXPECT_FALSE(desk.payFare());
  EXPECT_EQ(messenger.last(), kNoMoney);
  EXPECT_EQ(game.player().Money(), 14.99f);
  EXPECT_EQ(game.player().Location(), "London");

  game.player().setMoney(15.0f);
  EXPECT_TRUE(desk.payFare()) << "a fare that empties the purse is paid";
  EXPECT_EQ(game.player().Money(), 0.0f);
}

TEST_F(TravelDeskTest, EnteringChargesTheFeeOnceAMonth) {
  desk.chooseCity(kLondon);
  const auto meeting = desk.enterMeeting();
  ASSERT_TRUE(meeting.has_value());
  EXPECT_EQ(meeting->park, kLondon);
  EXPECT_EQ(meeting->races, 1);
  EXPECT_EQ(meeting->city, "London");
  EXPECT_EQ(meeting->horses, 8);
  EXPECT_EQ(game.player().Money(), 130.0f);
  EXPECT_FALSE(game.RPs()[kLondon].RacesFinished()) << "finished only when the meeting closes";

  TravelDesk::finishMeeting(game, *meeting);
  EXPECT_FALSE(desk.enterMeeting().has_value());
  EXPECT_EQ(messenger.last(), "Sorry but the races in London already ended!");
  EXPECT_EQ(desk.raceInfo().held, "Yes") << "an attended meeting still reads as held";
  EXPECT_EQ(game.player().Money(), 130.0f);

  game.nextMonth();
  EXPECT_TRUE(desk.enterMeeting().has_value()) << "a new month opens the meeting again";
}

struct RefusalCase { int city; bool finished, races; float purse; const char* message; };

class EntranceRefusal : public TravelDeskTest, public ::testing::WithParamInterface<RefusalCase> {
 protected:
  EntranceRefusal() : TravelDeskTest(GetParam().races ? kEveryParkRaces : kNoParkRaces) {}
};

TEST_P(EntranceRefusal, TheFirstFailingTestSpeaksAndNothingIsCharged) {
  const RefusalCase& c = GetParam();
  game.RP(c.city).setRacesFinished(c.finished);
  game.player().setMoney(c.purse);
  desk.chooseCity(c.city);

  EXPECT_FALSE(desk.enterMeeting().has_value());
  EXPECT_EQ(messenger.messages, std::vector<std::string>{c.message});
  EXPECT_EQ(game.player().Money(), c.purse);
  EXPECT_EQ(game.RPs()[static_cast<std::size_t>(c.city)].RacesFinished(), c.finished);
}

INSTANTIATE_TEST_SUITE_P(
    InOrder, EntranceRefusal,
    // An empty purse is looked at last.
    ::testing::Values(
        RefusalCase{kBath, true, false, 0, "Sorry but to enter you have to travel to Bath first."},
        RefusalCase{kBath, false, true, 0, "Sorry but to enter you have to travel to Bath first."},
        RefusalCase{kLondon, true, false, 0, "Sorry but the races in London already ended!"},
        RefusalCase{kLondon, false, false, 0, "Sorry but no races are currently being organised in London"},
        // The fee of GBP 20 is not covered.
        RefusalCase{kLondon, false, true, 19, kNoMoney}));

TEST_F(TravelDeskTest, AMonthWithoutRacesReadsNotApplicable) {
  desk.chooseCity(kLondon);
  random.fallBackTo(kNoParkRaces);
  game.nextMonth();
  EXPECT_EQ(desk.raceInfo(), (TravelDesk::RaceInfo{"No", "N/A", "N/A"}));
}

}  // namespace
}  // namespace gallox
