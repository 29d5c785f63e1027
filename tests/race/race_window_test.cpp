// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// A race meeting as the player meets it: entering, the stake, doping, a race run to its end,
// skipping races and leaving, with the window's own message boxes answered as they come.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "race/race_field_view.h"
#include "race/race_window.h"
#include "support/recorders.h"
#include "support/scripted_random.h"
#include "world/game.h"
#include "world/look.h"
#include "world/picture_store.h"

namespace gallox {

namespace {

constexpr int kPriest = 0;         // least stake 20
constexpr int kJohny = 1;          // least stake 25
constexpr int kBrendan = 5;        // least stake 20
constexpr int kLuckyStrike = 29;   // the fastest, least stake 1250
constexpr float kFullStride = 0.9999f;
constexpr float kPoliceThere = 0.99f;
constexpr int kTickLimit = 1000;

float pickOf(int horse) { return (static_cast<float>(horse) + 0.5f) / kHorseCount; }

// What a message box said before it was answered.
struct Answered {
  QString title;
  QString text;
  int count = 0;
};

// Answers the next message box that offers `button`, from inside its own event loop. The race
// window is modal itself, so only a message box counts.
void answerNextBox(QMessageBox::StandardButton button, Answered* seen, int triesLeft = 200) {
  QTimer::singleShot(5, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->button(button)) {
      if (triesLeft > 0) answerNextBox(button, seen, triesLeft - 1);
      return;
    }
    seen->title = box->windowTitle();
    seen->text = box->text();
    ++seen->count;
    box->button(button)->click();
  });
}

}  // namespace

class RaceWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { installFontSubstitutions(); }
  void init();
  void cleanup();

  void entryShowsTheFirstRaceAndItsOdds();
  void refusedStakesSayWhyAndSendThePlayerBackToTheStake();
  void takenStakeReadiesTheStart();
  void dopingUntilTheOverdose();
  void raceRunsToItsEndAndPays();
  void lastRaceEndsWithExitRaces();
  void skipDrawsTheNextRaceAndOnTheLastAsksToLeave();
  void answeringNoKeepsTheRaceRunningAndYesEndsIt();
  void leavingAfterDopingMeetsThePolice();
  void rightButtonDragScrollsTheTrack();

 private:
  // Enters a meeting whose first race holds exactly these horses.
  void enter(int races, const QString& park, std::initializer_list<int> field);
  void scriptRace(std::initializer_list<int> field, float policeDraw = 0.0f);
  void typeStake(const QString& stake);
  void click(const char* name);
  void select(int listIndex);
  int tickToTheEnd();
  QString msg() const { return child<QLabel>("msg")->text(); }
  template <typename W>
  W* child(const char* name) const {
    W* found = window->findChild<W*>(QString::fromLatin1(name));
    if (!found) qFatal("no control %s", name);
    return found;
  }

  std::unique_ptr<testing::ScriptedRandom> random;
  std::unique_ptr<testing::RecordingMessenger> messenger;
  std::unique_ptr<testing::RecordingView> view;
  std::unique_ptr<Game> game;
  std::unique_ptr<PictureStore> pictures;
  std::unique_ptr<RaceWindow> window;
};

void RaceWindowTest::init() {
  random = std::make_unique<testing::ScriptedRandom>();
  random->fallBackTo(0.5f);
  messenger = std::make_unique<testing::RecordingMessenger>();
  view = std::make_unique<testing::RecordingView>();
  game = std::make_unique<Game>(*random, *messenger);
  game->attachView(*view);
  game->startUp(GALLOX_ROUTE_FILE);
  pictures = std::make_unique<PictureStore>();
  window = std::make_unique<RaceWindow>(*game, *pictures);
}

void RaceWindowTest::cleanup() {
  window.reset();
  game.reset();
}

void RaceWindowTest::scriptRace(std::initializer_list<int> field, float policeDraw) {
  for (int h : field) random->add({pickOf(h)});
  random->add({policeDraw});
}

