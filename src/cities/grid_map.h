// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The player's own map of the cities: up to fourteen cities placed one at a time on the same
// starting spot, each joined to the cities already there by one line for every vehicle that a
// route runs between them, and arranged by dragging with the left mouse button.
// It is only for the player's orientation and changes nothing else in the game.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "world/numbers.h"
#include "world/route_file.h"
#include "world/tables.h"

namespace gallox {

struct MapPoint {
  float x = 0.0f;
  float y = 0.0f;
  friend bool operator==(const MapPoint&, const MapPoint&) = default;
};

// One city on the map. Its links point back to the nodes placed before it, so every pair of
// cities is described once, in the later of the two.
struct MapNode {
  float X = 0.0f;
  float Y = 0.0f;
  std::uint8_t city = 0;
  // links[earlier node][vehicle] is 1 when that vehicle joins the two cities.
  std::array<std::array<std::uint8_t, kVehicleCount>, kCityCount> links{};
};

class GridMap {
 public:
  static constexpr int kNoNode = -1;
  static constexpr MapPoint kStartSpot{100.0f, 100.0f};
  static constexpr float kSquareSize = 4.0f;
  // Bus red, train green, airplane yellow, ship blue: the squares and lines of each vehicle.
  static constexpr std::array<Colour, kVehicleCount> kColors = {
      rgb(255, 0, 0), rgb(0, 204, 0), rgb(255, 255, 0), rgb(0, 0, 255)};

  GridMap();

  // An empty map with every city back in the list.
  void clear();

  // The cities still to be placed, in city-index order: the list the player chooses from.
  const std::vector<int>& unplaced() const { return unplaced_; }
  bool canAdd() const { return !unplaced_.empty(); }
  // Places a city that is not on the map yet at the starting spot, on top of whatever lies
  // there, linked to the earlier cities by the routes. A city already placed is refused.
  bool addCity(int city, std::span<const RouteRec> routes);

  std::span<const MapNode> nodes() const {
    return std::span<const MapNode>(nodes_).first(static_cast<std::size_t>(placed_));
  }
  int placed() const { return placed_; }
  int dragged() const { return dragged_; }

  // A press of any button picks the newest node under the pointer, or none.
  void press(float x, float y);
  // Moves the picked node with the pointer, keeping the offset at which it was picked; only
  // while the left button alone is held. Gives whether the map changed.
  bool drag(bool leftButtonAlone, float x, float y);

  // Where a node's press area lies: from 35 pixels left of its anchor to 100 right of it and
  // from 2 above to 20 below, edges excluded. It covers the bus, train and airplane squares
  // and the start of the name, not the ship square.
  static bool hits(const MapNode& node, float x, float y);
  // The top-left corner and the centre of a node's small square for a vehicle; the squares
  // stand left of the name, the bus nearest, ten pixels apart.
  static MapPoint squareCorner(const MapNode& node, int vehicle);
  static MapPoint squareCentre(const MapNode& node, int vehicle);

 private:
  void linkCity(MapNode& node, std::span<const RouteRec> routes) const;

  std::array<MapNode, kCityCount> nodes_{};
  int placed_ = 0;
  int dragged_ = kNoNode;
  float dragDX_ = 0.0f;
  float dragDY_ = 0.0f;
  std::vector<int> unplaced_;
};

}  // namespace gallox
