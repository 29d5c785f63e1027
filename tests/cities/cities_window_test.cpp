// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "cities/cities_window.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "support/modal_watch.h"
#include "cities/steady_random.h"
#include "race/race_window.h"
#include "support/recorders.h"
#include "world/game.h"
#include "world/look.h"
#include "world/picture_store.h"
#include "world/wait_window.h"

namespace gallox {
namespace {

using testing::ModalWatch;
using testing::RecordingMessenger;
using testing::RecordingView;
using testing::SteadyRandom;

struct World {
  World() {
    game.attachView(view);
    game.startUp(GALLOX_ROUTE_FILE);
  }
  SteadyRandom random;
  RecordingMessenger messenger;
  RecordingView view;
  Game game{random, messenger};
  PictureStore pictures;
};

QString text(const QWidget& window, const char* name) {
  if (auto* label = window.findChild<QLabel*>(QLatin1String(name))) return label->text();
  if (auto* button = window.findChild<QPushButton*>(QLatin1String(name))) return button->text();
  return QStringLiteral("<no %1>").arg(QLatin1String(name));
}

QComboBox& cityList(const QWidget& window) {
  return *window.findChild<QComboBox*>(QStringLiteral("city_choose"));
}
QPushButton& button(const QWidget& window, const char* name) {
  return *window.findChild<QPushButton*>(QLatin1String(name));
}
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
  std::unique_ptr<World> world_;
  std::unique_ptr<CitiesWindow> window_;

  CitiesWindow& open() {
    window_ = std::make_unique<CitiesWindow>(world_->game, world_->pictures);
    window_->setAttribute(Qt::WA_DeleteOnClose, false);
    window_->show();
    return *window_;
  }

 private slots:
  void initTestCase() { installFontSubstitutions(); }

  void init() { world_ = std::make_unique<World>(); }

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
    world_->game.player().setLocation(city.toStdString());
    const CitiesWindow& window = open();
    QCOMPARE(cityList(window).currentText(), city);
    QCOMPARE(text(window, "rp_ir"), QStringLiteral("Yes"));
    QCOMPARE(text(window, "rp_nor"), QStringLiteral("1"));
    QCOMPARE(text(window, "rp_noh"), horses);
    QCOMPARE(text(window, "rp_efee"), fee);
    QCOMPARE(text(window, "cmdTravel"), QStringLiteral("Travel to ") + city);
    QCOMPARE(text(window, "lblChosen"), QStringLiteral("travel by: Bus"));
    QCOMPARE(text(window, "rp_tfee"), QStringLiteral("no route available"));
    QVERIFY(!button(window, "cmdTravel").isEnabled());
    const QWidget& frame = *window.findChild<QWidget*>(QStringLiteral("chosen"));
    QCOMPARE(frame.geometry(), vehicleImage(window, 0).geometry());
    for (int v = 0; v < kVehicleCount; ++v)
      QCOMPARE(vehicleImage(window, v).pixmap().cacheKey(),
               world_->pictures.veh_dis(v).cacheKey());
  }