void RaceWindowTest::enter(int races, const QString& park, std::initializer_list<int> field) {
  scriptRace(field);
  window->sendData(races, park, static_cast<int>(field.size()));
  window->showInfo();
  window->initFirstRace();
  window->show();
}

void RaceWindowTest::typeStake(const QString& stake) {
  auto* txtBet = child<QLineEdit>("txtBet");
  txtBet->clear();
  QTest::keyClicks(txtBet, stake);
}

void RaceWindowTest::click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }

void RaceWindowTest::select(int listIndex) { child<QComboBox>("cmbHorse")->setCurrentIndex(listIndex); }

int RaceWindowTest::tickToTheEnd() {
  int ticks = 0;
  while (!child<QPushButton>("nextRace")->isEnabled() && ticks < kTickLimit) {
    window->tickTimer();
    ++ticks;
  }
  return ticks;
}

void RaceWindowTest::entryShowsTheFirstRaceAndItsOdds() {
  scriptRace({kLuckyStrike, kPriest, kJohny});
  window->sendData(3, QStringLiteral("Bath"), 3);
  window->showInfo();
  QCOMPARE(child<QLabel>("info")->text(), QStringLiteral("Race 0/3 in Bath"));
  window->initFirstRace();
  window->show();

  QCOMPARE(window->windowTitle(), QStringLiteral("Race"));
  QCOMPARE(window->size(), QSize(724, 551));
  QCOMPARE(child<QLabel>("info")->text(), QStringLiteral("Race 1/3 in Bath"));
  auto* list = child<QComboBox>("cmbHorse");
  QCOMPARE(list->count(), 3);
  QCOMPARE(list->itemText(0), QStringLiteral("Lucky Strike"));
  QCOMPARE(list->itemText(1), QStringLiteral("Priest"));
  QCOMPARE(list->itemText(2), QStringLiteral("Johny"));
  QCOMPARE(list->currentIndex(), 0);
  // The fastest horse against two of the slowest is even money.
  QCOMPARE(child<QLabel>("rate")->text(), QStringLiteral("1.0:1"));
  QCOMPARE(child<QLabel>("Label3")->text(), QStringLiteral("rate:"));
  QCOMPARE(child<QLabel>("Label1")->text(), QStringLiteral("I bet"));
  QCOMPARE(child<QLabel>("Label2")->text(), QStringLiteral("$ on horse:"));
  QCOMPARE(child<QPushButton>("nextRace")->text(), QStringLiteral("Skip Race"));
  QVERIFY(child<QPushButton>("setBet")->isEnabled());
  QVERIFY(child<QPushButton>("cmdDope")->isEnabled());
  QVERIFY(child<QPushButton>("nextRace")->isEnabled());
  QVERIFY(!child<QPushButton>("startRace")->isEnabled());
  QVERIFY(msg().isEmpty());

  select(1);
  QCOMPARE(child<QLabel>("rate")->text(), QString::fromStdString(window->meeting().rateText(1)));
}

