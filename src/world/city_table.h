// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The fourteen cities by index, and the exact, case-sensitive lookup of a name.

#include <array>
#include <map>
#include <string>
#include <string_view>

#include "world/tables.h"

namespace gallox {

class CityTable {
 public:
  void loadCities();

  const std::string& city(int index) const { return names_.at(static_cast<std::size_t>(index)); }
  const std::array<std::string, kCityCount>& cities() const { return names_; }
  // The city's index; a name that is not a city stands for city 0, Bath.
  int cityIndex(std::string_view name) const;
  bool isCity(std::string_view name) const;

 private:
  std::array<std::string, kCityCount> names_;
  std::map<std::string, int, std::less<>> index_;
};

}  // namespace gallox
