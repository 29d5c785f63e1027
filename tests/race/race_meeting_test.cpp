// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "race/race_meeting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "support/fuzz_targets.h"
#include "support/mutator.h"
#include "support/game_tables.h"
#include "support/scripted_random.h"
#include "support/world.h"

namespace gallox {
namespace {

using namespace testing;

// Ticks at 9 pixels until every horse is past the line.
constexpr int kTicksToFinish = kFinishLine / 9 + 1;

class RaceMeetingTest : public ::testing::Test, protected testing::LonePlayer {
 protected:
  RaceMeetingTest() { player.setMoney(5000.0f); }

  // Opens a meeting and draws its first race with exactly these horses; the police check
  // before it finds nothing.
  void enter(std::initializer_list<int> field) {
    meeting.sendData(3, "Bath", static_cast<int>(field.size()));
    for (int h : field) random.add({pickOf(h)});
    random.add({kPoliceAway});
    meeting.nextRace();
  }
  void giveDopings(int n) { for (int i = 0; i < n; ++i) player.buyDoping(); }
  void bet(const char* stake, int horse) { ASSERT_EQ(meeting.setBet(stake, horse).outcome, RaceMeeting::Bet::Taken); }
  // Runs the race with the step draws already scripted, then to its end.
  void runToEnd() { for (int ticks = 0; !meeting.tick() && ticks < 1000; ++ticks) continue; }
  // One column of the field: each horse's place, or which horse it is.
  template <typename Field>
  std::vector<int> each(Field RaceEntry::*column) const {
    std::vector<int> values;
    for (const RaceEntry& e : meeting.field()) values.push_back(e.*column);
    return values;
  }
  std::vector<int> places() const { return each(&RaceEntry::place); }

