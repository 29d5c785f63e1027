// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// The stock market, opened from the main window: the wait at its entrance on every fresh
// opening, buying and selling one share, another stable, and the month's new prices.

#include <QtTest>
#include <memory>

#include "support/main_window_world.h"
#include "finance/stock_market_window.h"
#include "support/modal_watch.h"
#include "world/look.h"
#include "world/wait_window.h"

namespace gallox {

using testing::chosenIn;
using testing::click;
using testing::shownText;

class StockMarketWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::PlayedGame<>> play_;
  QStringList waits_;

  StockMarketWindow* market() const {
    return play_->tools().find<StockMarketWindow>(ToolWindow::StockMarket);
  }
  // Opens the market from the main window. A wait at the entrance is noted, with whether the
  // menu was ticked meanwhile, and closed by the player rather than sat out.
  StockMarketWindow& enter() {
    testing::ModalWatch watch([this](QWidget* modal) {
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
    play_ = std::make_unique<testing::PlayedGame<>>();
    waits_.clear();
  }
  void cleanup() { play_.reset(); }

  void everyFreshOpeningWaitsAtTheEntrance() {
    StockMarketWindow* window = &enter();
    QCOMPARE(waits_, QStringList({"Please wait... Entering the Stock Market..."}));
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Stables Stock Market"));
    QVERIFY(play_->ticked("mnuStockMarket"));
    QCOMPARE(chosenIn(*window, "cmbName"), QStringLiteral("Dejavu"));
    QCOMPARE(shownText(*window, "lblSharePrice"), QStringLiteral("GBP 50.00"));
    QCOMPARE(shownText(*window, "lblDivPrice"), QStringLiteral("GBP 2.50"));
    QCOMPARE(shownText(*window, "lblShares"), QStringLiteral("0"));
    QCOMPARE(window->focusWidget(), &testing::control(*window, "cmdBuyShare"));

    // Brought forward while open: no wait, and the stable chosen stays.
    testing::choose(*window, "cmbName", QStringLiteral("Baron Kestrel's"));
    QCOMPARE(&enter(), window);
    QCOMPARE(waits_.size(), 1);
    QCOMPARE(chosenIn(*window, "cmbName"), QStringLiteral("Baron Kestrel's"));

    testing::closeWindow(window);
    QVERIFY(!play_->ticked("mnuStockMarket"));
    window = &enter();
    QCOMPARE(waits_.size(), 2);
    QCOMPARE(chosenIn(*window, "cmbName"), QStringLiteral("Dejavu"));
    QCOMPARE(testing::control<QComboBox>(*window, "cmbName").count(), 6);
  }

  void buyAndSellOneShareAtATime() {
    StockMarketWindow& window = enter();
    click(window, "cmdBuyShare");
    click(window, "cmdBuyShare");
    click(window, "lblSell");
    QCOMPARE(shownText(window, "lblShares"), QStringLiteral("1"));
    QCOMPARE(play_->purse(), QStringLiteral("GBP 95.00"));

    testing::choose(window, "cmbName", QStringLiteral("Allstars Horses"));
    QCOMPARE(shownText(window, "lblShares"), QStringLiteral("0"));
    click(window, "lblSell");
    QCOMPARE(play_->messenger.last(), std::string("You have no more shares to sell."));
    QCOMPARE(shownText(window, "lblShares"), QStringLiteral("0"));
    QCOMPARE(play_->purse(), QStringLiteral("GBP 95.00"));
  }

  void theMonthShowsTheNewPriceOfTheStableChosen() {
    StockMarketWindow* window = &enter();
    testing::choose(*window, "cmbName", QStringLiteral("Fergusson's"));
    play_->nextMonth(testing::kPricesRise);
    QCOMPARE(shownText(*window, "lblSharePrice"), QStringLiteral("GBP 1600.00"));
    QCOMPARE(shownText(*window, "lblDivPrice"), QStringLiteral("GBP 80.00"));

    testing::closeWindow(window);
    window = &enter();
    QCOMPARE(waits_.size(), 2);
    QCOMPARE(shownText(*window, "lblSharePrice"), QStringLiteral("GBP 80.00"));
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::StockMarketWindowTest)
#include "stock_market_window_test.moc"
