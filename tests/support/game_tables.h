// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// Rows of the game's tables by name: the cities, the vehicles and the horses; a route between
// two cities; and the draws that steer a race meeting.

#include <cstdint>

#include "world/route_file.h"
#include "world/tables.h"

namespace gallox::testing {

inline constexpr int kBath = 0, kBristol = 2, kCardiff = 3, kLondon = 6, kPenzance = 9, kSouthampton = 11,
                     kYeovil = 13;
inline constexpr int kBus = 0, kTrain = 1, kAirplane = 2, kShip = 3;

inline RouteRec route(int vehicle, int from, int to, float fare = 10.0f) {
  return RouteRec{vehicle, static_cast<std::int16_t>(from), static_cast<std::int16_t>(to), fare};
}

// Horses with their speed and least stake: Priest 1.5 (the slowest, 20), Johny 1.5 (25), Brendan 1.4 (20),
// Malcolm Z 1.21, Snoopey 1.0, St.Supersson 0.8, Nonpareil 0.6, Lord 0.56 (800), Blaster (1200) and
// Lucky Strike 0.5 (the fastest, 1250).
inline constexpr int kPriest = 0, kJohny = 1, kBrendan = 5, kMalcolmZ = 10, kSnoopey = 17, kStSupersson = 21,
                     kNonpareil = 24, kLord = 26, kBlaster = 28, kLuckyStrike = 29;

// The draw that picks horse h of the thirty for a field.
inline float pickOf(int horse) { return (static_cast<float>(horse) + 0.5f) / kHorseCount; }
// A step draw that moves every horse 9 pixels, whatever its speed.
inline constexpr float kFullStride = 0.9999f;
// Police draws that catch nobody, and any doper.
inline constexpr float kPoliceAway = 0.0f;
inline constexpr float kPoliceThere = 0.99f;

}  // namespace gallox::testing
