// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "finance/banks_desk.h"

#include <gtest/gtest.h>

#include "support/scripted_random.h"
#include "support/world.h"

namespace gallox {
namespace {

using Rows = std::vector<std::string>;

// A game just begun, with the banks desk on it.
struct BanksWorld : testing::GameWorld<testing::ScriptedRandom> {
  BanksWorld() {
    random.fallBackTo(0.2f);
    start();
  }
  // The six rows and the four buttons, as the window shows them.
  Rows shown() const {
    return {desk.bankName(),      desk.depositRateText(), desk.loanRateText(),   desk.yourDepositText(),
            desk.currentDepositText(), desk.yourLoanText(), desk.depositCaption(), desk.pickCaption(),
            desk.borrowCaption(),  desk.repayCaption()};
  }

  BanksDesk desk{game.banks()};
};

// The loan rates are held just off their decimals (0.02 is 0.0199999996): a hundred times
// them, taken as a float, reads whole again.
TEST(BanksDesk, RatesAndStepsOfEachBank) {
  BanksWorld world;
  const std::vector<std::pair<int, Rows>> faces = {
      {0, {"Wilson's", "100.1%/m", "2%/m", "GBP 0.00", "GBP 0.00", "GBP 0.00", "Deposit GBP 50.00", "Pick Deposit",
           "Borrow GBP 50.00", "Repay GBP 50.00"}},
      {1, {"West Side", "100.15%/m", "2.5%/m", "GBP 0.00", "GBP 0.00", "GBP 0.00", "Deposit GBP 200.00",
           "Pick Deposit", "Borrow GBP 200.00", "Repay GBP 200.00"}},
      {5, {"Quatrix", "100.5%/m", "6%/m", "GBP 0.00", "GBP 0.00", "GBP 0.00", "Deposit GBP 10000.00",
           "Pick Deposit", "Borrow GBP 10000.00", "Repay GBP 10000.00"}}};
  for (const auto& [bank, rows] : faces) {
    world.desk.selectBank(bank);
    EXPECT_EQ(world.shown(), rows);
  }
}

// Each refusal is the bank's to tell, and leaves every row and the purse as they were.
TEST(BanksDesk, RefusalsLeaveTheRowsUnchanged) {
  struct Refusal {
    int bank;
    float purse;
    int borrowedBefore;
    void (BanksDesk::*deal)();
    const char* message;
  };
  const std::vector<Refusal> refusals = {
      {0, 49.99f, 0, &BanksDesk::deposit, "Sorry, you do not have enough money to afford this."},
      {1, 1999.0f, 0, &BanksDesk::borrow, "Sorry, but West Side has refused to lend you money."},
      {0, 650.0f, 10, &BanksDesk::borrow, "Sorry, but Wilson's Bank refuses to lend you any more money"},
      {0, 0.0f, 0, &BanksDesk::repay, ""}};
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.message);
    BanksWorld world;
    world.desk.selectBank(r.bank);
    for (int i = 0; i < r.borrowedBefore; ++i) world.desk.borrow();
    world.player().setMoney(r.purse);
    const Rows before = world.shown();
    (world.desk.*r.deal)();
    EXPECT_EQ(world.shown(), before);
    EXPECT_EQ(world.player().Money(), r.purse);
    EXPECT_EQ(world.messenger.messages, *r.message ? Rows{r.message} : Rows{});
  }
}

}  // namespace
}  // namespace gallox
