// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// The shop, the newspaper and the console, played through the main window. The desks' tests hold
// the prices, limits and commands; here what the windows add: hints, counters, the paper's one
// window, and the console's boxes working the banks window hidden or shown.

#include <QInputDialog>
#include <QLineEdit>
#include <QtTest>
#include <deque>
#include <memory>

#include "finance/banks_window.h"
#include "shop/newspaper_window.h"
#include "shop/shop_window.h"
#include "support/main_window_world.h"
#include "support/modal_watch.h"
#include "world/look.h"

namespace gallox {

using namespace testing;

class ShopRoadTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<PlayedGame> world_;

  MainWindow& main() const { return *world_->window; }
  ShopWindow* shop() const { return world_->tool<ShopWindow>(ToolWindow::Shop); }
  NewspaperWindow* paper() const { return world_->tool<NewspaperWindow>(ToolWindow::Newspaper); }
  BanksWindow* banks() const { return world_->tool<BanksWindow>(ToolWindow::Banks); }

  // Opens the shop clear of the main window, so that the pointer finds it.
  void openShop() {
    QCursor::setPos(QPoint(0, 0));
    world_->click("cmdShop");
    QVERIFY(shop() && shop()->isVisible());
    shop()->move(450, 300);
  }
  QWidget* shopButton(const char* name) const { return &control(*shop(), name); }
  QString hint() const { return shownText(*shop(), "inf"); }

  // What the month's issue should read in the paper, line breaks as the labels break them.
  static QString printed(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  }
  void showsTheIssueOf(const QString& month) {
    const News& news = world_->game.news();
    QCOMPARE(shownText(*paper(), "date"), month);
    QCOMPARE(shownText(*paper(), "races"), printed(news.raceNews()));
    for (int i = 1; i <= kNewsItemCount; ++i)
      QCOMPARE(shownText(*paper(), QStringLiteral("header%1").arg(i).toLatin1().constData()),
               printed(news.newsItem(i)));
  }

  // The purse as each console box found it.
  QStringList purses_;

  // Types each line into its own empty console box and presses Enter; a null line cancels its
  // box instead. The loop must end after the last line, leaving no box waiting.
  void typeIntoConsole(std::deque<QString> lines) {
    purses_.clear();
    ModalWatch watch([&](QWidget* modal) {
      auto* box = qobject_cast<QInputDialog*>(modal);
      QVERIFY(box && !lines.empty());
      QCOMPARE(box->windowTitle(), QStringLiteral("GALX Consolev0.3b"));
      QCOMPARE(box->labelText(), QStringLiteral("Enter you command here"));
      QCOMPARE(box->textValue(), QString());
      purses_ << world_->purse();
      const QString line = lines.front();
      lines.pop_front();
      if (line.isNull()) {
        box->reject();
        return;
      }
      auto* typed = box->findChild<QLineEdit*>();
      QTest::keyClicks(typed, line);
      QTest::keyClick(typed, Qt::Key_Return);
    });
    world_->click("cons");
    QVERIFY(lines.empty());
    QVERIFY(!QApplication::activeModalWidget());
  }

 private slots:
  void initTestCase() { installFontSubstitutions(); }
  // Races everywhere, and news items of several kinds.
  void init() { world_ = std::make_unique<PlayedGame>(0.3f); }
  void cleanup() { world_.reset(); }

