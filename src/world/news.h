// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The month's newspaper: a column of race announcements and four everyday news items,
// written anew at the start and at every turn of the month.

#include <array>
#include <string>

#include "world/game_month.h"
#include "world/race_park.h"
#include "world/tables.h"

namespace gallox {

class CityTable;
class RandomSource;

inline constexpr int kNewsItemCount = 4;

class News {
 public:
  // The races column, one line per park that holds races, in city order, each ending in CR LF.
  const std::string& raceNews() const { return raceNews_; }
  // Items are numbered 1 to 4.
  const std::string& newsItem(int number) const;
  const GameMonth& newsDate() const { return newsDate_; }

  void makeNews(RandomSource& random, const GameMonth& date,
                const std::array<RacePark, kCityCount>& parks, const CityTable& cities);

 private:
  void addNews(const std::string& a, const std::string& b = {}, const std::string& c = {},
               const std::string& d = {});
  void setNewsItem(int number, const std::string& a, const std::string& b = {},
                   const std::string& c = {}, const std::string& d = {}, const std::string& e = {});
  void makeItem(int number, RandomSource& random, const CityTable& cities);

  std::string raceNews_;
  std::array<std::string, kNewsItemCount> newsItems_;
  GameMonth newsDate_;
};

}  // namespace gallox
