// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The game as the player meets it: a world behind its main window. The window is made before
// the start, as the game makes it, so that it shows the start; a test may take it away early.

#include <memory>

#include "mainwindow/main_window.h"
#include "support/world.h"
#include "world/picture_store.h"

namespace gallox::testing {

template <typename Random, typename Messenger = RecordingMessenger>
struct MainWindowWorld : GameWorld<Random, Messenger> {
  void start() {
    GameWorld<Random, Messenger>::start();
    window->show();
  }

  PictureStore pictures;
  std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(this->game, pictures);
};

}  // namespace gallox::testing
