// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// The shared background as windows show it: the picture's top-left part, rendered as large as
// the window and no larger, and following the window when it is resized.

#include <QtTest>
#include <QWidget>

#include "world/picture_store.h"

namespace gallox {

namespace {

QSize brushSize(const QWidget& window) {
  return window.palette().brush(QPalette::Window).texture().size();
}

}  // namespace

class PictureStoreTest : public QObject {
  Q_OBJECT

 private slots:
  void aSmallBackgroundIsTheTopLeftOfTheWholePicture() {
    PictureStore pictures;
    const QImage whole = pictures.background().toImage();
    QCOMPARE(whole.size(), PictureStore::kBackgroundSize);
    for (const QSize shown : {QSize(681, 154), QSize(527, 336), QSize(1, 600)}) {
      const QImage part = pictures.background(shown).toImage();
      QCOMPARE(part.size(), shown);
      QCOMPARE(part.convertToFormat(whole.format()), whole.copy(QRect(QPoint(0, 0), shown)));
    }
    QCOMPARE(pictures.background(QSize(2000, 100)).size(), QSize(1024, 100));
  }

  void aWindowsBackgroundFollowsItsSize_data() {
    QTest::addColumn<QSize>("first");
    QTest::addColumn<QSize>("then");
    QTest::addColumn<QSize>("background");
    QTest::newRow("grown") << QSize(200, 100) << QSize(300, 150) << QSize(300, 150);
    QTest::newRow("shrunk") << QSize(300, 150) << QSize(120, 80) << QSize(120, 80);
    QTest::newRow("beyond the picture") << QSize(200, 100) << QSize(1200, 700) << QSize(1024, 600);
  }
  void aWindowsBackgroundFollowsItsSize() {
    QFETCH(QSize, first);
    QFETCH(QSize, then);
    QFETCH(QSize, background);
    PictureStore pictures;
    QWidget window;
    window.resize(first);
    pictures.applyBackground(window);
    pictures.applyBackground(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(brushSize(window), first);
    window.resize(then);
    QTRY_COMPARE(brushSize(window), background);
    QVERIFY(window.autoFillBackground());
  }

  void aWindowShownBeforeItsBackgroundIsLaidGetsItAtOnce() {
    PictureStore pictures;
    QWidget window;
    window.resize(250, 120);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    pictures.applyBackground(window);
    QCOMPARE(brushSize(window), QSize(250, 120));
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::PictureStoreTest)
#include "picture_store_test.moc"
