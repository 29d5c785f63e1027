// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// The main window as the player meets it: the status strip, the month's end, the purse's fade,
// the tips of the button row, the hidden hotspot, and the credits and licence windows. The
// newspaper's button and menu entry are read on the newspaper's own road.

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QProxyStyle>
#include <QToolButton>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>
#include <memory>

#include <qpa/qplatformwindow.h>

#include "mainwindow/credits_window.h"
#include "mainwindow/licence_window.h"
#include "mainwindow/tool_windows.h"
#include "support/controls.h"
#include "support/modal_watch.h"
#include "support/scripted_random.h"
#include "support/main_window_world.h"
#include "race/race_window.h"
#include "world/look.h"
#include "world/message_window.h"
#include "world/wait_window.h"

namespace gallox {

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  QLabel* label(const char* name) const { return &testing::control<QLabel>(*window_, name); }
  QString text(const char* name) const { return label(name)->text(); }
  QColor colour(const char* name) const { return label(name)->palette().color(QPalette::WindowText); }
  QWidget* control(const char* name) const { return &testing::control(*window_, name); }
  QTimer* flow() const { return &testing::control<QTimer>(*window_, "flow"); }

  std::unique_ptr<testing::MainWindowWorld<testing::ScriptedRandom>> world_;
  MainWindow* window_ = nullptr;

 private slots:
  // The look the game starts with.
  void initTestCase() { installLook(); }

  void init() {
    world_ = std::make_unique<testing::MainWindowWorld<testing::ScriptedRandom>>();
    world_->random.fallBackTo(0.5f);
    world_->start();
    window_ = world_->window.get();
    QApplication::setActiveWindow(window_);
    QVERIFY(QTest::qWaitForWindowActive(window_));
    // The pointer starts off the window, so that every test's first move is a real one.
    QCursor::setPos(QPoint(0, 0));
  }

  void cleanup() { world_.reset(); }

