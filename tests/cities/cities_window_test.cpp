// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "cities/cities_window.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QtTest>
#include <memory>

#include "race/race_window.h"
#include "support/controls.h"
#include "support/modal_watch.h"
#include "support/steady_random.h"
#include "support/world.h"
#include "world/look.h"
#include "world/picture_store.h"
#include "world/wait_window.h"

namespace gallox {
namespace {

using testing::click;
using testing::control;
using testing::ModalWatch;
using testing::shownText;

QComboBox& cityList(const QWidget& window) { return control<QComboBox>(window, "city_choose"); }
QLabel& vehicleImage(const QWidget& window, int vehicle) {
  return *window.findChild<QLabel*>(QStringLiteral("vehicle%1").arg(vehicle));
}

void choose(const QWidget& window, const QString& city) {
  QComboBox& list = cityList(window);
  list.setCurrentIndex(list.findText(city));
}

}  // namespace

class CitiesWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::GameWorld<testing::SteadyRandom>> world_;
  PictureStore pictures_;
  std::unique_ptr<CitiesWindow> window_;

  CitiesWindow& open() {
    window_ = std::make_unique<CitiesWindow>(world_->game, pictures_);
    window_->setAttribute(Qt::WA_DeleteOnClose, false);
    window_->show();
    return *window_;
  }

 private slots:
  void initTestCase() { installFontSubstitutions(); }

  void init() {
    world_ = std::make_unique<testing::GameWorld<testing::SteadyRandom>>();
    world_->start();
  }

