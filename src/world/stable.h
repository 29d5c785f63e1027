// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// One horse stable whose shares the player trades: a whole-pound share price drawn afresh
// from its base about every second month, and a dividend of a twentieth of the price.

#include <cstdint>
#include <string>

namespace gallox {

class RandomSource;

class Stable {
 public:
  const std::string& Name() const { return name_; }
  float PrevSharePrice() const { return prevSharePrice_; }
  float SharePrice() const { return sharePrice_; }
  float DivPrice() const { return divPrice_; }
  float basePrice() const { return basePrice_; }

  void construct(const std::string& name, std::int16_t baseSharePrice, RandomSource& random);
  // Draws whether the price changes this month and, if so, the new price; true when it changed.
  bool DetermineSharePrice(RandomSource& random);

 private:
  std::string name_;
  float prevSharePrice_ = 0.0f;
  float sharePrice_ = 0.0f;
  float basePrice_ = 0.0f;
  float divPrice_ = 0.0f;
};

}  // namespace gallox
