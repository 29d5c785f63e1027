// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// The stock market, opened from the main window: the wait at its entrance on every fresh
// opening, buying and selling one share, another stable, and the month's new prices.

#include <QtTest>
#include <memory>

#include "finance/played_game.h"
#include "finance/stock_market_window.h"
#include "support/modal_watch.h"
#include "world/look.h"
#include "world/wait_window.h"

namespace gallox {

using testing::chosenIn;
using testing::closeWindow;
using testing::shownText;

class StockMarketWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::PlayedGame> play_;

  StockMarketWindow* market() const {
    return play_->tools().find<StockMarketWindow>(ToolWindow::StockMarket);
  }

  // What the player met at the entrance, if anything.
  struct Entrance {
    int waits = 0;
    QString heading, message;
    bool tickedMeanwhile = false;
  };

  // Opens the market from the main window; a wait at the entrance is read and then closed by
  // the player rather than sat out.
  Entrance enter(const char* how = "cmdStockMarket") {
    Entrance seen;
    testing::ModalWatch watch([&](QWidget* modal) {
      if (auto* wait = qobject_cast<WaitWindow*>(modal)) {
        ++seen.waits;
        seen.heading = wait->heading();
        seen.message = wait->message();
        seen.tickedMeanwhile = play_->ticked("mnuStockMarket");
        wait->close();
      }
    });
    if (QByteArray(how).startsWith("mnu"))
      play_->choose(how);
    else
      play_->click(how);
    return seen;
  }

 private slots:
  void initTestCase() { installFontSubstitutions(); }
  void init() { play_ = std::make_unique<testing::PlayedGame>(); }
  void cleanup() { play_.reset(); }

  void everyFreshOpeningWaitsAtTheEntrance() {
    const Entrance first = enter();
    QCOMPARE(first.waits, 1);
    QCOMPARE(first.heading, QStringLiteral("Please wait..."));
    QCOMPARE(first.message, QStringLiteral("Entering the Stock Market..."));
    QVERIFY(!first.tickedMeanwhile);

    StockMarketWindow* window = market();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Stables Stock Market"));
    QCOMPARE(window->size(), QSize(289, 263));
    QVERIFY(play_->ticked("mnuStockMarket"));
    QCOMPARE(shownText(*window, "header"), QStringLiteral("Stock Market"));
    QCOMPARE(chosenIn(*window, "cmbName"), QStringLiteral("Dejavu"));
    QCOMPARE(shownText(*window, "lblSharePrice"), QStringLiteral("GBP 50.00"));
    QCOMPARE(shownText(*window, "lblDivPrice"), QStringLiteral("GBP 2.50"));
    QCOMPARE(shownText(*window, "lblShares"), QStringLiteral("0"));
    QCOMPARE(window->focusWidget(), window->findChild<QWidget*>(QStringLiteral("cmdBuyShare")));

    // Brought forward while open: no wait, the same window, the stable chosen kept.
    testing::choose(*window, "cmbName", QStringLiteral("Baron Kestrel's"));
    QCOMPARE(enter("mnuStockMarket").waits, 0);
    QCOMPARE(market(), window);
    QCOMPARE(chosenIn(*window, "cmbName"), QStringLiteral("Baron Kestrel's"));

    closeWindow(window);
    QVERIFY(!market());
    QVERIFY(!play_->ticked("mnuStockMarket"));

    QCOMPARE(enter().waits, 1);
    window = market();
    QVERIFY(window);
    QCOMPARE(chosenIn(*window, "cmbName"), QStringLiteral("Dejavu"));
    auto* list = window->findChild<QComboBox*>(QStringLiteral("cmbName"));
    QStringList names;
    for (int i = 0; i < list->count(); ++i) names << list->itemText(i);
    QCOMPARE(names, QStringList({"Dejavu", "Allstars Horses", "Baron Kestrel's",
                                 "Free Horses Association", "Gustav Albert 1840", "Fergusson's"}));
  }

  void buyingAndSellingOneShareAtATime() {
    enter();
    StockMarketWindow& window = *market();
    testing::click(window, "cmdBuyShare");
    testing::click(window, "cmdBuyShare");
    QCOMPARE(shownText(window, "lblShares"), QStringLiteral("2"));
    QCOMPARE(play_->purse(), QStringLiteral("GBP 50.00"));

    testing::click(window, "lblSell");
    QCOMPARE(shownText(window, "lblShares"), QStringLiteral("1"));
    QCOMPARE(play_->purse(), QStringLiteral("GBP 95.00"));
    QVERIFY(play_->messenger.messages.empty());

    // Another stable: none held there, and a share the purse cannot pay for.
    testing::choose(window, "cmbName", QStringLiteral("Allstars Horses"));
    QCOMPARE(shownText(window, "lblShares"), QStringLiteral("0"));
    testing::click(window, "lblSell");
    QCOMPARE(play_->messenger.last(), std::string("You have no more shares to sell."));
    QCOMPARE(shownText(window, "lblShares"), QStringLiteral("0"));
    testing::click(window, "cmdBuyShare");
    QCOMPARE(play_->messenger.last(), std::string("Sorry, you do not have enough money to afford this."));
    QCOMPARE(shownText(window, "lblShares"), QStringLiteral("0"));
    QCOMPARE(play_->purse(), QStringLiteral("GBP 95.00"));

    testing::choose(window, "cmbName", QStringLiteral("Dejavu"));
    QCOMPARE(shownText(window, "lblShares"), QStringLiteral("1"));
  }

  void theMonthShowsTheNewPriceOfTheStableChosen() {
    enter();
    StockMarketWindow* window = market();
    testing::choose(*window, "cmbName", QStringLiteral("Fergusson's"));
    QCOMPARE(shownText(*window, "lblSharePrice"), QStringLiteral("GBP 1000.00"));

    play_->nextMonth(testing::kPricesRise);
    QCOMPARE(shownText(*window, "lblSharePrice"), QStringLiteral("GBP 1600.00"));
    QCOMPARE(shownText(*window, "lblDivPrice"), QStringLiteral("GBP 80.00"));
    QCOMPARE(chosenIn(*window, "cmbName"), QStringLiteral("Fergusson's"));

    // Closed, it is left alone; opened afresh, it shows the first stable at its new price.
    closeWindow(window);
    play_->nextMonth(testing::kPricesStay);
    QCOMPARE(enter().waits, 1);
    QCOMPARE(shownText(*market(), "lblSharePrice"), QStringLiteral("GBP 80.00"));
    QCOMPARE(shownText(*market(), "lblDivPrice"), QStringLiteral("GBP 4.00"));
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::StockMarketWindowTest)
#include "stock_market_window_test.moc"
