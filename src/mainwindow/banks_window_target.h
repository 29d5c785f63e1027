// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The console's hands on the banks window among the main window's tool windows: the first
// touch makes the window hidden, so the bank chosen in its list is the one the console works,
// whether the player ever sees the window or not.

#include "shop/console.h"

namespace gallox {

class BanksWindow;
class ToolWindows;

class BanksWindowTarget final : public ConsoleBanks {
 public:
  explicit BanksWindowTarget(ToolWindows& tools) : tools_(tools) {}

  int selectedBank() override;
  void selectBank(int index) override;
  void borrow() override;
  void repay() override;
  void deposit() override;
  void pick() override;
  void show() override;

 private:
  BanksWindow* window();

  ToolWindows& tools_;
};

}  // namespace gallox
