// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/bank.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "support/world.h"
#include "world/numbers.h"

namespace gallox {
namespace {

class BankTest : public ::testing::Test, protected testing::LonePlayer {
 protected:
  static void open(Bank& into, const std::string& name, float step, float debtInt, float depInt) {
    into.setBankName(name);
    into.setDDStep(step);
    into.setDebtInt(debtInt);
    into.setDepInt(depInt);
  }

  Bank bank{player, messenger};
};

// The desk's table refuses at the first banks; here the edges of the rule and its wording.
TEST_F(BankTest, LargeStepLendsOnlyToAPlayerHoldingTenSteps) {
  open(bank, "West Side", 200, 0.025f, 100.15f);
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
  open(bank, "Miami Bank", 500, 0.03f, 100.2f);
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
  open(bank, "West Side", 200, 0.025f, 100.15f);
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

// The rate, held as a float, decides the whole pounds; even no interest passes through the purse,
// and interest may take it below zero.
TEST_F(BankTest, LoanInterestInWholePounds) {
  struct Case {
    float step, rate;
    int steps;
    float interest, purse = 1e7f;
  };
  for (const Case c : {Case{50, 0.02f, 10, 9}, Case{500, 0.03f, 10, 149}, Case{1000, 0.06f, 10, 599},
                       Case{200, 0.025f, 1, 5}, Case{5000, 0.05f, 1, 250}, Case{50, 0.02f, 0, 0},
                       Case{50, 0.02f, 10, 9, 5.0f}}) {
    Bank any{player, messenger};
    open(any, "Any", c.step, c.rate, 100.0f);
    player.setMoney(1e7f);
    for (int i = 0; i < c.steps; ++i) any.borrowLoan();
    player.setMoney(c.purse);
    const float before = player.Money();
    const int fades = view.fadesStarted;
    any.payLoan();
    EXPECT_EQ(before - player.Money(), c.interest) << c.step;
    EXPECT_EQ(any.YourLoan(), c.step * static_cast<float>(c.steps));
    EXPECT_EQ(view.fadesStarted, fades + 1);
  }
}

TEST_F(BankTest, DepositGrowsToTheCentMonthByMonthAndIsWithdrawnWhole) {
  open(bank, "Wilson's", 50, 0.02f, 100.1f);
  player.setMoney(50.0f);
  bank.deposit();
  EXPECT_EQ(player.Money(), 0.0f);
  bank.updateDeposit();
  EXPECT_FLOAT_EQ(bank.CurDep(), 50.05f);
  bank.updateDeposit();
  EXPECT_FLOAT_EQ(bank.CurDep(), 50.10f);
  EXPECT_EQ(bank.YourDep(), 50.0f);

  bank.pick();
  EXPECT_FLOAT_EQ(player.Money(), 50.10f);
  EXPECT_EQ(bank.CurDep(), 0.0f);
  EXPECT_EQ(bank.YourDep(), 0.0f);
  const int fades = view.fadesStarted;
  bank.pick();
  EXPECT_EQ(view.fadesStarted, fades + 1);
  bank.updateDeposit();
  EXPECT_EQ(bank.CurDep(), 0.0f);
}

TEST_F(BankTest, DepositLeftForCenturiesStopsAtTheLimit) {
  open(bank, "Quatrix", 10000, 0.06f, 100.5f);
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

// Where the float's spacing is wider than twice the step, the step would vanish into the sum.
TEST_F(BankTest, ADepositThatWouldNotShowIsRefusedBeforeThePayment) {
  const std::tuple<float, const char*, float, bool> rows[] = {  // deposit, bank, step, refused
      {Bank::kDepositLimit, "Wilson's", 50, true},   {Bank::kDepositLimit, "West Side", 200, true},
      {Bank::kDepositLimit, "Miami Bank", 500, true}, {Bank::kDepositLimit, "Quatrix Bank", 10000, false},
      {1.1e9f, "Wilson's", 50, true},                 {1.1e9f, "West Side", 200, false},
      {1.0e9f, "Wilson's", 50, false}};
  constexpr float kPurse = 20000.0f;
  for (const auto& [before, name, step, refused] : rows) {
    Bank at{player, messenger};
    open(at, name, before, 0.02f, 100.1f);
    player.setMoney(before);
    at.deposit();
    at.setDDStep(step);
    player.setMoney(kPurse);
    messenger.messages.clear();
    at.deposit();
    const std::string refusal =
        "Sorry, but " + at.shortName() + " Bank cannot add " + moneyText(step) + " to a deposit this large.";
    EXPECT_EQ(messenger.messages, refused ? std::vector{refusal} : std::vector<std::string>{}) << name << before;
    EXPECT_EQ(player.Money(), refused ? kPurse : kPurse - step);
    EXPECT_EQ(at.CurDep() == before, refused);
    EXPECT_EQ(at.YourDep() == before, refused);
  }
}

}  // namespace
}  // namespace gallox