  ScriptedRandom random;
  RaceMeeting meeting{player, kHorses, random};
};

TEST(RaceOddsTest, OffsetGivesTheFastestAgainstTheSlowestEvenOdds) {
  const std::vector<std::pair<int, float>> offsets = {
      {3, 0.70537f}, {4, 0.64645f}, {5, 0.58752f}, {6, 0.52860f}, {7, 0.46967f}, {8, 0.41074f}};
  for (const auto& [horses, offset] : offsets) {
    const float rateOffset = RaceMeeting::rateOffsetFor(horses, 0.5f, 1.5f);
    EXPECT_NEAR(rateOffset, offset, 5e-6f) << horses << " horses";
    const float invSum = 1.0f / 0.5f + static_cast<float>(horses - 1) / 1.5f;
    EXPECT_NEAR(RaceMeeting::oddsFor(invSum, 0.5f, rateOffset), 1.0f, 1e-6f) << horses << " horses";
  }
}

TEST_F(RaceMeetingTest, FiveHorseFieldHasItsOddsAndPlaceFactorAndPaysTheSecondPlace) {
  enter({kSnoopey, kStSupersson, kMalcolmZ, kNonpareil, kBrendan});
  // The fastest and slowest of the field run 0.6 and 1.4.
  EXPECT_NEAR(meeting.placeFactor(), 0.65465f, 5e-6f);
  const std::vector<std::pair<float, const char*>> odds = {
      {3.3162f, "3.3:1"}, {2.1495f, "2.1:1"}, {4.9821f, "5.0:1"}, {1.3484f, "1.3:1"}, {6.9157f, "6.9:1"}};
  for (int i = 0; i < 5; ++i) {
    EXPECT_NEAR(meeting.field()[static_cast<std::size_t>(i)].rate, odds[static_cast<std::size_t>(i)].first, 5e-5f);
    EXPECT_EQ(meeting.rateText(i), odds[static_cast<std::size_t>(i)].second);
  }

  bet("100", 0);
  // St.Supersson strides once alone, and so crosses the line one tick ahead of the others.
  random.add({0.0f, kFullStride, 0.0f, 0.0f, 0.0f});
  random.fallBackTo(kFullStride);
  runToEnd();
  EXPECT_EQ(places(), (std::vector<int>{2, 1, 3, 4, 5}));
  // The odds shown as 3.3:1 are 3.31622 to the last digit.
  EXPECT_EQ(meeting.result(), "Your horse came 2. and you won GBP 217.0976!");
  EXPECT_FLOAT_EQ(player.Money(), 4900.0f + 217.0976f);
}

TEST_F(RaceMeetingTest, FieldDrawsAgainUntilEveryHorseIsNew) {
  meeting.sendData(3, "Bath", 3);
  random.add({pickOf(5), pickOf(5), pickOf(5), pickOf(7), pickOf(5), pickOf(7), pickOf(9)});
  random.add({kPoliceAway});
  meeting.nextRace();
  EXPECT_EQ(each(&RaceEntry::horse), (std::vector<int>{5, 7, 9}));
  // Seven picks and then the police check's one draw.
  EXPECT_EQ(random.drawn(), 8);
}

TEST_F(RaceMeetingTest, MeetingCountsItsRacesAndEndsAfterTheLast) {
  meeting.sendData(2, "Exeter", 3);
  EXPECT_EQ(meeting.infoText(), "Race 0/2 in Exeter");
  for (int race = 1; race <= 2; ++race) {
    random.add({pickOf(3 * race - 2), pickOf(3 * race - 1), pickOf(3 * race), kPoliceAway});
    meeting.nextRace();
    EXPECT_EQ(meeting.infoText(), "Race " + std::to_string(race) + "/2 in Exeter");
    EXPECT_EQ(meeting.meetingOver(), race == 2);
  }
  const int drawnBefore = random.drawn();
  meeting.nextRace();
  EXPECT_EQ(random.drawn(), drawnBefore);
}

TEST_F(RaceMeetingTest, FieldSizeStaysWithinTheTrack) {
  for (const auto& [asked, got] : std::vector<std::pair<int, int>>{{0, 1}, {8, 8}, {12, 8}, {300, 8}}) {
    meeting.sendData(1, "Bath", asked);
    for (int h = 0; h < got; ++h) random.add({pickOf(h)});
    random.add({kPoliceAway});
    meeting.nextRace();
    EXPECT_EQ(static_cast<int>(meeting.field().size()), got) << asked;
  }
}

TEST(StakeTextTest, OnlyPlainDecimalNumbersAreStakes) {
  const std::vector<std::pair<const char*, std::optional<double>>> cases = {
      {"100", 100.0},      {" 100.5 ", 100.5},  {"\t25\t", 25.0},   {"+20", 20.0},
      {"-5", -5.0},        {".5", 0.5},         {"5.", 5.0},        {"0007", 7.0},
      {"1500.0000001", 1500.0000001},
      {"", std::nullopt},  {"   ", std::nullopt}, {"abc", std::nullopt}, {"12a", std::nullopt},
      {"1e3", std::nullopt}, {"0x10", std::nullopt}, {"nan", std::nullopt}, {"NaN", std::nullopt},
      {"inf", std::nullopt}, {"-infinity", std::nullopt}, {"1,5", std::nullopt},
      {"1.2.3", std::nullopt}, {".", std::nullopt}, {"- 5", std::nullopt}, {"+", std::nullopt},
      {"1 000", std::nullopt}, {"£100", std::nullopt}};
  for (const auto& [text, value] : cases) EXPECT_EQ(RaceMeeting::parseStake(text), value) << '"' << text << '"';
  // Numbers too long for a double stay on their side of the limits.
  EXPECT_GT(*RaceMeeting::parseStake(std::string(400, '9')), 1500.0);
  EXPECT_EQ(*RaceMeeting::parseStake("0." + std::string(400, '0') + "1"), 0.0);
}

// The fuzzer's checks, over a few thousand mutations of stakes players type.
TEST(StakeTextTest, MutatedStakesAreTakenWithinTheLimitsOrRefusedWithoutAChange) {
  testing::Mutator inputs({"50", "1500", "12.5", "20", " 100 ", "1500.01", "-5", ".5", "1e3", "0"});
  for (int i = 0; i < 3000; ++i) ASSERT_EQ(testing::stakeFault(inputs.next()), std::nullopt) << "input " << i;
}

TEST_F(RaceMeetingTest, StakesAreCheckedInOrder) {
  enter({kLord, kPriest, kBlaster, kLuckyStrike});
  player.setMoney(1000.0f);
  struct Case { const char* stake; int horse; RaceMeeting::Bet outcome; const char* message; bool focusStake; };
  using enum RaceMeeting::Bet;
  const std::vector<Case> refusals = {
      {"", 0, Refused, "You placed no bet!", false},
      {"abc", 0, Refused, "Please enter a valid bet!", false},
      {"799.99", 0, Refused, "Sorry, but on horse Lord you must bet at least GBP 800", true},
      {"-800", 0, Refused, "Sorry, but on horse Lord you must bet at least GBP 800", true},
      {"1500.0000001", 0, Refused, "Sorry, but you can bet at most GBP 1500", true},
      // More than the purse holds: nothing is said.
      {"1200", 2, Silent, "", false},
  };
  for (const Case& c : refusals) {
    const RaceMeeting::BetResult result = meeting.setBet(c.stake, c.horse);
    EXPECT_EQ(result.outcome, c.outcome) << c.stake;
    EXPECT_EQ(result.message, c.message) << c.stake;
    EXPECT_EQ(result.focusStake, c.focusStake) << c.stake;
  }
  EXPECT_EQ(player.Money(), 1000.0f);
  EXPECT_TRUE(messenger.messages.empty());

  // The dearest horses can be bet on, up to the most.
  player.setMoney(5000.0f);
  for (const auto& [stake, horse] : std::vector<std::pair<const char*, int>>{
           {"800", 0}, {"1200", 2}, {"1500", 3}}) {
    const RaceMeeting::BetResult result = meeting.setBet(stake, horse);
    EXPECT_EQ(result.outcome, Taken) << stake;
    EXPECT_EQ(meeting.betHorse(), horse);
  }
  EXPECT_EQ(player.Money(), 5000.0f - 800.0f - 1200.0f - 1500.0f);
}

TEST_F(RaceMeetingTest, PurseIsChargedTheStakeAsTypedButPaysOnItsWholePounds) {
  enter({kPriest, kJohny, kBrendan});
  player.setMoney(150.0f);
  bet("100.7", 1);
  EXPECT_FLOAT_EQ(player.Money(), 150.0f - 100.7f);
  EXPECT_EQ(meeting.betAmount(), 100.0f);
}

TEST_F(RaceMeetingTest, DopingNeedsADopingAndOverdosesAtTheSeventh) {
  enter({kPriest, kJohny, kBrendan});
  EXPECT_EQ(meeting.dope(1).message, "You don't have enough dopings!");
  EXPECT_EQ(meeting.dopesUsed(), 0);

  giveDopings(8);
  const std::array<float, 7> factors = {0.98f, 0.9604f, 0.94119f, 0.92237f, 0.90392f, 0.88584f, 0.86813f};
  for (int dose = 1; dose <= 6; ++dose) {
    const RaceMeeting::DopeResult result = meeting.dope(1);
    EXPECT_EQ(result.message, "Horse Johny has been doped.");
    EXPECT_FALSE(result.overdosed);
    EXPECT_NEAR(meeting.field()[1].dopeFactor, factors[static_cast<std::size_t>(dose - 1)], 5e-6f);
  }
  EXPECT_TRUE(meeting.canDope(1));
  const RaceMeeting::DopeResult overdose = meeting.dope(1);
  EXPECT_EQ(overdose.message, "Horse Johny has been overdosed!");
  EXPECT_TRUE(overdose.overdosed);
  EXPECT_NEAR(meeting.field()[1].dopeFactor, factors[6], 5e-6f);
  EXPECT_EQ(meeting.field()[1].place, kOutOfRace);
  EXPECT_EQ(meeting.running(), 2);
  EXPECT_EQ(meeting.dopesUsed(), 7);
  EXPECT_FALSE(meeting.canDope(1));
  EXPECT_TRUE(meeting.canDope(0));
  EXPECT_EQ(player.dopings(), 1);
}

TEST(HorseStepTest, StepsFollowTheDrawTheSpeedAndTheDoses) {
  struct Case { float speedExp; int doses; std::vector<float> draws; int step, faultsBefore, faultsAfter; };
  const std::vector<Case> cases = {
      {1.0f, 0, {0.55f}, 5, 0, 0},
      {0.5f, 0, {0.25f}, 5, 0, 0},
      {1.5f, 0, {0.25f}, 1, 0, 0},
      {1.5f, 0, {0.0f}, 0, 0, 0},
      {0.5f, 0, {0.9999f}, 9, 0, 0},
      // One dose: exponent 0.9, 0.5^0.9 = 0.536; a second draw at or below 0.98 is clean.
      {1.0f, 1, {0.5f, 0.98f}, 5, 0, 0},
      {1.0f, 1, {0.5f, 0.981f}, 5, 0, 1},
      // The tenth fault fails the horse.
      {1.0f, 1, {0.5f, 0.99f}, -1, 9, 10},
      // Seven doses shrink the exponent to 0.478: 0.1^0.478 = 0.333.
      {1.0f, 7, {0.1f, 0.0f}, 3, 0, 0},
  };
  for (const Case& c : cases) {
    ScriptedRandom random;
    for (const float draw : c.draws) random.add({draw});
    RaceEntry entry;
    entry.doses = static_cast<std::uint8_t>(c.doses);
    entry.dopeFactor = c.doses == 0 ? 0.0f : static_cast<float>(std::pow(0.98, c.doses));
    entry.faults = static_cast<std::uint8_t>(c.faultsBefore);
    EXPECT_EQ(RaceMeeting::horseStep(entry, c.speedExp, random), c.step) << c.speedExp << "/" << c.doses;
    EXPECT_EQ(entry.faults, c.faultsAfter);
    EXPECT_EQ(random.left(), 0u);
  }
}

TEST(PayoutTest, PlacesPayLessByThePlaceFactorWithinThePayingPlaces) {
  const std::vector<std::tuple<int, int>> paying = {{1, 1}, {2, 2}, {3, 3}, {4, 3}, {5, 4}, {6, 5}, {7, 5}, {8, 5}};
  for (const auto& [horses, places] : paying) EXPECT_EQ(RaceMeeting::payingPlaces(horses), places) << horses;

  // The odds of 3.3162 in a field whose fastest and slowest horses run 0.6 and 1.4.
  const float placeFactor = RaceMeeting::placeFactorFor(0.6f, 1.4f, 5);
  RaceEntry betOn;
  betOn.rate = 3.3162f;
  const std::array<const char*, 5> won = {"331.62", "217.0963", "142.1229", "93.04125", "0"};
  for (std::uint8_t place = 1; place <= 5; ++place) {
    betOn.place = place;
    EXPECT_EQ(generalText(RaceMeeting::payout(betOn, placeFactor, 100.0f, 5)), won[place - 1u]) << int(place);
  }
}

TEST_F(RaceMeetingTest, HorsesCrossingTogetherArePlacedInFieldOrder) {
  enter({kPriest, kLuckyStrike, kBrendan});
  bet("100", 2);
  random.fallBackTo(kFullStride);
  for (int t = 0; t < kTicksToFinish - 1; ++t) ASSERT_FALSE(meeting.tick());
  EXPECT_EQ(places(), (std::vector<int>{0, 0, 0}));
  // All three pass the line in this tick; the race ends on the next.
  EXPECT_FALSE(meeting.tick());
  EXPECT_EQ(places(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(view.money, "GBP 4900.00") << "nothing is paid before the race has ended";
  EXPECT_TRUE(meeting.tick());
  EXPECT_EQ(meeting.result(), "Your horse came 3. and you won GBP " +
                                  generalText(RaceMeeting::payout(meeting.field()[2], meeting.placeFactor(), 100.0f, 3)) + "!");
  EXPECT_GT(player.Money(), 4900.0f);
}

TEST_F(RaceMeetingTest, FinishOutsideThePayingPlacesWinsNothing) {
  enter({kPriest, kJohny, kBrendan, kSnoopey});
  bet("100", 0);
  // Priest stands still until the others are home.
  random.fallBackTo(kFullStride);
  for (int t = 0; t < kTicksToFinish; ++t) random.add({0.0f, kFullStride, kFullStride, kFullStride});
  runToEnd();
  EXPECT_EQ(meeting.field()[0].place, 4);
  EXPECT_EQ(meeting.result(), "Your horse came 4. and you won GBP 0!");
  EXPECT_EQ(player.Money(), 4900.0f);
  EXPECT_EQ(view.gain, "GBP -100.00");
  EXPECT_EQ(view.flowStep, 16);
}

TEST_F(RaceMeetingTest, DopedHorseFailsOnItsTenthFaultAndDropsBack) {
  enter({kPriest, kJohny, kBrendan});
  giveDopings(1);
  meeting.dope(0);
  bet("20", 0);
  // Per tick: Priest's step and fault draws, then the other two.
  for (int t = 0; t < 10; ++t) {
    random.add({0.5f, 0.99f, 0.5f, 0.5f});
    ASSERT_FALSE(meeting.tick());
  }
  EXPECT_EQ(meeting.field()[0].place, kOutOfRace);
  EXPECT_EQ(meeting.running(), 2);
  // Nine steps of 3 (0.5^(0.9 x 1.5) = 0.39), then one pixel back in the tick it fails;
  // there it stays while the others finish.
  random.fallBackTo(kFullStride);
  runToEnd();
  EXPECT_EQ(meeting.field()[0].pos, 9 * 3 - 1);
  EXPECT_EQ(meeting.result(), "Your horse failed.");
  EXPECT_EQ(player.Money(), 4980.0f);
}

TEST_F(RaceMeetingTest, RaceOfOverdosedHorsesEndsOnItsFirstTick) {
  enter({kPriest, kJohny, kBrendan});
  giveDopings(21);
  for (int h = 0; h < 3; ++h)
    for (int dose = 0; dose < 7; ++dose) meeting.dope(h);
  bet("25", 1);
  const int drawnBefore = random.drawn();
  EXPECT_TRUE(meeting.tick());
  EXPECT_EQ(random.drawn(), drawnBefore);
  EXPECT_EQ(meeting.result(), "Your horse failed.");
  EXPECT_EQ(meeting.running(), 0);
  EXPECT_EQ(player.Money(), 4975.0f);
}

TEST_F(RaceMeetingTest, OverdoseAfterTheFinishKeepsThePlaceAndTheCount) {
  enter({kPriest, kJohny, kBrendan});
  giveDopings(14);
  bet("20", 0);
  random.fallBackTo(kFullStride);
  runToEnd();
  const float purse = player.Money();
  for (int dose = 0; dose < 7; ++dose) meeting.dope(0);
  EXPECT_EQ(meeting.field()[0].place, 1);
  EXPECT_EQ(meeting.running(), 3);
  EXPECT_EQ(meeting.dopesUsed(), 7);
  // The race stays over and paid once.
  EXPECT_TRUE(meeting.tick());
  EXPECT_EQ(player.Money(), purse);
  // The dopings still reach the police before the next race, once its field is drawn.
  random.add({pickOf(3), pickOf(4), pickOf(5), kPoliceThere});
  EXPECT_EQ(meeting.nextRace().fine, 7 * 150);
  EXPECT_EQ(meeting.field()[0].horse, 3);
  EXPECT_EQ(meeting.dopesUsed(), 0);
}

TEST_F(RaceMeetingTest, OverdoseDuringTheRaceTakesOnlyThatHorseOut) {
  enter({kPriest, kJohny, kBrendan});
  giveDopings(7);
  bet("20", 2);
  random.fallBackTo(0.5f);
  for (int t = 0; t < 5; ++t) ASSERT_FALSE(meeting.tick());
  for (int dose = 0; dose < 7; ++dose) meeting.dope(1);
  EXPECT_EQ(meeting.running(), 2);
  const std::int16_t stoppedAt = meeting.field()[1].pos;
  random.fallBackTo(kFullStride);
  runToEnd();
  EXPECT_EQ(meeting.field()[1].pos, stoppedAt);
  EXPECT_EQ(places(), (std::vector<int>{1, kOutOfRace, 2}));
  EXPECT_EQ(meeting.finished(), 2);
}

TEST_F(RaceMeetingTest, PoliceFineDopersOnlyWhenTheDrawIsAgainstThem) {
  struct Case { int dopings; float draw; bool caught; };
  // 0.882^n: 0.882, 0.778, 0.686.
  const std::vector<Case> cases = {{0, 0.9999f, false}, {1, 0.8821f, true}, {1, 0.8819f, false},
                                   {2, 0.7779f, false}, {2, 0.7780f, true}, {3, 0.99f, true}};
  for (const Case& c : cases) {
    enter({kPriest, kJohny, kBrendan});
    giveDopings(c.dopings);
    for (int i = 0; i < c.dopings; ++i) meeting.dope(i);  // one doping on each horse
    // The fine is taken even from a purse that cannot cover it.
    player.setMoney(100.0f);
    random.add({c.draw});
    const int drawnBefore = random.drawn();
    const RaceMeeting::PoliceResult police = meeting.policeCheck();
    EXPECT_EQ(random.drawn(), drawnBefore + 1);
    EXPECT_EQ(police.caught, c.caught) << c.dopings << " at " << c.draw;
    EXPECT_EQ(meeting.dopesUsed(), 0);
    const int fine = c.caught ? 150 * c.dopings : 0;
    EXPECT_EQ(player.Money(), 100.0f - static_cast<float>(fine));
    EXPECT_EQ(police.message, c.caught ? "Police has caught you and you were fined GBP " + std::to_string(fine) +
                                             " for using dopings."
                                       : "");
  }
}

}  // namespace
}  // namespace gallox
