// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// The banks, opened from the main window: choosing a bank, depositing, picking the deposit,
// borrowing to the cap and repaying, the month's growth, and a fresh start after closing.

#include <QtTest>
#include <memory>

#include "finance/banks_window.h"
#include "finance/played_game.h"
#include "world/look.h"

namespace gallox {

using testing::chosenIn;
using testing::closeWindow;
using testing::shownText;

class BanksWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::PlayedGame> play_;

  BanksWindow* banks() const { return play_->tools().find<BanksWindow>(ToolWindow::Banks); }
  BanksWindow& open() {
    play_->click("cmdBanks");
    return *banks();
  }
  // The three amounts, top to bottom: your deposit, current deposit, your loan.
  static QStringList amounts(const BanksWindow& window) {
    return {shownText(window, "bank_yd"), shownText(window, "bank_cd"), shownText(window, "bank_yl")};
  }

 private slots:
  void initTestCase() { installFontSubstitutions(); }
  void init() { play_ = std::make_unique<testing::PlayedGame>(); }
  void cleanup() { play_.reset(); }

  void opensOnTheFirstBank() {
    const BanksWindow& window = open();
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("Banks"));
    QCOMPARE(window.size(), QSize(469, 259));
    QVERIFY(play_->window->banksWindowOpen());
    QVERIFY(play_->ticked("mnuBanks"));

    QCOMPARE(chosenIn(window, "bank_choose"), QStringLiteral("Wilson's"));
    QCOMPARE(shownText(window, "bank_name"), QStringLiteral("Wilson's"));
    QCOMPARE(shownText(window, "bank_di"), QStringLiteral("100.1%/m"));
    QCOMPARE(shownText(window, "bank_li"), QStringLiteral("2%/m"));
    QCOMPARE(amounts(window), QStringList({"GBP 0.00", "GBP 0.00", "GBP 0.00"}));
    QCOMPARE(shownText(window, "bank_dep"), QStringLiteral("Deposit GBP 50.00"));
    QCOMPARE(shownText(window, "bank_pick"), QStringLiteral("Pick Deposit"));
    QCOMPARE(shownText(window, "bank_borrow"), QStringLiteral("Borrow GBP 50.00"));
    QCOMPARE(shownText(window, "bank_repay"), QStringLiteral("Repay GBP 50.00"));

