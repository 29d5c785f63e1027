// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// The shared background as windows show it: the picture's top-left part, one rendering as large
// as the largest window and no larger, following the windows when they are resized.

#include <QtTest>
#include <QWidget>

#include "world/picture_store.h"

namespace gallox {

namespace {

QPixmap brushOf(const QWidget& window) { return window.palette().brush(QPalette::Window).texture(); }

// A window sees the background's top-left part; it must reach at least to the window's edges.
bool covers(const QPixmap& background, QSize window) {
  return background.width() >= window.width() && background.height() >= window.height();
}

}  // namespace

class PictureStoreTest : public QObject {
  Q_OBJECT

 private slots:
  void aSmallBackgroundIsTheTopLeftOfTheWholePicture() {
    PictureStore pictures;
    const QImage whole = pictures.background().toImage();
    QCOMPARE(whole.size(), PictureStore::kBackgroundSize);
    // Three bytes a pixel: the pixmap keeps the format it was rendered in.
    QCOMPARE(whole.depth(), 24);
    for (const QSize shown : {QSize(681, 154), QSize(527, 336), QSize(1, 600)}) {
      PictureStore fresh;
      const QImage part = fresh.background(shown).toImage();
      QCOMPARE(part.size(), shown);
      QCOMPARE(part.convertToFormat(whole.format()), whole.copy(QRect(QPoint(0, 0), shown)));
    }
    QCOMPARE(PictureStore().background(QSize(2000, 100)).size(), QSize(1024, 100));
  }

  void oneRenderingServesEveryWindowAndGrowsWithTheLargest() {
    PictureStore pictures;
    const QPixmap first = pictures.background(QSize(681, 154));
    QCOMPARE(first.size(), QSize(681, 154));
    QCOMPARE(pictures.background(QSize(300, 100)).cacheKey(), first.cacheKey());
    // Taller but narrower: both the old width and the new height.
    QCOMPARE(pictures.background(QSize(527, 336)).size(), QSize(681, 336));

    QWidget small;
    small.resize(200, 100);
    pictures.applyBackground(small);
    small.show();
    QVERIFY(QTest::qWaitForWindowExposed(&small));
    QWidget large;
    large.resize(724, 551);
    pictures.applyBackground(large);
    large.show();
    QVERIFY(QTest::qWaitForWindowExposed(&large));
    QCOMPARE(brushOf(large).size(), QSize(724, 551));
    QCOMPARE(brushOf(small).cacheKey(), brushOf(large).cacheKey());
  }

  void aWindowsBackgroundFollowsItsSize_data() {
    QTest::addColumn<QSize>("first");
    QTest::addColumn<QSize>("then");
    QTest::addColumn<QSize>("background");
    QTest::newRow("grown") << QSize(200, 100) << QSize(300, 150) << QSize(300, 150);
    QTest::newRow("shrunk") << QSize(300, 150) << QSize(120, 80) << QSize(300, 150);
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
    QCOMPARE(brushOf(window).size(), first);
    window.resize(then);
    QTRY_COMPARE(brushOf(window).size(), background);
    QVERIFY(window.autoFillBackground());
  }

  void anIconOffersItsSidesAndDrawsThePictureAtTheSizeAsked() {
    const QIcon icon = PictureStore::icon(QStringLiteral("icon.svg"), {16, 48});
    QCOMPARE(icon.availableSizes(), QList<QSize>({QSize(16, 16), QSize(48, 48)}));
    PictureStore pictures;
    for (const QSize size : {QSize(16, 16), QSize(48, 48), QSize(20, 20)}) {
      const QImage drawn = icon.pixmap(size).toImage();
      QCOMPARE(drawn.size(), size);
      QCOMPARE(drawn, pictures.picture(QStringLiteral("icon.svg"), size).toImage());
    }
  }

  void aWindowShownBeforeItsBackgroundIsLaidGetsItAtOnce() {
    PictureStore pictures;
    QWidget window;
    window.resize(250, 120);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    pictures.applyBackground(window);
    QVERIFY(covers(brushOf(window), QSize(250, 120)));
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::PictureStoreTest)
#include "picture_store_test.moc"
