// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// A race meeting as the player meets it: entering, the stake, doping, a race run to its end,
// skipping races and leaving, with the window's own message boxes answered as they come.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QtTest>
#include <memory>

#include "race/race_field_view.h"
#include "race/race_window.h"
#include "support/controls.h"
#include "support/modal_watch.h"
#include "support/game_tables.h"
#include "support/scripted_random.h"
#include "support/world.h"
#include "world/look.h"
#include "world/picture_store.h"

namespace gallox {

using namespace testing;

class RaceWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<GameWorld<ScriptedRandom>> world;
  PictureStore pictures;
  std::unique_ptr<RaceWindow> window;

  template <typename W>
  W* child(const char* name) const { return &control<W>(*window, name); }
  void click(const char* name) { testing::click(*window, name); }
  void select(int listIndex) { child<QComboBox>("cmbHorse")->setCurrentIndex(listIndex); }
  bool enabled(const char* button) const { return child<QPushButton>(button)->isEnabled(); }
  QString text(const char* name) const { return shownText(*window, name); }
  QString msg() const { return text("msg"); }
  QStringList horses() const {
    QStringList names;
    for (auto* list = child<QComboBox>("cmbHorse"); names.size() < list->count();) names << list->itemText(int(names.size()));
    return names;
  }
  void scriptRace(std::initializer_list<int> field, float policeDraw = 0.0f) {
    for (int h : field) world->random.add({pickOf(h)});
    world->random.add({policeDraw});
  }
  // Enters a meeting (by default of 3 races at Bath) whose first race holds exactly these horses.
  void enter(std::initializer_list<int> field, int races = 3, const QString& park = QStringLiteral("Bath")) {
    scriptRace(field);
    window->sendData(races, park, static_cast<int>(field.size()));
    window->showInfo();
    window->initFirstRace();
    window->show();
  }
  // Types the stake and presses "Set Bet".
  void bet(const QString& stake) {
    child<QLineEdit>("txtBet")->clear();
    QTest::keyClicks(child<QLineEdit>("txtBet"), stake);
    click("setBet");
  }
  // Ticks the race until "Next Race" comes back.
  void tickToTheEnd() {
    for (int ticks = 0; !enabled("nextRace") && ticks < 1000; ++ticks) window->tickTimer();
  }

 private slots:
  void initTestCase() { installFontSubstitutions(); }

  void init() {
    world = std::make_unique<GameWorld<ScriptedRandom>>();
    world->random.fallBackTo(0.5f);
    world->start();
    window = std::make_unique<RaceWindow>(world->game, pictures);
  }

  void cleanup() { window.reset(); world.reset(); }

  void entryShowsTheFirstRaceAndItsOdds() {
    enter({kLuckyStrike, kPriest, kJohny});
    QCOMPARE(text("info"), QStringLiteral("Race 1/3 in Bath"));
    QCOMPARE(horses(), QStringList({"Lucky Strike", "Priest", "Johny"}));
    QCOMPARE(child<QComboBox>("cmbHorse")->currentIndex(), 0);
    // The fastest horse against two of the slowest is even money.
    QCOMPARE(text("rate"), QStringLiteral("1.0:1"));
    QCOMPARE(text("nextRace"), QStringLiteral("Skip Race"));
    QVERIFY(enabled("setBet") && enabled("cmdDope") && enabled("nextRace"));
    QVERIFY(!enabled("startRace"));
    QVERIFY(msg().isEmpty());

    select(1);
    QCOMPARE(text("rate"), QStringLiteral("5.3:1"));
  }

  void refusedStakesSayWhyAndLeaveTheRaceUnstarted_data() {
    QTest::addColumn<QString>("stake");
    QTest::addColumn<QString>("said");
    QTest::addColumn<bool>("backToTheStake");
    // The meeting's table of refusals: here, one of each way the window answers them.
    QTest::newRow("none") << QString() << "You placed no bet!" << false;
    QTest::newRow("below the least") << "1249.99" << "Sorry, but on horse Lucky Strike you must bet at least GBP 1250"
                                     << true;
    // The purse of GBP 150 can't cover it: nothing is said.
    QTest::newRow("more than the purse") << "1300" << QString() << false;
  }

  void refusedStakesSayWhyAndLeaveTheRaceUnstarted() {
    QFETCH(QString, stake);
    QFETCH(QString, said);
    QFETCH(bool, backToTheStake);
    enter({kLuckyStrike, kPriest, kJohny});
    auto* txtBet = child<QLineEdit>("txtBet");
    child<QComboBox>("cmbHorse")->setFocus();
    bet(stake);
    QCOMPARE(msg(), said);
    QCOMPARE(window->focusWidget() == txtBet, backToTheStake);
    QCOMPARE(txtBet->text(), stake);
    QVERIFY(enabled("setBet"));
    QVERIFY(!enabled("startRace"));
    QVERIFY(world->messenger.messages.empty());
  }

  void dopingUntilTheOverdose() {
    enter({kPriest, kJohny, kBrendan});
    select(1);
    for (int i = 0; i < 7; ++i) world->game.player().buyDoping();
    for (int dose = 1; dose <= 6; ++dose) click("cmdDope");
    QCOMPARE(msg(), QStringLiteral("Horse Johny has been doped."));
    QVERIFY(enabled("cmdDope"));
    click("cmdDope");
    QCOMPARE(msg(), QStringLiteral("Horse Johny has been overdosed!"));
    QVERIFY(!enabled("cmdDope"));

    select(2);
    QVERIFY(enabled("cmdDope"));
    // A stake taken closes the doping, and choosing a horse before the start opens it again for
    // any horse but the overdosed one, and no second stake.
    bet(QStringLiteral("20"));
    QVERIFY(!enabled("cmdDope"));
    select(1);
    QVERIFY(!enabled("cmdDope"));
    select(0);
    QVERIFY(enabled("cmdDope") && !enabled("setBet"));
  }

