// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "cities/travel_desk.h"

#include "world/game.h"
#include "world/messenger.h"
#include "world/numbers.h"

namespace gallox {

namespace {
constexpr const char* kUnknown = "?";
constexpr const char* kNotApplicable = "N/A";
}  // namespace

TravelDesk::TravelDesk(Game& game) : game_(game) {}

void TravelDesk::chooseCity(int city) {
  city_ = city;
  const int here = game_.cities().cityIndex(game_.player().Location());
  fares_ = Fares::findRoutes(game_.routes().routes(), here, city_);
  chooseVehicle(fares_.firstVehicle());
}

const std::string& TravelDesk::cityName() const { return game_.cities().city(city_); }

bool TravelDesk::isHere() const { return game_.player().Location() == cityName(); }

std::string TravelDesk::entranceFeeText() const {
  return "GBP " + std::to_string(game_.RPs().at(static_cast<std::size_t>(city_)).EntranceFee());
}

std::string TravelDesk::travelCaption() const { return "Travel to " + cityName(); }

TravelDesk::RaceInfo TravelDesk::raceInfo() const {
  if (!isHere()) return {kUnknown, kUnknown, kUnknown};
  const RacePark& park = game_.RPs().at(static_cast<std::size_t>(city_));
  // A meeting already attended still reads "Yes" with its counts; entering tells the rest.
  if (!park.IsRace()) return {"No", kNotApplicable, kNotApplicable};
  return {"Yes", std::to_string(park.races()), std::to_string(park.MaxHorses())};
}

std::string TravelDesk::vehicleText() const { return "travel by: " + game_.vehicle(vehicle_); }

std::string TravelDesk::fareText() const {
  if (!canTravel()) return "no route available";
  return "GBP " + generalText(fares_.cost(vehicle_));
}

bool TravelDesk::payFare() {
  if (isHere() || !canTravel()) return false;
  return game_.player().cGainMoney(-fares_.cost(vehicle_));
}

void TravelDesk::arrive() { game_.player().setLocation(cityName()); }

std::optional<TravelDesk::Meeting> TravelDesk::enterMeeting() {
  const RacePark& park = game_.RPs().at(static_cast<std::size_t>(city_));
  const std::string& city = cityName();
  if (!isHere()) {
    game_.messenger().showMessage("Sorry but to enter you have to travel to " + city + " first.");
    return std::nullopt;
  }
  if (park.RacesFinished()) {
    game_.messenger().showMessage("Sorry but the races in " + city + " already ended!");
    return std::nullopt;
  }
  if (!park.IsRace()) {
    game_.messenger().showMessage("Sorry but no races are currently being organised in " + city);
    return std::nullopt;
  }
  if (!game_.player().cGainMoney(-static_cast<float>(park.EntranceFee()))) return std::nullopt;
  return Meeting{city_, park.races(), city, park.MaxHorses()};
}

void TravelDesk::finishMeeting(Game& game, const Meeting& meeting) {
  game.RP(meeting.park).setRacesFinished(true);
}

}  // namespace gallox
