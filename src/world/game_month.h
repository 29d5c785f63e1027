// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The game month: the calendar only ever moves a month at a time.

#include <string>

namespace gallox {

struct GameMonth {
  int year = 2010;
  int month = 1;  // 1 to 12

  GameMonth next() const;
  std::string text() const;  // "January 2010"

  friend bool operator==(const GameMonth&, const GameMonth&) = default;
};

}  // namespace gallox
