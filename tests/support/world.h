// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The worlds the tests play in, with recorders standing in for the main window and the
// message window: a whole game, and a lone player with the stables their shares are priced from.

#include <array>

#include "support/recorders.h"
#include "world/game.h"
#include "world/player.h"
#include "world/stable.h"

namespace gallox::testing {

// A whole game, not started: a test that counts the draws of the start scripts them first.
template <typename Random, typename Messenger = RecordingMessenger>
struct GameWorld {
  // The random source is made from the arguments given, if any (a seed).
  template <typename... Seed>
  explicit GameWorld(Seed... seed) : random(seed...) {
    game.attachView(view);
  }
  void start() { game.startUp(GALLOX_ROUTE_FILE); }
  Player& player() { return game.player(); }

  Random random;
  Messenger messenger;
  RecordingView view;
  Game game{random, messenger};
};

struct LonePlayer {
  LonePlayer() { player.attachView(view); }

  std::array<Stable, kStableCount> stables{};
  RecordingMessenger messenger;
  RecordingView view;
  Player player{stables, messenger};
};

}  // namespace gallox::testing
