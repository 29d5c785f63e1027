// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "mainwindow/banks_window_target.h"

#include "finance/banks_window.h"
#include "mainwindow/tool_windows.h"

namespace gallox {

BanksWindow* BanksWindowTarget::window() { return qobject_cast<BanksWindow*>(tools_.ensure(ToolWindow::Banks)); }

int BanksWindowTarget::selectedBank() {
  BanksWindow* banks = window();
  return banks ? banks->selectedBank() : 0;
}

void BanksWindowTarget::selectBank(int index) {
  if (BanksWindow* banks = window()) banks->selectBank(index);
}

void BanksWindowTarget::borrow() {
  if (BanksWindow* banks = window()) banks->bankBorrowClicked();
}

void BanksWindowTarget::repay() {
  if (BanksWindow* banks = window()) banks->bankRepayClicked();
}

void BanksWindowTarget::deposit() {
  if (BanksWindow* banks = window()) banks->bankDepClicked();
}

void BanksWindowTarget::pick() {
  if (BanksWindow* banks = window()) banks->bankPickClicked();
}

// Neither the tick nor the month's refresh: only the main window's way in counts as opening.
void BanksWindowTarget::show() { tools_.showOnly(ToolWindow::Banks); }

}  // namespace gallox
