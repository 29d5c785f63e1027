// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/news.h"

#include <array>
#include <string_view>

#include "world/city_table.h"
#include "world/numbers.h"
#include "world/random_source.h"

namespace gallox {

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr int kItemKinds = 18;

template <std::size_t N>
std::string pickOne(RandomSource& random, const std::array<std::string_view, N>& choices) {
  return std::string(choices[static_cast<std::size_t>(random.pick(static_cast<int>(N)))]);
}

std::string anyCity(RandomSource& random, const CityTable& cities) {
  return cities.city(random.pick(kCityCount));
}

}  // namespace

const std::string& News::newsItem(int number) const {
  return newsItems_.at(static_cast<std::size_t>(number - 1));
}

void News::addNews(const std::string& a, const std::string& b, const std::string& c,
                   const std::string& d) {
  raceNews_ += a + b + c + d + kLineEnd;
}

void News::setNewsItem(int number, const std::string& a, const std::string& b,
                       const std::string& c, const std::string& d, const std::string& e) {
  newsItems_.at(static_cast<std::size_t>(number - 1)) = a + b + c + d + e + kLineEnd;
}

void News::makeNews(RandomSource& random, const GameMonth& date,
                    const std::array<RacePark, kCityCount>& parks, const CityTable& cities) {
  raceNews_.clear();
  newsDate_ = date;
  for (int i = 0; i < kCityCount; ++i) {
    if (!parks[static_cast<std::size_t>(i)].IsRace()) continue;
    const std::string& city = cities.city(i);
    switch (random.pick(5)) {
      case 0: addNews("There are races in ", city); break;
      case 1: addNews(city, " hosts races this month!"); break;
      case 2: addNews(city, " organises horse competitions."); break;
      case 3: addNews("Horse enthusiasts must attend the races in ", city); break;
      default: addNews("Don't miss the races in ", city); break;
    }
  }
  for (int k = 1; k <= kNewsItemCount; ++k) makeItem(k, random, cities);
}

void News::makeItem(int number, RandomSource& random, const CityTable& cities) {
  static constexpr std::array<std::string_view, 6> kArtists = {
      "Kip Larsen", "London Rockazz", "Linkin Park", "Green Day", "Backstreet Boys", "Blue"};
  static constexpr std::array<std::string_view, 3> kCars = {"Red Ferrari", "Yellow Lamborgini",
                                                            "Blue Chevrolet"};
  static constexpr std::array<std::string_view, 6> kBuildings = {
      "museum", "cinema", "theatre", "shopping center", "parking place", "housing estates"};

  switch (random.pick(kItemKinds)) {
    case 0:
      setNewsItem(number, "Hooligans rocked the stadium during yesterday's football match.");
      break;
    case 1: {
      const std::string artist = pickOne(random, kArtists);
      const bool album = roundHalfEven(static_cast<double>(random.next())) == 0.0;
      setNewsItem(number, artist, " released a new ", album ? "album" : "single");
      break;
    }
    case 2: setNewsItem(number, "Universal pictures released a new film."); break;
    case 3: setNewsItem(number, "20th Century Fox has a new movie."); break;
    case 4:
      setNewsItem(number, "Blockbuster from Pixar Studios is entering the cinemas this week.");
      break;
    case 5: setNewsItem(number, "New Linux is out now!"); break;
    case 6: setNewsItem(number, "The weather is fine."); break;
    case 7: setNewsItem(number, "Storms and thunders are expected tonight."); break;
    case 8: setNewsItem(number, "The weather is sunny. Enjoy!"); break;
    case 9: setNewsItem(number, anyCity(random, cities), " will be covered in fog next week."); break;
    case 10: setNewsItem(number, "Southampton was attacked by heavy rain yesterday."); break;
    case 11: setNewsItem(number, "Watch out for joyriders on the street!"); break;
    case 12: {
      const std::string car = pickOne(random, kCars);
      setNewsItem(number, car, " was stolen last week in the streets of ",
                  anyCity(random, cities), ".");
      break;
    }
    case 13: {
      const auto killed = wholePart(static_cast<double>(random.next()) * 5 + 2);
      setNewsItem(number, "A car accident occured in London. ", std::to_string(killed),
                  " people were killed.");
      break;
    }
    case 14: setNewsItem(number, anyCity(random, cities), " faces industrial decline."); break;
    case 15: {
      const std::string city = anyCity(random, cities);
      setNewsItem(number, city, " starts building a new ", pickOne(random, kBuildings), ".");
      break;
    }
    case 16: setNewsItem(number, "South Pole glaciers are melting!"); break;
    default: {
      const std::string city = anyCity(random, cities);
      const auto degrees = random.pick(24) - 3;
      setNewsItem(number, "Temperatures in ", city, ": ", std::to_string(degrees), "\u00B0C");
      break;
    }
  }
}

}  // namespace gallox