  // The game's style puts off reading the menu bar's overflow picture; it is there all the same.
  void theMenuBarsOverflowButtonHasThePlatformsPicture() {
    auto* overflow = window_->menuBar()->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    QVERIFY(overflow);
    QVERIFY(!overflow->isVisible());
    auto* gameStyle = qobject_cast<QProxyStyle*>(QApplication::style());
    QVERIFY(gameStyle);
    const QImage expected =
        gameStyle->baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16).toImage();
    QVERIFY(!expected.isNull());
    QCOMPARE(overflow->icon().pixmap(16).toImage(), expected);
  }

  void startsInLondonInJanuary2010AndTurnsTheMonth() {
    QCOMPARE(text("lCurrentDate"), QStringLiteral("January 2010"));
    QCOMPARE(text("lCurrentMoney"), QStringLiteral("GBP 150.00"));
    QCOMPARE(colour("lCurrentMoney"), QColor(Qt::black));
    QCOMPARE(text("lCurrentLocation"), QStringLiteral("London"));
    QCOMPARE(text("gain"), QStringLiteral("GBP 0"));
    QCOMPARE(text("NPs"), QString());
    QCOMPARE(text("tip"), QString());
    QVERIFY(!flow()->isActive());

    QTest::mouseClick(control("cmdGo"), Qt::LeftButton);
    QCOMPARE(text("lCurrentDate"), QStringLiteral("February 2010"));
    // The month's end passes the banks' and the dividends' changes through the purse, even
    // when they are nothing: the purse flashes green and starts to fade.
    QCOMPARE(colour("lCurrentMoney"), QColor(0, 255, 0));
    QVERIFY(flow()->isActive());
    world_->player().setCurrentDate(GameMonth{2010, 12});
    QTest::keyClick(window_, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(text("lCurrentDate"), QStringLiteral("January 2011"));
  }

  // The fade's colours are the purse's own; here a loss runs its course on the window's timer
  // (the month's end above shows a gain's green).
  void fadeRunsOutToBlack() {
    world_->player().gainMoney(-20.0f);
    QCOMPARE(colour("lCurrentMoney"), QColor(255, 0, 0));
    QCOMPARE(text("gain"), QStringLiteral("GBP -20.00"));
    for (int tick = 1; tick <= 15; ++tick) window_->flowTimer();
    QVERIFY(flow()->isActive());
    window_->flowTimer();
    QCOMPARE(colour("lCurrentMoney"), QColor(Qt::black));
    QCOMPARE(text("gain"), QStringLiteral("GBP 0"));
    QCOMPARE(colour("gain"), QColor(Qt::black));
    QVERIFY(!flow()->isActive());
    QCOMPARE(world_->player().gainSum(), 0.0f);
  }

  void tipFollowsThePointerAndTheBackgroundClearsIt() {
    QTest::mouseMove(control("cmdGo"));
    QCOMPARE(text("tip"), QStringLiteral("Next Month"));

    QTest::mouseMove(control("cons"));
    QCOMPARE(text("tip"), QStringLiteral("Console"));
    QCOMPARE(label("tip")->x(), px(4782));  // under the last button

    // Labels and the hotspot leave the tip alone; only the bare background clears it.
    QTest::mouseMove(control("lCurrentMoney"));
    QTest::mouseMove(control("cheat"));
    QCOMPARE(text("tip"), QStringLiteral("Console"));
    QTest::mouseMove(window_->centralWidget(), QPoint(20, 60));
    QCOMPARE(text("tip"), QString());
  }

  void hotspotAddsFiveThousandEachClick() {
    for (int click = 0; click < 3; ++click) QTest::mouseClick(control("cheat"), Qt::LeftButton);
    QCOMPARE(text("lCurrentMoney"), QStringLiteral("GBP 15150.00"));
    QCOMPARE(text("gain"), QStringLiteral("GBP 15000.00"));

    // A press that slides off the hotspot before the release is no click.
    QTest::mousePress(control("cheat"), Qt::LeftButton);
    QTest::mouseRelease(control("cheat"), Qt::LeftButton, {}, QPoint(-20, -20));
    QCOMPARE(text("lCurrentMoney"), QStringLiteral("GBP 15150.00"));
  }

  void creditsSlideInAndStartAgainOnEachOpening() {
    auto slideOnce = [](QWidget* modal) {
      auto* credits = qobject_cast<CreditsWindow*>(modal);
      QVERIFY(credits != nullptr);
      auto columns = [credits] {
        return std::pair(credits->findChild<QLabel*>("lblLeft")->x(), credits->findChild<QLabel*>("lblRight")->x());
      };
      auto* timer = credits->findChild<QTimer*>("Timer1");
      QCOMPARE(columns(), std::pair(px(-1404), px(4320)));
      QVERIFY(timer->isActive());
      for (int tick = 0; tick < 25; ++tick) credits->timer1Tick();
      QCOMPARE(columns(), std::pair(px(516), px(2320)));
      QVERIFY(!timer->isActive());
    };

    testing::ModalWatch watch(testing::thenClose(slideOnce));
    QTest::mouseClick(control("cmdAbout"), Qt::LeftButton);
    // Closed and opened again from the menu: the columns start from their edges once more.
    testing::control<QAction>(*window_, "mnuAbout").trigger();
    QCOMPARE(watch.answered(), 2);
  }

  // The tool windows' registry is played on every road; here the one way it has no road to: a
  // window that is not made (the stock market's entrance cut short) leaves its entry unticked.
  void aToolWindowNotMadeLeavesItsEntryUnticked() {
    ToolWindows tools;
    QAction entry;
    entry.setCheckable(true);
    tools.add(ToolWindow::StockMarket, [] { return nullptr; }, &entry);
    entry.trigger();
    QVERIFY(!tools.open(ToolWindow::StockMarket));
    QVERIFY(!entry.isChecked());
    QVERIFY(!tools.marks().ticked(ToolWindow::StockMarket));
  }

  // What each window's title bar says, as the window manager is told it: the platform writes
  // the program's name on a window whose title is empty.
  static QString titleBar(const QWidget& window) {
    struct Platform : QPlatformWindow {
      using QPlatformWindow::formatWindowTitle;
    };
    return Platform::formatWindowTitle(window.windowTitle(), QStringLiteral(" - ")).trimmed();
  }

  void everyTitleBarShowsItsWindowsCaption() {
    QCOMPARE(titleBar(*window_), QStringLiteral("Gallox Sprintz 2"));
    const std::pair<ToolWindow, const char*> tools[] = {
        {ToolWindow::Cities, "Cities"}, {ToolWindow::Banks, "Banks"}, {ToolWindow::StockMarket, "Stables Stock Market"},
        {ToolWindow::Shop, "Shop"},     {ToolWindow::Newspaper, ""},  {ToolWindow::GridMap, "Grid Window"}};
    QStringList waits;
    testing::ModalWatch watch(testing::thenClose([&waits](QWidget* modal) { waits << titleBar(*modal); }));
    for (const auto& [kind, caption] : tools) {
      QWidget* tool = world_->tools().ensure(kind);
      QVERIFY(tool);
      QCOMPARE(titleBar(*tool), QString::fromLatin1(caption));
    }
    QCOMPARE(waits, QStringList{QStringLiteral("Please wait")});  // the market's entrance

    const std::pair<std::unique_ptr<QWidget>, const char*> others[] = {
        {std::make_unique<CreditsWindow>(world_->pictures, window_), "About..."},
        {std::make_unique<LicenceWindow>(window_), "Licence"},
        {std::make_unique<RaceWindow>(world_->game, world_->pictures, window_), "Race"},
        {std::make_unique<WaitWindow>(world_->pictures, window_), "Please wait"},
        {std::make_unique<MessageWindow>(QStringLiteral("x")), ""}};
    for (const auto& [other, caption] : others) QCOMPARE(titleBar(*other), QString::fromLatin1(caption));
  }

  void licenceCannotBeChanged() {
    bool seen = false;
    testing::ModalWatch watch(testing::thenClose([&seen](QWidget* modal) {
      QCOMPARE(modal->windowTitle(), QStringLiteral("Licence"));
      auto* text = &testing::control<QPlainTextEdit>(*modal, "Text1");
      const QString licence = text->toPlainText();
      QVERIFY(licence.contains(QStringLiteral("The Gallox Sprintz developers")));
      text->setFocus();
      QTest::keyClicks(text, QStringLiteral("free money"));
      QTest::keyClick(text, Qt::Key_Backspace);
      QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
      QCOMPARE(text->toPlainText(), licence);
      seen = true;
    }));
    testing::control<QAction>(*window_, "mnuLicence").trigger();
    QVERIFY(seen);
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::MainWindowTest)
#include "main_window_test.moc"
