// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// A month on the road, played through the main window: open the cities, travel, see the new
// place on the main window, bet on a race at the meeting, turn the month, come back to the
// cities, and open the grid map.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>
#include <memory>

#include "cities/cities_window.h"
#include "cities/grid_map_window.h"
#include "race/race_window.h"
#include "support/controls.h"
#include "support/modal_watch.h"
#include "support/steady_random.h"
#include "support/main_window_world.h"
#include "world/look.h"
#include "world/numbers.h"
#include "world/wait_window.h"

namespace gallox {

using testing::shownText;

class MainRoadTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::MainWindowWorld<testing::SteadyRandom>> world_;
  MainWindow* main_ = nullptr;

  void click(const char* button) { world_->click(button); }
  QString mainText(const char* label) { return world_->shown(label); }
  bool marked(const char* entry) { return world_->ticked(entry); }
  template <typename Window>
  Window* openWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible()) return window;
    return nullptr;
  }

  // What the player saw of one meeting: its line, and how its only race ended.
  struct Meeting {
    QString line;
    QString result;
    QString exitCaption;
  };

  // Enters the meeting of the city shown and, as a player would, stakes GBP 1500 on the first
  // horse, runs the race to its end, leaves by "Exit Races" and says yes to leaving.
  Meeting enterAndBet(CitiesWindow& cities) {
    Meeting seen;
    testing::ModalWatch watch([&](QWidget* modal) {
      if (auto* race = qobject_cast<RaceWindow*>(modal)) {
        seen.line = shownText(*race, "info");
        QTest::keyClicks(&testing::control<QLineEdit>(*race, "txtBet"), QStringLiteral("1500"));
        testing::click(*race, "setBet");
        testing::click(*race, "startRace");
        auto* exit = &testing::control<QPushButton>(*race, "nextRace");
        for (int tick = 0; tick < 2000 && !exit->isEnabled(); ++tick) race->tickTimer();
        seen.result = shownText(*race, "msg");
        seen.exitCaption = exit->text();
        exit->click();
      } else if (auto* question = qobject_cast<QMessageBox*>(modal)) {
        question->button(QMessageBox::Yes)->click();
      }
    });
    world_->random.racing = true;
    testing::click(cities, "cmdEnter");
    world_->random.racing = false;
    return seen;
  }

 private slots:
  void initTestCase() { installFontSubstitutions(); }

  void init() {
    world_ = std::make_unique<testing::MainWindowWorld<testing::SteadyRandom>>();
    world_->start();
    main_ = world_->window.get();
  }

  void cleanup() { world_.reset(); }

  void aMonthOnTheRoad() {
    click("cmdCity");
    CitiesWindow* cities = openWindow<CitiesWindow>();
    QVERIFY(cities);
    QVERIFY(main_->rpWindowOpen());
    QVERIFY(marked("mnuRPs"));

    // To Southampton by train; the wait is closed by the player at once.
    auto& list = testing::control<QComboBox>(*cities, "city_choose");
    list.setCurrentIndex(list.findText(QStringLiteral("Southampton")));
    testing::click(*cities, "vehicle1");
    {
      testing::ModalWatch watch([](QWidget* modal) {
        if (qobject_cast<WaitWindow*>(modal)) modal->close();
      });
      testing::click(*cities, "cmdTravel");
      QCOMPARE(watch.answered(), 1);
    }
    QCOMPARE(mainText("lCurrentLocation"), QStringLiteral("Southampton"));
    QCOMPARE(mainText("lCurrentMoney"), QStringLiteral("GBP 118.00"));

    // The month turns: the open cities window shows the new month's draw.
    world_->random.draw = testing::kNoRaces;
    click("cmdGo");
    QCOMPARE(shownText(*cities, "rp_ir"), QStringLiteral("No"));
    QCOMPARE(shownText(*cities, "rp_nor"), QStringLiteral("N/A"));

    // Closed, it clears the flag and the mark; opened again, it starts afresh from the
    // player's city with the bus.
    testing::closeWindow(cities);
    QVERIFY(!main_->rpWindowOpen());
    QVERIFY(!marked("mnuRPs"));
    click("cmdCity");
    cities = openWindow<CitiesWindow>();
    QVERIFY(cities);
    QCOMPARE(shownText(*cities, "cmdTravel"), QStringLiteral("Travel to Southampton"));
    QCOMPARE(shownText(*cities, "lblChosen"), QStringLiteral("travel by: Bus"));
    QVERIFY(main_->rpWindowOpen());
  }

  void aMeetingOnceAMonth() {
    click("cheat");
    click("cmdCity");
    CitiesWindow* cities = openWindow<CitiesWindow>();
    QVERIFY(cities);

    const Meeting first = enterAndBet(*cities);
    QCOMPARE(first.line, QStringLiteral("Race 1/1 in London"));
    QVERIFY2(first.result.startsWith(QStringLiteral("Your horse ")), qPrintable(first.result));
    QCOMPARE(first.exitCaption, QStringLiteral("Exit Races"));
    // The entrance and the stake were paid, and whatever the race paid back shows on the purse.
    QVERIFY(world_->player().Money() != 150.0f + 5000.0f - 20.0f);
    QCOMPARE(mainText("lCurrentMoney"), QString::fromStdString(moneyText(world_->player().Money())));

    const float purse = world_->player().Money();
    QCOMPARE(enterAndBet(*cities).line, QString());
    QCOMPARE(world_->messenger.last(), std::string("Sorry but the races in London already ended!"));
    QCOMPARE(world_->player().Money(), purse);

    // A new month draws races again, and the meeting opens once more.
    click("cmdGo");
    QCOMPARE(shownText(*cities, "rp_ir"), QStringLiteral("Yes"));
    QCOMPARE(enterAndBet(*cities).line, QStringLiteral("Race 1/1 in London"));
  }

  void theGridMapComesBackAsItWasHidden() {
    click("cmdGridMap");
    GridMapWindow* map = openWindow<GridMapWindow>();
    QVERIFY(map);
    QVERIFY(!marked("mnuGridMap"));
    map->close();
    click("cmdGridMap");
    QCOMPARE(openWindow<GridMapWindow>(), map);
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::MainRoadTest)
#include "main_road_test.moc"
