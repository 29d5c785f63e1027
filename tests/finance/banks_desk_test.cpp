// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "finance/banks_desk.h"

#include <gtest/gtest.h>

#include "support/scripted_random.h"
#include "support/world.h"

namespace gallox {
namespace {

using Rows = std::vector<std::string>;

class BanksDeskTest : public ::testing::Test, protected testing::GameWorld<testing::ScriptedRandom> {
 protected:
  BanksDeskTest() {
    random.fallBackTo(0.2f);
    start();
  }
  // The six rows and the four buttons, as the window shows them.
  Rows shown() const {
    return {desk.bankName(),       desk.depositRateText(),   desk.loanRateText(),
            desk.yourDepositText(), desk.currentDepositText(), desk.yourLoanText(),
            desk.depositCaption(),  desk.pickCaption(),       desk.borrowCaption(),
            desk.repayCaption()};
  }

  BanksDesk desk{game.banks()};
};

struct Face {
  int bank;
  Rows shown;
};
class BankFaces : public BanksDeskTest, public ::testing::WithParamInterface<Face> {};

// The loan rates are held just off their decimals (0.02 is 0.0199999996): a hundred times
// them, taken as a float, reads whole again.
TEST_P(BankFaces, RatesAndStepsOfEachBank) {
  desk.selectBank(GetParam().bank);
  EXPECT_EQ(shown(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Banks, BankFaces,
    ::testing::Values(
        Face{0, {"Wilson's", "100.1%/m", "2%/m", "GBP 0.00", "GBP 0.00", "GBP 0.00", "Deposit GBP 50.00",
                 "Pick Deposit", "Borrow GBP 50.00", "Repay GBP 50.00"}},
        Face{1, {"West Side", "100.15%/m", "2.5%/m", "GBP 0.00", "GBP 0.00", "GBP 0.00",
                 "Deposit GBP 200.00", "Pick Deposit", "Borrow GBP 200.00", "Repay GBP 200.00"}},
        Face{5, {"Quatrix", "100.5%/m", "6%/m", "GBP 0.00", "GBP 0.00", "GBP 0.00",
                 "Deposit GBP 10000.00", "Pick Deposit", "Borrow GBP 10000.00", "Repay GBP 10000.00"}}));

// Each refusal is the bank's to tell, and leaves every row as it was.
struct Refusal {
  const char* what;
  int bank;
  float purse;
  int borrowedBefore;
  void (BanksDesk::*deal)();
  const char* message;
};
class Refusals : public BanksDeskTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(Refusals, LeaveTheRowsUnchanged) {
  const Refusal& refusal = GetParam();
  desk.selectBank(refusal.bank);
  for (int i = 0; i < refusal.borrowedBefore; ++i) desk.borrow();
  player().setMoney(refusal.purse);
  const Rows before = shown();
  (desk.*refusal.deal)();
  EXPECT_EQ(shown(), before);
  EXPECT_EQ(player().Money(), refusal.purse);
  EXPECT_EQ(messenger.messages.size(), *refusal.message ? 1u : 0u);
  EXPECT_EQ(messenger.last(), refusal.message);
}

constexpr const char* kNoMoney = "Sorry, you do not have enough money to afford this.";
INSTANTIATE_TEST_SUITE_P(
    Banks, Refusals,
    ::testing::Values(Refusal{"DepositShortOfAStep", 0, 49.99f, 0, &BanksDesk::deposit, kNoMoney},
                      Refusal{"BorrowWithoutTenStepsInHand", 1, 1999.0f, 0, &BanksDesk::borrow,
                              "Sorry, but West Side has refused to lend you money."},
                      Refusal{"EleventhBorrowingAtTheFirstBank", 0, 650.0f, 10, &BanksDesk::borrow,
                              "Sorry, but Wilson's Bank refuses to lend you any more money"},
                      Refusal{"RepayWithNoLoan", 0, 0.0f, 0, &BanksDesk::repay, ""}),
    [](const ::testing::TestParamInfo<Refusal>& row) { return std::string(row.param.what); });

}  // namespace
}  // namespace gallox
