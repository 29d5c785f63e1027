// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/route_file.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>
#include <string_view>

#include "world/city_table.h"
#include "world/numbers.h"
#include "world/tables.h"

namespace gallox {

namespace {

constexpr int kFieldsPerRoute = 4;

std::string_view trimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::vector<std::string_view> splitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const auto cut = line.find(';');
    fields.push_back(line.substr(0, cut));
    if (cut == std::string_view::npos) break;
    line.remove_prefix(cut + 1);
  }
  return fields;
}

// A plain decimal number with "." as separator, whatever the locale: no letters, no hex,
// no infinity or NaN.
bool readNumber(std::string_view field, double& value) {
  std::string_view text = trimBlanks(field);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  for (const char c : text)
    if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-')) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value,
                                            std::chars_format::fixed);
  return error == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

}  // namespace

void RouteTable::loadConnections(const std::filesystem::path& file, const CityTable& cities) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw WorldError("Cannot read the route file " + file.string() + ".");
  read(in, file.string(), cities);
}

void RouteTable::read(std::istream& in, const std::string& fileName, const CityTable& cities) {
  std::vector<RouteRec> routes;
  std::string line;
  int lineNumber = 0;
  const auto fail = [&](const std::string& fault) {
    throw WorldError("Route file " + fileName + ", line " + std::to_string(lineNumber) + ": " +
                     fault);
  };
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line.front() == '#') continue;

    const auto fields = splitFields(line);
    if (fields.size() < kFieldsPerRoute)
      fail("a route needs four fields, vehicle;city;city;fare, but this line has " +
           std::to_string(fields.size()) + ".");
    if (static_cast<int>(routes.size()) == kMaxRoutes)
      fail("there are more than " + std::to_string(kMaxRoutes) + " routes.");

    double vehicle = 0.0;
    if (!readNumber(fields[0], vehicle))
      fail("the vehicle code \"" + std::string(fields[0]) + "\" is not a number.");
    const double code = roundHalfEven(vehicle);
    if (code < 0.0 || code >= kVehicleCount)
      fail("the vehicle code " + std::string(trimBlanks(fields[0])) +
           " is not one of 0 (Bus), 1 (Train), 2 (Airplane) or 3 (Ship).");

    RouteRec route;
    route.vehicleCode = static_cast<int>(code);
    for (int end = 1; end <= 2; ++end) {
      const std::string_view name = trimBlanks(fields[static_cast<std::size_t>(end)]);
      if (!cities.isCity(name)) fail("\"" + std::string(name) + "\" is not one of the cities.");
      (end == 1 ? route.fromCity : route.toCity) = static_cast<std::int16_t>(cities.cityIndex(name));
    }

    double fare = 0.0;
    if (!readNumber(fields[3], fare))
      fail("the fare \"" + std::string(fields[3]) + "\" is not a number.");
    if (fare < 0.0) fail("the fare " + std::string(trimBlanks(fields[3])) + " is negative.");
    route.fare = static_cast<float>(fare);
    if (!std::isfinite(route.fare)) fail("the fare " + std::string(trimBlanks(fields[3])) + " is too large.");

    routes.push_back(route);
  }
  if (in.bad()) throw WorldError("Cannot read the route file " + fileName + ".");
  routes_ = std::move(routes);
}

}  // namespace gallox