void RaceWindowTest::refusedStakesSayWhyAndSendThePlayerBackToTheStake() {
  enter(3, QStringLiteral("Bath"), {kLuckyStrike, kPriest, kJohny});
  auto* txtBet = child<QLineEdit>("txtBet");
  QWidget* focusBefore = window->focusWidget();
  QVERIFY(focusBefore != txtBet);

  child<QPushButton>("setBet")->click();
  QCOMPARE(msg(), QStringLiteral("You placed no bet!"));
  QCOMPARE(window->focusWidget(), focusBefore);

  for (const char* nonsense : {"abc", "1e3", "0x10", "nan", "inf", "12,5"}) {
    typeStake(QString::fromLatin1(nonsense));
    child<QPushButton>("setBet")->click();
    QCOMPARE(msg(), QStringLiteral("Please enter a valid bet!"));
    QCOMPARE(window->focusWidget(), focusBefore);
  }

  typeStake(QStringLiteral("1249.99"));
  child<QPushButton>("setBet")->click();
  QCOMPARE(msg(), QStringLiteral("Sorry, but on horse Lucky Strike you must bet at least GBP 1250"));
  QCOMPARE(window->focusWidget(), txtBet);

  child<QComboBox>("cmbHorse")->setFocus();
  typeStake(QStringLiteral("1500.01"));
  child<QPushButton>("setBet")->click();
  QCOMPARE(msg(), QStringLiteral("Sorry, but you can bet at most GBP 1500"));
  QCOMPARE(window->focusWidget(), txtBet);
  QCOMPARE(txtBet->text(), QStringLiteral("1500.01"));

  // The purse of GBP 150 can't cover 1300: nothing is said and nothing changes.
  typeStake(QStringLiteral("1300"));
  child<QPushButton>("setBet")->click();
  QCOMPARE(msg(), QStringLiteral("Sorry, but you can bet at most GBP 1500"));
  QCOMPARE(game->player().Money(), 150.0f);
  QVERIFY(messenger->messages.empty());
  QVERIFY(child<QPushButton>("setBet")->isEnabled());
  QVERIFY(!child<QPushButton>("startRace")->isEnabled());
}

void RaceWindowTest::takenStakeReadiesTheStart() {
  enter(3, QStringLiteral("Bath"), {kLuckyStrike, kPriest, kJohny});
  select(2);
  typeStake(QStringLiteral(" 100.7 "));
  click("setBet");
  QCOMPARE(msg(), QStringLiteral("Hit -Start Race- button to start"));
  QVERIFY(child<QPushButton>("startRace")->isEnabled());
  QVERIFY(!child<QPushButton>("setBet")->isEnabled());
  QVERIFY(!child<QPushButton>("nextRace")->isEnabled());
  QVERIFY(!child<QPushButton>("cmdDope")->isEnabled());
  QCOMPARE(QString::fromStdString(view->money), QStringLiteral("GBP 49.30"));
  QCOMPARE(window->meeting().betAmount(), 100.0f);
  QCOMPARE(window->meeting().betHorse(), 2);

  // Choosing a horse before the start offers doping again; the stake stays where it is.
  select(0);
  QVERIFY(child<QPushButton>("cmdDope")->isEnabled());
  QVERIFY(!child<QPushButton>("setBet")->isEnabled());
  QCOMPARE(window->meeting().betHorse(), 2);
}

void RaceWindowTest::dopingUntilTheOverdose() {
  enter(3, QStringLiteral("Bath"), {kPriest, kJohny, kBrendan});
  select(1);
  click("cmdDope");
  QCOMPARE(msg(), QStringLiteral("You don't have enough dopings!"));
  QCOMPARE(int(window->meeting().field()[1].doses), 0);

  for (int i = 0; i < 7; ++i) game->player().buyDoping();
  for (int dose = 1; dose <= 6; ++dose) {
    click("cmdDope");
    QCOMPARE(msg(), QStringLiteral("Horse Johny has been doped."));
  }
  QVERIFY(child<QPushButton>("cmdDope")->isEnabled());
  click("cmdDope");
  QCOMPARE(msg(), QStringLiteral("Horse Johny has been overdosed!"));
  QVERIFY(!child<QPushButton>("cmdDope")->isEnabled());
  QCOMPARE(window->meeting().field()[1].place, kOutOfRace);

  select(2);
  QVERIFY(child<QPushButton>("cmdDope")->isEnabled());
  select(1);
  QVERIFY(!child<QPushButton>("cmdDope")->isEnabled());
  QCOMPARE(int(game->player().dopings()), 0);
}

