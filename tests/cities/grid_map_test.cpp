// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "cities/grid_map.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "support/game_tables.h"

namespace gallox {
namespace {

using namespace testing;
using Links = std::array<std::uint8_t, kVehicleCount>;

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
  std::vector<int> allCities(kCityCount);
  std::iota(allCities.begin(), allCities.end(), 0);
  EXPECT_EQ(map.unplaced(), allCities);
  ASSERT_TRUE(map.addCity(kYeovil, {}));
  EXPECT_EQ(map.nodes()[0].links[0], (Links{0, 0, 0, 0})) << "nothing left of the old map";
}

TEST(GridMap, TheHitAreasEdgesAreOutside) {
  struct Case { float dx, dy; bool hit; };
  const Case cases[] = {{0, 0, true},     {-35, 5, false}, {-34.5f, 5, true}, {100, 5, false},
                        {99.5f, 5, true}, {5, -2, false},  {5, -1.5f, true},  {5, 20, false},
                        {5, 19.5f, true},
                        {-8, 12, true},     // the bus square
                        {-28, 12, true},    // the airplane square
                        {-38, 12, false}};  // the ship square
  MapNode node;
  node.X = 200;
  node.Y = 150;
  for (const Case& c : cases)
    EXPECT_EQ(GridMap::hits(node, node.X + c.dx, node.Y + c.dy), c.hit) << "at " << c.dx << ", " << c.dy;
}

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
