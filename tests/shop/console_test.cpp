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

const char* const kNoMoney = "Sorry, you do not have enough money to afford this.";
const char* const kIssuesFull = "Sorry, you cannot keep more than 255 newspaper issues. Read some of yours first!";

// Counters and purse before the command; unless set, as the start above left them.
struct Before {
  int issues = 1, dopings = 0;
  float purse = 150.0f;
};
// What a command leaves: purse, issues, dopings, papers opened, what the banks window saw, in
// order, and the one message if refused.
struct CommandCase {
  std::vector<std::string> spellings;
  float money;
  int issues, dopings, papersOpened;
  std::string banks;
  const char* message = "";
  Before before = {};
};

const std::vector<CommandCase> kCommandTable = {
    {{"RICHIE", "richie", "Richie"}, 1150.0f, 1, 0, 0, ""},
    {{"!"}, 10150.0f, 101, 0, 0, ""},
    {{"DRUGZ", "drugz", "DruGz"}, 150.0f, 1, 1, 0, ""},
    {{"NP", "np", "nP"}, 150.0f, 0, 0, 1, ""},
    {{"BUYNP", "buynp", "BuyNp"}, 140.0f, 2, 0, 0, ""},
    {{"BANK", "bank", "Bank"}, 150.0f, 1, 0, 0, "make show "},
    {{"NEXT BANK", "next bank", "Next Bank"}, 150.0f, 1, 0, 0, "make select1 "},
    {{"PREV BANK", "prev bank", "pReV bAnK"}, 150.0f, 1, 0, 0, "make "},
    // Before the banks window exists, it is made unseen on the first bank.
    {{"BORROW", "borrow", "Borrow"}, 200.0f, 1, 0, 0, "make borrow0 "},
    {{"REPAY", "repay", "RePay"}, 150.0f, 1, 0, 0, "make repay0 "},
    {{"DEPOSIT", "deposit", "Deposit"}, 100.0f, 1, 0, 0, "make deposit0 "},
    {{"PICK", "pick", "Pick"}, 150.0f, 1, 0, 0, "make pick0 "},
    // Nothing but the whole command, exactly, is a command.
    {{"", " RICHIE", "RICHIE ", "richie\t", "NEXT  BANK", "NEXTBANK", " ", "RICH", "RICHIE!",
      "NP NP", "bank\n"}, 150.0f, 1, 0, 0, ""},
    // Only plain letters are raised: a dotless i is no I.
    {{"rich\u0131e", "n\u00FCp"}, 150.0f, 1, 0, 0, ""},
    // The gifts fill the counters up to 255 and never past it, the money of "!" coming regardless;
    // "BUYNP" is refused at the limit before it takes any money.
    {{"!"}, 10150.0f, 254, 0, 0, "", "", {154}},
    {{"!"}, 10150.0f, 255, 0, 0, "", "", {155}},
    {{"!"}, 10150.0f, 255, 0, 0, "", "", {156}},
    {{"!"}, 10150.0f, 255, 0, 0, "", "", {254}},
    {{"!"}, 10150.0f, 255, 0, 0, "", "", {255}},
    {{"drugz"}, 150.0f, 1, 254, 0, "", "", {1, 253}},
    {{"drugz"}, 150.0f, 1, 255, 0, "", "", {1, 254}},
    {{"drugz"}, 150.0f, 1, 255, 0, "", "", {1, 255}},
    {{"buynp"}, 140.0f, 254, 0, 0, "", "", {253}},
    {{"buynp"}, 140.0f, 255, 0, 0, "", "", {254}},
    {{"buynp"}, 150.0f, 255, 0, 0, "", kIssuesFull, {255}},
    {{"buynp"}, 0.0f, 1, 0, 0, "", "", {0, 0, 10.0f}},
    {{"buynp"}, 9.99f, 0, 0, 0, "", kNoMoney, {0, 0, 9.99f}},
};

TEST(Console, EachCommandInAnyCaseAndNothingElse) {
  for (const CommandCase& c : kCommandTable) {
    for (const std::string& spelling : c.spellings) {
      SCOPED_TRACE("\"" + spelling + "\" on " + std::to_string(c.before.issues) + "/" +
                   std::to_string(c.before.dopings));
      Start fresh;
      fresh.player().subscribe(c.before.issues - 1);
      for (int i = 0; i < c.before.dopings; ++i) fresh.type("DRUGZ");
      fresh.player().setMoney(c.before.purse);
      fresh.type(spelling);
      EXPECT_FLOAT_EQ(fresh.player().Money(), c.money);
      EXPECT_EQ(fresh.player().newspapers(), c.issues);
      EXPECT_EQ(fresh.player().dopings(), c.dopings);
      EXPECT_EQ(fresh.view.paperOpened + fresh.view.paperReloaded, c.papersOpened);
      EXPECT_EQ(fresh.banks.log, c.banks);
      using Said = std::vector<std::string>;
      EXPECT_EQ(fresh.messenger.messages, *c.message ? Said{c.message} : Said{});
    }
  }
}

// The fuzzer's checks, over a few thousand mutations of the commands and a session of them.
TEST(ConsoleFuzz, MutatedLinesTakeEffectOrChangeNothing) {
  std::vector<std::string> seeds{"richie\nbank\nnext bank\nborrow\ndeposit\nnp\nbuynp\npick\nrepay\ndrugz\n!"};
  // The commands as typed from the start; the rows on full counters would only repeat them.
  for (const CommandCase& c : kCommandTable)
    if (c.before.issues == 1 && c.before.dopings == 0)
      seeds.insert(seeds.end(), c.spellings.begin(), c.spellings.end());
  testing::Mutator inputs(seeds);
  for (int i = 0; i < 2000; ++i) ASSERT_EQ(testing::consoleFault(inputs.next()), std::nullopt) << "input " << i;
}

// The bank chosen by hand before (-1: no window yet), the lines typed, what the window saw, the
// bank chosen after, and the deposit made at the third bank from a purse of GBP 1000.
TEST(Console, BankSelectionStaysWithinTheSixBanks) {
  struct Case {
    int chosen;
    std::vector<std::string> lines;
    std::string log;
    int chosenAfter;
    float atThirdBank;
  };
  const std::vector<Case> cases = {
      {5, {"next bank", "NEXT BANK"}, "", 5, 0.0f},
      {0, {"Prev Bank"}, "", 0, 0.0f},
      {-1, {"next bank", "prev bank"}, "make select1 select0 ", 0, 0.0f},
      {-1, {"NEXT BANK", "NEXT BANK", "DEPOSIT"}, "make select1 select2 deposit2 ", 2, 500.0f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.log);
    Start fresh;
    fresh.player().setMoney(1000.0f);
    fresh.banks.selected = c.chosen;
    for (const std::string& line : c.lines) fresh.type(line);
    EXPECT_EQ(fresh.banks.log, c.log);
    EXPECT_EQ(fresh.banks.selected, c.chosenAfter);
    EXPECT_EQ(fresh.game.bank(2).YourDep(), c.atThirdBank);
    EXPECT_EQ(fresh.game.bank(0).YourDep(), 0.0f);
    EXPECT_EQ(fresh.player().Money(), 1000.0f - c.atThirdBank);
  }
}

}  // namespace
}  // namespace gallox
