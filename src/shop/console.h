// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The command console: one typed line at a time, matched as a whole in capitals against a
// dozen commands that give money, issues and dopings, read or buy the newspaper and work the
// banks window without the mouse. Anything else is ignored without a word.

#include <string>

namespace gallox {

class Player;
class ShopDesk;

// The banks window as the console works it: the bank chosen in its list and its four buttons.
// A window that does not exist yet is made on the first touch, hidden, on the first bank.
class ConsoleBanks {
 public:
  virtual ~ConsoleBanks() = default;
  virtual int selectedBank() = 0;
  // Chooses a bank as the player would in the list, which refreshes the window.
  virtual void selectBank(int index) = 0;
  virtual void borrow() = 0;
  virtual void repay() = 0;
  virtual void deposit() = 0;
  virtual void pick() = 0;
  // Shows the window without counting it as opened from the main window, so neither the
  // menu's tick nor the month's refresh follows it.
  virtual void show() = 0;
};

class Console {
 public:
  Console(Player& player, ShopDesk& shop, ConsoleBanks& banks);

  void interpret(const std::string& command);

 private:
  void richie();
  void bigGift();
  void drugz();
  void readPaper();
  void buyPaper();
  void showBanks();
  void nextBank();
  void prevBank();
  void borrow();
  void repay();
  void deposit();
  void pick();

  Player& player_;
  ShopDesk& shop_;
  ConsoleBanks& banks_;
};

}  // namespace gallox
