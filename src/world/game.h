// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The whole game world, owned in one place: the player, six banks, fourteen race parks,
// thirty horses, six stables, the cities, the routes and the month's newspaper.
// It advances only when told: startUp once, then nextMonth once a turn.

#include <array>
#include <filesystem>
#include <string>

#include "world/bank.h"
#include "world/city_table.h"
#include "world/news.h"
#include "world/player.h"
#include "world/race_park.h"
#include "world/route_file.h"
#include "world/stable.h"
#include "world/tables.h"

namespace gallox {

class Messenger;
class PlayerView;
class RandomSource;

class Game {
 public:
  Game(RandomSource& random, Messenger& messenger);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // The player's purse, place and month, then the world in its fixed order, the first
  // month's races and the first newspaper. Throws WorldError when the route file is unusable;
  // the game must not be played then.
  void startUp(const std::filesystem::path& routeFile);
  // One turn: the month moves on, loans cost interest, deposits grow, race parks draw their
  // races, dividends are paid, stables reprice and a new newspaper is printed.
  void nextMonth();

  void attachView(PlayerView& view) { player_.attachView(view); }

  Player& player() { return player_; }
  const Player& player() const { return player_; }
  Bank& bank(int i) { return banks_.at(static_cast<std::size_t>(i)); }
  std::array<Bank, kBankCount>& banks() { return banks_; }
  RacePark& RP(int i) { return racePark_.at(static_cast<std::size_t>(i)); }
  const std::array<RacePark, kCityCount>& RPs() const { return racePark_; }
  const HorseRec& horse(int i) const { return horses_.at(static_cast<std::size_t>(i)); }
  const std::array<HorseRec, kHorseCount>& horses() const { return horses_; }
  const Stable& stable(int i) const { return stableList_.at(static_cast<std::size_t>(i)); }
  const std::array<Stable, kStableCount>& stableList() const { return stableList_; }
  const CityTable& cities() const { return cities_; }
  const RouteTable& routes() const { return routes_; }
  const std::string& vehicle(int code) const { return vehicles_.at(static_cast<std::size_t>(code)); }
  const News& news() const { return news_; }
  RandomSource& random() { return random_; }
  Messenger& messenger() { return messenger_; }

 private:
  void loadBanks();
  void loadRPs();
  void loadHorses();
  void loadStables();
  void loadCities();
  void loadConnections(const std::filesystem::path& routeFile);
  void makeNews();

  RandomSource& random_;
  Messenger& messenger_;
  std::array<Stable, kStableCount> stableList_;
  Player player_;
  std::array<Bank, kBankCount> banks_;
  std::array<RacePark, kCityCount> racePark_;
  std::array<HorseRec, kHorseCount> horses_{};
  CityTable cities_;
  std::array<std::string, kVehicleCount> vehicles_;
  RouteTable routes_;
  News news_;
};

// Where the game looks for its route file: beside its own executable.
std::filesystem::path routeFileBeside(const std::filesystem::path& executableFolder);

}  // namespace gallox
