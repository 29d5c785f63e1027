// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The cities window's side of the game: one city shown at a time with its race park and the
// fares to it from the player's city, the journey there by the chosen vehicle, and the way
// into the race meeting of the city the player is in.

#include <optional>
#include <string>

#include "cities/fares.h"

namespace gallox {

class Game;

class TravelDesk {
 public:
  // What the three race labels read: the park's draw for the city the player is in,
  // "?" everywhere else (a meeting is only known on the spot).
  struct RaceInfo {
    std::string held;
    std::string races;
    std::string horses;
    friend bool operator==(const RaceInfo&, const RaceInfo&) = default;
  };

  // A meeting the player has paid to enter.
  struct Meeting {
    int park = 0;
    int races = 0;
    std::string city;
    int horses = 0;
  };

  explicit TravelDesk(Game& game);

  // Shows another city: its fares from the player's city, with the first vehicle that has a
  // route chosen (the bus when none has).
  void chooseCity(int city);
  int city() const { return city_; }
  const std::string& cityName() const;
  bool isHere() const;
  std::string entranceFeeText() const;
  std::string travelCaption() const;
  RaceInfo raceInfo() const;

  const Fares& fares() const { return fares_; }
  void chooseVehicle(int vehicle) { vehicle_ = vehicle; }
  int vehicle() const { return vehicle_; }
  std::string vehicleText() const;
  std::string fareText() const;
  bool canTravel() const { return fares_.hasRoute(vehicle_); }

  // A journey is paid first and made after the wait: payFare charges the chosen vehicle's
  // fare and says whether the player sets off; arrive then puts the player in the city shown.
  // Nothing is charged for a city the player is already in, or that the vehicle does not reach.
  bool payFare();
  void arrive();

  // "Go To Race": refuses with a message unless the player is in the city shown, its meeting
  // has not been attended this month and it holds races; then charges the entrance fee.
  // Gives the meeting to open, or nothing when it was refused or could not be paid.
  std::optional<Meeting> enterMeeting();
  // However the meeting was left, it is over for this month; the fee stays paid.
  static void finishMeeting(Game& game, const Meeting& meeting);

 private:
  Game& game_;
  int city_ = 0;
  Fares fares_;
  int vehicle_ = 0;
};

}  // namespace gallox
