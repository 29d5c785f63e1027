// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// The cities window over its travel desk: what it shows of the desk, the pictures and the frame
// of the vehicle chosen, and the journey with its wait; the meeting is entered on the main road.
#include "cities/cities_window.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QtTest>
#include <memory>

#include "race/race_window.h"
#include "support/main_window_world.h"
#include "support/modal_watch.h"
#include "support/steady_random.h"
#include "world/look.h"
#include "world/wait_window.h"

namespace gallox {

using namespace testing;

class CitiesWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<GameWorld<SteadyRandom>> world_;
  PictureStore pictures_;
  std::unique_ptr<CitiesWindow> window_;

  CitiesWindow& open() {
    window_ = std::make_unique<CitiesWindow>(world_->game, pictures_);
    window_->setAttribute(Qt::WA_DeleteOnClose, false);
    window_->show();
    return *window_;
  }
  QLabel& vehicle(int v) const { return *window_->findChild<QLabel*>(QStringLiteral("vehicle%1").arg(v)); }
  qint64 picture(const char* label) const { return control<QLabel>(*window_, label).pixmap().cacheKey(); }
  qint64 picture(int v) const { return vehicle(v).pixmap().cacheKey(); }
  int framedAt() const { return control(*window_, "chosen").x(); }
  bool canTravel() const { return control(*window_, "cmdTravel").isEnabled(); }
  void toSouthampton() { choose(*window_, "city_choose", QStringLiteral("Southampton")); }

 private slots:
  void initTestCase() { installFontSubstitutions(); }

  void init() {
    world_ = std::make_unique<GameWorld<SteadyRandom>>();
    world_->start();
  }

  void cleanup() {
    window_.reset();
    world_.reset();
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
    const CitiesWindow& window = open();
    QCOMPARE(chosenIn(window, "city_choose"), city);
    QTEST(shownText(window, "rp_noh"), "horses");
    QTEST(shownText(window, "rp_efee"), "fee");
    QCOMPARE(shownText(window, "cmdTravel"), QStringLiteral("Travel to ") + city);
    QCOMPARE(control(window, "chosen").geometry(), vehicle(0).geometry());
    for (int v = 0; v < kVehicleCount; ++v) QCOMPARE(picture(v), pictures_.veh_dis(v).cacheKey());
  }

  void anotherCityShowsItsPictureFeeAndFares() {
    const CitiesWindow& window = open();
    toSouthampton();
    QCOMPARE(picture("rp_image"), pictures_.g_city(11).cacheKey());
    QCOMPARE(shownText(window, "cmdTravel"), QStringLiteral("Travel to Southampton"));
    QCOMPARE(shownText(window, "rp_efee"), QStringLiteral("GBP 15"));
    for (const char* raceLabel : {"rp_ir", "rp_nor", "rp_noh"}) QCOMPARE(shownText(window, raceLabel), QStringLiteral("?"));
    QCOMPARE(shownText(window, "rp_tfee"), QStringLiteral("GBP 15"));
    QVERIFY(canTravel());
    QCOMPARE(picture(1), pictures_.veh(1).cacheKey());
    QCOMPARE(picture(3), pictures_.veh_dis(3).cacheKey());

    QTest::mouseClick(&vehicle(1), Qt::LeftButton);
    QCOMPARE(shownText(window, "lblChosen"), QStringLiteral("travel by: Train"));
    QCOMPARE(shownText(window, "rp_tfee"), QStringLiteral("GBP 32"));
    QCOMPARE(framedAt(), vehicle(1).x());
    QTest::mouseClick(&vehicle(2), Qt::LeftButton);
    QCOMPARE(shownText(window, "rp_tfee"), QStringLiteral("no route available"));
    QVERIFY(!canTravel());
    QTest::mouseClick(&vehicle(0), Qt::LeftButton);
    QVERIFY(canTravel());

    choose(window, "city_choose", QStringLiteral("Penzance"));
    QCOMPARE(shownText(window, "lblChosen"), QStringLiteral("travel by: Airplane"));
  }

  void travelChargesTheFareWaitsAndArrives() {
    const CitiesWindow& window = open();
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
    QCOMPARE(world_->view.location, std::string("Southampton"));
    QCOMPARE(shownText(window, "rp_noh"), QStringLiteral("7"));
    // The fare line still shows the journey just made.
    QCOMPARE(shownText(window, "rp_tfee"), QStringLiteral("GBP 32"));

    // Already there: a second press costs nothing and waits for nothing.
    const int waitsSoFar = watch.answered();
    click(window, "cmdTravel");
    QCOMPARE(world_->player().Money(), 118.0f);
    QCOMPARE(watch.answered(), waitsSoFar);
  }

  // The window may go while the player waits or races (closed from elsewhere): what was paid for
  // still happens, and nothing that went with the window is touched afterwards.
  void theWindowMayGoDuringAJourneyOrAMeeting() {
    open();
    toSouthampton();
    {
      ModalWatch watch([this](QWidget* modal) {
        if (qobject_cast<WaitWindow*>(modal)) window_.reset();
      });
      control<QPushButton>(*window_, "cmdTravel").click();
      QCOMPARE(watch.answered(), 1);
    }
    QVERIFY(!window_);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(world_->player().Location(), std::string("Southampton"));
    QCOMPARE(world_->player().Money(), 135.0f);

    // At the meeting, while the player is asked whether to leave: left at once, it is over for
    // the month all the same.
    open();
    {
      ModalWatch watch([this](QWidget* modal) {
        if (qobject_cast<RaceWindow*>(modal)) modal->close();
        else if (qobject_cast<QMessageBox*>(modal)) window_.reset();
      });
      world_->random.racing = true;
      control<QPushButton>(*window_, "cmdEnter").click();
      world_->random.racing = false;
      QCOMPARE(watch.answered(), 2);
    }
    QVERIFY(!window_);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(world_->game.RPs()[11].RacesFinished());
    QCOMPARE(world_->player().Money(), 120.0f);
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::CitiesWindowTest)
#include "cities_window_test.moc"
