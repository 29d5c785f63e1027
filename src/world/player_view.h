// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// What the player's state looks like on the main window: the purse and its fade, the running
// gain, the month, the place and the newspapers. The main window implements it.

#include <cstdint>
#include <string>

#include "world/numbers.h"

namespace gallox {

class PlayerView {
 public:
  virtual ~PlayerView() = default;

  virtual void showMoney(const std::string& text) = 0;
  virtual void setMoneyColour(Colour colour) = 0;
  virtual void showGain(const std::string& text, Colour colour) = 0;
  // Starts (or restarts) the purse's colour fade with the given step count, +16 or -16.
  virtual void startFade(std::int16_t flowStep) = 0;
  virtual void showDate(const std::string& text) = 0;
  virtual void showLocation(const std::string& text) = 0;
  virtual void showNewspapers(const std::string& text) = 0;

  // The newspaper window: whether it is open, and showing the month's issue in it.
  virtual bool newspaperOpen() const = 0;
  virtual void openNewspaper() = 0;
  virtual void reloadNewspaper() = 0;
};

}  // namespace gallox
