// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/stable.h"

#include "world/numbers.h"
#include "world/random_source.h"

namespace gallox {

namespace {
constexpr float kDividendShare = 20.0f;  // a month's dividend is a twentieth of the price
constexpr double kLowestPriceFactor = 0.9;
}  // namespace

void Stable::construct(const std::string& name, std::int16_t baseSharePrice, RandomSource& random) {
  name_ = name;
  basePrice_ = static_cast<float>(baseSharePrice);
  sharePrice_ = basePrice_;
  divPrice_ = sharePrice_ / kDividendShare;
  DetermineSharePrice(random);
}

bool Stable::DetermineSharePrice(RandomSource& random) {
  // A draw above one half calls for a new price; exactly one half rounds to 0 and does not.
  if (roundHalfEven(static_cast<double>(random.next())) != 1.0) return false;
  prevSharePrice_ = sharePrice_;
  const double draw = static_cast<double>(random.next());
  sharePrice_ = static_cast<float>(roundHalfEven((draw + kLowestPriceFactor) * basePrice_));
  divPrice_ = sharePrice_ / kDividendShare;
  return true;
}

}  // namespace gallox
