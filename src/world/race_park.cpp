// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/race_park.h"

#include "world/numbers.h"
#include "world/random_source.h"

namespace gallox {

void RacePark::setAtOnce(double probability, double maxRaces, double maxHorses, double travelFee,
                         double entranceFee) {
  probability_ = toByte(probability);
  maxRaces_ = toByte(maxRaces);
  maxHorses_ = toByte(maxHorses);
  travelFee_ = toByte(travelFee);
  entranceFee_ = toByte(entranceFee);
}

void RacePark::generateMonth(RandomSource& random) {
  racesFinished_ = false;
  const float chance = random.next() * 100.0f;
  if (chance <= static_cast<float>(probability_)) {
    isRace_ = true;
    races_ = toByte(static_cast<double>(wholePart(static_cast<double>(random.next()) * maxRaces_) + 1));
  } else {
    isRace_ = false;
    races_ = 0;
  }
}

}  // namespace gallox
