// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "shop/news.h"

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

  void racesIn(std::initializer_list<int> withRaces) {
    for (int i = 0; i < kCityCount; ++i) {
      ScriptedRandom draws{0.5f, 0.0f};
      const bool races = std::find(withRaces.begin(), withRaces.end(), i) != withRaces.end();
      RacePark& park = parks[static_cast<std::size_t>(i)];
      park.setAtOnce(races ? 100 : 0, 1, 3, 0, 0);
      park.generateMonth(draws);
    }
  }
  // The first item from its kind's and its own draws, after the race lines; the other three
  // are hooligans.
  std::string item(const std::vector<float>& draws) {
    for (const float draw : draws) random.add({draw});
    random.repeat(0.0f, kNewsItemCount - 1);
    news.makeNews(random, GameMonth{2010, 3}, parks, cities);
    EXPECT_EQ(random.left(), 0u);
    return news.newsItem(1);
  }

  CityTable cities;
  std::array<RacePark, kCityCount> parks{};
  ScriptedRandom random;
  News news;
};

TEST_F(NewsTest, AllZeroDrawsGiveTheFirstWordingsAndHooligans) {
  racesIn({0});
  random.repeat(0.0f, 5);
  news.makeNews(random, GameMonth{2010, 3}, parks, cities);
  EXPECT_EQ(news.raceNews(), "There are races in Bath\r\n");
  for (int k = 1; k <= kNewsItemCount; ++k)
    EXPECT_EQ(news.newsItem(k), "Hooligans rocked the stadium during yesterday's football match.\r\n");
  EXPECT_EQ(news.newsDate(), (GameMonth{2010, 3}));
}

TEST_F(NewsTest, RaceLinesFollowTheCityOrderWithTheirWordings) {
  racesIn({4, 0, 13, 6, 2});
  random.add({choose(0, 5), choose(1, 5), choose(3, 5), choose(2, 5), choose(4, 5)});
  random.repeat(0.0f, 4);
  news.makeNews(random, GameMonth{2010, 3}, parks, cities);
  EXPECT_EQ(news.raceNews(),
            "There are races in Bath\r\n"
            "Bristol hosts races this month!\r\n"
            "Horse enthusiasts must attend the races in Exeter\r\n"
            "London organises horse competitions.\r\n"
            "Don't miss the races in Yeovil\r\n");
}

TEST_F(NewsTest, NoRacesLeaveTheColumnEmptyAndEveryParkMakesFourteenLines) {
  racesIn({});
  EXPECT_EQ(item({0.0f}), "Hooligans rocked the stadium during yesterday's football match.\r\n");
  EXPECT_EQ(news.raceNews(), "");

  racesIn({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
  random.repeat(0.0f, kCityCount + 4);
  news.makeNews(random, GameMonth{2010, 3}, parks, cities);
  EXPECT_EQ(std::count(news.raceNews().begin(), news.raceNews().end(), '\n'), 14);
  EXPECT_EQ(news.raceNews().rfind("There are races in Yeovil\r\n"),
            news.raceNews().size() - std::string("There are races in Yeovil\r\n").size());
}

struct ItemCase {
  std::vector<float> draws;
  std::string text;
};

class NewsItems : public NewsTest, public ::testing::WithParamInterface<ItemCase> {};

TEST_P(NewsItems, ItemTextAndItsDrawsInOrder) {
  racesIn({});
  EXPECT_EQ(item(GetParam().draws), GetParam().text + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, NewsItems,
    ::testing::Values(
        ItemCase{{choose(1, 18), choose(2, 6), 0.5f}, "Linkin Park released a new album"},
        ItemCase{{choose(1, 18), choose(5, 6), 0.51f}, "Blue released a new single"},
        ItemCase{{choose(9, 18), choose(9, 14)}, "Penzance will be covered in fog next week."},
        ItemCase{{choose(12, 18), choose(2, 3), choose(9, 14)},
                 "Blue Chevrolet was stolen last week in the streets of Penzance."},
        ItemCase{{choose(13, 18), 0.0f}, "A car accident occured in London. 2 people were killed."},
        ItemCase{{choose(13, 18), 0.99999f}, "A car accident occured in London. 6 people were killed."},
        ItemCase{{choose(14, 18), 0.0f}, "Bath faces industrial decline."},
        ItemCase{{choose(15, 18), choose(6, 14), choose(3, 6)},
                 "London starts building a new shopping center."},
        ItemCase{{choose(17, 18), 0.0f, 0.0f}, "Temperatures in Bath: -3\u00B0C"},
        ItemCase{{choose(17, 18), 0.0f, choose(3, 24)}, "Temperatures in Bath: 0\u00B0C"},
        ItemCase{{choose(17, 18), choose(13, 14), choose(23, 24)}, "Temperatures in Yeovil: 20\u00B0C"},
        ItemCase{{choose(16, 18)}, "South Pole glaciers are melting!"},
        ItemCase{{choose(10, 18)}, "Southampton was attacked by heavy rain yesterday."}));

TEST_F(NewsTest, EachItemDrawsItsOwnKindSoKindsMayRepeat) {
  racesIn({});
  random.add({choose(5, 18), choose(5, 18), choose(9, 18), 0.0f, choose(6, 18)});
  news.makeNews(random, GameMonth{2010, 3}, parks, cities);
  EXPECT_EQ(news.newsItem(1), news.newsItem(2));
  EXPECT_EQ(news.newsItem(3), "Bath will be covered in fog next week.\r\n");
  EXPECT_EQ(news.newsItem(4), "The weather is fine.\r\n");
  EXPECT_EQ(random.left(), 0u);
}

}  // namespace
}  // namespace gallox
