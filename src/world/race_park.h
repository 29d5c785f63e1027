// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// One city's race park: its fixed settings and this month's meeting.

#include <cstdint>

namespace gallox {

class RandomSource;

class RacePark {
 public:
  std::uint8_t Probability() const { return probability_; }
  std::uint8_t MaxRaces() const { return maxRaces_; }
  std::uint8_t MaxHorses() const { return maxHorses_; }
  std::uint8_t TravelFee() const { return travelFee_; }
  std::uint8_t EntranceFee() const { return entranceFee_; }
  bool IsRace() const { return isRace_; }
  std::uint8_t races() const { return races_; }
  bool RacesFinished() const { return racesFinished_; }
  void setRacesFinished(bool finished) { racesFinished_ = finished; }

  void setAtOnce(double probability, double maxRaces, double maxHorses, double travelFee,
                 double entranceFee);
  // Draws whether the park holds races this month and how many; opens the meeting again.
  void generateMonth(RandomSource& random);

 private:
  std::uint8_t probability_ = 0;
  std::uint8_t maxRaces_ = 0;
  bool isRace_ = false;
  std::uint8_t maxHorses_ = 0;
  std::uint8_t travelFee_ = 0;
  std::uint8_t entranceFee_ = 0;
  std::uint8_t races_ = 0;
  bool racesFinished_ = false;
};

}  // namespace gallox
