// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// What a journey between two cities costs by each of the four vehicles, looked up in the
// route table. A route runs both ways; where the table lists the same vehicle between the
// same two cities twice, the first listing is the one that counts.

#include <array>
#include <span>

#include "world/route_file.h"
#include "world/tables.h"

namespace gallox {

// The fare that stands for "no route by this vehicle".
inline constexpr float kNoRoute = -1.0f;

class Fares {
 public:
  Fares() { costs_.fill(kNoRoute); }

  static Fares findRoutes(std::span<const RouteRec> routes, int here, int there);
  // The first route by this vehicle that joins the two cities in either direction, or none.
  static const RouteRec* firstRoute(std::span<const RouteRec> routes, int vehicle, int cityA,
                                    int cityB);

  float cost(int vehicle) const { return costs_.at(static_cast<std::size_t>(vehicle)); }
  bool hasRoute(int vehicle) const { return cost(vehicle) != kNoRoute; }
  // The vehicle offered first: the lowest code with a route, or the bus when none has one.
  int firstVehicle() const;

 private:
  std::array<float, kVehicleCount> costs_;
};

}  // namespace gallox
