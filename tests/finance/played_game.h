// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// A game started in London with its main window on screen, played as the player would: by
// the main window's picture buttons and menu entries, and by the controls of the windows they
// open. Stables keep their base prices until a test draws otherwise.

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "mainwindow/main_window.h"
#include "support/recorders.h"
#include "support/scripted_random.h"
#include "world/game.h"
#include "world/look.h"
#include "world/picture_store.h"

namespace gallox::testing {

// A first draw below a half leaves every stable's price alone; one above a half (with the
// same second draw) sets each to 1.6 times its base.
inline constexpr float kPricesStay = 0.2f;
inline constexpr float kPricesRise = 0.7f;

struct PlayedGame {
  PlayedGame() {
    random.fallBackTo(kPricesStay);
    game.startUp(GALLOX_ROUTE_FILE);
    main.show();
  }

  void click(const char* mainButton) {
    QTest::mouseClick(main.findChild<QLabel*>(QLatin1String(mainButton)), Qt::LeftButton);
  }
  void choose(const char* menuEntry) { main.findChild<QAction*>(QLatin1String(menuEntry))->trigger(); }
  bool ticked(const char* menuEntry) const {
    return main.findChild<QAction*>(QLatin1String(menuEntry))->isChecked();
  }
  QString purse() const { return main.findChild<QLabel*>(QStringLiteral("lCurrentMoney"))->text(); }
  void nextMonth(float draw) {
    random.fallBackTo(draw);
    click("cmdGo");
  }

  ScriptedRandom random;
  RecordingMessenger messenger;
  Game game{random, messenger};
  PictureStore pictures;
  MainWindow main{game, pictures};
};

// What a label or a button of a window reads.
inline QString shownIn(const QWidget& window, const char* name) {
  if (auto* label = window.findChild<QLabel*>(QLatin1String(name))) return label->text();
  if (auto* button = window.findChild<QPushButton*>(QLatin1String(name))) return button->text();
  if (auto* list = window.findChild<QComboBox*>(QLatin1String(name))) return list->currentText();
  return QStringLiteral("<no %1>").arg(QLatin1String(name));
}

inline void press(const QWidget& window, const char* button) {
  QTest::mouseClick(window.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
}

inline void pick(const QWidget& window, const char* list, const QString& entry) {
  auto* choices = window.findChild<QComboBox*>(QLatin1String(list));
  choices->setCurrentIndex(choices->findText(entry));
}

// Closes a tool window with its close box, and lets the closing run to its end.
inline void closeWindow(QWidget* window) {
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace gallox::testing
