// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// A month on the road, played through the main window: open the cities, travel, see the new
// place on the main window, enter the meeting, turn the month, and draw the grid map.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "cities/cities_window.h"
#include "cities/grid_map_window.h"
#include "cities/modal_watch.h"
#include "cities/steady_random.h"
#include "mainwindow/main_window.h"
#include "race/race_window.h"
#include "support/recorders.h"
#include "world/game.h"
#include "world/look.h"
#include "world/picture_store.h"
#include "world/random_source.h"
#include "world/wait_window.h"

namespace gallox {
namespace {

using testing::ModalWatch;
using testing::RecordingMessenger;
using testing::SteadyRandom;
using testing::kNoRaces;


}  // namespace

class MainRoadTest : public QObject {
  Q_OBJECT

 private:
  SteadyRandom random_;
  RecordingMessenger messenger_;
  std::unique_ptr<Game> game_;
  std::unique_ptr<PictureStore> pictures_;
  std::unique_ptr<MainWindow> main_;

  void click(const char* buttonName) {
    auto* button = main_->findChild<QLabel*>(QLatin1String(buttonName));
    QVERIFY2(button, buttonName);
    QTest::mouseClick(button, Qt::LeftButton);
  }
  QString mainText(const char* label) {
    return main_->findChild<QLabel*>(QLatin1String(label))->text();
  }
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

 private slots:
  void initTestCase() { installFontSubstitutions(); }

  void init() {
    random_ = SteadyRandom();
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
    QCOMPARE(text(*cities, "cmdTravel"), QStringLiteral("Travel to London"));

    // To Southampton by train; the wait is closed by the player at once.
    QComboBox& list = *cities->findChild<QComboBox*>(QStringLiteral("city_choose"));
    list.setCurrentIndex(list.findText(QStringLiteral("Southampton")));
    clickIn(*cities, "vehicle1");
    {
      ModalWatch watch([](QWidget* modal) {
        if (qobject_cast<WaitWindow*>(modal)) modal->close();
      });
      clickIn(*cities, "cmdTravel");
      QCOMPARE(watch.answered(), 1);
    }
    QCOMPARE(mainText("lCurrentLocation"), QStringLiteral("Southampton"));
    QCOMPARE(mainText("lCurrentMoney"), QStringLiteral("GBP 118.00"));
    QCOMPARE(text(*cities, "rp_noh"), QStringLiteral("7"));

    // The meeting, left at once: the fee stays paid.
    QString meetingLine;
    {
      ModalWatch watch([&](QWidget* modal) {
        if (auto* race = qobject_cast<RaceWindow*>(modal)) {
          meetingLine = race->findChild<QLabel*>(QStringLiteral("info"))->text();
          race->close();
        } else if (auto* question = qobject_cast<QMessageBox*>(modal)) {
          question->button(QMessageBox::Yes)->click();
        }
      });
      random_.racing = true;
      clickIn(*cities, "cmdEnter");
      random_.racing = false;
    }
    QCOMPARE(meetingLine, QStringLiteral("Race 1/1 in Southampton"));
    QCOMPARE(mainText("lCurrentMoney"), QStringLiteral("GBP 103.00"));

    // The month turns: the open cities window shows the new month's draw.
    random_.draw = kNoRaces;
    click("cmdGo");
    QCOMPARE(text(*cities, "rp_ir"), QStringLiteral("No"));
    QCOMPARE(text(*cities, "rp_nor"), QStringLiteral("N/A"));

    // Closed, it clears the flag and the mark; opened again, it starts from the player's city.
    QPointer<CitiesWindow> closed(cities);
    cities->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(closed.isNull());
    QVERIFY(!main_->rpWindowOpen());
    QVERIFY(!marked("mnuRPs"));
    click("cmdCity");
    cities = openWindow<CitiesWindow>();
    QVERIFY(cities);
    QCOMPARE(text(*cities, "cmdTravel"), QStringLiteral("Travel to Southampton"));
    QCOMPARE(text(*cities, "lblChosen"), QStringLiteral("travel by: Bus"));
    QVERIFY(main_->rpWindowOpen());
  }

  void theGridMapKeepsItsMapWhileHidden() {
    click("cmdGridMap");
    GridMapWindow* map = openWindow<GridMapWindow>();
    QVERIFY(map);
    QVERIFY(!marked("mnuGridMap"));
    QComboBox& list = *map->findChild<QComboBox*>(QStringLiteral("cmbCities"));
    clickIn(*map, "addCity");
    QCOMPARE(list.count(), kCityCount - 1);

    map->close();
    QVERIFY(map->isHidden());
    click("cmdGridMap");
    QCOMPARE(openWindow<GridMapWindow>(), map);
    QCOMPARE(list.count(), kCityCount - 1);
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::MainRoadTest)
#include "main_road_test.moc"