    // Opened again, it is the same window, brought forward.
    play_->choose("mnuBanks");
    QCOMPARE(banks(), &window);
    QVERIFY(play_->ticked("mnuBanks"));
  }

  void choosingABankShowsItsRatesAndStep_data() {
    QTest::addColumn<QString>("listed");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("loanRate");
    QTest::addColumn<QString>("borrow");
    QTest::newRow("West Side") << "West Side" << 1 << "West Side" << "2.5%/m" << "Borrow GBP 200.00";
    QTest::newRow("the last bank") << "Quatrix Bank" << 5 << "Quatrix" << "6%/m" << "Borrow GBP 10000.00";
  }

  void choosingABankShowsItsRatesAndStep() {
    QFETCH(QString, listed);
    BanksWindow& window = open();
    testing::choose(window, "bank_choose", listed);
    QTEST(shownText(window, "bank_name"), "name");
    QTEST(shownText(window, "bank_li"), "loanRate");
    QTEST(shownText(window, "bank_borrow"), "borrow");
    QTEST(window.selectedBank(), "index");
  }

  void depositPickBorrowAndRepayAtTheFirstBank() {
    BanksWindow& window = open();
    testing::click(window, "bank_dep");
    QCOMPARE(amounts(window), QStringList({"GBP 50.00", "GBP 50.00", "GBP 0.00"}));
    QCOMPARE(play_->purse(), QStringLiteral("GBP 100.00"));

    // Three steps empty the purse; the fourth is refused and leaves the rows as they were.
    testing::click(window, "bank_dep");
    testing::click(window, "bank_dep");
    QVERIFY(play_->messenger.messages.empty());
    testing::click(window, "bank_dep");
    QCOMPARE(play_->messenger.last(), std::string("Sorry, you do not have enough money to afford this."));
    QCOMPARE(amounts(window), QStringList({"GBP 150.00", "GBP 150.00", "GBP 0.00"}));
    QCOMPARE(play_->purse(), QStringLiteral("GBP 0.00"));

    testing::click(window, "bank_pick");
    QCOMPARE(amounts(window), QStringList({"GBP 0.00", "GBP 0.00", "GBP 0.00"}));
    QCOMPARE(play_->purse(), QStringLiteral("GBP 150.00"));

    // Repaying with no loan does nothing and says nothing.
    play_->messenger.messages.clear();
    testing::click(window, "bank_repay");
    QCOMPARE(amounts(window).last(), QStringLiteral("GBP 0.00"));
    QCOMPARE(play_->purse(), QStringLiteral("GBP 150.00"));
    QVERIFY(play_->messenger.messages.empty());

    for (int i = 0; i < 10; ++i) testing::click(window, "bank_borrow");
    QCOMPARE(shownText(window, "bank_yl"), QStringLiteral("GBP 500.00"));
    QCOMPARE(play_->purse(), QStringLiteral("GBP 650.00"));
    QVERIFY(play_->messenger.messages.empty());
    testing::click(window, "bank_borrow");
    QCOMPARE(play_->messenger.last(), std::string("Sorry, but Wilson's Bank refuses to lend you any more money"));
    QCOMPARE(shownText(window, "bank_yl"), QStringLiteral("GBP 500.00"));

    testing::click(window, "bank_repay");
    QCOMPARE(shownText(window, "bank_yl"), QStringLiteral("GBP 450.00"));
    QCOMPARE(play_->purse(), QStringLiteral("GBP 600.00"));
  }

  void theMonthGrowsTheDepositShownAndLeavesTheLoan() {
    BanksWindow& window = open();
    testing::click(window, "bank_dep");
    for (int i = 0; i < 10; ++i) testing::click(window, "bank_borrow");
    play_->nextMonth(testing::kPricesStay);
    QCOMPARE(amounts(window), QStringList({"GBP 50.00", "GBP 50.05", "GBP 500.00"}));
    // The loan's interest is paid from the purse: a pound short of 2% of 500.
    QCOMPARE(play_->purse(), QStringLiteral("GBP 591.00"));
  }

  void closedItStartsAgainOnTheFirstBank() {
    BanksWindow* window = &open();
    testing::choose(*window, "bank_choose", QStringLiteral("Greiff"));
    closeWindow(window);
    QVERIFY(!banks());
    QVERIFY(!play_->window->banksWindowOpen());
    QVERIFY(!play_->ticked("mnuBanks"));

    play_->choose("mnuBanks");
    window = banks();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->selectedBank(), 0);
    QCOMPARE(shownText(*window, "bank_name"), QStringLiteral("Wilson's"));
    QCOMPARE(shownText(*window, "bank_dep"), QStringLiteral("Deposit GBP 50.00"));
    QVERIFY(play_->ticked("mnuBanks"));
  }

  // The console deals with the bank chosen in a window it keeps hidden, and may show it
  // without the main window's mark; such a window is not refreshed by the month.
  void aHiddenWindowKeepsItsBankForTheConsole() {
    ToolWindows& tools = play_->tools();
    auto* window = qobject_cast<BanksWindow*>(tools.ensure(ToolWindow::Banks));
    QVERIFY(window && !window->isVisible());
    window->selectBank(window->selectedBank() + 1);
    window->bankDepClicked();
    QCOMPARE(play_->game.bank(1).CurDep(), 0.0f);
    QCOMPARE(play_->messenger.last(), std::string("Sorry, you do not have enough money to afford this."));
    play_->game.player().setMoney(5000.0f);
    window->bankDepClicked();

    tools.showOnly(ToolWindow::Banks);
    QVERIFY(window->isVisible());
    QCOMPARE(shownText(*window, "bank_name"), QStringLiteral("West Side"));
    QCOMPARE(shownText(*window, "bank_cd"), QStringLiteral("GBP 200.00"));
    QCOMPARE(shownText(*window, "bank_repay"), QStringLiteral("Repay GBP 200.00"));
    QVERIFY(!play_->ticked("mnuBanks"));

    play_->nextMonth(testing::kPricesStay);
    QCOMPARE(shownText(*window, "bank_cd"), QStringLiteral("GBP 200.00"));
    // Opened from the main window, it follows the month again.
    play_->click("cmdBanks");
    QCOMPARE(banks(), window);
    play_->nextMonth(testing::kPricesStay);
    QCOMPARE(shownText(*window, "bank_cd"), QStringLiteral("GBP 200.60"));
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::BanksWindowTest)
#include "banks_window_test.moc"
