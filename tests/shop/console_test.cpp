// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "shop/console.h"

#include <gtest/gtest.h>

#include <vector>

#include "shop/shop_desk.h"
#include "support/banks_stand_in.h"
#include "support/fuzz_targets.h"
#include "support/mutator.h"
#include "support/scripted_random.h"
#include "support/world.h"

namespace gallox {
namespace {

using testing::BanksStandIn;
using testing::ScriptedRandom;

const char* const kNoMoney = "Sorry, you do not have enough money to afford this.";

// A game just begun: London, January 2010, GBP 150, one newspaper issue, no doping.
struct Start : testing::GameWorld<ScriptedRandom> {
  Start() {
    random.fallBackTo(0.5f);
    start();
    player().subscribe(1);
  }
  void type(const std::string& line) { console.interpret(line); }

  ShopDesk shop{game.player(), messenger};
  BanksStandIn banks{game.banks()};
  Console console{game.player(), shop, banks};
};

class ConsoleTest : public ::testing::Test, protected Start {};

// What a command leaves, from the start above.
struct Effect {
  float money;
  int issues;
  int dopings;
  int papersOpened;
  // What the banks window saw, in order.
  std::string banks;
};
constexpr Effect kNothing{150.0f, 1, 0, 0, ""};

struct CommandCase {
  std::vector<std::string> spellings;
  Effect effect;
};

const std::vector<CommandCase> kCommandTable = {
    //                                                money   issues dopings read  banks window
    {{"RICHIE", "richie", "Richie"},                 {1150.0f,  1,    0,     0,    ""}},
    {{"!"},                                          {10150.0f, 101,  0,     0,    ""}},
    {{"DRUGZ", "drugz", "DruGz"},                    {150.0f,   1,    1,     0,    ""}},
    {{"NP", "np", "nP"},                             {150.0f,   0,    0,     1,    ""}},
    {{"BUYNP", "buynp", "BuyNp"},                    {140.0f,   2,    0,     0,    ""}},
    {{"BANK", "bank", "Bank"},                       {150.0f,   1,    0,     0,    "make show "}},
    {{"NEXT BANK", "next bank", "Next Bank"},        {150.0f,   1,    0,     0,    "make select1 "}},
    {{"PREV BANK", "prev bank", "pReV bAnK"},        {150.0f,   1,    0,     0,    "make "}},
    // Before the banks window exists, it is made unseen on the first bank.
    {{"BORROW", "borrow", "Borrow"},                 {200.0f,   1,    0,     0,    "make borrow0 "}},
    {{"REPAY", "repay", "RePay"},                    {150.0f,   1,    0,     0,    "make repay0 "}},
    {{"DEPOSIT", "deposit", "Deposit"},              {100.0f,   1,    0,     0,    "make deposit0 "}},
    {{"PICK", "pick", "Pick"},                       {150.0f,   1,    0,     0,    "make pick0 "}},
    // Nothing but the whole command, exactly, is a command.
    {{"", " RICHIE", "RICHIE ", "richie\t", "NEXT  BANK", "NEXTBANK", " ", "RICH", "RICHIE!",
      "NP NP", "bank\n"},                            kNothing},
    // Only plain letters are raised: a dotless i is no I.
    {{"rich\u0131e", "n\u00FCp"},                    kNothing},
};

TEST_F(ConsoleTest, EachCommandInAnyCaseAndNothingElse) {
  for (const CommandCase& c : kCommandTable) {
    for (const std::string& spelling : c.spellings) {
      SCOPED_TRACE("typed \"" + spelling + "\"");
      Start fresh;
      fresh.type(spelling);
      EXPECT_FLOAT_EQ(fresh.player().Money(), c.effect.money);
      EXPECT_EQ(fresh.player().newspapers(), c.effect.issues);
      EXPECT_EQ(fresh.player().dopings(), c.effect.dopings);
      EXPECT_EQ(fresh.view.paperOpened + fresh.view.paperReloaded, c.effect.papersOpened);
      EXPECT_EQ(fresh.banks.log, c.effect.banks);
      EXPECT_TRUE(fresh.messenger.messages.empty()) << fresh.messenger.last();
    }
  }
}

// The fuzzer's checks, over a few thousand mutations of the commands and a session of them.
TEST(ConsoleFuzz, MutatedLinesTakeEffectOrChangeNothing) {
  std::vector<std::string> seeds{"richie\nbank\nnext bank\nborrow\ndeposit\nnp\nbuynp\npick\nrepay\ndrugz\n!"};
  for (const CommandCase& c : kCommandTable) seeds.insert(seeds.end(), c.spellings.begin(), c.spellings.end());
  testing::Mutator inputs(seeds);
  for (int i = 0; i < 2000; ++i) ASSERT_EQ(testing::consoleFault(inputs.next()), std::nullopt) << "input " << i;
}

TEST_F(ConsoleTest, BankSelectionStaysWithinTheSixBanks) {
  banks.choose(5);
  type("next bank");
  type("NEXT BANK");
  EXPECT_EQ(banks.selected(), 5);
  banks.choose(0);
  type("Prev Bank");
  EXPECT_EQ(banks.selected(), 0);
  EXPECT_EQ(banks.log, "make ");

  type("next bank");
  type("prev bank");
  EXPECT_EQ(banks.log, "make select1 select0 ");
}

TEST_F(ConsoleTest, TwoStepsAlongTheListThenDepositAtTheThirdBank) {
  player().setMoney(1000.0f);
  type("NEXT BANK");
  type("NEXT BANK");
  type("DEPOSIT");
  EXPECT_EQ(banks.log, "make select1 select2 deposit2 ");
  EXPECT_EQ(game.bank(2).YourDep(), 500.0f);
  EXPECT_EQ(game.bank(0).YourDep(), 0.0f);
  EXPECT_EQ(player().Money(), 500.0f);
  EXPECT_FALSE(banks.shown);
}

// The gifts fill the counters up to 255 and never past it; the money of "!" comes regardless.
TEST_F(ConsoleTest, GiftsStopAtTheCountersLimit) {
  struct Case {
    int issuesBefore;
    int issuesAfter;
  };
  for (const Case c : {Case{154, 254}, Case{155, 255}, Case{156, 255}, Case{254, 255}, Case{255, 255}}) {
    SCOPED_TRACE(c.issuesBefore);
    Start fresh;
    fresh.player().subscribe(c.issuesBefore - 1);
    fresh.type("!");
    EXPECT_EQ(fresh.player().newspapers(), c.issuesAfter);
    EXPECT_EQ(fresh.player().Money(), 10150.0f);
  }

  for (int i = 0; i < 254; ++i) type("DRUGZ");
  EXPECT_EQ(player().dopings(), 254);
  type("DRUGZ");
  EXPECT_EQ(player().dopings(), 255);
  type("DRUGZ");
  EXPECT_EQ(player().dopings(), 255);
  EXPECT_TRUE(messenger.messages.empty());
}

TEST_F(ConsoleTest, BuyingAnIssueNearTheLimitAndWithTheLastPounds) {
  struct Case {
    int issuesBefore;
    float purse;
    int issuesAfter;
    float purseAfter;
    std::string message;
  };
  const std::vector<Case> cases = {
      {253, 150.0f, 254, 140.0f, ""},
      {254, 150.0f, 255, 140.0f, ""},
      {255, 150.0f, 255, 150.0f,
       "Sorry, you cannot keep more than 255 newspaper issues. Read some of yours first!"},
      {0, 10.0f, 1, 0.0f, ""},
      {0, 9.99f, 0, 9.99f, kNoMoney},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.issuesBefore);
    Start fresh;
    fresh.player().subscribe(c.issuesBefore - 1);
    fresh.player().setMoney(c.purse);
    fresh.type("buynp");
    EXPECT_EQ(fresh.player().newspapers(), c.issuesAfter);
    EXPECT_EQ(fresh.player().Money(), c.purseAfter);
    EXPECT_EQ(fresh.messenger.last(), c.message);
  }
}

}  // namespace
}  // namespace gallox
