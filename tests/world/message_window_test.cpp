// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// The message window: one sentence, OK hides it, and it always goes away by itself.

#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "support/controls.h"
#include "world/message_window.h"

namespace gallox {

using testing::topLevel;

class MessageWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { qDeleteAll(topLevel<MessageWindow>()); }

  void showsTheSentenceAtItsPlaceWithoutBlocking() {
    WindowMessenger messenger;
    messenger.showMessage("Sorry, you do not have enough money to afford this.");
    const QList<MessageWindow*> windows = topLevel<MessageWindow>();
    QCOMPARE(windows.size(), 1);
    MessageWindow* window = windows.front();
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    QCOMPARE(window->text(), QStringLiteral("Sorry, you do not have enough money to afford this."));
    QVERIFY(window->hider()->isActive());
    // Pale text needs its green ground to be read at all.
    QCOMPARE(window->grab().toImage().pixelColor(3, 3), QColor(131, 193, 70));

    // OK hides it, not more: its own timer still runs and takes it away.
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QPointer<MessageWindow> hidden = window;
    QTest::mouseClick(window->okButton(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!hidden.isNull() && !hidden->isVisible());
    QVERIFY(hidden->hider()->isActive());
    hidden->hider()->setInterval(5);
    QTRY_VERIFY_WITH_TIMEOUT(hidden.isNull(), 1000);
  }

  void twoMessagesStandOneAboveTheOther() {
    WindowMessenger messenger;
    messenger.showMessage("First");
    messenger.showMessage("Second");
    const QList<MessageWindow*> windows = topLevel<MessageWindow>();
    QCOMPARE(windows.size(), 2);
    QCOMPARE(windows[0]->pos(), windows[1]->pos());
    QStringList texts{windows[0]->text(), windows[1]->text()};
    texts.sort();
    QCOMPARE(texts, (QStringList{"First", "Second"}));

    // Each goes on its own: the first to run out leaves the other on screen.
    QPointer<MessageWindow> first = windows[0];
    QPointer<MessageWindow> second = windows[1];
    first->hider()->setInterval(5);
    QTRY_VERIFY_WITH_TIMEOUT(first.isNull(), 1000);
    QVERIFY(!second.isNull());
    QVERIFY(second->isVisible());
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::MessageWindowTest)
#include "message_window_test.moc"
