// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The game behind its main window, played as the player would: by the main window's picture
// buttons and menu entries, and by the controls of the windows they open. Stables keep their
// base prices until a month draws otherwise.

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QtTest>

#include "support/controls.h"
#include "support/main_window_world.h"
#include "support/scripted_random.h"

namespace gallox::testing {

// A first draw below a half leaves every stable's price alone; one above a half (with the
// same second draw) sets each to 1.6 times its base.
inline constexpr float kPricesStay = 0.2f;
inline constexpr float kPricesRise = 0.7f;

struct PlayedGame : MainWindowWorld<ScriptedRandom> {
  PlayedGame() {
    random.fallBackTo(kPricesStay);
    start();
  }

  void click(const char* mainButton) { testing::click(*window, mainButton); }
  void choose(const char* menuEntry) { control<QAction>(*window, menuEntry).trigger(); }
  bool ticked(const char* menuEntry) const { return control<QAction>(*window, menuEntry).isChecked(); }
  QString purse() const { return shownText(*window, "lCurrentMoney"); }
  ToolWindows& tools() { return window->toolWindows(); }
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
