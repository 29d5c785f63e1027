// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// The race view's drawing surface: the track under the scroll position, masked sprites and
// text, each at its track position, whichever pixel format the pictures come in.

#include <QPainter>
#include <QtTest>

#include "race/b_screen.h"
#include "race/masked_sprite.h"
#include "world/look.h"

namespace gallox {

namespace {

constexpr QSize kTrack(80, 40);
constexpr QSize kView(60, 40);
constexpr QRgb kSpriteColour = 0xFF2040A0;

// Every track pixel tells where it is: red is x, green is y.
QImage gradientTrack() {
  QImage track(kTrack, QImage::Format_RGB32);
  for (int y = 0; y < track.height(); ++y)
    for (int x = 0; x < track.width(); ++x) track.setPixel(x, y, qRgb(x, y, 200));
  return track;
}

// A 4 x 4 figure with a transparent left column.
MaskedSprite smallHorse() {
  QImage picture(4, 4, QImage::Format_ARGB32);
  picture.fill(kSpriteColour);
  for (int y = 0; y < 4; ++y) picture.setPixel(0, y, qRgba(0, 0, 0, 0));
  return MaskedSprite::fromPicture(picture);
}

bool differs(const QImage& a, const QImage& b, const QRect& where) {
  for (int y = where.top(); y <= where.bottom(); ++y)
    for (int x = where.left(); x <= where.right(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) return true;
  return false;
}

}  // namespace

class BScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { installFontSubstitutions(); }

  void init() {
    track = gradientTrack();
    view = PictureArea{QImage(kView, QImage::Format_RGB32), designFont(QStringLiteral("Trebuchet MS"), 7.8), Qt::black};
    scr = BScreen();
    scr.Setup(view, track, track.width(), track.height());
  }

  void clearingShowsTheTrackUnderTheScrollPosition() {
    scr.bgCls();
    QCOMPARE(view.image.pixel(0, 0), qRgb(0, 0, 200));
    QCOMPARE(view.image.pixel(59, 39), qRgb(59, 39, 200));
    scroll(15);
    QCOMPARE(view.image.pixel(0, 0), qRgb(15, 0, 200));
    QCOMPARE(view.image.pixel(59, 39), qRgb(74, 39, 200));
  }

  void spriteShowsWhereItsMaskIsBlackAndIsClippedAtTheViewsEdges() {
    const MaskedSprite horse = smallHorse();
    scroll(10);
    scr.Blit(horse.sprite, horse.mask, 30, 5);
    QCOMPARE(view.image.pixel(20, 5), qRgb(30, 5, 200));
    QCOMPARE(view.image.pixel(21, 5), kSpriteColour);
    QCOMPARE(view.image.pixel(23, 8), kSpriteColour);
    QCOMPARE(view.image.pixel(24, 8), qRgb(34, 8, 200));

    // Left of the scroll position: only its last column shows, in the view's first.
    scroll(20);
    scr.Blit(horse.sprite, horse.mask, 17, 0);
    QCOMPARE(view.image.pixel(0, 0), kSpriteColour);
    QCOMPARE(view.image.pixel(1, 0), qRgb(21, 0, 200));
    scr.Blit(horse.sprite, horse.mask, 78, 38);
    QCOMPARE(view.image.pixel(59, 39), kSpriteColour);
    scr.Blit(horse.sprite, horse.mask, -100, -100);
    scr.Blit(horse.sprite, horse.mask, 1000, 1000);
  }

  void picturesInOtherFormatsComposeTheSame() {
    const MaskedSprite horse = smallHorse();
    scr.bgCls();
    scr.Blit(horse.sprite, horse.mask, 10, 10);
    const QImage fast = view.image.copy();

    QImage argbTrack = track.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    PictureArea other{QImage(kView, QImage::Format_RGB32), view.font, view.textColour};
    BScreen slow;
    slow.Setup(other, argbTrack, argbTrack.width(), argbTrack.height());
    slow.bgCls();
    slow.Blit(horse.sprite.convertToFormat(QImage::Format_ARGB32), horse.mask.convertToFormat(QImage::Format_ARGB32),
              10, 10);
    QCOMPARE(other.image, fast);
  }

