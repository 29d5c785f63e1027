// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The banks window as the console sees it, without a window: made on the first touch on the
// first bank, its four buttons working the game's real banks, and a log of what was done.

#include <array>
#include <string>

#include "shop/console.h"
#include "world/bank.h"
#include "world/tables.h"

namespace gallox::testing {

class BanksStandIn final : public ConsoleBanks {
 public:
  explicit BanksStandIn(std::array<Bank, kBankCount>& banks) : banks_(banks) {}

  int selectedBank() override { return touch(); }
  void selectBank(int index) override {
    touch();
    selected = index;
    log += "select" + std::to_string(index) + ' ';
  }
  void borrow() override { bank("borrow").borrowLoan(); }
  void repay() override { bank("repay").repayLoan(); }
  void deposit() override { bank("deposit").deposit(); }
  void pick() override { bank("pick").pick(); }
  void show() override {
    touch();
    log += "show ";
  }

  // "make" when the window is made, then one word per action: "make select1 borrow1 ".
  std::string log;
  // The bank chosen, -1 while there is no window; a test may set it as the player would by hand.
  int selected = -1;

 private:
  int touch() {
    if (selected < 0) {
      selected = 0;
      log += "make ";
    }
    return selected;
  }
  Bank& bank(const char* action) {
    const int index = touch();
    log += action + std::to_string(index) + ' ';
    return banks_.at(static_cast<std::size_t>(index));
  }

  std::array<Bank, kBankCount>& banks_;
};

}  // namespace gallox::testing
