// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/route_file.h"

#include <gmock/gmock.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <set>
#include <sstream>
#include <tuple>
#include <utility>
#include <vector>

#include "support/fuzz_targets.h"
#include "support/mutator.h"
#include "world/city_table.h"

namespace gallox {
namespace {

using ::testing::HasSubstr;

class RouteFileTest : public ::testing::Test {
 protected:
  RouteFileTest() { cities.loadCities(); }

  void read(const std::string& text, const std::string& name = "cons.htx") {
    std::istringstream in(text);
    table.read(in, name, cities);
  }
  std::string errorOf(const std::string& text, const std::string& name = "cons.htx") {
    try {
      read(text, name);
    } catch (const WorldError& error) {
      return error.what();
    }
    return "no error";
  }

  CityTable cities;
  RouteTable table;
};

TEST_F(RouteFileTest, ReadsRoutesWithBlanksExtraFieldsAndBothLineEnds) {
  for (const char* empty : {"", "# only\n#comments\r\n"}) {
    read(empty);
    EXPECT_EQ(table.routeMax(), -1);
  }
  read("# header\r\n"
       "1; London ;Bath; 42.5 \r\n"
       "#between\n"
       "0;Merthyr Tydfil;Cardiff;5;extra;fields\n"
       "2.5;Bristol;Penzance;74\n"
       "+3;Cardiff;Bristol;14");
  ASSERT_EQ(table.routeMax(), 3);
  const RouteRec& first = table.route(0);
  EXPECT_EQ(std::tie(first.vehicleCode, first.fromCity, first.toCity, first.fare),
            std::make_tuple(1, std::int16_t{6}, std::int16_t{0}, 42.5f));
  EXPECT_EQ(table.route(1).fromCity, 7);
  EXPECT_EQ(table.route(2).vehicleCode, 2);  // a half goes to the even neighbour
  EXPECT_EQ(table.route(3).vehicleCode, 3);
}

// What an editor puts before the first line changes nothing; anywhere else it is a fault.
TEST_F(RouteFileTest, AByteOrderMarkBeforeTheFirstLineIsSkipped) {
  const std::string mark = "\xEF\xBB\xBF";
  for (const std::string text : {"# routes\r\n1;London;Bath;42.5\r\n", "1;London;Bath;42.5\r\n"}) {
    read(mark + text);
    ASSERT_EQ(table.routeMax(), 0) << text;
    EXPECT_EQ(std::tie(table.route(0).vehicleCode, table.route(0).fare), std::make_tuple(1, 42.5f));
  }
  EXPECT_THAT(errorOf(mark + mark + "1;London;Bath;4\n"), HasSubstr("line 1: the vehicle code \"\\ufeff1\""));
  EXPECT_THAT(errorOf("# routes\n" + mark + "1;London;Bath;4\n"), HasSubstr("line 2: the vehicle code"));
}

TEST_F(RouteFileTest, FiftyOneRoutesFitAndCommentsAfterThemDoNotCount) {
  std::string text;
  for (int i = 0; i < kMaxRoutes; ++i) text += "0;Bath;Bristol;" + std::to_string(i) + "\n";
  text += "# done\n";
  read(text);
  EXPECT_EQ(table.routeMax(), 50);

  EXPECT_EQ(errorOf(text + "0;Bath;Bristol;1\n"),
            "Route file cons.htx, line 53: there are more than 51 routes.");
}

TEST_F(RouteFileTest, FaultsNameTheFileTheLineAndTheFaultAndKeepTheEarlierTable) {
  const std::pair<std::string, std::string> lines[] = {
      {"", "needs four fields"}, {" # not a comment", "four fields"}, {"0;Bath;Bristol", "this line has 3"},
      {"bus;Bath;Bristol;4", "vehicle code \"bus\" is not a number"}, {"0x1;Bath;Bristol;4", "is not a number"},
      {"4;Bath;Bristol;4", "not one of 0 (Bus)"}, {"-1;Bath;Bristol;4", "not one of 0 (Bus)"},
      {"0;london;Bristol;4", "\"london\" is not one of the cities"}, {"0;Bath;;4", "\"\" is not one of the cities"},
      {"0;Bath;Bristol;4,50", "fare \"4,50\" is not a number"}, {"0;Bath;Bristol;nan", "is not a number"},
      {"0;Bath;Bristol;inf", "is not a number"}, {"0;Bath;Bristol;1e3", "is not a number"},
      {"0;Bath;Bristol;-2", "the fare -2 is negative"}, {"0;Bath;Bristol;1" + std::string(60, '0'), "too large"}};
  read("0;Bath;Bristol;4\n");
  for (const auto& [line, fault] : lines) {
    const std::string error = errorOf("# routes\n0;Bath;Bristol;4\n" + line + "\r\n");
    EXPECT_THAT(error, HasSubstr("Route file cons.htx, line 3: ")) << line;
    EXPECT_THAT(error, HasSubstr(fault));
    EXPECT_EQ(table.routeMax(), 0) << "a failed read keeps the earlier table";
  }
}

// Whatever the file holds, the start-up's message box shows the fault at once: a field is
// quoted short and cut, and a control character cannot end the message before its reason.
TEST_F(RouteFileTest, MessagesQuoteAShortPrintablePartOfTheField) {
  const std::string longName(900, 'A');
  const std::string quotedA = "\"" + std::string(40, 'A') + "\u2026\" is not one of the cities.";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"0;Bath;Bristol;" + std::string(10'000'000, '7') + "x",
       "line 1: the line is longer than 1024 characters: \"0;Bath;Bristol;7777777777777777777777777\u2026\"."},
      {"0;Bath;" + longName + ";5", "line 1: " + quotedA},
      {"0;Bath;Bristol;" + std::string(900, '1') + "x",
       "line 1: the fare \"" + std::string(40, '1') + "\u2026\" is not a number."},
      {std::string("0;Bath;Lon\0don;5", 16), "line 1: \"Lon\\0don\" is not one of the cities."},
      {"0;Bath;Lon\tdon\x01\x7f;5", "\"Lon\\tdon\\x01\\x7f\" is not one of the cities."},
      {"0;Bath;Lon\rdon;5", "\"Lon\\rdon\" is not one of the cities."},
      {"0;Bath;B\xe4th\xff;5", "\"B\\xe4th\\xff\" is not one of the cities."},
      {"0;Bath;B\u00e4th\\;5", "\"B\u00e4th\\\\\" is not one of the cities."},
      {"0;Bath;" + std::string(39, 'A') + "\u00e4\u00e4;5", std::string(39, 'A') + "\u00e4\u2026\""},
      {"0;Bath;" + std::string(39, 'A') + "\x01;5", std::string(39, 'A') + "\u2026\""},
      {"0;Bath;\uFEFFBath;5", "\"\\ufeffBath\" is not one of the cities."},
      {"0;Bath;Ba\u200Bth\u00AD\u0085\u2028\u202E;5", "\"Ba\\u200bth\\u00ad\\u0085\\u2028\\u202e\""},
      {"0;Bath;Bath\U000E0041;5", "\"Bath\\U000e0041\""},
  };
  for (const auto& [line, shown] : cases) {
    const std::string error = errorOf(line + "\n");
    EXPECT_THAT(error, HasSubstr(shown)) << error.substr(0, 300);
    EXPECT_LT(error.size(), 200u);
    EXPECT_EQ(std::string(error.c_str()), error) << "no NUL cuts the message";
  }
}