  void cleanup() {
    window_.reset();
    world_.reset();
  }

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
    QFETCH(QString, horses);
    QFETCH(QString, fee);
    world_->player().setLocation(city.toStdString());
    const CitiesWindow& window = open();
    QCOMPARE(cityList(window).currentText(), city);
    QCOMPARE(shownText(window, "rp_ir"), QStringLiteral("Yes"));
    QCOMPARE(shownText(window, "rp_nor"), QStringLiteral("1"));
    QCOMPARE(shownText(window, "rp_noh"), horses);
    QCOMPARE(shownText(window, "rp_efee"), fee);
    QCOMPARE(shownText(window, "cmdTravel"), QStringLiteral("Travel to ") + city);
    QCOMPARE(shownText(window, "lblChosen"), QStringLiteral("travel by: Bus"));
    QCOMPARE(shownText(window, "rp_tfee"), QStringLiteral("no route available"));
    QVERIFY(!control(window, "cmdTravel").isEnabled());
    const QWidget& frame = *window.findChild<QWidget*>(QStringLiteral("chosen"));
    QCOMPARE(frame.geometry(), vehicleImage(window, 0).geometry());
    for (int v = 0; v < kVehicleCount; ++v)
      QCOMPARE(vehicleImage(window, v).pixmap().cacheKey(),
               pictures_.veh_dis(v).cacheKey());
  }

  void anotherCityShowsItsPictureFeeAndFares() {
    const CitiesWindow& window = open();
    choose(window, QStringLiteral("Southampton"));

    const QLabel& picture = *window.findChild<QLabel*>(QStringLiteral("rp_image"));
    QCOMPARE(picture.pixmap().cacheKey(), pictures_.g_city(11).cacheKey());
    QCOMPARE(shownText(window, "cmdTravel"), QStringLiteral("Travel to Southampton"));
    QCOMPARE(shownText(window, "rp_efee"), QStringLiteral("GBP 15"));
    for (const char* raceLabel : {"rp_ir", "rp_nor", "rp_noh"})
      QCOMPARE(shownText(window, raceLabel), QStringLiteral("?"));
    QCOMPARE(shownText(window, "rp_tfee"), QStringLiteral("GBP 15"));
    QVERIFY(control(window, "cmdTravel").isEnabled());
    QCOMPARE(vehicleImage(window, 1).pixmap().cacheKey(), pictures_.veh(1).cacheKey());
    QCOMPARE(vehicleImage(window, 3).pixmap().cacheKey(), pictures_.veh_dis(3).cacheKey());

    QTest::mouseClick(&vehicleImage(window, 1), Qt::LeftButton);
    QCOMPARE(shownText(window, "lblChosen"), QStringLiteral("travel by: Train"));
    QCOMPARE(shownText(window, "rp_tfee"), QStringLiteral("GBP 32"));
    QCOMPARE(window.findChild<QWidget*>(QStringLiteral("chosen"))->x(), vehicleImage(window, 1).x());

    QTest::mouseClick(&vehicleImage(window, 2), Qt::LeftButton);
    QCOMPARE(shownText(window, "rp_tfee"), QStringLiteral("no route available"));
    QVERIFY(!control(window, "cmdTravel").isEnabled());
    QTest::mouseClick(&vehicleImage(window, 0), Qt::LeftButton);
    QVERIFY(control(window, "cmdTravel").isEnabled());

    choose(window, QStringLiteral("Penzance"));
    QCOMPARE(shownText(window, "lblChosen"), QStringLiteral("travel by: Airplane"));
    QCOMPARE(shownText(window, "rp_tfee"), QStringLiteral("GBP 109"));
  }

  void travelChargesTheFareWaitsAndArrives() {
    const CitiesWindow& window = open();
    choose(window, QStringLiteral("Southampton"));
    QTest::mouseClick(&vehicleImage(window, 1), Qt::LeftButton);

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
    QElapsedTimer clock;
    clock.start();
    click(window, "cmdTravel");
    QVERIFY2(clock.elapsed() >= 1400, "the journey took no time");

    QCOMPARE(waitMessage, QStringLiteral("You are travelling to the desired destination."));
    QCOMPARE(moneyDuringTheWait, 118.0f);
    QCOMPARE(placeDuringTheWait, std::string("London"));
    QCOMPARE(world_->player().Money(), 118.0f);
    QCOMPARE(world_->view.location, std::string("Southampton"));
    QCOMPARE(shownText(window, "rp_noh"), QStringLiteral("7"));
    // The fare line still shows the journey just made.
    QCOMPARE(shownText(window, "rp_tfee"), QStringLiteral("GBP 32"));

    // Already there: a second press costs nothing and waits for nothing.
    const int waitsSoFar = watch.answered();
    click(window, "cmdTravel");
    QCOMPARE(world_->player().Money(), 118.0f);
    QCOMPARE(watch.answered(), waitsSoFar);
    QVERIFY(world_->messenger.messages.empty());
  }

  void travelWithoutTheFareIsRefused() {
    world_->player().setMoney(14.0f);
    const CitiesWindow& window = open();
    choose(window, QStringLiteral("Southampton"));
    ModalWatch watch([](QWidget* modal) { modal->close(); });
    click(window, "cmdTravel");
    QTest::qWait(20);

    QCOMPARE(watch.answered(), 0);
    QCOMPARE(world_->player().Money(), 14.0f);
    QCOMPARE(world_->player().Location(), std::string("London"));
    QCOMPARE(shownText(window, "rp_ir"), QStringLiteral("?"));
  }

  // Enters the meeting of the city shown and leaves it at once, as a player closing the race
  // window would; gives the meeting line the race window showed, or nothing when none opened.
  QString enterAndLeave(CitiesWindow& window) {
    QString meetingLine;
    ModalWatch watch([&](QWidget* modal) {
      if (auto* race = qobject_cast<RaceWindow*>(modal)) {
        meetingLine = shownText(*race, "info");
        race->close();
      } else if (auto* question = qobject_cast<QMessageBox*>(modal)) {
        question->button(QMessageBox::Yes)->click();
      }
    });
    world_->random.racing = true;
    click(window, "cmdEnter");
    world_->random.racing = false;
    return meetingLine;
  }

  void theMeetingLeftAtOnceIsOverForTheMonth() {
    CitiesWindow& window = open();
    QCOMPARE(enterAndLeave(window), QStringLiteral("Race 1/1 in London"));
    QCOMPARE(world_->player().Money(), 130.0f);
    QVERIFY(world_->game.RPs()[6].RacesFinished());

    // Entering again opens nothing and charges nothing.
    QCOMPARE(enterAndLeave(window), QString());
    QCOMPARE(world_->player().Money(), 130.0f);
  }

  // The window may go while the player waits or races (closed from elsewhere): what was paid for
  // still happens, and nothing that went with the window is touched afterwards.
  void theWindowMayGoDuringAJourneyOrAMeeting() {
    choose(open(), QStringLiteral("Southampton"));
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

    // At the meeting, while the player is asked whether to leave.
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
