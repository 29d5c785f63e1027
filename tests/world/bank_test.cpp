// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/bank.h"

#include <gtest/gtest.h>

#include "support/world.h"

namespace gallox {
namespace {

class BankTest : public ::testing::Test, protected testing::LonePlayer {
 protected:
  void open(const std::string& name, float step, float debtInt, float depInt) {
    bank.setBankName(name);
    bank.setDDStep(step);
    bank.setDebtInt(debtInt);
    bank.setDepInt(depInt);
  }

  Bank bank{player, messenger};
};

// The desk's table refuses at the first banks; here the edges of the rule and its wording.
TEST_F(BankTest, LargeStepLendsOnlyToAPlayerHoldingTenSteps) {
  open("West Side", 200, 0.025f, 100.15f);
  player.setMoney(1999.99f);
  bank.borrowLoan();
  EXPECT_EQ(messenger.last(), "Sorry, but West Side has refused to lend you money.");
  EXPECT_EQ(bank.YourLoan(), 0.0f);

  player.setMoney(2000.0f);
  bank.borrowLoan();
  EXPECT_EQ(bank.YourLoan(), 200.0f);
  EXPECT_EQ(player.Money(), 2200.0f);
}

TEST_F(BankTest, RefusalsUseTheShortNameAndTheCashTestComesBeforeTheCap) {
  open("Miami Bank", 500, 0.03f, 100.2f);
  player.setMoney(100000.0f);
  for (int i = 0; i < 10; ++i) bank.borrowLoan();
  EXPECT_TRUE(messenger.messages.empty());
  bank.borrowLoan();
  EXPECT_EQ(messenger.last(), "Sorry, but Miami Bank refuses to lend you any more money");
  player.setMoney(50.0f);
  bank.borrowLoan();
  EXPECT_EQ(messenger.last(), "Sorry, but Miami has refused to lend you money.");
  EXPECT_EQ(bank.YourLoan(), 5000.0f);
}

TEST_F(BankTest, Repayment) {
  open("West Side", 200, 0.025f, 100.15f);
  bank.repayLoan();
  EXPECT_TRUE(messenger.messages.empty());
  EXPECT_EQ(view.fadesStarted, 0);

  player.setMoney(2000.0f);
  bank.borrowLoan();
  player.setMoney(150.0f);
  bank.repayLoan();
  EXPECT_EQ(messenger.last(), "Sorry, you do not have enough money to afford this.");
  EXPECT_EQ(bank.YourLoan(), 200.0f);

  player.setMoney(250.0f);
  bank.repayLoan();
  EXPECT_EQ(bank.YourLoan(), 0.0f);
  EXPECT_EQ(player.Money(), 50.0f);
}

struct InterestCase {
  float step;
  float rate;
  int steps;
  float interest;
};

class LoanInterest : public BankTest, public ::testing::WithParamInterface<InterestCase> {};

TEST_P(LoanInterest, RateHeldAsAFloatDecidesTheWholePounds) {
  const InterestCase c = GetParam();
  open("Any", c.step, c.rate, 100.0f);
  player.setMoney(1e7f);
  for (int i = 0; i < c.steps; ++i) bank.borrowLoan();
  const float before = player.Money();
  const int fades = view.fadesStarted;
  bank.payLoan();
  EXPECT_EQ(before - player.Money(), c.interest);
  EXPECT_EQ(bank.YourLoan(), c.step * static_cast<float>(c.steps));
  EXPECT_EQ(view.fadesStarted, fades + 1) << "even no interest is passed through the purse";
}

INSTANTIATE_TEST_SUITE_P(Banks, LoanInterest,
                         ::testing::Values(InterestCase{50, 0.02f, 10, 9},
                                           InterestCase{500, 0.03f, 10, 149},
                                           InterestCase{1000, 0.06f, 10, 599},
                                           InterestCase{200, 0.025f, 1, 5},
                                           InterestCase{5000, 0.05f, 1, 250},
                                           InterestCase{50, 0.02f, 0, 0}));

TEST_F(BankTest, InterestMayTakeThePurseBelowZero) {
  open("Wilson's", 50, 0.02f, 100.1f);
  for (int i = 0; i < 10; ++i) bank.borrowLoan();
  player.setMoney(5.0f);
  bank.payLoan();
  EXPECT_EQ(player.Money(), -4.0f);
}

TEST_F(BankTest, DepositGrowsToTheCentMonthByMonth) {
  open("Wilson's", 50, 0.02f, 100.1f);
  player.setMoney(50.0f);
  bank.deposit();
  EXPECT_EQ(player.Money(), 0.0f);
  bank.updateDeposit();
  EXPECT_FLOAT_EQ(bank.CurDep(), 50.05f);
  bank.updateDeposit();
  EXPECT_FLOAT_EQ(bank.CurDep(), 50.10f);
  EXPECT_EQ(bank.YourDep(), 50.0f);
}

TEST_F(BankTest, DepositLeftForCenturiesStopsAtTheLimit) {
  open("Quatrix", 10000, 0.06f, 100.5f);
  player.setMoney(10000.0f);
  bank.deposit();
  float last = bank.CurDep();
  for (int month = 1; month <= 20000; ++month) {
    bank.updateDeposit();
    ASSERT_GE(bank.CurDep(), last) << "month " << month;
    last = bank.CurDep();
  }
  EXPECT_EQ(bank.CurDep(), Bank::kDepositLimit);
  EXPECT_EQ(bank.YourDep(), 10000.0f);

  // The whole of it comes out as money the purse can hold and show.
  bank.pick();
  EXPECT_EQ(player.Money(), Bank::kDepositLimit);
  EXPECT_EQ(view.money, "GBP 10000000000.00");
}

TEST_F(BankTest, DepositIsWithdrawnWhole) {
  open("Quatrix", 10000, 0.06f, 100.5f);
  player.setMoney(10000.0f);
  bank.deposit();
  bank.pick();
  EXPECT_EQ(player.Money(), 10000.0f);
  EXPECT_EQ(bank.CurDep(), 0.0f);
  EXPECT_EQ(bank.YourDep(), 0.0f);

  const int fades = view.fadesStarted;
  bank.pick();
  EXPECT_EQ(view.fadesStarted, fades + 1);
  bank.updateDeposit();
  EXPECT_EQ(bank.CurDep(), 0.0f);
}

}  // namespace
}  // namespace gallox
