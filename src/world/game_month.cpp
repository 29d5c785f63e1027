// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/game_month.h"

#include <array>

namespace gallox {

GameMonth GameMonth::next() const {
  if (month == 12) return {year + 1, 1};
  return {year, month + 1};
}

std::string GameMonth::text() const {
  static const std::array<const char*, 12> kNames = {
      "January", "February", "March",     "April",   "May",      "June",
      "July",    "August",   "September", "October", "November", "December"};
  return std::string(kNames.at(static_cast<std::size_t>(month - 1))) + " " + std::to_string(year);
}

}  // namespace gallox