  void raceRunsToItsEndAndPays() {
    enter({kPriest, kJohny, kBrendan});
    select(2);
    bet(QStringLiteral(" 100 "));
    QCOMPARE(msg(), QStringLiteral("Hit -Start Race- button to start"));
    QVERIFY(enabled("startRace"));
    QVERIFY(!enabled("setBet") && !enabled("nextRace") && !enabled("cmdDope"));
    world->random.fallBackTo(kFullStride);
    click("startRace");
    QVERIFY(!enabled("startRace") && !enabled("nextRace"));
    // While the race runs, choosing a horse offers no doping.
    select(0);
    QVERIFY(!enabled("cmdDope"));

    // Every horse strides alike: all three cross in one tick and are placed in list order.
    tickToTheEnd();
    QCOMPARE(text("nextRace"), QStringLiteral("Next Race"));
    QVERIFY(msg().startsWith(QStringLiteral("Your horse came 3. and you won GBP ")));
    QCOMPARE(msg(), QString::fromStdString(window->meeting().result()));
    QVERIFY(!enabled("setBet"));

    // The next race starts afresh.
    scriptRace({kLuckyStrike, kPriest, kJohny});
    click("nextRace");
    QCOMPARE(text("info"), QStringLiteral("Race 2/3 in Bath"));
    QCOMPARE(horses().front(), QStringLiteral("Lucky Strike"));
    QCOMPARE(text("nextRace"), QStringLiteral("Skip Race"));
    QVERIFY(msg().isEmpty());
    QVERIFY(enabled("setBet"));
  }

  // Skipping draws the next race, the police checking the doping of the race skipped; on the
  // last, the button and the close box ask first. No leaves the race running; yes ends it where
  // it stands, the stake lost and the race's doping checked by the police on the way out.
  void skippingThenLeavingDuringTheRace() {
    const QString fined = QStringLiteral("Police has caught you and you were fined GBP 150 for using dopings.");
    enter({kPriest, kJohny, kBrendan}, 2);
    world->game.player().gainMoney(150.0f);
    for (int i = 0; i < 2; ++i) world->game.player().buyDoping();
    click("cmdDope");
    scriptRace({kLuckyStrike, kPriest, kJohny}, kPoliceThere);
    BoxAnswers question(QMessageBox::No);
    click("nextRace");
    QCOMPARE(question.texts, QStringList(fined));
    QCOMPARE(text("info"), QStringLiteral("Race 2/2 in Bath"));
    QCOMPARE(horses().front(), QStringLiteral("Lucky Strike"));
    click("nextRace");
    QCOMPARE(question.texts.last(), QStringLiteral("Are you sure you want to leave?"));
    QCOMPARE(question.titles.last(), QStringLiteral("Gallox Sprintz"));
    QVERIFY(window->isVisible());
    QCOMPARE(text("info"), QStringLiteral("Race 2/2 in Bath"));

    select(1);
    click("cmdDope");
    bet(QStringLiteral("20"));
    click("startRace");
    for (int t = 0; t < 5; ++t) window->tickTimer();
    const std::int16_t pos = window->meeting().field()[1].pos;
    window->close();
    QCOMPARE(question.texts.size(), 3);
    QVERIFY(window->isVisible());
    QVERIFY(!enabled("nextRace"));
    window->tickTimer();
    QVERIFY(window->meeting().field()[1].pos > pos);

    question.reply = QMessageBox::Yes;
    world->random.fallBackTo(kPoliceThere);
    window->close();
    QCOMPARE(question.texts.last(), fined);
    QVERIFY(!window->isVisible());
    QCOMPARE(window->result(), int(QDialog::Rejected));
    const std::int16_t leftAt = window->meeting().field()[1].pos;
    QTest::qWait(3 * RaceWindow::kTickMs);
    QCOMPARE(window->meeting().field()[1].pos, leftAt);
    QCOMPARE(world->game.player().Money(), 300.0f - 150.0f - 20.0f - 150.0f);
  }

  void rightButtonDragScrollsTheTrack() {
    enter({kPriest, kJohny, kBrendan});
    auto* field = child<RaceFieldView>("racefield");
    const QImage track = pictures.picture(QStringLiteral("track.svg")).toImage().convertToFormat(QImage::Format_RGB32);
    // A line below the three horses, where only the track shows, from pixel x on, as wide as the view.
    auto line = [w = field->area().image.width()](const QImage& image, int x) {
      return QByteArray(reinterpret_cast<const char*>(image.constScanLine(300)) + x * 4, w * 4);
    };
    auto trackFrom = [&](int x) { return line(track, x); };
    auto shown = [&] { return line(field->area().image, 0); };
    auto move = [&](QPointF at, Qt::MouseButtons buttons) {
      QMouseEvent event(QEvent::MouseMove, at, field->mapToGlobal(at), Qt::NoButton, buttons, Qt::NoModifier);
      QApplication::sendEvent(field, &event);
    };
    QCOMPARE(shown(), trackFrom(0));
    move({300, 100}, Qt::RightButton);
    move({340, 90}, Qt::RightButton);
    QCOMPARE(shown(), trackFrom(40));

    // Without the right button alone the drag ends, and the next one starts where the view is.
    move({100, 100}, Qt::RightButton | Qt::LeftButton);
    move({400, 100}, Qt::RightButton);
    QCOMPARE(shown(), trackFrom(40));
    move({420, 100}, Qt::RightButton);
    QCOMPARE(shown(), trackFrom(60));
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::RaceWindowTest)
#include "race_window_test.moc"
