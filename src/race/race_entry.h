// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// One horse of the race being run: which horse it is, its odds, and how it is getting on.

#include <cstdint>

namespace gallox {

struct RaceEntry {
  std::int16_t horse = 0;     // index into the horses table
  float rate = 0.0f;          // odds: the payout per unit of stake for a win
  std::uint8_t place = 0;     // 0 while running, then the finishing place, or kOutOfRace
  std::int16_t pos = 0;       // x on the track in pixels, 0 at the start
  std::uint8_t doses = 0;     // dopings given in this race
  float dopeFactor = 0.0f;    // chance per step of not faulting; 0 until the first dose
  std::uint8_t faults = 0;    // faults of the doped step
};

}  // namespace gallox
