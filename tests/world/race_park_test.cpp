// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/race_park.h"

#include <gtest/gtest.h>

#include "support/scripted_random.h"

namespace gallox {
namespace {

using testing::ScriptedRandom;

TEST(RacePark, StoresWholeNumbersEvenlyAndARaceMonthDrawsTwiceAndCountsFromOne) {
  RacePark park;
  park.setAtOnce(6.5, 7.5, 8.5, 15, 20);
  EXPECT_EQ(park.Probability(), 6);
  EXPECT_EQ(park.MaxRaces(), 8);
  EXPECT_EQ(park.MaxHorses(), 8);
  park.setAtOnce(70, 7, 8, 15, 20);
  ScriptedRandom random{0.70f, 0.99f, 0.0f, 0.0f};
  park.generateMonth(random);
  EXPECT_TRUE(park.IsRace());
  EXPECT_EQ(park.races(), 7);
  EXPECT_EQ(random.drawn(), 2);
  park.generateMonth(random);
  EXPECT_EQ(park.races(), 1);
}

TEST(RacePark, QuietMonthDrawsOnceAndReopensTheMeeting) {
  RacePark park;
  park.setAtOnce(30, 3, 6, 10, 10);
  park.setRacesFinished(true);
  ScriptedRandom random{0.31f};
  park.generateMonth(random);
  EXPECT_FALSE(park.IsRace());
  EXPECT_EQ(park.races(), 0);
  EXPECT_FALSE(park.RacesFinished());
  EXPECT_EQ(random.drawn(), 1);
}

TEST(RacePark, ProbabilityEdges) {
  RacePark never;
  never.setAtOnce(0, 0, 3, 0, 0);
  ScriptedRandom random{0.001f, 0.0f, 0.5f};
  never.generateMonth(random);
  EXPECT_FALSE(never.IsRace());
  never.generateMonth(random);
  EXPECT_TRUE(never.IsRace());
  EXPECT_EQ(never.races(), 1);  // no races allowed still means one

  RacePark always;
  always.setAtOnce(100, 1, 3, 0, 0);
  ScriptedRandom high{0.99999994f, 0.99999994f};
  always.generateMonth(high);
  EXPECT_TRUE(always.IsRace());
  EXPECT_EQ(always.races(), 1);
}

}  // namespace
}  // namespace gallox
