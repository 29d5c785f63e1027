// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "finance/banks_desk.h"

#include <gtest/gtest.h>

#include "support/scripted_random.h"
#include "support/world.h"

namespace gallox {
namespace {

using testing::ScriptedRandom;

constexpr const char* kNoMoney = "Sorry, you do not have enough money to afford this.";

class BanksDeskTest : public ::testing::Test, protected testing::GameWorld<ScriptedRandom> {
 protected:
  BanksDeskTest() {
    random.fallBackTo(0.2f);
    start();
  }

  // What the window's rows read, top to bottom.
  struct Rows {
    std::string name, depositRate, loanRate, yourDeposit, currentDeposit, yourLoan;
    friend bool operator==(const Rows&, const Rows&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Rows& r) {
      return out << r.name << " | " << r.depositRate << " | " << r.loanRate << " | "
                 << r.yourDeposit << " | " << r.currentDeposit << " | " << r.yourLoan;
    }
  };
  Rows rows() const {
    return {desk.bankName(),        desk.depositRateText(),    desk.loanRateText(),
            desk.yourDepositText(), desk.currentDepositText(), desk.yourLoanText()};
  }

  BanksDesk desk{game.banks()};
};

struct BankFace {
  int bank;
  const char* listed;
  const char* name;
  const char* depositRate;
  const char* loanRate;
  const char* step;
};

class BankFaces : public BanksDeskTest, public ::testing::WithParamInterface<BankFace> {};

TEST_P(BankFaces, NameRatesAndCaptions) {
  const BankFace face = GetParam();
  desk.selectBank(face.bank);
  EXPECT_EQ(BanksDesk::bankList()[static_cast<std::size_t>(face.bank)], std::string(face.listed));
  EXPECT_EQ(rows(), (Rows{face.name, face.depositRate, face.loanRate, "GBP 0.00", "GBP 0.00", "GBP 0.00"}));
  EXPECT_EQ(desk.depositCaption(), std::string("Deposit ") + face.step);
  EXPECT_EQ(desk.pickCaption(), "Pick Deposit");
  EXPECT_EQ(desk.borrowCaption(), std::string("Borrow ") + face.step);
  EXPECT_EQ(desk.repayCaption(), std::string("Repay ") + face.step);
}

// The loan rates are held just below or above their decimals (0.02 is 0.0199999996); a
// hundred times them, taken as a float, reads whole again.
INSTANTIATE_TEST_SUITE_P(
    SixBanks, BankFaces,
    ::testing::Values(BankFace{0, "Wilson's", "Wilson's", "100.1%/m", "2%/m", "GBP 50.00"},
                      BankFace{1, "West Side", "West Side", "100.15%/m", "2.5%/m", "GBP 200.00"},
                      BankFace{2, "Miami Bank", "Miami Bank", "100.2%/m", "3%/m", "GBP 500.00"},
                      BankFace{3, "Greiff", "Greiff", "100.3%/m", "4%/m", "GBP 1000.00"},
                      BankFace{4, "Xanadu Bank", "Xanadu Bank", "100.4%/m", "5%/m", "GBP 5000.00"},
                      BankFace{5, "Quatrix Bank", "Quatrix", "100.5%/m", "6%/m", "GBP 10000.00"}));

TEST_F(BanksDeskTest, StartsOnTheFirstBankAndKeepsAChoiceWithinTheSix) {
  EXPECT_EQ(desk.selectedBank(), 0);
  desk.selectBank(5);
  desk.selectBank(6);
  desk.selectBank(-1);
  EXPECT_EQ(desk.selectedBank(), 5);
}

TEST_F(BanksDeskTest, DepositAndPickMoveBothDepositRows) {
  desk.deposit();
  EXPECT_EQ(desk.yourDepositText(), "GBP 50.00");
  EXPECT_EQ(desk.currentDepositText(), "GBP 50.00");
  EXPECT_EQ(game.player().Money(), 100.0f);

  game.bank(0).updateDeposit();
  EXPECT_EQ(desk.currentDepositText(), "GBP 50.05");
  EXPECT_EQ(desk.yourDepositText(), "GBP 50.00");

  desk.pick();
  EXPECT_EQ(desk.yourDepositText(), "GBP 0.00");
  EXPECT_EQ(desk.currentDepositText(), "GBP 0.00");
  EXPECT_FLOAT_EQ(game.player().Money(), 150.05f);
  EXPECT_TRUE(messenger.messages.empty());
}

// Each refusal is the bank's to say, and leaves every row as it was.
struct Refusal {
  const char* what;
  int bank;
  float purse;
  void (BanksDesk::*deal)();
  const char* message;
};

class Refusals : public BanksDeskTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(Refusals, LeaveTheRowsUnchanged) {
  const Refusal refusal = GetParam();
  desk.selectBank(refusal.bank);
  game.player().setMoney(refusal.purse);
  const Rows before = rows();
  (desk.*refusal.deal)();
  EXPECT_EQ(rows(), before);
  EXPECT_EQ(game.player().Money(), refusal.purse);
  if (*refusal.message)
    EXPECT_EQ(messenger.last(), refusal.message);
  else
    EXPECT_TRUE(messenger.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Banks, Refusals,
    ::testing::Values(Refusal{"DepositShortOfAStep", 0, 49.99f, &BanksDesk::deposit, kNoMoney},
                      Refusal{"DepositAtTheLastBank", 5, 150.0f, &BanksDesk::deposit, kNoMoney},
                      Refusal{"BorrowWithoutTenStepsInHand", 1, 1999.0f, &BanksDesk::borrow,
                              "Sorry, but West Side has refused to lend you money."},
                      Refusal{"BorrowAtXanadu", 4, 150.0f, &BanksDesk::borrow,
                              "Sorry, but Xanadu has refused to lend you money."},
                      Refusal{"RepayWithNoLoan", 0, 0.0f, &BanksDesk::repay, ""}),
    [](const ::testing::TestParamInfo<Refusal>& row) { return std::string(row.param.what); });

TEST_F(BanksDeskTest, TheEleventhBorrowingAtTheFirstBankIsRefused) {
  for (int i = 0; i < 10; ++i) desk.borrow();
  EXPECT_EQ(desk.yourLoanText(), "GBP 500.00");
  EXPECT_EQ(game.player().Money(), 650.0f);
  EXPECT_TRUE(messenger.messages.empty());

  desk.borrow();
  EXPECT_EQ(messenger.last(), "Sorry, but Wilson's Bank refuses to lend you any more money");
  EXPECT_EQ(desk.yourLoanText(), "GBP 500.00");

  desk.repay();
  EXPECT_EQ(desk.yourLoanText(), "GBP 450.00");
  EXPECT_EQ(game.player().Money(), 600.0f);
}

TEST_F(BanksDeskTest, DealsOnlyWithTheBankShown) {
  game.player().setMoney(5000.0f);
  desk.selectBank(1);
  desk.borrow();
  desk.deposit();
  EXPECT_EQ(game.bank(1).YourLoan(), 200.0f);
  EXPECT_EQ(game.bank(1).CurDep(), 200.0f);
  desk.selectBank(0);
  EXPECT_EQ(desk.yourLoanText(), "GBP 0.00");
  EXPECT_EQ(desk.currentDepositText(), "GBP 0.00");
}

}  // namespace
}  // namespace gallox
