// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "cities/grid_map.h"

#include <algorithm>

#include "cities/fares.h"

namespace gallox {

namespace {
constexpr float kHitLeft = -35.0f;
constexpr float kHitRight = 100.0f;
constexpr float kHitTop = -2.0f;
constexpr float kHitBottom = 20.0f;
constexpr float kSquarePitch = 10.0f;
constexpr float kSquareDrop = 10.0f;
}  // namespace

GridMap::GridMap() { clear(); }

void GridMap::clear() {
  placed_ = 0;
  dragged_ = kNoNode;
  unplaced_.clear();
  for (int city = 0; city < kCityCount; ++city) unplaced_.push_back(city);
}

bool GridMap::addCity(int city, std::span<const RouteRec> routes) {
  const auto listed = std::find(unplaced_.begin(), unplaced_.end(), city);
  if (listed == unplaced_.end()) return false;

  MapNode& node = nodes_[static_cast<std::size_t>(placed_)];
  node = MapNode{};
  node.city = static_cast<std::uint8_t>(city);
  node.X = kStartSpot.x;
  node.Y = kStartSpot.y;
  linkCity(node, routes);
  ++placed_;
  unplaced_.erase(listed);
  return true;
}

void GridMap::linkCity(MapNode& node, std::span<const RouteRec> routes) const {
  for (int p = placed_ - 1; p >= 0; --p) {
    const int other = nodes_[static_cast<std::size_t>(p)].city;
    for (int vehicle = 0; vehicle < kVehicleCount; ++vehicle) {
      const bool joined = Fares::firstRoute(routes, vehicle, node.city, other) != nullptr;
      node.links[static_cast<std::size_t>(p)][static_cast<std::size_t>(vehicle)] = joined ? 1 : 0;
    }
  }
}

bool GridMap::hits(const MapNode& node, float x, float y) {
  const float dx = x - node.X;
  const float dy = y - node.Y;
  return kHitLeft < dx && dx < kHitRight && kHitTop < dy && dy < kHitBottom;
}

void GridMap::press(float x, float y) {
  dragged_ = kNoNode;
  // Newest first: the node drawn on top is the one the player sees and means.
  for (int p = placed_ - 1; p >= 0; --p) {
    const MapNode& node = nodes_[static_cast<std::size_t>(p)];
    if (hits(node, x, y)) {
      dragged_ = p;
      dragDX_ = x - node.X;
      dragDY_ = y - node.Y;
      return;
    }
  }
}

bool GridMap::drag(bool leftButtonAlone, float x, float y) {
  if (!leftButtonAlone || dragged_ == kNoNode) return false;
  MapNode& node = nodes_[static_cast<std::size_t>(dragged_)];
  node.X = x - dragDX_;
  node.Y = y - dragDY_;
  return true;
}

MapPoint GridMap::squareCorner(const MapNode& node, int vehicle) {
  return {node.X - kSquarePitch * static_cast<float>(vehicle + 1), node.Y + kSquareDrop};
}

MapPoint GridMap::squareCentre(const MapNode& node, int vehicle) {
  const MapPoint corner = squareCorner(node, vehicle);
  return {corner.x + kSquareSize / 2, corner.y + kSquareSize / 2};
}

}  // namespace gallox
