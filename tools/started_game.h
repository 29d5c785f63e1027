// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// A game started as the program starts it, from a fixed seed so that every run plays alike,
// and a race under way as the cities window runs one: what the screenshots show and the
// benchmarks measure. The look must be installed first (installLook), as main() does.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <cstdint>

#include "mainwindow/main_window.h"
#include "race/race_window.h"
#include "world/game.h"
#include "world/messenger.h"
#include "world/picture_store.h"
#include "world/random_source.h"

namespace gallox::showcase {

class SilentMessenger final : public Messenger {
 public:
  void showMessage(const std::string&) override {}
};

// The world started and the main window made, not yet shown.
struct StartedGame {
  explicit StartedGame(std::uint32_t seed = 2010) : random(seed) { game.startUp(GALLOX_ROUTE_FILE); }

  ClockRandomSource random;
  SilentMessenger messenger;
  Game game{random, messenger};
  PictureStore pictures;
  MainWindow window{game, pictures};
};

// A meeting of three races of eight in London, shown, with GBP 40 on the first horse in the
// list that takes it and the first race started.
inline void startRace(RaceWindow& race) {
  race.sendData(3, QStringLiteral("London"), 8);
  race.showInfo();
  race.initFirstRace();
  race.show();
  auto* horses = race.findChild<QComboBox*>(QStringLiteral("cmbHorse"));
  auto* start = race.findChild<QPushButton*>(QStringLiteral("startRace"));
  race.findChild<QLineEdit*>(QStringLiteral("txtBet"))->setText(QStringLiteral("40"));
  for (int horse = 0; horse < horses->count() && !start->isEnabled(); ++horse) {
    horses->setCurrentIndex(horse);
    race.findChild<QPushButton*>(QStringLiteral("setBet"))->click();
  }
  start->click();
}

}  // namespace gallox::showcase
