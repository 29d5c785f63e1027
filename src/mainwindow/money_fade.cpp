// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "mainwindow/money_fade.h"

#include "world/player.h"
#include "world/player_view.h"

namespace gallox {

namespace {
// One step of green is 17 (&H1100), so a gain starts by repeating pure green; one step of red
// is 16, so a loss drops from &HFF to &HF0 at once. Both end in black after sixteen ticks.
constexpr Colour kGreenStep = 0x1100;
constexpr Colour kRedStep = 0x10;
}  // namespace

Colour MoneyFade::colourAt(std::int16_t flowStep) {
  if (flowStep > 0) return static_cast<Colour>(flowStep - 1) * kGreenStep;
  if (flowStep < 0) return static_cast<Colour>(-1 - flowStep) * kRedStep;
  return kRestingColour;
}

bool MoneyFade::tick(Player& player, PlayerView& view) {
  // A tick at rest would count past zero and never end; it only makes sure the labels rest.
  if (flowStep_ != 0) {
    view.setMoneyColour(colourAt(flowStep_));
    flowStep_ = static_cast<std::int16_t>(flowStep_ > 0 ? flowStep_ - 1 : flowStep_ + 1);
    if (flowStep_ != 0) return true;
  }
  view.showGain(kRestingGain, kRestingColour);
  player.resetGain();
  return false;
}

}  // namespace gallox
