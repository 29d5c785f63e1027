// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// A month on the road, played through the main window: open the cities, travel, see the new
// place on the main window, turn the month, come back to the cities, and open the grid map.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "cities/cities_window.h"
#include "cities/grid_map_window.h"
#include "cities/modal_watch.h"
#include "cities/steady_random.h"
#include "mainwindow/main_window.h"
#include "support/recorders.h"
#include "world/game.h"
#include "world/look.h"
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
