// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// The banks and the stock market, opened from the main window: what a click, the month's end or
// a closing leaves on the rows, and the market's wait. The console's hidden banks window is
// played in the shop's road test.

#include <QtTest>
#include <memory>

#include "finance/banks_window.h"
#include "finance/stock_market_window.h"
#include "support/main_window_world.h"
#include "support/modal_watch.h"
#include "world/look.h"
#include "world/wait_window.h"

namespace gallox {

using namespace testing;

class FinanceRoadTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<PlayedGame> play_;
  QStringList waits_;

  BanksWindow* banks() const { return play_->tool<BanksWindow>(ToolWindow::Banks); }
  // Your deposit, current deposit and your loan, as the rows read them.
  static QStringList amounts(const BanksWindow& window) {
    return {shownText(window, "bank_yd"), shownText(window, "bank_cd"), shownText(window, "bank_yl")};
  }

  StockMarketWindow* market() const { return play_->tool<StockMarketWindow>(ToolWindow::StockMarket); }
  // Opens the market from the main window. A wait at the entrance is noted, with whether the
  // menu was ticked meanwhile, and closed by the player rather than sat out.
  StockMarketWindow& enter() {
    ModalWatch watch([this](QWidget* modal) {
      if (auto* wait = qobject_cast<WaitWindow*>(modal)) {
        waits_ << wait->heading() + ' ' + wait->message() + (play_->ticked("mnuStockMarket") ? " ticked" : "");
        wait->close();
      }
    });
    play_->choose("mnuStockMarket");
    return *market();
  }

 private slots:
  void initTestCase() { installFontSubstitutions(); }
  void init() {
    play_ = std::make_unique<PlayedGame>();
    waits_.clear();
  }
  void cleanup() { play_.reset(); }

  // The desk's tests hold the texts and refusals; here the rows a click or the month refreshes.
  void depositBorrowTheMonthAndAFreshStart() {
    play_->click("cmdBanks");
    BanksWindow& window = *banks();
    QVERIFY(window.isVisible() && play_->ticked("mnuBanks"));
    QCOMPARE(chosenIn(window, "bank_choose"), QStringLiteral("Wilson's"));

    click(window, "bank_dep");
    QCOMPARE(amounts(window), QStringList({"GBP 50.00", "GBP 50.00", "GBP 0.00"}));
    QCOMPARE(play_->purse(), QStringLiteral("GBP 100.00"));

    for (int i = 0; i < 10; ++i) click(window, "bank_borrow");
    QVERIFY(play_->messenger.messages.empty());
    click(window, "bank_borrow");
    QCOMPARE(play_->messenger.last(), std::string("Sorry, but Wilson's Bank refuses to lend you any more money"));
    QCOMPARE(shownText(window, "bank_yl"), QStringLiteral("GBP 500.00"));
    QCOMPARE(play_->purse(), QStringLiteral("GBP 600.00"));

    // The deposit grows; the loan's interest, a pound short of 2% of 500, is paid from the purse.
    play_->nextMonth(kPricesStay);
    QCOMPARE(amounts(window), QStringList({"GBP 50.00", "GBP 50.05", "GBP 500.00"}));
    QCOMPARE(play_->purse(), QStringLiteral("GBP 591.00"));
    click(window, "bank_pick");
    QCOMPARE(amounts(window), QStringList({"GBP 0.00", "GBP 0.00", "GBP 500.00"}));
    QCOMPARE(play_->purse(), QStringLiteral("GBP 641.05"));

    // Closed, it forgets the bank chosen and takes its tick along.
    choose(window, "bank_choose", QStringLiteral("Quatrix Bank"));
    QCOMPARE(shownText(window, "bank_name"), QStringLiteral("Quatrix"));
    closeWindow(&window);
    QVERIFY(!banks() && !play_->window->banksWindowOpen() && !play_->ticked("mnuBanks"));
    play_->choose("mnuBanks");
    QVERIFY(banks() && banks()->isVisible() && play_->ticked("mnuBanks"));
    QCOMPARE(shownText(*banks(), "bank_name"), QStringLiteral("Wilson's"));
  }

  // Every fresh opening waits at the entrance; brought forward while open, it does not.
  void theStockMarketTradesAndShowsTheMonthsPrices() {
    StockMarketWindow* window = &enter();
    QCOMPARE(waits_, QStringList({"Please wait... Entering the Stock Market..."}));
    QVERIFY(window->isVisible() && play_->ticked("mnuStockMarket"));
    QCOMPARE(chosenIn(*window, "cmbName"), QStringLiteral("Dejavu"));
    QCOMPARE(window->focusWidget(), &control(*window, "cmdBuyShare"));

    click(*window, "cmdBuyShare");
    click(*window, "cmdBuyShare");
    click(*window, "lblSell");
    QCOMPARE(shownText(*window, "lblShares"), QStringLiteral("1"));
    QCOMPARE(play_->purse(), QStringLiteral("GBP 95.00"));
    choose(*window, "cmbName", QStringLiteral("Allstars Horses"));
    QCOMPARE(shownText(*window, "lblShares"), QStringLiteral("0"));
    click(*window, "lblSell");
    QCOMPARE(play_->messenger.last(), std::string("You have no more shares to sell."));
    QCOMPARE(play_->purse(), QStringLiteral("GBP 95.00"));

    choose(*window, "cmbName", QStringLiteral("Fergusson's"));
    QCOMPARE(&enter(), window);
    QCOMPARE(waits_.size(), 1);
    QCOMPARE(chosenIn(*window, "cmbName"), QStringLiteral("Fergusson's"));
    play_->nextMonth(kPricesRise);
    QCOMPARE(shownText(*window, "lblSharePrice"), QStringLiteral("GBP 1600.00"));
    QCOMPARE(shownText(*window, "lblDivPrice"), QStringLiteral("GBP 80.00"));

    closeWindow(window);
    QVERIFY(!play_->ticked("mnuStockMarket"));
    window = &enter();
    QCOMPARE(waits_.size(), 2);
    QCOMPARE(chosenIn(*window, "cmbName"), QStringLiteral("Dejavu"));
    QCOMPARE(shownText(*window, "lblSharePrice"), QStringLiteral("GBP 80.00"));
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::FinanceRoadTest)
#include "finance_road_test.moc"
