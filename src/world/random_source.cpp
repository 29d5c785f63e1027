// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/random_source.h"

#include <chrono>

#include "world/numbers.h"

namespace gallox {

int RandomSource::pick(int n) {
  return static_cast<int>(wholePart(static_cast<double>(next()) * n));
}

ClockRandomSource::ClockRandomSource()
    : engine_(static_cast<std::uint32_t>(
          std::chrono::system_clock::now().time_since_epoch().count())) {}

ClockRandomSource::ClockRandomSource(std::uint32_t seed) : engine_(seed) {}

float ClockRandomSource::next() {
  // 24 random bits make every float step of [0, 1) equally likely and can never give 1.
  constexpr float kStep = 1.0f / 16777216.0f;
  return static_cast<float>(engine_() >> 8) * kStep;
}

}  // namespace gallox
