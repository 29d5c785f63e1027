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
    selected_ = index;
    log += "select" + std::to_string(index) + ' ';
  }
  void borrow() override { bank("borrow").borrowLoan(); }
  void repay() override { bank("repay").repayLoan(); }
  void deposit() override { bank("deposit").deposit(); }
  void pick() override { bank("pick").pick(); }
  void show() override {
    touch();
    shown = true;
    log += "show ";
  }

  int selected() const { return selected_; }
  // Sets the selection as the player would by hand, outside the console.
  void choose(int index) {
    touch();
    selected_ = index;
  }

  // "make" when the window is made, then one word per action: "make select1 borrow1 ".
  std::string log;
  bool shown = false;

 private:
  int touch() {
    if (selected_ < 0) {
      selected_ = 0;
      log += "make ";
    }
    return selected_;
  }
  Bank& bank(const char* action) {
    const int index = touch();
    log += action + std::to_string(index) + ' ';
    return banks_.at(static_cast<std::size_t>(index));
  }

  std::array<Bank, kBankCount>& banks_;
  int selected_ = -1;
};

}  // namespace gallox::testing
