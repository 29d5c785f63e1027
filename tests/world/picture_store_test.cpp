// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// The shared background as windows show it: the picture's top-left part, one rendering as large
// as the largest window and no larger, following the windows when they are resized.

#include <QCryptographicHash>
#include <QResource>
#include <QTemporaryDir>
#include <QtTest>
#include <QWidget>

#include "mainwindow/button_row.h"
#include "world/look.h"
#include "world/picture_store.h"

namespace gallox {

namespace {

QPixmap brushOf(const QWidget& window) { return window.palette().brush(QPalette::Window).texture(); }

// A picture whose every pixel differs from its neighbours, so that a misplaced row or column shows.
QImage pattern(QSize size, QImage::Format format = QImage::Format_ARGB32_Premultiplied) {
  QImage image(size, format);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x) image.setPixel(x, y, qRgb(x * 17 % 256, y * 29 % 256, (x + y) * 7 % 256));
  return image;
}

}  // namespace

class PictureStoreTest : public QObject {
  Q_OBJECT

  static bool shown(QWidget& window, QSize size, PictureStore& pictures) {
    window.resize(size);
    pictures.applyBackground(window);
    window.show();
    return QTest::qWaitForWindowExposed(&window);
  }

 private slots:
  void aSmallBackgroundIsTheTopLeftOfTheWholePicture() {
    const QImage whole = PictureStore().background().toImage();
    QCOMPARE(whole.size(), PictureStore::kBackgroundSize);
    QCOMPARE(whole.depth(), 24);  // the pixmap keeps the three bytes a pixel it was rendered in
    for (const QSize size : {QSize(681, 154), QSize(527, 336), QSize(1, 600)}) {
      const QImage part = PictureStore().background(size).toImage();
      QCOMPARE(part.size(), size);
      QCOMPARE(part.convertToFormat(whole.format()), whole.copy(QRect(QPoint(0, 0), size)));
    }
  }

  void oneRenderingServesEveryWindowAndGrowsWithTheLargest() {
    PictureStore pictures;
    const qint64 first = pictures.background(QSize(681, 154)).cacheKey();
    QCOMPARE(pictures.background(QSize(300, 100)).cacheKey(), first);
    // Taller but narrower: both the old width and the new height.
    QCOMPARE(pictures.background(QSize(527, 336)).size(), QSize(681, 336));
    QWidget small, large;
    QVERIFY(shown(small, QSize(200, 100), pictures));
    QVERIFY(shown(large, QSize(724, 551), pictures));
    QCOMPARE(brushOf(large).size(), QSize(724, 551));
    QCOMPARE(brushOf(small).cacheKey(), brushOf(large).cacheKey());
  }