  void anotherCityShowsItsPictureFeeAndFares() {
    const CitiesWindow& window = open();
    choose(window, QStringLiteral("Southampton"));

    const QLabel& picture = *window.findChild<QLabel*>(QStringLiteral("rp_image"));
    QCOMPARE(picture.pixmap().cacheKey(), world_->pictures.g_city(11).cacheKey());
    QCOMPARE(text(window, "cmdTravel"), QStringLiteral("Travel to Southampton"));
    QCOMPARE(text(window, "rp_efee"), QStringLiteral("GBP 15"));
    for (const char* raceLabel : {"rp_ir", "rp_nor", "rp_noh"})
      QCOMPARE(text(window, raceLabel), QStringLiteral("?"));
    QCOMPARE(text(window, "rp_tfee"), QStringLiteral("GBP 15"));
    QVERIFY(button(window, "cmdTravel").isEnabled());
    QCOMPARE(vehicleImage(window, 1).pixmap().cacheKey(), world_->pictures.veh(1).cacheKey());
    QCOMPARE(vehicleImage(window, 3).pixmap().cacheKey(), world_->pictures.veh_dis(3).cacheKey());

    QTest::mouseClick(&vehicleImage(window, 1), Qt::LeftButton);
    QCOMPARE(text(window, "lblChosen"), QStringLiteral("travel by: Train"));
    QCOMPARE(text(window, "rp_tfee"), QStringLiteral("GBP 32"));
    QCOMPARE(window.findChild<QWidget*>(QStringLiteral("chosen"))->x(), vehicleImage(window, 1).x());

    QTest::mouseClick(&vehicleImage(window, 2), Qt::LeftButton);
    QCOMPARE(text(window, "rp_tfee"), QStringLiteral("no route available"));
    QVERIFY(!button(window, "cmdTravel").isEnabled());
    QTest::mouseClick(&vehicleImage(window, 0), Qt::LeftButton);
    QVERIFY(button(window, "cmdTravel").isEnabled());

    choose(window, QStringLiteral("Penzance"));
    QCOMPARE(text(window, "lblChosen"), QStringLiteral("travel by: Airplane"));
    QCOMPARE(text(window, "rp_tfee"), QStringLiteral("GBP 109"));
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
        moneyDuringTheWait = world_->game.player().Money();
        placeDuringTheWait = world_->game.player().Location();
      }
    });
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(&button(window, "cmdTravel"), Qt::LeftButton);
    QVERIFY2(clock.elapsed() >= 1400, "the journey took no time");

    QCOMPARE(waitMessage, QStringLiteral("You are travelling to the desired destination."));
    QCOMPARE(moneyDuringTheWait, 118.0f);
    QCOMPARE(placeDuringTheWait, std::string("London"));
    QCOMPARE(world_->game.player().Money(), 118.0f);
    QCOMPARE(world_->view.location, std::string("Southampton"));
    QCOMPARE(text(window, "rp_noh"), QStringLiteral("7"));
    // The fare line still shows the journey just made.
    QCOMPARE(text(window, "rp_tfee"), QStringLiteral("GBP 32"));

    // Already there: a second press costs nothing and waits for nothing.
    const int waitsSoFar = watch.answered();
    QTest::mouseClick(&button(window, "cmdTravel"), Qt::LeftButton);
    QCOMPARE(world_->game.player().Money(), 118.0f);
    QCOMPARE(watch.answered(), waitsSoFar);
    QVERIFY(world_->messenger.messages.empty());
  }

  void travelWithoutTheFareIsRefused() {
    world_->game.player().setMoney(14.0f);
    const CitiesWindow& window = open();
    choose(window, QStringLiteral("Southampton"));
    ModalWatch watch([](QWidget* modal) { modal->close(); });
    QTest::mouseClick(&button(window, "cmdTravel"), Qt::LeftButton);
    QTest::qWait(20);

    QCOMPARE(watch.answered(), 0);
    QCOMPARE(world_->game.player().Money(), 14.0f);
    QCOMPARE(world_->game.player().Location(), std::string("London"));
    QCOMPARE(text(window, "rp_ir"), QStringLiteral("?"));
  }

  // Enters the meeting of the city shown and leaves it at once, as a player closing the race
  // window would; gives the meeting line the race window showed, or nothing when none opened.
  QString enterAndLeave(CitiesWindow& window) {
    QString meetingLine;
    ModalWatch watch([&](QWidget* modal) {
      if (auto* race = qobject_cast<RaceWindow*>(modal)) {
        meetingLine = race->findChild<QLabel*>(QStringLiteral("info"))->text();
        race->close();
      } else if (auto* question = qobject_cast<QMessageBox*>(modal)) {
        question->button(QMessageBox::Yes)->click();
      }
    });
    world_->random.racing = true;
    QTest::mouseClick(&button(window, "cmdEnter"), Qt::LeftButton);
    world_->random.racing = false;
    return meetingLine;
  }

  void theMeetingLeftAtOnceIsOverForTheMonth() {
    CitiesWindow& window = open();
    QCOMPARE(enterAndLeave(window), QStringLiteral("Race 1/1 in London"));
    QCOMPARE(world_->game.player().Money(), 130.0f);
    QVERIFY(world_->game.RPs()[6].RacesFinished());

    // Entering again opens nothing and charges nothing.
    QCOMPARE(enterAndLeave(window), QString());
    QCOMPARE(world_->game.player().Money(), 130.0f);
  }

  // The window may go while the player waits or races (closed from elsewhere): what was paid for
  // still happens, and nothing that went with the window is touched afterwards.
  void theWindowMayGoDuringAJourneyOrAMeeting() {
    choose(open(), QStringLiteral("Southampton"));
    {
      ModalWatch watch([this](QWidget* modal) {
        if (qobject_cast<WaitWindow*>(modal)) window_.reset();
      });
      button(*window_, "cmdTravel").click();
      QCOMPARE(watch.answered(), 1);
    }
    QVERIFY(!window_);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(world_->game.player().Location(), std::string("Southampton"));
    QCOMPARE(world_->game.player().Money(), 135.0f);

    // At the meeting, while the player is asked whether to leave.
    open();
    {
      ModalWatch watch([this](QWidget* modal) {
        if (qobject_cast<RaceWindow*>(modal)) modal->close();
        else if (qobject_cast<QMessageBox*>(modal)) window_.reset();
      });
      world_->random.racing = true;
      button(*window_, "cmdEnter").click();
      world_->random.racing = false;
      QCOMPARE(watch.answered(), 2);
    }
    QVERIFY(!window_);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(world_->game.RPs()[11].RacesFinished());
    QCOMPARE(world_->game.player().Money(), 120.0f);
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::CitiesWindowTest)
#include "cities_window_test.moc"
