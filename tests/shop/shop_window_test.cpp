// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// The shop as the player meets it from the main window: opened by its button and its menu
// entry, the price hint under the pointer, purchases on the purse and the counters, refusals
// in the message window, and the tick that follows the window.

#include <QAction>
#include <QtTest>
#include <memory>

#include "shop/shop_window.h"
#include "support/controls.h"
#include "support/main_window_world.h"
#include "support/scripted_random.h"
#include "world/look.h"
#include "world/message_window.h"

namespace gallox {

using testing::control;
using testing::shownText;

class ShopWindowTest : public QObject {
  Q_OBJECT

 private:
  using World = testing::PlayedGame<WindowMessenger>;
  std::unique_ptr<World> world_;

  MainWindow& main() const { return *world_->window; }
  Player& player() const { return world_->player(); }
  QString mainText(const char* name) const { return shownText(main(), name); }
  QColor purseColour() const { return control<QLabel>(main(), "lCurrentMoney").palette().color(QPalette::WindowText); }
  bool ticked() const { return control<QAction>(main(), "mnuShop").isChecked(); }
  ShopWindow* shop() const { return main().toolWindows().find<ShopWindow>(ToolWindow::Shop); }
  QWidget* button(const char* name) const { return &control(*shop(), name); }
  QString hint() const { return shownText(*shop(), "inf"); }
  void buy(const char* name) { testing::click(*shop(), name); }
  // Clear of the main window, so that the pointer finds the shop.
  void moveShopAside() { shop()->move(450, 300); }
  void closeShop() { testing::closeWindow(shop()); }
  // The message windows on screen.
  static QStringList messagesShown() {
    QStringList texts;
    for (MessageWindow* message : testing::topLevel<MessageWindow>())
      if (message->isVisible()) texts << message->text();
    return texts;
  }

 private slots:
  void initTestCase() { installFontSubstitutions(); }

  void init() {
    world_ = std::make_unique<World>(0.5f);
    QCursor::setPos(QPoint(0, 0));
    testing::click(main(), "cmdShop");
    QVERIFY(shop() && shop()->isVisible());
    moveShopAside();
  }

  void cleanup() {
    qDeleteAll(testing::topLevel<MessageWindow>());
    world_.reset();
  }

  void opensTickedAndOnceAndClosingClearsTheTick() {
    QVERIFY(ticked());
    QCOMPARE(hint(), QString());

    ShopWindow* first = shop();
    QTest::keyClick(&main(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(shop(), first);
    QVERIFY(ticked());

    closeShop();
    QVERIFY(!shop());
    QVERIFY(!ticked());
  }

  void hintFollowsThePointerOverTheButtonsOnly() {
    QTest::mouseMove(button("readN"));
    QCOMPARE(hint(), QStringLiteral("GBP 10"));
    // Straight from one button onto the next: the price changes without going blank.
    QTest::mouseMove(button("buyDoping"));
    QCOMPARE(hint(), QStringLiteral("GBP 35"));
    QTest::mouseMove(button("NPsub"));
    QCOMPARE(hint(), QStringLiteral("GBP 80"));
    // The labels leave it; the bare background clears it.
    QTest::mouseMove(&control(*shop(), "header"));
    QTest::mouseMove(&control(*shop(), "inf"));
    QCOMPARE(hint(), QStringLiteral("GBP 80"));
    QTest::mouseMove(shop(), QPoint(20, 170));
    QCOMPARE(hint(), QString());

    // A shop opened anew starts without a price.
    QTest::mouseMove(button("buyDoping"));
    closeShop();
    control<QAction>(main(), "mnuShop").trigger();
    QVERIFY(shop() && ticked());
    QCOMPARE(hint(), QString());
  }

  void purchasesPayFirstAndShowTheLoss() {
    buy("readN");
    QCOMPARE(mainText("lCurrentMoney"), QStringLiteral("GBP 140.00"));
    QCOMPARE(purseColour(), QColor(255, 0, 0));
    QCOMPARE(main().flowStep(), std::int16_t{-16});
    QCOMPARE(mainText("NPs"), QStringLiteral("1"));

    buy("buyDoping");
    QCOMPARE(mainText("lCurrentMoney"), QStringLiteral("GBP 105.00"));
    QCOMPARE(player().dopings(), 1);

    buy("NPsub");
    QCOMPARE(mainText("lCurrentMoney"), QStringLiteral("GBP 25.00"));
    QCOMPARE(mainText("gain"), QStringLiteral("GBP -125.00"));
    QCOMPARE(mainText("NPs"), QStringLiteral("11"));
    QVERIFY(messagesShown().isEmpty());
  }

  // The desk's table refuses each of the three; here the refusal reaches the message window.
  void aRefusalSaysWhyAndTakesNothing() {
    player().subscribe(250);
    buy("NPsub");
    QCOMPARE(messagesShown(),
             QStringList{QStringLiteral(
                 "Sorry, you cannot keep more than 255 newspaper issues. Read some of yours first!")});
    QCOMPARE(mainText("NPs"), QStringLiteral("250"));
    QCOMPARE(player().Money(), 150.0f);
    QVERIFY(shop()->isVisible());
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::ShopWindowTest)
#include "shop_window_test.moc"
