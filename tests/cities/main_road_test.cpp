// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// A month on the road, played through the main window: open the cities, see what the travel desk
// says with the pictures and the frame of the vehicle chosen, travel with the wait and see the
// new place on the main window, bet on a race at the meeting, turn the month, come back to the
// cities; and lay the cities out on the grid map, which only hides when closed.
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>
#include <cstdlib>
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

namespace {
const QColor kGrey(224, 224, 224), kBusRed(255, 0, 0), kTrainGreen(0, 204, 0), kShipBlue(0, 0, 255);
}  // namespace

class MainRoadTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindowWorld<SteadyRandom>> world_;

  CitiesWindow* cities() const { return world_->tools().find<CitiesWindow>(ToolWindow::Cities); }
  CitiesWindow& openCities() { world_->click("cmdCity"); return *cities(); }
  QLabel& vehicle(int v) const { return *cities()->findChild<QLabel*>(QStringLiteral("vehicle%1").arg(v)); }
  qint64 picture(const char* label) const { return control<QLabel>(*cities(), label).pixmap().cacheKey(); }
  qint64 picture(int v) const { return vehicle(v).pixmap().cacheKey(); }
  int framedAt() const { return control(*cities(), "chosen").x(); }
  bool canTravel() const { return control(*cities(), "cmdTravel").isEnabled(); }
  void toSouthampton() { choose(*cities(), "city_choose", QStringLiteral("Southampton")); }

  // What the player saw of one meeting: its line, and how its only race ended.
  struct Meeting {
    QString line, result, exitCaption;
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

  GridMapWindow* grid() const { return world_->tools().find<GridMapWindow>(ToolWindow::GridMap); }
  QComboBox& list() const { return control<QComboBox>(*grid(), "cmbCities"); }
  QWidget& button(const char* name) const { return control(*grid(), name); }
  QLabel& map() const { return control<QLabel>(*grid(), "pctMap"); }
  QColor pixel(int x, int y) const { return map().pixmap().toImage().pixelColor(x, y); }
  // A smooth line blends into the grey at its edges; at its middle its own colour rules.
  static bool isMostly(const QColor& seen, const QColor& colour) {
    return std::abs(seen.red() - colour.red()) < 80 && std::abs(seen.green() - colour.green()) < 80 &&
           std::abs(seen.blue() - colour.blue()) < 80;
  }
  void add(const QString& city) {
    list().setCurrentIndex(list().findText(city));
    click(*grid(), "addCity");
  }
  void drag(QPointF from, QPointF to, Qt::MouseButton pressed = Qt::LeftButton, Qt::MouseButtons held = Qt::LeftButton) {
    auto mouse = [this](QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons) {
      QMouseEvent event(type, at, map().mapToGlobal(at), button, buttons, Qt::NoModifier);
      QApplication::sendEvent(&map(), &event);
    };
    mouse(QEvent::MouseButtonPress, from, pressed, pressed);
    for (QPointF at : {(from + to) / 2, to}) mouse(QEvent::MouseMove, at, Qt::NoButton, held);
    mouse(QEvent::MouseButtonRelease, to, pressed, Qt::NoButton);
  }
  // Whether anything but the map's grey lies in the box where a name written at (x, y) starts.
  bool nameAt(int x, int y) const {
    const QImage image = map().pixmap().toImage();
    for (int dy = 2; dy < 14; ++dy)
      for (int dx = 0; dx < 30; ++dx)
        if (image.pixelColor(x + dx, y + dy) != kGrey) return true;
    return false;
  }

 private slots:
  void initTestCase() { installFontSubstitutions(); }

  void init() { (world_ = std::make_unique<MainWindowWorld<SteadyRandom>>())->start(); }

  void cleanup() { world_.reset(); }

  void aMonthOnTheRoad() {
    world_->click("cmdCity");
    QVERIFY(cities() && cities()->isVisible());
    QVERIFY(world_->ticked("mnuRPs"));

    // The month turns: the open cities window shows the new month's draw.
    world_->random.draw = kNoRaces;
    world_->click("cmdGo");
    QCOMPARE(shownText(*cities(), "rp_ir"), QStringLiteral("No"));
    QCOMPARE(shownText(*cities(), "rp_nor"), QStringLiteral("N/A"));

    // Closed, it clears its mark (the flag goes with it); opened again, it starts afresh from the
    // player's city with the bus.
    toSouthampton();
    click(*cities(), "vehicle1");
    closeWindow(cities());
    QVERIFY(!world_->ticked("mnuRPs"));
    world_->click("cmdCity");
    QCOMPARE(shownText(*cities(), "cmdTravel"), QStringLiteral("Travel to London"));
    QCOMPARE(shownText(*cities(), "lblChosen"), QStringLiteral("travel by: Bus"));
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
    QCOMPARE(world_->player().Money(), purse);

    // A new month draws races again, and the meeting opens once more.
    world_->click("cmdGo");
    QCOMPARE(shownText(*cities(), "rp_ir"), QStringLiteral("Yes"));
    QCOMPARE(enterAndBet().line, QStringLiteral("Race 1/1 in London"));
  }

  // The first and the last city of the list stand for its order.
  void opensOnThePlayersCityWithTheBusFramed_data() {
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("horses");
    QTest::addColumn<QString>("fee");
    QTest::newRow("the first city") << "Bath" << "6" << "GBP 10";
    QTest::newRow("the start") << "London" << "8" << "GBP 20";
    QTest::newRow("the last city") << "Yeovil" << "4" << "GBP 10";
  }

  void opensOnThePlayersCityWithTheBusFramed() {
    QFETCH(QString, city);
    world_->player().setLocation(city.toStdString());
    const CitiesWindow& window = openCities();
    QCOMPARE(chosenIn(window, "city_choose"), city);
    QTEST(shownText(window, "rp_noh"), "horses");
    QTEST(shownText(window, "rp_efee"), "fee");
    QCOMPARE(shownText(window, "cmdTravel"), QStringLiteral("Travel to ") + city);
    QCOMPARE(control(window, "chosen").geometry(), vehicle(0).geometry());
    for (int v = 0; v < kVehicleCount; ++v) QCOMPARE(picture(v), world_->pictures.veh_dis(v).cacheKey());
  }

  void anotherCityShowsItsPictureFeeAndFares() {
    const CitiesWindow& window = openCities();
    toSouthampton();
    QCOMPARE(picture("rp_image"), world_->pictures.g_city(11).cacheKey());
    QCOMPARE(shownText(window, "rp_nor"), QStringLiteral("?"));
    QVERIFY(canTravel());
    QCOMPARE(picture(1), world_->pictures.veh(1).cacheKey());
    QCOMPARE(picture(3), world_->pictures.veh_dis(3).cacheKey());

    QTest::mouseClick(&vehicle(1), Qt::LeftButton);
    QCOMPARE(shownText(window, "lblChosen"), QStringLiteral("travel by: Train"));
    QCOMPARE(shownText(window, "rp_tfee"), QStringLiteral("GBP 32"));
    QCOMPARE(framedAt(), vehicle(1).x());
    QTest::mouseClick(&vehicle(2), Qt::LeftButton);
    QVERIFY(!canTravel());
    QTest::mouseClick(&vehicle(0), Qt::LeftButton);
    QVERIFY(canTravel());

    choose(window, "city_choose", QStringLiteral("Penzance"));
    QCOMPARE(shownText(window, "lblChosen"), QStringLiteral("travel by: Airplane"));
  }

  void travelChargesTheFareWaitsAndArrives() {
    const CitiesWindow& window = openCities();
    toSouthampton();
    QTest::mouseClick(&vehicle(1), Qt::LeftButton);
    QString waitMessage;
    float moneyDuringTheWait = 0.0f;
    std::string placeDuringTheWait;
    // The wait runs its full length here, once, to see that a journey takes its time.
    ModalWatch watch([&](QWidget* modal) {
      if (auto* wait = qobject_cast<WaitWindow*>(modal); wait && waitMessage.isEmpty()) {
        waitMessage = wait->message();
        moneyDuringTheWait = world_->player().Money();
        placeDuringTheWait = world_->player().Location();
      }
    });
    // A purse short of the fare travels nowhere and waits for nothing.
    world_->player().setMoney(31.0f);
    click(window, "cmdTravel");
    QTest::qWait(20);
    QCOMPARE(watch.answered(), 0);
    QCOMPARE(shownText(window, "rp_ir"), QStringLiteral("?"));

    world_->player().setMoney(150.0f);
    QElapsedTimer clock;
    clock.start();
    click(window, "cmdTravel");
    QVERIFY2(clock.elapsed() >= 1400, "the journey took no time");
    QCOMPARE(waitMessage, QStringLiteral("You are travelling to the desired destination."));
    QCOMPARE(moneyDuringTheWait, 118.0f);
    QCOMPARE(placeDuringTheWait, std::string("London"));
    QCOMPARE(world_->shown("lCurrentLocation"), QStringLiteral("Southampton"));
    QCOMPARE(shownText(window, "rp_noh"), QStringLiteral("7"));
    // The fare line still shows the journey just made.
    QCOMPARE(shownText(window, "rp_tfee"), QStringLiteral("GBP 32"));

    // Already there: a second press costs nothing and waits for nothing.
    const int waitsSoFar = watch.answered();
    click(window, "cmdTravel");
    QCOMPARE(world_->purse(), QStringLiteral("GBP 118.00"));
    QCOMPARE(watch.answered(), waitsSoFar);
  }

  // The window may go while the player waits or races (closed from elsewhere): what was paid for
  // still happens, and nothing that went with the window is touched afterwards.
  void theWindowMayGoDuringAJourneyOrAMeeting() {
    openCities();
    toSouthampton();
    {
      ModalWatch watch([this](QWidget* modal) {
        if (qobject_cast<WaitWindow*>(modal)) delete cities();
      });
      control<QPushButton>(*cities(), "cmdTravel").click();
      QCOMPARE(watch.answered(), 1);
    }
    QVERIFY(!cities());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(world_->player().Location(), std::string("Southampton"));
    QCOMPARE(world_->player().Money(), 135.0f);

    // At the meeting, while the player is asked whether to leave: left at once, it is over for
    // the month all the same.
    openCities();
    {
      ModalWatch watch([this](QWidget* modal) {
        if (qobject_cast<RaceWindow*>(modal)) modal->close();
        else if (qobject_cast<QMessageBox*>(modal)) delete cities();
      });
      world_->random.racing = true;
      control<QPushButton>(*cities(), "cmdEnter").click();
      world_->random.racing = false;
      QCOMPARE(watch.answered(), 2);
    }
    QVERIFY(!cities());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(world_->game.RPs()[11].RacesFinished());
    QCOMPARE(world_->player().Money(), 120.0f);
  }

  // Not ticked, and closing only hides it: opened again, the same map is as it was.
  void addedCitiesShowTheirSquaresAndNamesUntilTheMapIsCleared() {
    world_->click("cmdGridMap");
    QCOMPARE(pixel(90, 110), kGrey);
    add(QStringLiteral("London"));
    QCOMPARE(list().findText(QStringLiteral("London")), -1);
    QCOMPARE(list().currentText(), QStringLiteral("Bath"));
    QCOMPARE(pixel(90, 110), kBusRed);       // the bus square's corner, 10 left of the name
    QCOMPARE(pixel(80, 110), kTrainGreen);
    QCOMPARE(pixel(60, 114), kShipBlue);
    QCOMPARE(pixel(92, 112), kGrey);  // the squares are outlines
    QVERIFY(nameAt(100, 100));
    for (int i = 1; i < kCityCount; ++i) {
      QVERIFY(button("addCity").isEnabled());
      click(*grid(), "addCity");
    }
    QCOMPARE(list().count(), 0);
    QVERIFY(!button("addCity").isEnabled());

    GridMapWindow* shown = grid();
    QVERIFY(!world_->ticked("mnuGridMap"));
    shown->close();
    QVERIFY(shown->isHidden());
    world_->click("cmdGridMap");
    QCOMPARE(grid(), shown);
    QVERIFY(shown->isVisible());
    QCOMPARE(list().count(), 0);
    QVERIFY(nameAt(100, 100));

    click(*grid(), "cmdClear");
    QVERIFY(button("addCity").isEnabled());
    QCOMPARE(list().count(), kCityCount);
    QCOMPARE(pixel(90, 110), kGrey);
    QVERIFY(!nameAt(100, 100));
  }

  void routesBecomeLinesBetweenTheSquaresOfTheirVehicle() {
    world_->click("cmdGridMap");
    add(QStringLiteral("London"));
    add(QStringLiteral("Penzance"));     // joined to London by air
    add(QStringLiteral("Southampton"));  // to London by bus and by train, to Penzance not at all
    // Only the left button alone drags.
    drag({110, 105}, {310, 255}, Qt::RightButton, Qt::RightButton);
    drag({110, 105}, {310, 255}, Qt::LeftButton, Qt::LeftButton | Qt::RightButton);
    QVERIFY(!nameAt(300, 250));
    // Southampton lies on top: the press picks it and it keeps the offset it was picked at.
    drag({110, 105}, {310, 255});
    QVERIFY(nameAt(300, 250));

    // The bus line runs from (92, 112) to (292, 262), the train line ten pixels further left.
    QVERIFY(isMostly(pixel(192, 187), kBusRed));
    QVERIFY(isMostly(pixel(182, 187), kTrainGreen));
    QCOMPARE(pixel(230, 187), kGrey);
    QCOMPARE(pixel(172, 187), kGrey);  // no airplane between Southampton and Penzance
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::MainRoadTest)
#include "main_road_test.moc"
