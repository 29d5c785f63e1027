// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The game as the player meets it: a world behind its main window, played by the main
// window's picture buttons and menu entries and by the controls of the windows they open.
// The window is made before the start, as the game makes it, so that it shows the start; a
// test may take it away early.

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <memory>

#include "mainwindow/main_window.h"
#include "support/controls.h"
#include "support/scripted_random.h"
#include "support/world.h"
#include "world/picture_store.h"

namespace gallox::testing {

template <typename Random, typename Messenger = RecordingMessenger>
struct MainWindowWorld : GameWorld<Random, Messenger> {
  void start() {
    GameWorld<Random, Messenger>::start();
    window->show();
  }

  void click(const char* mainButton) { testing::click(*window, mainButton); }
  void choose(const char* menuEntry) { control<QAction>(*window, menuEntry).trigger(); }
  bool ticked(const char* menuEntry) const { return control<QAction>(*window, menuEntry).isChecked(); }
  // What a label of the main window reads.
  QString shown(const char* label) const { return shownText(*window, label); }
  QString purse() const { return shown("lCurrentMoney"); }
  ToolWindows& tools() { return window->toolWindows(); }
  template <typename Window>
  Window* tool(ToolWindow kind) { return tools().template find<Window>(kind); }

  PictureStore pictures;
  std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(this->game, pictures);
};

// A first draw below a half leaves every stable's price alone; one above a half (with the
// same second draw) sets each to 1.6 times its base.
inline constexpr float kPricesStay = 0.2f;
inline constexpr float kPricesRise = 0.7f;

// A game started on draws that all give `draw`: with the default, no stable is repriced.
struct PlayedGame : MainWindowWorld<ScriptedRandom> {
  explicit PlayedGame(float draw = kPricesStay) {
    random.fallBackTo(draw);
    start();
  }
  // The month's end, with this draw from then on.
  void nextMonth(float draw) {
    random.fallBackTo(draw);
    click("cmdGo");
  }
};

// The entry chosen in a list, and choosing one as the player does.
inline QString chosenIn(const QWidget& window, const char* list) {
  return control<QComboBox>(window, list).currentText();
}
inline void choose(const QWidget& window, const char* list, const QString& entry) {
  auto& choices = control<QComboBox>(window, list);
  choices.setCurrentIndex(choices.findText(entry));
}

// Closes a tool window with its close box, and lets the closing run to its end.
inline void closeWindow(QWidget* window) {
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace gallox::testing