  void textIsWrittenAtItsTrackPositionInTheCurrentColour() {
    scroll(10);
    const QImage clear = view.image.copy();
    scr.Echo(40, 10, QStringLiteral("1."));
    QVERIFY(differs(view.image, clear, QRect(30, 10, 12, 12)));
    QVERIFY(!differs(view.image, clear, QRect(0, 0, 30, 40)));
    QVERIFY(!differs(view.image, clear, QRect(30, 0, 30, 10)));
    const QImage black = view.image.copy();

    // The same text in red: written anew, not taken from the black one.
    scr.bgCls();
    scr.setColor(255);
    scr.setBold();
    scr.Echo(40, 10, QStringLiteral("1."));
    QVERIFY(differs(view.image, black, QRect(30, 10, 12, 12)));
    bool red = false;
    for (int i = 0; i < 12 * 12; ++i) {
      const QRgb pixel = view.image.pixel(30 + i % 12, 10 + i / 12);
      red = red || (qRed(pixel) > 200 && qGreen(pixel) < 60);
    }
    QVERIFY(red);

    // Back in black and plain, the text looks as it did at first.
    scr.setColor();
    scr.unsetBold();
    scr.bgCls();
    scr.Echo(40, 10, QStringLiteral("1."));
    QCOMPARE(view.image, black);
  }

  // Each frame lays the track again only where the last one drew; it must still come out as
  // the same frame composed on a fresh view, and say which pixels the screen must show anew.
  void aFrameOverTheLastIsTheFrameDrawnAfresh_data() {
    QTest::addColumn<int>("scrollTo");
    QTest::addColumn<bool>("paintedOver");
    QTest::newRow("the view kept") << 0 << false;
    QTest::newRow("the view scrolled") << 15 << false;
    QTest::newRow("the view painted on by another") << 0 << true;
  }
  void aFrameOverTheLastIsTheFrameDrawnAfresh() {
    QFETCH(int, scrollTo);
    QFETCH(bool, paintedOver);
    const MaskedSprite horse = smallHorse();
    auto frame = [&horse](BScreen& screen, int x) {
      screen.bgCls();
      screen.Blit(horse.sprite, horse.mask, x, 20);
      screen.Echo(x + 5, 17, QStringLiteral("Lord"));
    };
    frame(scr, 10);
    QCOMPARE(view.changed, QRegion(view.image.rect()));
    view.changed = QRegion();

    scroll(scrollTo, scr);
    if (paintedOver) QPainter(&view.image).fillRect(QRect(50, 0, 10, 10), Qt::red);
    frame(scr, 14);

    PictureArea fresh{QImage(kView, QImage::Format_RGB32), view.font, view.textColour};
    BScreen afresh;
    afresh.Setup(fresh, track, track.width(), track.height());
    scroll(scrollTo, afresh);
    frame(afresh, 14);
    QCOMPARE(view.image, fresh.image);

    if (scrollTo != 0 || paintedOver) {
      QCOMPARE(view.changed, QRegion(view.image.rect()));
    } else {
      // Where the horse and its name were and are now, and nothing far from them.
      QVERIFY(view.changed.contains(QRect(10, 20, 8, 4)));
      QVERIFY(view.changed.contains(QPoint(15, 18)));
      QVERIFY(view.changed.contains(QPoint(19, 18)));
      QVERIFY(!view.changed.contains(QPoint(5, 5)));
      QVERIFY(!view.changed.contains(QPoint(55, 35)));
    }
  }

 private:
  // Drags the view to track x (none for 0) and, on the view's own screen, clears it there.
  void scroll(int x) {
    scroll(x, scr);
    scr.bgCls();
  }
  static void scroll(int x, BScreen& screen) {
    if (x == 0) return;
    screen.drag(0, 0);
    screen.drag(x, 0);
  }

  QImage track;
  PictureArea view;
  BScreen scr;
};

}  // namespace gallox

QTEST_MAIN(gallox::BScreenTest)
#include "b_screen_test.moc"
