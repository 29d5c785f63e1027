// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// The shop as the player meets it from the main window: opened by its button and its menu
// entry, the price hint under the pointer, purchases on the purse and the counters, refusals
// in the message window, and the tick that follows the window.

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "shop/shop_window.h"
#include "support/main_window_world.h"
#include "support/scripted_random.h"
#include "world/look.h"
#include "world/message_window.h"

namespace gallox {

class ShopWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::MainWindowWorld<testing::ScriptedRandom, WindowMessenger>> world_;
  MainWindow* main_ = nullptr;

  QString mainText(const char* name) const { return main_->findChild<QLabel*>(QLatin1String(name))->text(); }
  QColor purseColour() const {
    return main_->findChild<QLabel*>(QStringLiteral("lCurrentMoney"))->palette().color(QPalette::WindowText);
  }
  bool ticked() const { return main_->findChild<QAction*>(QStringLiteral("mnuShop"))->isChecked(); }
  ShopWindow* shop() const { return main_->toolWindows().find<ShopWindow>(ToolWindow::Shop); }
  QPushButton* button(const char* name) const { return shop()->findChild<QPushButton*>(QLatin1String(name)); }
  QString hint() const { return shop()->findChild<QLabel*>(QStringLiteral("inf"))->text(); }
  void buy(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
  void closeShop() {
    shop()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  // The message windows on screen, newest last.
  static QStringList messagesShown() {
    QStringList texts;
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* message = qobject_cast<MessageWindow*>(widget); message && message->isVisible())
        texts << message->text();
    return texts;
  }
  static void clearMessages() {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (qobject_cast<MessageWindow*>(widget)) widget->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

 private slots:
  void initTestCase() { installFontSubstitutions(); }

  void init() {
    world_ = std::make_unique<testing::MainWindowWorld<testing::ScriptedRandom, WindowMessenger>>();
    world_->random.fallBackTo(0.5f);
    world_->start();
    main_ = world_->window.get();
    QCursor::setPos(QPoint(0, 0));
    QTest::mouseClick(main_->findChild<QLabel*>(QStringLiteral("cmdShop")), Qt::LeftButton);
    QVERIFY(shop() && shop()->isVisible());
    // Clear of the main window, so that the pointer finds the shop.
    shop()->move(450, 300);
  }

  void cleanup() {
    clearMessages();
    world_.reset();
  }

  void opensTickedAndOnceAndClosingClearsTheTick() {
    QCOMPARE(shop()->windowTitle(), QStringLiteral("Shop"));
    QCOMPARE(shop()->size(), QSize(306, 178));
    QVERIFY(shop()->windowFlags().testFlag(Qt::Tool));
    QVERIFY(ticked());
    QCOMPARE(hint(), QString());

    ShopWindow* first = shop();
    QTest::keyClick(main_, Qt::Key_P, Qt::ControlModifier);
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
    QTest::mouseMove(shop()->findChild<QLabel*>(QStringLiteral("header")));
    QTest::mouseMove(shop()->findChild<QLabel*>(QStringLiteral("inf")));
    QCOMPARE(hint(), QStringLiteral("GBP 80"));
    QTest::mouseMove(shop(), QPoint(20, 170));
    QCOMPARE(hint(), QString());

    // A shop opened anew starts without a price.
    QTest::mouseMove(button("buyDoping"));
    closeShop();
    main_->findChild<QAction*>(QStringLiteral("mnuShop"))->trigger();
    QVERIFY(shop() && ticked());
    shop()->move(450, 300);
    QCOMPARE(hint(), QString());
  }

  void purchasesPayFirstAndShowTheLoss() {
    buy("readN");
    QCOMPARE(mainText("lCurrentMoney"), QStringLiteral("GBP 140.00"));
    QCOMPARE(purseColour(), QColor(255, 0, 0));
    QCOMPARE(main_->flowStep(), std::int16_t{-16});
    QCOMPARE(mainText("NPs"), QStringLiteral("1"));

    buy("buyDoping");
    QCOMPARE(mainText("lCurrentMoney"), QStringLiteral("GBP 105.00"));
    QCOMPARE(world_->player().dopings(), 1);

    buy("NPsub");
    QCOMPARE(mainText("lCurrentMoney"), QStringLiteral("GBP 25.00"));
    QCOMPARE(mainText("gain"), QStringLiteral("GBP -125.00"));
    QCOMPARE(mainText("NPs"), QStringLiteral("11"));
    QVERIFY(messagesShown().isEmpty());
  }

  void refusalsSayWhyAndTakeNothing() {
    world_->player().setMoney(34.99f);
    buy("buyDoping");
    QCOMPARE(messagesShown(), QStringList{QStringLiteral("Sorry, you do not have enough money to afford this.")});
    QCOMPARE(world_->player().Money(), 34.99f);
    QCOMPARE(world_->player().dopings(), 0);
    QVERIFY(shop()->isVisible());
    clearMessages();

    world_->player().setMoney(150.0f);
    world_->player().subscribe(250);
    buy("NPsub");
    QCOMPARE(messagesShown(),
             QStringList{QStringLiteral(
                 "Sorry, you cannot keep more than 255 newspaper issues. Read some of yours first!")});
    QCOMPARE(mainText("NPs"), QStringLiteral("250"));
    QCOMPARE(world_->player().Money(), 150.0f);
    clearMessages();

    for (int i = 0; i < 255; ++i) world_->player().buyDoping();
    buy("buyDoping");
    QCOMPARE(messagesShown(),
             QStringList{QStringLiteral("Sorry, you cannot keep more than 255 dopings. Use some of yours first!")});
    QCOMPARE(world_->player().dopings(), 255);
    QCOMPARE(world_->player().Money(), 150.0f);
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::ShopWindowTest)
#include "shop_window_test.moc"