  void theOneShopHintsThePriceUnderThePointerAndSells() {
    openShop();
    QCOMPARE(hint(), QString());
    ShopWindow* first = shop();
    QTest::keyClick(&main(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(shop(), first);
    QVERIFY(world_->ticked("mnuShop"));

    // Straight from one button onto the next: the price changes without going blank.
    for (const auto& [button, price] : {std::pair{"readN", "GBP 10"}, {"buyDoping", "GBP 35"}, {"NPsub", "GBP 80"}}) {
      QTest::mouseMove(shopButton(button));
      QCOMPARE(hint(), QString::fromLatin1(price));
    }
    // The labels leave it; the bare background clears it.
    QTest::mouseMove(&control(*shop(), "header"));
    QTest::mouseMove(&control(*shop(), "inf"));
    QCOMPARE(hint(), QStringLiteral("GBP 80"));
    QTest::mouseMove(shop(), QPoint(20, 170));
    QCOMPARE(hint(), QString());

    // The desk's table holds the refusals and the limits; here the purse and counters shown.
    click(*shop(), "readN");
    QCOMPARE(world_->purse(), QStringLiteral("GBP 140.00"));
    QCOMPARE(control<QLabel>(main(), "lCurrentMoney").palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(world_->shown("NPs"), QStringLiteral("1"));
    click(*shop(), "buyDoping");
    QCOMPARE(world_->purse(), QStringLiteral("GBP 105.00"));
    QCOMPARE(world_->player().dopings(), 1);
    QCOMPARE(world_->shown("gain"), QStringLiteral("GBP -45.00"));

    world_->player().subscribe(249);
    click(*shop(), "NPsub");
    QCOMPARE(world_->messenger.messages.size(), std::size_t{1});
    QCOMPARE(world_->shown("NPs"), QStringLiteral("250"));
    QCOMPARE(world_->purse(), QStringLiteral("GBP 105.00"));
    QVERIFY(shop()->isVisible());

    // Closed, it takes its tick along; opened anew, it starts without a price.
    QTest::mouseMove(shopButton("buyDoping"));
    closeWindow(shop());
    QVERIFY(!shop() && !world_->ticked("mnuShop"));
    world_->choose("mnuShop");
    QVERIFY(shop() && world_->ticked("mnuShop"));
    QCOMPARE(hint(), QString());
  }

  // Each reading fills the one paper in the corner; the month's end leaves it alone.
  void readingFillsTheOnePaperInTheCornerUntilClosed() {
    world_->player().subscribe(3);
    world_->click("cmdNP");
    QCOMPARE(world_->shown("NPs"), QStringLiteral("2"));
    QVERIFY(paper() && paper()->isVisible() && world_->ticked("mnuNP"));
    QCOMPARE(paper()->pos(), QPoint(0, 0));
    QVERIFY(!world_->game.news().raceNews().empty());
    showsTheIssueOf(QStringLiteral("January 2010"));

    // The month's end prints a new paper but leaves the open one as it was.
    NewspaperWindow* first = paper();
    first->move(200, 150);
    world_->nextMonth(0.9f);
    QCOMPARE(shownText(*first, "date"), QStringLiteral("January 2010"));
    QVERIFY(shownText(*first, "header1") != printed(world_->game.news().newsItem(1)));
    QCOMPARE(first->pos(), QPoint(200, 150));

    world_->choose("mnuNP");
    QCOMPARE(paper(), first);
    QCOMPARE(world_->shown("NPs"), QStringLiteral("1"));
    QCOMPARE(first->pos(), QPoint(0, 0));
    showsTheIssueOf(QStringLiteral("February 2010"));

    // Closed, it takes its tick along; the next reading opens it afresh.
    closeWindow(paper());
    QVERIFY(!paper() && !world_->ticked("mnuNP"));
    world_->click("cmdNP");
    QVERIFY(paper() && paper()->isVisible() && world_->ticked("mnuNP"));
    QCOMPARE(world_->shown("NPs"), QStringLiteral("0"));
  }

  void consoleGiftThenTheBanksShownWithoutTheTick() {
    typeIntoConsole({"richie", "bank", ""});
    QCOMPARE(purses_, QStringList({"GBP 150.00", "GBP 1150.00", "GBP 1150.00"}));
    QCOMPARE(world_->purse(), QStringLiteral("GBP 1150.00"));
    QVERIFY(banks() && banks()->isVisible());
    QVERIFY(!world_->ticked("mnuBanks") && !main().banksWindowOpen());
  }

  // The console works a hidden banks window on the bank chosen there; "bank" shows it without the
  // main window's mark, so the month's end leaves it as it was until it is opened from there. The
  // paper read from the console opens with its tick.
  void consoleBankCommandsWorkTheHiddenWindowOnTheBankChosenThere() {
    world_->click("cheat");
    typeIntoConsole({"BORROW", "next bank", "Next Bank", "deposit", "!", "Np", "nonsense", QString()});
    QVERIFY(banks() && !banks()->isVisible());
    banks()->selectBank(6);
    QCOMPARE(banks()->selectedBank(), 2);
    QCOMPARE(world_->game.bank(0).YourLoan(), 50.0f);
    QCOMPARE(world_->game.bank(2).YourDep(), 500.0f);
    QCOMPARE(world_->purse(), QStringLiteral("GBP 14700.00"));
    QCOMPARE(world_->shown("NPs"), QStringLiteral("99"));
    QVERIFY(paper() && paper()->isVisible() && world_->ticked("mnuNP"));
    QVERIFY(world_->messenger.messages.empty());

    typeIntoConsole({"bank", ""});
    QVERIFY(banks()->isVisible() && !world_->ticked("mnuBanks"));
    QCOMPARE(shownText(*banks(), "bank_yd"), QStringLiteral("GBP 500.00"));
    world_->nextMonth(kPricesStay);
    QCOMPARE(shownText(*banks(), "bank_cd"), QStringLiteral("GBP 500.00"));
    world_->click("cmdBanks");
    QVERIFY(world_->ticked("mnuBanks"));
    QCOMPARE(banks()->selectedBank(), 2);
    world_->nextMonth(kPricesStay);
    QCOMPARE(shownText(*banks(), "bank_cd"), QStringLiteral("GBP 502.00"));  // two months' growth

    // Closed, the choice goes with it: the next command starts again on the first bank.
    closeWindow(banks());
    typeIntoConsole({"REPAY", ""});
    QCOMPARE(banks()->selectedBank(), 0);
    QCOMPARE(world_->game.bank(0).YourLoan(), 0.0f);
  }

  void theMainWindowGoingAwayEndsTheConsoleQuietly() {
    ModalWatch watch([&](QWidget* modal) {
      QVERIFY(qobject_cast<QInputDialog*>(modal));
      world_->window.reset();
    });
    click(main(), "cons");
    QVERIFY(!world_->window);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(world_->player().Money(), 150.0f);
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::ShopRoadTest)
#include "shop_road_test.moc"
