// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "cities/fares.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "support/game_tables.h"

namespace gallox {
namespace {

using namespace testing;

struct FareCase {
  const char* what;
  std::vector<RouteRec> routes;
  int here;
  int there;
  std::array<float, kVehicleCount> costs;
  int firstVehicle;
};

class FareLookup : public ::testing::TestWithParam<FareCase> {};

TEST_P(FareLookup, FindsTheFirstRoutePerVehicleEitherWay) {
  const FareCase& c = GetParam();
  const Fares fares = Fares::findRoutes(c.routes, c.here, c.there);
  for (int v = 0; v < kVehicleCount; ++v)
    EXPECT_EQ(fares.cost(v), c.costs[static_cast<std::size_t>(v)]) << c.what << ", vehicle " << v;
  EXPECT_EQ(fares.firstVehicle(), c.firstVehicle) << c.what;
}

constexpr float kNone = kNoRoute;

INSTANTIATE_TEST_SUITE_P(
    Cases, FareLookup,
    ::testing::Values(
        FareCase{"an empty table", {}, kLondon, kBath, {kNone, kNone, kNone, kNone}, kBus},
        FareCase{"the first of two listings wins",
                 {route(kBus, kBath, kBristol, 4), route(kBus, kBath, kBristol, 2)},
                 kBath, kBristol, {4, kNone, kNone, kNone}, kBus},
        FareCase{"a route listed the other way round serves",
                 {route(kTrain, kBristol, kBath, 7)}, kBath, kBristol,
                 {kNone, 7, kNone, kNone}, kTrain},
        FareCase{"only airplane and ship: the airplane is offered",
                 {route(kShip, kPenzance, kCardiff, 22), route(kAirplane, kCardiff, kPenzance, 78)},
                 kCardiff, kPenzance, {kNone, kNone, 78, 22}, kAirplane},
        FareCase{"a first listing without a fare hides a later one",
                 {route(kBus, kBath, kBristol, kNoRoute), route(kBus, kBath, kBristol, 4)},
                 kBath, kBristol, {kNone, kNone, kNone, kNone}, kBus},
        FareCase{"a free route is a route",
                 {route(kShip, kBath, kBristol, 0)}, kBath, kBristol, {kNone, kNone, kNone, 0}, kShip},
        FareCase{"routes of other cities and unknown vehicles are not seen",
                 {route(kBus, kBath, kLondon, 9), route(kBus, kLondon, kBristol, 9),
                  route(7, kBath, kBristol, 1)},
                 kBath, kBristol, {kNone, kNone, kNone, kNone}, kBus},
        FareCase{"a city is joined to itself only by a route of its own",
                 {route(kBus, kBath, kBristol, 4), route(kTrain, kBath, kBath, 1)},
                 kBath, kBath, {kNone, 1, kNone, kNone}, kTrain}));

}  // namespace
}  // namespace gallox
