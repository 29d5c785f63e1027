// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// A month on the road, played through the main window: open the cities, travel, see the new
// place on the main window, bet on a race at the meeting, turn the month, come back to the
// cities, and open the grid map.
#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>
#include <memory>

#include "cities/cities_window.h"
#include "cities/grid_map_window.h"
#include "race/race_window.h"
#include "support/main_window_world.h"
#include "support/modal_watch.h"
#include "support/steady_random.h"
#include "world/look.h"
#include "world/numbers.h"
#include "world/wait_window.h"

namespace gallox {

using namespace testing;

class MainRoadTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindowWorld<SteadyRandom>> world_;

  CitiesWindow* cities() { return world_->tools().find<CitiesWindow>(ToolWindow::Cities); }

  // What the player saw of one meeting: its line, and how its only race ended.
  struct Meeting {
    QString line;
    QString result;
    QString exitCaption;
  };

  // Enters the meeting of the city shown and, as a player would, stakes GBP 1500 on the first
  // horse, runs the race to its end, leaves by "Exit Races" and says yes to leaving.
  Meeting enterAndBet() {
    Meeting seen;
    ModalWatch watch([&](QWidget* modal) {
      if (auto* race = qobject_cast<RaceWindow*>(modal)) {
        seen.line = shownText(*race, "info");
        QTest::keyClicks(&control<QLineEdit>(*race, "txtBet"), QStringLiteral("1500"));
        click(*race, "setBet");
        click(*race, "startRace");
        auto* exit = &control<QPushButton>(*race, "nextRace");
        for (int tick = 0; tick < 2000 && !exit->isEnabled(); ++tick) race->tickTimer();
        seen.result = shownText(*race, "msg");
        seen.exitCaption = exit->text();
        exit->click();
      } else if (auto* question = qobject_cast<QMessageBox*>(modal)) {
        question->button(QMessageBox::Yes)->click();
      }
    });
    world_->random.racing = true;
    click(*cities(), "cmdEnter");
    world_->random.racing = false;
    return seen;
  }

 private slots:
  void initTestCase() { installFontSubstitutions(); }

  void init() {
    world_ = std::make_unique<MainWindowWorld<SteadyRandom>>();
    world_->start();
  }

  void cleanup() { world_.reset(); }

  void aMonthOnTheRoad() {
    world_->click("cmdCity");
    QVERIFY(cities() && cities()->isVisible());
    QVERIFY(world_->window->rpWindowOpen());
    QVERIFY(world_->ticked("mnuRPs"));

    // To Southampton by train; the wait is closed by the player at once.
    choose(*cities(), "city_choose", QStringLiteral("Southampton"));
    click(*cities(), "vehicle1");
    {
      ModalWatch watch([](QWidget* modal) {
        if (qobject_cast<WaitWindow*>(modal)) modal->close();
      });
      click(*cities(), "cmdTravel");
      QCOMPARE(watch.answered(), 1);
    }
    QCOMPARE(world_->shown("lCurrentLocation"), QStringLiteral("Southampton"));
    QCOMPARE(world_->purse(), QStringLiteral("GBP 118.00"));

    // The month turns: the open cities window shows the new month's draw.
    world_->random.draw = kNoRaces;
    world_->click("cmdGo");
    QCOMPARE(shownText(*cities(), "rp_ir"), QStringLiteral("No"));
    QCOMPARE(shownText(*cities(), "rp_nor"), QStringLiteral("N/A"));

    // Closed, it clears the flag and the mark; opened again, it starts afresh from the
    // player's city with the bus.
    closeWindow(cities());
    QVERIFY(!world_->window->rpWindowOpen());
    QVERIFY(!world_->ticked("mnuRPs"));
    world_->click("cmdCity");
    QCOMPARE(shownText(*cities(), "cmdTravel"), QStringLiteral("Travel to Southampton"));
    QCOMPARE(shownText(*cities(), "lblChosen"), QStringLiteral("travel by: Bus"));
    QVERIFY(world_->window->rpWindowOpen());
  }

  void aMeetingOnceAMonth() {
    world_->click("cheat");
    world_->click("cmdCity");
    const Meeting first = enterAndBet();
    QCOMPARE(first.line, QStringLiteral("Race 1/1 in London"));
    QVERIFY2(first.result.startsWith(QStringLiteral("Your horse ")), qPrintable(first.result));
    QCOMPARE(first.exitCaption, QStringLiteral("Exit Races"));
    // The entrance and the stake were paid, and whatever the race paid back shows on the purse.
    QVERIFY(world_->player().Money() != 150.0f + 5000.0f - 20.0f);
    QCOMPARE(world_->purse(), QString::fromStdString(moneyText(world_->player().Money())));

    const float purse = world_->player().Money();
    QCOMPARE(enterAndBet().line, QString());
    QCOMPARE(world_->messenger.last(), std::string("Sorry but the races in London already ended!"));
    QCOMPARE(world_->player().Money(), purse);

    // A new month draws races again, and the meeting opens once more.
    world_->click("cmdGo");
    QCOMPARE(shownText(*cities(), "rp_ir"), QStringLiteral("Yes"));
    QCOMPARE(enterAndBet().line, QStringLiteral("Race 1/1 in London"));
  }

  void theGridMapComesBackAsItWasHidden() {
    world_->click("cmdGridMap");
    auto* map = world_->tools().find<GridMapWindow>(ToolWindow::GridMap);
    QVERIFY(map && map->isVisible());
    QVERIFY(!world_->ticked("mnuGridMap"));
    map->close();
    world_->click("cmdGridMap");
    QCOMPARE(world_->tools().find<GridMapWindow>(ToolWindow::GridMap), map);
    QVERIFY(map->isVisible());
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::MainRoadTest)
#include "main_road_test.moc"
