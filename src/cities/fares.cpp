// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "cities/fares.h"

namespace gallox {

namespace {
constexpr int kBus = 0;
}  // namespace

const RouteRec* Fares::firstRoute(std::span<const RouteRec> routes, int vehicle, int cityA,
                                  int cityB) {
  for (const RouteRec& route : routes) {
    if (route.vehicleCode != vehicle) continue;
    if ((route.fromCity == cityA && route.toCity == cityB) ||
        (route.fromCity == cityB && route.toCity == cityA))
      return &route;
  }
  return nullptr;
}

Fares Fares::findRoutes(std::span<const RouteRec> routes, int here, int there) {
  Fares fares;
  for (int vehicle = 0; vehicle < kVehicleCount; ++vehicle) {
    // Only the first listing is looked at: a later one for the same pair never takes over,
    // not even when the first carries the no-route fare.
    if (const RouteRec* route = firstRoute(routes, vehicle, here, there))
      fares.costs_[static_cast<std::size_t>(vehicle)] = route->fare;
  }
  return fares;
}

int Fares::firstVehicle() const {
  for (int vehicle = 0; vehicle < kVehicleCount; ++vehicle)
    if (hasRoute(vehicle)) return vehicle;
  return kBus;
}

}  // namespace gallox
