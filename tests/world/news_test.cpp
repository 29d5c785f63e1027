// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/news.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/scripted_random.h"
#include "world/city_table.h"

namespace gallox {
namespace {

using testing::ScriptedRandom;

// A draw that picks entry `index` of `count`.
float choose(int index, int count) { return (static_cast<float>(index) + 0.5f) / static_cast<float>(count); }

class NewsTest : public ::testing::Test {
 protected:
  NewsTest() { cities.loadCities(); }

  void racesIn(const std::vector<int>& withRaces) {
    for (int i = 0; i < kCityCount; ++i) {
      ScriptedRandom draws{0.5f, 0.0f};
      const bool races = std::find(withRaces.begin(), withRaces.end(), i) != withRaces.end();
      RacePark& park = parks[static_cast<std::size_t>(i)];
      park.setAtOnce(races ? 100 : 0, 1, 3, 0, 0);
      park.generateMonth(draws);
    }
  }
  // The month's news from these draws, then `hooligans` items drawn as zeros; every draw is taken.
  void makeNews(const std::vector<float>& draws, int hooligans) {
    for (const float draw : draws) random.add({draw});
    random.repeat(0.0f, hooligans);
    news.makeNews(random, GameMonth{2010, 3}, parks, cities);
    EXPECT_EQ(random.left(), 0u);
    EXPECT_EQ(news.newsDate(), (GameMonth{2010, 3}));
  }

  CityTable cities;
  std::array<RacePark, kCityCount> parks{};
  ScriptedRandom random;
  News news;
};

TEST_F(NewsTest, RaceLinesFollowTheCityOrderWithTheirWordings) {
  struct Case {
    std::vector<int> parks;
    std::vector<float> wordings;
    std::string column;
  };
  const std::vector<Case> cases = {
      {{}, {}, ""},
      {{0}, {0.0f}, "There are races in Bath\r\n"},
      {{4, 0, 13, 6, 2},
       {choose(0, 5), choose(1, 5), choose(3, 5), choose(2, 5), choose(4, 5)},
       "There are races in Bath\r\nBristol hosts races this month!\r\nHorse enthusiasts must attend the races in "
       "Exeter\r\nLondon organises horse competitions.\r\nDon't miss the races in Yeovil\r\n"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.parks.size());
    racesIn(c.parks);
    makeNews(c.wordings, kNewsItemCount);
    EXPECT_EQ(news.raceNews(), c.column);
  }

  racesIn({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
  makeNews(std::vector<float>(kCityCount, 0.0f), kNewsItemCount);
  const std::string& column = news.raceNews();
  EXPECT_EQ(std::count(column.begin(), column.end(), '\n'), 14);
  EXPECT_TRUE(column.ends_with("\r\nThere are races in Yeovil\r\n"));
}

// The first item from its kind's and its own draws, after the race lines; the other three
// are the hooligans of all-zero draws.
TEST_F(NewsTest, ItemTextAndItsDrawsInOrder) {
  const std::vector<std::pair<std::vector<float>, std::string>> items = {
      {{0.0f}, "Hooligans rocked the stadium during yesterday's football match."},
      {{choose(1, 18), choose(2, 6), 0.5f}, "Linkin Park released a new album"},
      {{choose(1, 18), choose(5, 6), 0.51f}, "Blue released a new single"},
      {{choose(9, 18), choose(9, 14)}, "Penzance will be covered in fog next week."},
      {{choose(12, 18), choose(2, 3), choose(9, 14)},
       "Blue Chevrolet was stolen last week in the streets of Penzance."},
      {{choose(13, 18), 0.0f}, "A car accident occured in London. 2 people were killed."},
      {{choose(13, 18), 0.99999f}, "A car accident occured in London. 6 people were killed."},
      {{choose(14, 18), 0.0f}, "Bath faces industrial decline."},
      {{choose(15, 18), choose(6, 14), choose(3, 6)}, "London starts building a new shopping center."},
      {{choose(17, 18), 0.0f, 0.0f}, "Temperatures in Bath: -3\u00B0C"},
      {{choose(17, 18), 0.0f, choose(3, 24)}, "Temperatures in Bath: 0\u00B0C"},
      {{choose(17, 18), choose(13, 14), choose(23, 24)}, "Temperatures in Yeovil: 20\u00B0C"},
      {{choose(16, 18)}, "South Pole glaciers are melting!"},
      {{choose(10, 18)}, "Southampton was attacked by heavy rain yesterday."}};
  racesIn({});
  for (const auto& [draws, text] : items) {
    SCOPED_TRACE(text);
    makeNews(draws, kNewsItemCount - 1);
    EXPECT_EQ(news.newsItem(1), text + "\r\n");
    for (int k = 2; k <= kNewsItemCount; ++k)
      EXPECT_EQ(news.newsItem(k), "Hooligans rocked the stadium during yesterday's football match.\r\n");
  }
}

TEST_F(NewsTest, EachItemDrawsItsOwnKindSoKindsMayRepeat) {
  racesIn({});
  makeNews({choose(5, 18), choose(5, 18), choose(9, 18), 0.0f, choose(6, 18)}, 0);
  EXPECT_EQ(news.newsItem(1), news.newsItem(2));
  EXPECT_EQ(news.newsItem(3), "Bath will be covered in fog next week.\r\n");
  EXPECT_EQ(news.newsItem(4), "The weather is fine.\r\n");
}

}  // namespace
}  // namespace gallox
