// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// How long the world takes to build at start, and how long one turn of the month takes.

#include <benchmark/benchmark.h>

#include "world/game.h"
#include "world/messenger.h"
#include "world/random_source.h"

namespace {

class SilentMessenger final : public gallox::Messenger {
 public:
  void showMessage(const std::string&) override {}
};

void StartUp(benchmark::State& state) {
  gallox::ClockRandomSource random(2010);
  SilentMessenger messenger;
  for (auto _ : state) {
    gallox::Game game(random, messenger);
    game.startUp(GALLOX_ROUTE_FILE);
    benchmark::DoNotOptimize(game.news().raceNews().data());
  }
}
BENCHMARK(StartUp);

void MonthCycle(benchmark::State& state) {
  gallox::ClockRandomSource random(2010);
  SilentMessenger messenger;
  gallox::Game game(random, messenger);
  game.startUp(GALLOX_ROUTE_FILE);
  game.player().setMoney(1e6f);
  for (int i = 0; i < 6; ++i) game.bank(i).deposit();
  for (auto _ : state) {
    game.nextMonth();
    benchmark::DoNotOptimize(game.news().raceNews().data());
  }
}
BENCHMARK(MonthCycle);

}  // namespace

BENCHMARK_MAIN();