TEST_F(RouteFileTest, ALongOrBrokenFileNameIsShownShortAndWholeAndAMissingFileIsNamed) {
  const std::string message = errorOf("x\n", std::string(5000, 'd') + std::string("\0\n/cons.htx", 11));
  EXPECT_LT(message.size(), 300u);
  EXPECT_THAT(message, HasSubstr("a route needs four fields"));
  EXPECT_THAT([&] { table.loadConnections("/nonexistent/cons.htx", cities); },
              ::testing::ThrowsMessage<WorldError>(HasSubstr("/nonexistent/cons.htx")));
}

// A pipe would hold the start-up until someone writes to it, a device never ends or reads as
// empty: neither is opened.
TEST_F(RouteFileTest, OnlyAPlainFileIsRead) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                       ("gallox-routes-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string pipe = (folder / "cons.htx").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const std::string& file : {pipe, std::string("/dev/null"), std::string("/dev/zero"), folder.string()}) {
    auto loading = std::async(std::launch::async, [&] {
      try {
        table.loadConnections(file, cities);
      } catch (const WorldError& error) {
        return std::string(error.what());
      }
      return std::string("no error");
    });
    if (loading.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
      ::close(::open(pipe.c_str(), O_WRONLY | O_NONBLOCK));  // lets the waiting reader go on
      ADD_FAILURE() << file << " was opened and waited for";
    }
    EXPECT_EQ(loading.get(), "Cannot read the route file " + file + ": it is not a plain file.");
  }
  std::filesystem::remove_all(folder);
}

// The route file we ship: real connections, and London reaches every city.
TEST_F(RouteFileTest, ShippedRouteFileJoinsEveryCityToLondon) {
  table.loadConnections(GALLOX_ROUTE_FILE, cities);
  ASSERT_GE(table.routeMax(), 0);

  std::set<int> reached{cities.cityIndex("London")};
  for (std::size_t was = 0; was != reached.size();) {
    was = reached.size();
    for (const RouteRec& r : table.routes())
      if (reached.count(r.fromCity) + reached.count(r.toCity) == 1) reached.insert({r.fromCity, r.toCity});
  }
  EXPECT_EQ(reached.size(), static_cast<std::size_t>(kCityCount));

  // Where a bus and a train join the same pair, the bus is cheaper; a flight costs most.
  for (const RouteRec& bus : table.routes())
    for (const RouteRec& other : table.routes()) {
      const bool samePair = (bus.fromCity == other.fromCity && bus.toCity == other.toCity) ||
                            (bus.fromCity == other.toCity && bus.toCity == other.fromCity);
      if (samePair && bus.vehicleCode < other.vehicleCode && other.vehicleCode != 3) {
        EXPECT_LT(bus.fare, other.fare) << cities.city(bus.fromCity) << "-" << cities.city(bus.toCity);
      }
    }
}

// The fuzzer's checks, over a few thousand mutations of the route file we ship.
TEST(RouteFileFuzz, MutatedFilesGiveSoundRoutesOrAClearErrorAndKeepTheTable) {
  std::ifstream shipped(GALLOX_ROUTE_FILE, std::ios::binary);
  testing::Mutator inputs({std::string(std::istreambuf_iterator<char>(shipped), {})});
  for (int i = 0; i < 3000; ++i) ASSERT_EQ(testing::routeFileFault(inputs.next()), std::nullopt) << "input " << i;
}

TEST(CityTable, LookupIsExactAndUnknownNamesAreBath) {
  CityTable cities;
  cities.loadCities();
  EXPECT_EQ(cities.cityIndex("London"), 6);
  EXPECT_EQ(cities.city(6), "London");
  EXPECT_EQ(cities.cityIndex("Yeovil"), 13);
  for (const char* unknown : {"london", "LONDON", "London "}) {
    EXPECT_EQ(cities.cityIndex(unknown), 0) << unknown;
  }
  EXPECT_FALSE(cities.isCity("London ")) << "a lookup adds nothing";
}

}  // namespace
}  // namespace gallox
