// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// A window that shows something the month changes and is refreshed at the month's end.

namespace gallox {

class MonthPublisher {
 public:
  virtual ~MonthPublisher() = default;
  virtual void publishMonth() = 0;
};

}  // namespace gallox
