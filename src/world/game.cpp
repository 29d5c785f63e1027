// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/game.h"

#include "world/player_view.h"
#include "world/random_source.h"

namespace gallox {

namespace {
constexpr float kStartingMoney = 150.0f;
constexpr const char* kStartingCity = "London";
constexpr GameMonth kFirstMonth{2010, 1};
}  // namespace

Game::Game(RandomSource& random, Messenger& messenger)
    : random_(random),
      messenger_(messenger),
      player_(stableList_, messenger),
      banks_{Bank(player_, messenger), Bank(player_, messenger), Bank(player_, messenger),
             Bank(player_, messenger), Bank(player_, messenger), Bank(player_, messenger)} {}

void Game::startUp(const std::filesystem::path& routeFile) {
  player_.setMoney(kStartingMoney);
  player_.setLocation(kStartingCity);
  player_.displayLocation();
  player_.displayMoney();
  player_.setCurrentDate(kFirstMonth);
  // The date label is the main window's own; it is told through the same view as the purse.
  player_.showDate();

  loadBanks();
  loadRPs();
  loadHorses();
  loadStables();
  loadCities();
  loadConnections(routeFile);

  for (auto& park : racePark_) park.generateMonth(random_);
  makeNews();
}

void Game::nextMonth() {
  player_.setCurrentDate(player_.CurrentDate().next());
  player_.showDate();
  for (auto& bank : banks_) {
    bank.payLoan();
    bank.updateDeposit();
  }
  for (auto& park : racePark_) park.generateMonth(random_);
  player_.evaluateShares();
  for (auto& stable : stableList_) stable.DetermineSharePrice(random_);
  makeNews();
}

void Game::loadBanks() {
  for (std::size_t i = 0; i < banks_.size(); ++i) {
    const BankRow& row = kBankRows[i];
    banks_[i].setBankName(std::string(row.name));
    banks_[i].setDDStep(static_cast<float>(row.ddStep));
    banks_[i].setDebtInt(row.debtInt);
    banks_[i].setDepInt(row.depInt);
  }
}

void Game::loadRPs() {
  for (std::size_t i = 0; i < racePark_.size(); ++i) {
    const RaceParkRow& row = kRaceParkRows[i];
    racePark_[i].setAtOnce(row.probability, row.maxRaces, row.maxHorses, row.travelFee,
                           row.entranceFee);
  }
}

void Game::loadHorses() { horses_ = kHorses; }

void Game::loadStables() {
  for (std::size_t i = 0; i < stableList_.size(); ++i)
    stableList_[i].construct(std::string(kStableRows[i].name), kStableRows[i].basePrice, random_);
}

void Game::loadCities() { cities_.loadCities(); }

void Game::loadConnections(const std::filesystem::path& routeFile) {
  for (std::size_t v = 0; v < vehicles_.size(); ++v) vehicles_[v] = std::string(kVehicleNames[v]);
  routes_.loadConnections(routeFile, cities_);
}

void Game::makeNews() { news_.makeNews(random_, player_.CurrentDate(), racePark_, cities_); }

std::filesystem::path routeFileBeside(const std::filesystem::path& executableFolder) {
  return executableFolder / kRouteFileName;
}

}  // namespace gallox
