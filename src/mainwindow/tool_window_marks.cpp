// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "mainwindow/tool_window_marks.h"

namespace gallox {

bool ToolWindowMarks::hasFlag(ToolWindow kind) {
  return kind == ToolWindow::Cities || kind == ToolWindow::Banks;
}

bool ToolWindowMarks::hasTick(ToolWindow kind) { return kind != ToolWindow::GridMap; }

void ToolWindowMarks::opened(ToolWindow kind) {
  flagged_[index(kind)] = hasFlag(kind);
  ticked_[index(kind)] = hasTick(kind);
}

void ToolWindowMarks::closed(ToolWindow kind) {
  flagged_[index(kind)] = false;
  ticked_[index(kind)] = false;
}

bool ToolWindowMarks::refreshedAtMonthEnd(ToolWindow kind) const {
  switch (kind) {
    case ToolWindow::Cities:
    case ToolWindow::Banks:
      return flagged(kind);
    case ToolWindow::StockMarket:
      return ticked(kind);
    case ToolWindow::Shop:
    case ToolWindow::Newspaper:
    case ToolWindow::GridMap:
      return false;
  }
  return false;
}

}  // namespace gallox
