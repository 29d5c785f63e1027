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

inline constexpr int kPriest = 0;        // 1.5, the slowest, least stake 20
inline constexpr int kJohny = 1;         // 1.5, least stake 25
inline constexpr int kBrendan = 5;       // 1.4, least stake 20
inline constexpr int kMalcolmZ = 10;     // 1.21
inline constexpr int kSnoopey = 17;      // 1.0
inline constexpr int kStSupersson = 21;  // 0.8
inline constexpr int kNonpareil = 24;    // 0.6
inline constexpr int kLord = 26;         // 0.56, least stake 800
inline constexpr int kBlaster = 28;      // least stake 1200
inline constexpr int kLuckyStrike = 29;  // 0.5, the fastest, least stake 1250

// The draw that picks horse h of the thirty for a field.
inline float pickOf(int horse) { return (static_cast<float>(horse) + 0.5f) / kHorseCount; }
// A step draw that moves every horse 9 pixels, whatever its speed.
inline constexpr float kFullStride = 0.9999f;
// Police draws that catch nobody, and any doper.
inline constexpr float kPoliceAway = 0.0f;
inline constexpr float kPoliceThere = 0.99f;

}  // namespace gallox::testing