void RaceWindowTest::raceRunsToItsEndAndPays() {
  enter(3, QStringLiteral("Bath"), {kPriest, kJohny, kBrendan});
  game->player().setMoney(1000.0f);
  select(2);
  typeStake(QStringLiteral("100"));
  click("setBet");
  random->fallBackTo(kFullStride);
  click("startRace");
  QVERIFY(!child<QPushButton>("startRace")->isEnabled());
  QVERIFY(!child<QPushButton>("nextRace")->isEnabled());

  // Every horse strides alike: all three cross in one tick and are placed in list order.
  const int ticks = tickToTheEnd();
  QCOMPARE(ticks, 74);
  QCOMPARE(child<QPushButton>("nextRace")->text(), QStringLiteral("Next Race"));
  const RaceEntry& brendan = window->meeting().field()[2];
  QCOMPARE(int(brendan.place), 3);
  const float won = RaceMeeting::payout(brendan, window->meeting().placeFactor(), 100.0f, 3);
  QCOMPARE(msg(), QStringLiteral("Your horse came 3. and you won GBP %1!").arg(QString::fromStdString(generalText(won))));
  QCOMPARE(game->player().Money(), 900.0f + won);
  QVERIFY(!child<QPushButton>("setBet")->isEnabled());

  // The next race starts afresh.
  scriptRace({kLuckyStrike, kPriest, kJohny});
  click("nextRace");
  QCOMPARE(child<QLabel>("info")->text(), QStringLiteral("Race 2/3 in Bath"));
  QCOMPARE(child<QComboBox>("cmbHorse")->itemText(0), QStringLiteral("Lucky Strike"));
  QVERIFY(msg().isEmpty());
  QVERIFY(child<QPushButton>("setBet")->isEnabled());
}

void RaceWindowTest::lastRaceEndsWithExitRaces() {
  enter(1, QStringLiteral("Exeter"), {kPriest, kJohny, kBrendan});
  game->player().buyDoping();
  select(0);
  click("cmdDope");
  typeStake(QStringLiteral("20"));
  click("setBet");
  random->fallBackTo(kFullStride);
  click("startRace");
  tickToTheEnd();
  QCOMPARE(child<QPushButton>("nextRace")->text(), QStringLiteral("Exit Races"));

  // Leaving checks the last race's doping.
  random->add({kPoliceThere});
  Answered question, fine;
  answerNextBox(QMessageBox::Yes, &question);
  QTimer::singleShot(0, [&] { answerNextBox(QMessageBox::Ok, &fine); });
  click("nextRace");
  QCOMPARE(question.text, QStringLiteral("Are you sure you want to leave?"));
  QCOMPARE(fine.text, QStringLiteral("Police has caught you and you were fined GBP 150 for using dopings."));
  QCOMPARE(fine.title, QStringLiteral("Gallox Sprintz"));
  QVERIFY(!window->isVisible());
}

void RaceWindowTest::skipDrawsTheNextRaceAndOnTheLastAsksToLeave() {
  enter(2, QStringLiteral("Bath"), {kPriest, kJohny, kBrendan});
  scriptRace({kLuckyStrike, kPriest, kJohny});
  click("nextRace");
  QCOMPARE(child<QLabel>("info")->text(), QStringLiteral("Race 2/2 in Bath"));
  QCOMPARE(child<QComboBox>("cmbHorse")->itemText(0), QStringLiteral("Lucky Strike"));
  QCOMPARE(child<QPushButton>("nextRace")->text(), QStringLiteral("Skip Race"));

  Answered question;
  answerNextBox(QMessageBox::No, &question);
  click("nextRace");
  QCOMPARE(question.count, 1);
  QCOMPARE(question.title, QStringLiteral("Gallox Sprintz"));
  QCOMPARE(question.text, QStringLiteral("Are you sure you want to leave?"));
  QVERIFY(window->isVisible());
  QCOMPARE(child<QLabel>("info")->text(), QStringLiteral("Race 2/2 in Bath"));

  answerNextBox(QMessageBox::Yes, &question);
  click("nextRace");
  QCOMPARE(question.count, 2);
  QVERIFY(!window->isVisible());
  QCOMPARE(window->result(), int(QDialog::Rejected));
}

