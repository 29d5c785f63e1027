// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The routes between the cities, read once at start from the route file cons.htx:
// one route a line, "vehicle;city;city;fare", lines starting with "#" are comments.
// A route joins its two cities both ways.

#include <cstdint>
#include <filesystem>
#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

namespace gallox {

class CityTable;

inline constexpr int kMaxRoutes = 51;
inline constexpr const char* kRouteFileName = "cons.htx";

struct RouteRec {
  int vehicleCode = 0;  // 0 Bus, 1 Train, 2 Airplane, 3 Ship
  std::int16_t fromCity = 0;
  std::int16_t toCity = 0;
  float fare = 0.0f;
};

// The world cannot be built: names the file, the line and what is wrong with it.
class WorldError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class RouteTable {
 public:
  const std::vector<RouteRec>& routes() const { return routes_; }
  const RouteRec& route(int k) const { return routes_.at(static_cast<std::size_t>(k)); }
  // The index of the last route, -1 when there is none.
  int routeMax() const { return static_cast<int>(routes_.size()) - 1; }

  // Both throw WorldError; on error the table is left as it was.
  void loadConnections(const std::filesystem::path& file, const CityTable& cities);
  void read(std::istream& in, const std::string& fileName, const CityTable& cities);

 private:
  std::vector<RouteRec> routes_;
};

}  // namespace gallox
