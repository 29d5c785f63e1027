// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The one source of chance in the game: uniform floats in [0, 1), never 1.
// The order in which the game draws from it is part of the rules.

#include <cstdint>
#include <random>

namespace gallox {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual float next() = 0;

  // A pick among n things: the whole part of a draw times n, so 0 to n - 1.
  int pick(int n);
};

// The game's own source, seeded once from the clock.
class ClockRandomSource final : public RandomSource {
 public:
  ClockRandomSource();
  explicit ClockRandomSource(std::uint32_t seed);
  float next() override;

 private:
  std::mt19937 engine_;
};

}  // namespace gallox
