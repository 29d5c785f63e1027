// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// What the main window knows of its tool windows: which were opened from it (the cities and the
// banks keep a flag for that) and which carry a tick in the Windows menu. The month's end
// refreshes a window only where these say so.

#include <array>
#include <cstddef>

namespace gallox {

enum class ToolWindow { Cities, Banks, StockMarket, Shop, Newspaper, GridMap };
inline constexpr std::size_t kToolWindowCount = 6;

class ToolWindowMarks {
 public:
  // Opened from the main window's button or menu entry, or by reading the paper.
  void opened(ToolWindow kind);
  void closed(ToolWindow kind);

  // rpWindowOpen for the cities, banksWindowOpen for the banks; no other window has a flag.
  bool flagged(ToolWindow kind) const { return flagged_[index(kind)]; }
  bool ticked(ToolWindow kind) const { return ticked_[index(kind)]; }
  static bool hasFlag(ToolWindow kind);
  static bool hasTick(ToolWindow kind);

  // The cities and the banks follow the month when their flag is set, the stock market when
  // its tick is; the shop, the newspaper and the grid map never do.
  bool refreshedAtMonthEnd(ToolWindow kind) const;

 private:
  static std::size_t index(ToolWindow kind) { return static_cast<std::size_t>(kind); }

  std::array<bool, kToolWindowCount> flagged_{};
  std::array<bool, kToolWindowCount> ticked_{};
};

}  // namespace gallox