  void aWindowsBackgroundFollowsItsSize_data() {
    QTest::addColumn<bool>("laidWhenShown");
    QTest::addColumn<QSize>("first");
    QTest::addColumn<QSize>("then");
    QTest::addColumn<QSize>("background");
    QTest::newRow("grown") << false << QSize(200, 100) << QSize(300, 150) << QSize(300, 150);
    QTest::newRow("shrunk") << false << QSize(300, 150) << QSize(120, 80) << QSize(300, 150);
    QTest::newRow("beyond the picture") << false << QSize(200, 100) << QSize(1200, 700) << QSize(1024, 600);
    // Shown before its background is laid, a window gets it at once.
    QTest::newRow("laid once shown") << true << QSize(250, 120) << QSize(300, 150) << QSize(300, 150);
  }
  void aWindowsBackgroundFollowsItsSize() {
    QFETCH(bool, laidWhenShown);
    QFETCH(QSize, first);
    QFETCH(QSize, then);
    QFETCH(QSize, background);
    PictureStore pictures;
    QWidget window;
    window.resize(first);
    if (!laidWhenShown) pictures.applyBackground(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    pictures.applyBackground(window);  // laid again: still one keeper
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

  // Pictures asked for again come from the store while they fit its room, the latest first; a
  // larger one is made anew each time, and lives only as long as a window shows it.
  void theStoreKeepsTheLatestPicturesThatFitItsRoom() {
    PictureStore pictures;
    const qint64 firstCity = pictures.g_city(0).cacheKey();
    QCOMPARE(pictures.g_city(0).cacheKey(), firstCity);
    // Every city is more than the room: the first ones asked for make way.
    for (int city = 1; city < 14; ++city) pictures.g_city(city);
    QCOMPARE(pictures.g_city(13).cacheKey(), pictures.g_city(13).cacheKey());
    QVERIFY(pictures.g_city(0).cacheKey() != firstCity);

    const QPixmap page = pictures.picture(QStringLiteral("newspaper_page.svg"));
    QVERIFY(qsizetype(page.width()) * page.height() * 4 > PictureStore::kKeptKb * 1024);
    QVERIFY(pictures.picture(QStringLiteral("newspaper_page.svg")).cacheKey() != page.cacheKey());
  }

  // The build bakes the main window's pictures beside the programs it makes, this test's included.
  void theBuildBakesTheButtonsAndTheBackground() {
    BakedPictures baked;
    PictureStore pictures;
    for (const ButtonRow::Place& place : ButtonRow::kButtons) {
      const QString file = QString::fromLatin1(place.picture);
      const QSize size = twipRect(place.left, place.top, place.width, place.height).size();
      const QImage read = baked.read(file, size);
      QVERIFY2(!read.isNull(), qPrintable(file));
      QCOMPARE(read, pictures.render(file, size));
    }
    QCOMPARE(baked.read(QStringLiteral("background.svg"), PictureStore::kBackgroundSize, QSize(681, 154)).size(),
             QSize(681, 154));
  }

  void aBakedPictureIsReadWholeOrItsTopLeftPart() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pictures.bin"));
    const QImage button = pattern(QSize(5, 4)), background = pattern(QSize(13, 7), QImage::Format_RGB888);
    const QString icon = QStringLiteral("icon.svg"), back = QStringLiteral("background.svg");
    QVERIFY(BakedPictures::write(path, {{icon, button}, {back, background}}));
    BakedPictures baked(path);
    QCOMPARE(baked.read(icon, QSize(5, 4)), button);
    QCOMPARE(baked.read(back, QSize(13, 7), QSize(6, 3)), background.copy(0, 0, 6, 3));
    QCOMPARE(baked.read(back, QSize(13, 7)), background);
    // Not baked: another size, another drawing, more than was baked.
    QVERIFY(baked.read(icon, QSize(4, 5)).isNull());
    QVERIFY(baked.read(QStringLiteral("horse.svg"), QSize(5, 4)).isNull());
    QVERIFY(baked.read(back, QSize(13, 7), QSize(14, 7)).isNull());
  }

  // A file left from another drawing, cut short or missing: the pictures are rendered instead.
  void aBakedFileThatNoLongerFitsIsPassedOver_data() {
    QTest::addColumn<QString>("fault");
    for (const char* fault : {"drawing changed", "cut short", "index damaged", "missing"})
      QTest::newRow(fault) << QString::fromLatin1(fault);
  }
  void aBakedFileThatNoLongerFitsIsPassedOver() {
    QFETCH(QString, fault);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pictures.bin")), icon = QStringLiteral("icon.svg");
    const QSize size(5, 4);
    QVERIFY(BakedPictures::write(path, {{icon, pattern(size)}}));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    qsizetype at = 20;  // in the index
    if (fault == "drawing changed")
      at = bytes.indexOf(QCryptographicHash::hash(QResource(QStringLiteral(":/pictures/icon.svg")).uncompressedData(),
                                                  QCryptographicHash::Sha1));
    QVERIFY(at > 0);
    if (fault == "cut short") bytes.chop(1);
    else bytes[at] = static_cast<char>(~bytes[at]);
    file.resize(0);
    file.write(bytes);
    file.close();
    if (fault == "missing") QVERIFY(file.remove());

    QVERIFY(BakedPictures(path).read(icon, size).isNull());
    PictureStore pictures(path);
    QCOMPARE(pictures.picture(icon, size).toImage(), pictures.render(icon, size));
    QCOMPARE(pictures.background(QSize(40, 30)).toImage(), PictureStore::renderBackground(QSize(40, 30)));
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::PictureStoreTest)
#include "picture_store_test.moc"
