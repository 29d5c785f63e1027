// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The same draw for every month, so that every park holds one race (0) or none (0.99); while
// a race meeting runs, the draws walk through the horses so that each field is drawn at once.

#include "world/random_source.h"
#include "world/tables.h"

namespace gallox::testing {

inline constexpr float kNoRaces = 0.99f;

class SteadyRandom final : public RandomSource {
 public:
  float next() override {
    if (!racing) return draw;
    step_ = (step_ + 1) % kHorseCount;
    return static_cast<float>(step_) / kHorseCount;
  }
  float draw = 0.0f;
  bool racing = false;

 private:
  int step_ = 0;
};

}  // namespace gallox::testing
