// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "cities/grid_map.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/game_tables.h"

namespace gallox {
namespace {

using namespace testing;
using Links = std::array<std::uint8_t, kVehicleCount>;

std::vector<int> allCities() {
  std::vector<int> cities;
  for (int city = 0; city < kCityCount; ++city) cities.push_back(city);
  return cities;
}

TEST(GridMap, CitiesArePlacedOnTheStartingSpotAndLeaveTheList) {
  GridMap map;
  ASSERT_TRUE(map.addCity(kLondon, {}));
  ASSERT_TRUE(map.addCity(kBath, {}));
  ASSERT_EQ(map.placed(), 2);
  EXPECT_EQ(map.nodes()[1].city, kBath);
  EXPECT_EQ(map.nodes()[1].X, 100.0f);
  EXPECT_EQ(map.nodes()[1].Y, 100.0f);
  EXPECT_EQ(map.nodes()[1].links[0], (Links{0, 0, 0, 0})) << "no routes, no lines";
  EXPECT_EQ(map.unplaced().size(), 12u);
  EXPECT_EQ(map.unplaced().front(), 1) << "the list keeps city order";

  EXPECT_FALSE(map.addCity(kLondon, {})) << "a city is placed once";
  EXPECT_EQ(map.placed(), 2);
}

TEST(GridMap, ANewCityIsLinkedToEveryEarlierOnePerVehicleInEitherDirection) {
  const std::vector<RouteRec> routes = {route(kTrain, kLondon, kBath), route(kBus, kBristol, kBath),
                                        route(kTrain, kBath, kBristol), route(kShip, kYeovil, kYeovil),
                                        route(kBus, kLondon, kBristol)};
  GridMap map;
  map.addCity(kLondon, routes);
  map.addCity(kBath, routes);
  map.addCity(kBristol, routes);
  map.addCity(kYeovil, routes);

  EXPECT_EQ(map.nodes()[1].links[0], (Links{0, 1, 0, 0}));  // Bath - London
  EXPECT_EQ(map.nodes()[2].links[0], (Links{1, 0, 0, 0}));  // Bristol - London
  EXPECT_EQ(map.nodes()[2].links[1], (Links{1, 1, 0, 0}));  // Bristol - Bath
  for (int earlier = 0; earlier < 3; ++earlier)
    EXPECT_EQ(map.nodes()[3].links[static_cast<std::size_t>(earlier)], (Links{0, 0, 0, 0}))
        << "a route to itself joins Yeovil with no other city";
  EXPECT_EQ(map.nodes()[0].links[1], (Links{0, 0, 0, 0})) << "links point back only";
}

TEST(GridMap, AllFourteenCitiesFillTheMapAndClearEmptiesIt) {
  GridMap map;
  for (int city = kCityCount - 1; city >= 0; --city) ASSERT_TRUE(map.addCity(city, {}));
  EXPECT_FALSE(map.canAdd());
  EXPECT_FALSE(map.addCity(kBath, {}));

  map.press(100, 100);
  map.clear();
  EXPECT_TRUE(map.nodes().empty());
  EXPECT_EQ(map.dragged(), GridMap::kNoNode);
  EXPECT_EQ(map.unplaced(), allCities());
  ASSERT_TRUE(map.addCity(kYeovil, {}));
  EXPECT_EQ(map.nodes()[0].links[0], (Links{0, 0, 0, 0})) << "nothing left of the old map";
}

struct HitCase {
  float dx;
  float dy;
  bool hit;
};

class HitArea : public ::testing::TestWithParam<HitCase> {};

TEST_P(HitArea, EdgesAreOutside) {
  const HitCase& c = GetParam();
  MapNode node;
  node.X = 200;
  node.Y = 150;
  EXPECT_EQ(GridMap::hits(node, node.X + c.dx, node.Y + c.dy), c.hit)
      << "at " << c.dx << ", " << c.dy << " from the anchor";
}

INSTANTIATE_TEST_SUITE_P(Edges, HitArea,
                         ::testing::Values(HitCase{0, 0, true}, HitCase{-35, 5, false},
                                           HitCase{-34.5f, 5, true}, HitCase{100, 5, false},
                                           HitCase{99.5f, 5, true}, HitCase{5, -2, false},
                                           HitCase{5, -1.5f, true}, HitCase{5, 20, false},
                                           HitCase{5, 19.5f, true},
                                           HitCase{-8, 12, true},     // the bus square
                                           HitCase{-28, 12, true},    // the airplane square
                                           HitCase{-38, 12, false}));  // the ship square

TEST(GridMap, APressPicksTheNewestNodeUnderThePointer) {
  GridMap map;
  map.addCity(kLondon, {});
  map.addCity(kBath, {});
  map.press(110, 105);
  EXPECT_EQ(map.dragged(), 1) << "Bath lies on top of London";
  map.press(300, 300);
  EXPECT_EQ(map.dragged(), GridMap::kNoNode);
}

TEST(GridMap, DraggingKeepsTheOffsetAndNeedsTheLeftButtonAlone) {
  GridMap map;
  map.addCity(kLondon, {});
  map.addCity(kBath, {});
  map.press(110, 105);
  ASSERT_TRUE(map.drag(true, 260, 305));
  EXPECT_EQ(map.nodes()[1].X, 250.0f);
  EXPECT_EQ(map.nodes()[1].Y, 300.0f);
  EXPECT_EQ(map.nodes()[0].X, 100.0f) << "London stays";

  EXPECT_FALSE(map.drag(false, 400, 400)) << "another button, or more than the left one";
  EXPECT_EQ(map.nodes()[1].X, 250.0f);

  // No release ends a drag: the node follows until the next press picks something else.
  ASSERT_TRUE(map.drag(true, -90, 5));
  EXPECT_EQ(map.nodes()[1].X, -100.0f) << "a node may leave the visible map";
  map.press(600, 600);
  EXPECT_FALSE(map.drag(true, 110, 105));
  EXPECT_EQ(map.nodes()[0].X, 100.0f);
}

}  // namespace
}  // namespace gallox
