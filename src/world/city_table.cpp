// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/city_table.h"

namespace gallox {

void CityTable::loadCities() {
  index_.clear();
  for (int i = 0; i < kCityCount; ++i) {
    names_[static_cast<std::size_t>(i)] = std::string(kCityNames[static_cast<std::size_t>(i)]);
    index_.emplace(names_[static_cast<std::size_t>(i)], i);
  }
}

int CityTable::cityIndex(std::string_view name) const {
  const auto found = index_.find(name);
  return found == index_.end() ? 0 : found->second;
}

bool CityTable::isCity(std::string_view name) const { return index_.find(name) != index_.end(); }

}  // namespace gallox
