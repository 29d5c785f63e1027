// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// The banks, opened from the main window: depositing, borrowing to the cap, the month's growth,
// a fresh start after closing, and the hidden window that the console works.

#include <QtTest>
#include <memory>

#include "finance/banks_window.h"
#include "support/main_window_world.h"
#include "world/look.h"

namespace gallox {

using testing::click;
using testing::shownText;

class BanksWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::PlayedGame<>> play_;

  BanksWindow* banks() const { return play_->tools().find<BanksWindow>(ToolWindow::Banks); }
  // Your deposit, current deposit and your loan, as the rows read them.
  static QStringList amounts(const BanksWindow& window) {
    return {shownText(window, "bank_yd"), shownText(window, "bank_cd"), shownText(window, "bank_yl")};
  }

 private slots:
  void initTestCase() { installFontSubstitutions(); }
  void init() { play_ = std::make_unique<testing::PlayedGame<>>(); }
  void cleanup() { play_.reset(); }

  void depositBorrowAndTheMonth() {
    play_->click("cmdBanks");
    BanksWindow& window = *banks();
    QVERIFY(window.isVisible());
    QVERIFY(play_->ticked("mnuBanks"));
    QCOMPARE(testing::chosenIn(window, "bank_choose"), QStringLiteral("Wilson's"));
    QCOMPARE(shownText(window, "bank_di"), QStringLiteral("100.1%/m"));
    QCOMPARE(shownText(window, "bank_borrow"), QStringLiteral("Borrow GBP 50.00"));

    click(window, "bank_dep");
    QCOMPARE(amounts(window), QStringList({"GBP 50.00", "GBP 50.00", "GBP 0.00"}));
    QCOMPARE(play_->purse(), QStringLiteral("GBP 100.00"));

    for (int i = 0; i < 10; ++i) click(window, "bank_borrow");
    QCOMPARE(shownText(window, "bank_yl"), QStringLiteral("GBP 500.00"));
    QVERIFY(play_->messenger.messages.empty());
    click(window, "bank_borrow");
    QCOMPARE(play_->messenger.last(), std::string("Sorry, but Wilson's Bank refuses to lend you any more money"));
    QCOMPARE(shownText(window, "bank_yl"), QStringLiteral("GBP 500.00"));
    QCOMPARE(play_->purse(), QStringLiteral("GBP 600.00"));

    // The deposit grows; the loan's interest, a pound short of 2% of 500, is paid from the purse.
    play_->nextMonth(testing::kPricesStay);
    QCOMPARE(amounts(window), QStringList({"GBP 50.00", "GBP 50.05", "GBP 500.00"}));
    QCOMPARE(play_->purse(), QStringLiteral("GBP 591.00"));
    click(window, "bank_pick");
    QCOMPARE(amounts(window), QStringList({"GBP 0.00", "GBP 0.00", "GBP 500.00"}));
    QCOMPARE(play_->purse(), QStringLiteral("GBP 641.05"));
  }

  void closedItStartsAgainOnTheFirstBank() {
    play_->click("cmdBanks");
    testing::choose(*banks(), "bank_choose", QStringLiteral("Quatrix Bank"));
    QCOMPARE(shownText(*banks(), "bank_name"), QStringLiteral("Quatrix"));
    testing::closeWindow(banks());
    QVERIFY(!banks());
    QVERIFY(!play_->window->banksWindowOpen());
    QVERIFY(!play_->ticked("mnuBanks"));

    play_->choose("mnuBanks");
    QVERIFY(banks() && banks()->isVisible());
    QCOMPARE(banks()->selectedBank(), 0);
    QCOMPARE(shownText(*banks(), "bank_name"), QStringLiteral("Wilson's"));
    QVERIFY(play_->ticked("mnuBanks"));
  }

  // The console deals with the bank chosen in a window it keeps hidden, and may show it
  // without the main window's mark; the month then leaves it as it was.
  void aHiddenWindowKeepsItsBankForTheConsole() {
    ToolWindows& tools = play_->tools();
    auto* window = qobject_cast<BanksWindow*>(tools.ensure(ToolWindow::Banks));
    QVERIFY(window && !window->isVisible());
    window->selectBank(window->selectedBank() + 1);
    window->selectBank(6);
    QCOMPARE(window->selectedBank(), 1);
    play_->player().setMoney(5000.0f);
    window->bankDepClicked();

    tools.showOnly(ToolWindow::Banks);
    QCOMPARE(shownText(*window, "bank_name"), QStringLiteral("West Side"));
    QCOMPARE(shownText(*window, "bank_cd"), QStringLiteral("GBP 200.00"));
    QCOMPARE(shownText(*window, "bank_repay"), QStringLiteral("Repay GBP 200.00"));
    play_->nextMonth(testing::kPricesStay);
    QCOMPARE(shownText(*window, "bank_cd"), QStringLiteral("GBP 200.00"));

    play_->click("cmdBanks");
    play_->nextMonth(testing::kPricesStay);
    QCOMPARE(shownText(*window, "bank_cd"), QStringLiteral("GBP 200.60"));
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::BanksWindowTest)
#include "banks_window_test.moc"
