// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// A random source that returns the numbers it is given, in order, and counts the draws.

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <optional>

#include "world/random_source.h"

namespace gallox::testing {

class ScriptedRandom final : public RandomSource {
 public:
  ScriptedRandom() = default;
  ScriptedRandom(std::initializer_list<float> draws) : draws_(draws) {}

  void add(std::initializer_list<float> draws) { draws_.insert(draws_.end(), draws); }
  void repeat(float draw, int times) { draws_.insert(draws_.end(), static_cast<std::size_t>(times), draw); }
  // Once the script runs out, every further draw gives this number.
  void fallBackTo(float draw) { fallback_ = draw; }

  float next() override {
    ++drawn_;
    if (draws_.empty() && !fallback_) ADD_FAILURE() << "the script of draws ran out at draw " << drawn_;
    if (draws_.empty()) return fallback_.value_or(0.0f);
    const float draw = draws_.front();
    draws_.pop_front();
    return draw;
  }

  int drawn() const { return drawn_; }
  std::size_t left() const { return draws_.size(); }

 private:
  std::deque<float> draws_;
  std::optional<float> fallback_;
  int drawn_ = 0;
};

}  // namespace gallox::testing
