// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// A month on the road, played through the main window: open the cities, travel, see the new
// place on the main window, bet on a race at the meeting, turn the month, come back to the
// cities, and open the grid map.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "cities/cities_window.h"
#include "cities/grid_map_window.h"
#include "support/modal_watch.h"
#include "cities/steady_random.h"
#include "mainwindow/main_window.h"
#include "race/race_window.h"
#include "support/recorders.h"
#include "world/game.h"
#include "world/look.h"
#include "world/numbers.h"
#include "world/picture_store.h"
#include "world/wait_window.h"

namespace gallox {

class MainRoadTest : public QObject {
  Q_OBJECT

 private:
  testing::SteadyRandom random_;
  testing::RecordingMessenger messenger_;
  std::unique_ptr<Game> game_;
  std::unique_ptr<PictureStore> pictures_;
  std::unique_ptr<MainWindow> main_;

  void click(const char* buttonName) {
    QTest::mouseClick(main_->findChild<QLabel*>(QLatin1String(buttonName)), Qt::LeftButton);
  }
  QString mainText(const char* label) { return main_->findChild<QLabel*>(QLatin1String(label))->text(); }
  bool marked(const char* entry) { return main_->findChild<QAction*>(QLatin1String(entry))->isChecked(); }
  template <typename Window>
  Window* openWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible()) return window;
    return nullptr;
  }
  static QString text(const QWidget& window, const char* name) {
    if (auto* label = window.findChild<QLabel*>(QLatin1String(name))) return label->text();
    return window.findChild<QPushButton*>(QLatin1String(name))->text();
  }
  static void clickIn(const QWidget& window, const char* name) {
    QTest::mouseClick(window.findChild<QWidget*>(QLatin1String(name)), Qt::LeftButton);
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
        seen.line = text(*race, "info");
        QTest::keyClicks(race->findChild<QLineEdit*>(QStringLiteral("txtBet")), QStringLiteral("1500"));
        clickIn(*race, "setBet");
        clickIn(*race, "startRace");
        auto* exit = race->findChild<QPushButton*>(QStringLiteral("nextRace"));
        for (int tick = 0; tick < 2000 && !exit->isEnabled(); ++tick) race->tickTimer();
        seen.result = text(*race, "msg");
        seen.exitCaption = exit->text();
        exit->click();
      } else if (auto* question = qobject_cast<QMessageBox*>(modal)) {
        question->button(QMessageBox::Yes)->click();
      }
    });
    random_.racing = true;
    clickIn(cities, "cmdEnter");
    random_.racing = false;
    return seen;
  }

 private slots:
  void initTestCase() { installFontSubstitutions(); }

  void init() {
    random_ = testing::SteadyRandom();
    game_ = std::make_unique<Game>(random_, messenger_);
    pictures_ = std::make_unique<PictureStore>();
    main_ = std::make_unique<MainWindow>(*game_, *pictures_);
    game_->startUp(GALLOX_ROUTE_FILE);
    main_->show();
  }

  void cleanup() {
    main_.reset();
    pictures_.reset();
    game_.reset();
  }

  void aMonthOnTheRoad() {
    click("cmdCity");
    CitiesWindow* cities = openWindow<CitiesWindow>();
    QVERIFY(cities);
    QVERIFY(main_->rpWindowOpen());
    QVERIFY(marked("mnuRPs"));

    // To Southampton by train; the wait is closed by the player at once.
    QComboBox& list = *cities->findChild<QComboBox*>(QStringLiteral("city_choose"));
    list.setCurrentIndex(list.findText(QStringLiteral("Southampton")));
    clickIn(*cities, "vehicle1");
    {
      testing::ModalWatch watch([](QWidget* modal) {
        if (qobject_cast<WaitWindow*>(modal)) modal->close();
      });
      clickIn(*cities, "cmdTravel");
      QCOMPARE(watch.answered(), 1);
    }
    QCOMPARE(mainText("lCurrentLocation"), QStringLiteral("Southampton"));
    QCOMPARE(mainText("lCurrentMoney"), QStringLiteral("GBP 118.00"));

    // The month turns: the open cities window shows the new month's draw.
    random_.draw = testing::kNoRaces;
    click("cmdGo");
    QCOMPARE(text(*cities, "rp_ir"), QStringLiteral("No"));
    QCOMPARE(text(*cities, "rp_nor"), QStringLiteral("N/A"));

    // Closed, it clears the flag and the mark; opened again, it starts afresh from the
    // player's city with the bus.
    cities->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!main_->rpWindowOpen());
    QVERIFY(!marked("mnuRPs"));
    click("cmdCity");
    cities = openWindow<CitiesWindow>();
    QVERIFY(cities);
    QCOMPARE(text(*cities, "cmdTravel"), QStringLiteral("Travel to Southampton"));
    QCOMPARE(text(*cities, "lblChosen"), QStringLiteral("travel by: Bus"));
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
    QVERIFY(game_->player().Money() != 150.0f + 5000.0f - 20.0f);
    QCOMPARE(mainText("lCurrentMoney"), QString::fromStdString(moneyText(game_->player().Money())));

    const float purse = game_->player().Money();
    QCOMPARE(enterAndBet(*cities).line, QString());
    QCOMPARE(messenger_.last(), std::string("Sorry but the races in London already ended!"));
    QCOMPARE(game_->player().Money(), purse);

    // A new month draws races again, and the meeting opens once more.
    click("cmdGo");
    QCOMPARE(text(*cities, "rp_ir"), QStringLiteral("Yes"));
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
