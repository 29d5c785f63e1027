// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// The wait window: its heading, its running bar, and how long it holds the player.

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QtTest>

#include "support/modal_watch.h"
#include "world/picture_store.h"
#include "world/wait_window.h"

namespace gallox {

class WaitWindowTest : public QObject {
  Q_OBJECT

  struct Seen { QString title, heading, message; bool messageFits = false; };
  PictureStore pictures_;

  // Waits briefly and reports what the wait window showed meanwhile.
  Seen waitAndLook(const QString& header, const QString& message) {
    Seen seen;
    testing::ModalWatch watch([&seen](QWidget* modal) {
      auto* window = qobject_cast<WaitWindow*>(modal);
      if (!window) return;
      seen = {window->windowTitle(), window->heading(), window->message(), false};
      for (QLabel* label : window->findChildren<QLabel*>())
        if (label->text() == seen.message)
          seen.messageFits = label->fontMetrics().horizontalAdvance(seen.message) <= label->width();
    });
    WaitWindow::showWait(pictures_, header, message, 40);
    return seen;
  }

 private slots:
  void headingIsFreshOnEveryWait() {
    const Seen plain = waitAndLook(QString(), QStringLiteral("You are travelling to the desired destination."));
    QCOMPARE(plain.title, QStringLiteral("Please wait"));
    QCOMPARE(plain.heading, QStringLiteral("Please wait..."));
    QCOMPARE(plain.message, QStringLiteral("You are travelling to the desired destination."));
    QVERIFY(plain.messageFits);

    const Seen headed = waitAndLook(QStringLiteral("Stock Market"), QStringLiteral("Entering the Stock Market..."));
    QCOMPARE(headed.heading, QStringLiteral("Stock Market"));

    // The window starts anew each time: the last heading does not stay behind.
    const Seen again = waitAndLook(QString(), QString());
    QCOMPARE(again.heading, QStringLiteral("Please wait..."));
    QCOMPARE(again.message, QString());
  }

  void barCyclesThroughSevenFrames() {
    WaitWindow window(pictures_);
    QLabel* bar = nullptr;
    for (QLabel* label : window.findChildren<QLabel*>())
      if (!bar && !label->pixmap().isNull()) bar = label;
    QVERIFY(bar != nullptr);
    QCOMPARE(window.waitFrame(), 0);
    QCOMPARE(bar->pixmap().cacheKey(), WaitWindow::frames()[0].cacheKey());
    // Each tick shows the frame due and moves on; after the seventh the bar starts over.
    for (int tick = 1; tick <= 8; ++tick) {
      window.animatorTick();
      QCOMPARE(bar->pixmap().cacheKey(), WaitWindow::frames()[static_cast<std::size_t>((tick - 1) % 7)].cacheKey());
      QCOMPARE(window.waitFrame(), tick % 7);
    }
  }

  void holdsForTheDurationCentredOnTheScreen() {
    QWidget owner;
    owner.setGeometry(10, 20, 200, 100);
    owner.show();
    QRect placed;
    QTimer::singleShot(0, [&placed] {
      if (QWidget* window = QApplication::activeModalWidget()) placed = window->geometry();
    });
    QElapsedTimer clock;
    clock.start();
    WaitWindow::showWait(pictures_, QString(), QStringLiteral("A short way"), 150, &owner);
    const qint64 held = clock.elapsed();
    QVERIFY2(held >= 140 && held < 2000, qPrintable(QString::number(held)));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    const QPoint centre = owner.screen()->geometry().center();
    // Placed before it is shown, the window cannot know its frame yet: a border's width is allowed.
    QVERIFY2((placed.center() - centre).manhattanLength() <= 4,
             qPrintable(QStringLiteral("at %1, %2").arg(placed.x()).arg(placed.y())));

    // Nothing would ever close a wait below a millisecond, so it does not wait at all.
    testing::ModalWatch watch([](QWidget*) {});
    clock.restart();
    WaitWindow::showWait(pictures_, QString(), QString(), 0);
    QVERIFY(clock.elapsed() < 100);
    QCoreApplication::processEvents();
    QCOMPARE(watch.answered(), 0);
  }

  void endsWhenTheWindowItBelongsToGoes() {
    auto* owner = new QWidget;
    owner->show();
    QTimer::singleShot(20, [owner] { delete owner; });
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!WaitWindow::showWait(pictures_, QString(), QStringLiteral("A long way"), 5000, owner));
    QVERIFY(clock.elapsed() < 2000);
    QVERIFY(QApplication::activeModalWidget() == nullptr);

    QWidget stays;
    QVERIFY(WaitWindow::showWait(pictures_, QString(), QString(), 10, &stays));
    QVERIFY(WaitWindow::showWait(pictures_, QString(), QString(), 10));
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::WaitWindowTest)
#include "wait_window_test.moc"
