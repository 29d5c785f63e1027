// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/stable.h"

#include <gtest/gtest.h>

#include "support/scripted_random.h"

namespace gallox {
namespace {

using testing::ScriptedRandom;

TEST(Stable, ConstructedAtItsBaseOrAtANewPriceDrawnFromIt) {
  Stable stable;
  ScriptedRandom random{0.2f, 0.7f, 0.3f};
  stable.construct("Dejavu", 50, random);
  EXPECT_EQ(stable.SharePrice(), 50.0f);
  EXPECT_EQ(stable.DivPrice(), 2.5f);
  EXPECT_EQ(stable.PrevSharePrice(), 0.0f);
  EXPECT_EQ(random.drawn(), 1);

  stable.construct("Dejavu", 50, random);
  EXPECT_EQ(stable.SharePrice(), 60.0f);
  EXPECT_EQ(stable.DivPrice(), 3.0f);
  EXPECT_EQ(stable.PrevSharePrice(), 50.0f);
}

TEST(Stable, PriceSpansNineTenthsToNineteenTenthsOfTheBaseAndAHalfChangesNothing) {
  Stable stable;
  ScriptedRandom random{0.0f, 0.9f, 0.0f, 0.9f, 0.99999994f, 0.5f};
  stable.construct("Fergusson's", 1000, random);
  EXPECT_TRUE(stable.DetermineSharePrice(random));
  EXPECT_EQ(stable.SharePrice(), 900.0f);
  EXPECT_EQ(stable.PrevSharePrice(), 1000.0f);
  EXPECT_TRUE(stable.DetermineSharePrice(random));
  EXPECT_EQ(stable.SharePrice(), 1900.0f);
  EXPECT_EQ(stable.PrevSharePrice(), 900.0f);
  EXPECT_FALSE(stable.DetermineSharePrice(random));
  EXPECT_EQ(stable.SharePrice(), 1900.0f);
  EXPECT_EQ(random.drawn(), 6);
}

}  // namespace
}  // namespace gallox