void RaceWindowTest::answeringNoKeepsTheRaceRunningAndYesEndsIt() {
  enter(3, QStringLiteral("Bath"), {kPriest, kJohny, kBrendan});
  typeStake(QStringLiteral("20"));
  click("setBet");
  click("startRace");
  for (int t = 0; t < 5; ++t) window->tickTimer();
  const std::int16_t pos = window->meeting().field()[0].pos;

  Answered question;
  answerNextBox(QMessageBox::No, &question);
  window->close();
  QCOMPARE(question.count, 1);
  QVERIFY(window->isVisible());
  QVERIFY(!child<QPushButton>("nextRace")->isEnabled());
  window->tickTimer();
  QVERIFY(window->meeting().field()[0].pos > pos);

  // Leaving for good ends the race where it stands: the stake is lost.
  answerNextBox(QMessageBox::Yes, &question);
  window->close();
  QVERIFY(!window->isVisible());
  const std::int16_t leftAt = window->meeting().field()[0].pos;
  QTest::qWait(3 * RaceWindow::kTickMs);
  QCOMPARE(window->meeting().field()[0].pos, leftAt);
  QCOMPARE(game->player().Money(), 130.0f);
}

void RaceWindowTest::leavingAfterDopingMeetsThePolice() {
  enter(3, QStringLiteral("Bath"), {kPriest, kJohny, kBrendan});
  for (int i = 0; i < 2; ++i) game->player().buyDoping();
  click("cmdDope");
  select(2);
  click("cmdDope");
  random->add({kPoliceThere});
  Answered question, fine;
  answerNextBox(QMessageBox::Yes, &question);
  QTimer::singleShot(0, [&] { answerNextBox(QMessageBox::Ok, &fine); });
  window->close();
  QCOMPARE(fine.text, QStringLiteral("Police has caught you and you were fined GBP 300 for using dopings."));
  QCOMPARE(game->player().Money(), -150.0f);
  QCOMPARE(QString::fromStdString(view->money), QStringLiteral("-GBP 150.00"));
  QVERIFY(!window->isVisible());
}

void RaceWindowTest::rightButtonDragScrollsTheTrack() {
  enter(3, QStringLiteral("Bath"), {kPriest, kJohny, kBrendan});
  auto* field = child<RaceFieldView>("racefield");
  const QImage track = pictures->picture(QStringLiteral("track.svg")).toImage().convertToFormat(QImage::Format_RGB32);
  QCOMPARE(track.size(), QSize(800, 386));
  // Below the three horses only the track shows.
  constexpr int kLine = 300;
  auto lineAt = [](const QImage& image, int x, int width) {
    return QByteArray(reinterpret_cast<const char*>(image.constScanLine(kLine)) + x * 4, width * 4);
  };
  const int viewW = field->area().image.width();
  QCOMPARE(lineAt(field->area().image, 0, viewW), lineAt(track, 0, viewW));

  auto move = [&](QPointF at, Qt::MouseButtons buttons) {
    const QPointF inField = at + QPointF(1, 1);
    QMouseEvent event(QEvent::MouseMove, inField, field->mapToGlobal(inField), Qt::NoButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(field, &event);
  };
  move({300, 100}, Qt::RightButton);
  move({340, 90}, Qt::RightButton);
  QCOMPARE(lineAt(field->area().image, 0, viewW), lineAt(track, 40, viewW));

  // Without the right button alone the drag ends, and the view stays where it is.
  move({100, 100}, Qt::RightButton | Qt::LeftButton);
  move({400, 100}, Qt::RightButton);
  QCOMPARE(lineAt(field->area().image, 0, viewW), lineAt(track, 40, viewW));
  move({2000, 100}, Qt::RightButton);
  QCOMPARE(lineAt(field->area().image, 0, viewW), lineAt(track, track.width() - viewW, viewW));
  move({2000, 100}, Qt::NoButton);
  move({0, 100}, Qt::RightButton);
  move({-5000, 100}, Qt::RightButton);
  QCOMPARE(lineAt(field->area().image, 0, viewW), lineAt(track, 0, viewW));
}

}  // namespace gallox

QTEST_MAIN(gallox::RaceWindowTest)
#include "race_window_test.moc"
