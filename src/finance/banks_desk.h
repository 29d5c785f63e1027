// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The banks window's side of the game: which of the six banks is shown, the texts of its rows
// and buttons, and the four dealings with it. The choice outlives the window, so the console
// can deal with the bank chosen there while the window is hidden.

#include <array>
#include <string>

#include "world/bank.h"
#include "world/tables.h"

namespace gallox {

class BanksDesk {
 public:
  explicit BanksDesk(std::array<Bank, kBankCount>& banks);

  // 0 to 5; anything else is refused and the choice stays.
  void selectBank(int index);
  int selectedBank() const { return selected_; }
  // The list the player picks from, in bank order. It names the last bank "Quatrix Bank",
  // where the bank calls itself "Quatrix".
  static const std::array<const char*, kBankCount>& bankList();

  std::string bankName() const;
  // The rates as a month's figures: the deposit as its growth factor in percent (100.1%/m),
  // the loan as the share of it charged (2%/m).
  std::string depositRateText() const;
  std::string loanRateText() const;
  std::string yourLoanText() const;
  std::string yourDepositText() const;
  std::string currentDepositText() const;

  std::string depositCaption() const;
  std::string pickCaption() const;
  std::string borrowCaption() const;
  std::string repayCaption() const;

  // Each moves one step of the shown bank (pick: the whole deposit); the bank itself refuses
  // and says why.
  void deposit();
  void pick();
  void borrow();
  void repay();

 private:
  Bank& bank() const;

  std::array<Bank, kBankCount>& banks_;
  int selected_ = 0;
};

}  // namespace gallox
