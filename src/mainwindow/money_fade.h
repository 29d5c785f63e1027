// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The purse's colour fade after a change of money: sixteen steps from green (a gain) or red
// (a loss) down to black, after which the running gain starts again from nothing.

#include <cstdint>

#include "world/numbers.h"

namespace gallox {

class Player;
class PlayerView;

class MoneyFade {
 public:
  static constexpr std::int16_t kSteps = 16;
  static constexpr int kTickMs = 200;
  // What the gain label reads, in black, once a fade has run out.
  static constexpr const char* kRestingGain = "GBP 0";
  static constexpr Colour kRestingColour = 0;

  // Steps left: positive while a gain fades, negative while a loss fades, 0 at rest.
  std::int16_t flowStep() const { return flowStep_; }
  void setFlowStep(std::int16_t step) { flowStep_ = step; }
  bool running() const { return flowStep_ != 0; }

  // One tick of the fade: repaints the purse in the view and, on the last step, rests the gain
  // label and clears the player's running gain. Returns whether the fade goes on.
  bool tick(Player& player, PlayerView& view);

  // The purse's colour written by a tick taken at the given step count.
  static Colour colourAt(std::int16_t flowStep);

 private:
  std::int16_t flowStep_ = 0;
};

}  // namespace gallox
