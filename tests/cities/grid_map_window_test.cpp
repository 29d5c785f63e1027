// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "cities/grid_map_window.h"

#include <QComboBox>
#include <QtTest>
#include <cstdlib>
#include <memory>

#include "support/controls.h"
#include "support/steady_random.h"
#include "support/world.h"
#include "world/look.h"
#include "world/picture_store.h"

namespace gallox {
namespace {

const QColor kGrey(224, 224, 224);
const QColor kBusRed(255, 0, 0);
const QColor kTrainGreen(0, 204, 0);
const QColor kShipBlue(0, 0, 255);

}  // namespace

class GridMapWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::GameWorld<testing::SteadyRandom>> world_;
  PictureStore pictures_;
  std::unique_ptr<GridMapWindow> window_;

  QComboBox& list() { return testing::control<QComboBox>(*window_, "cmbCities"); }
  QWidget& button(const char* name) { return testing::control(*window_, name); }
  QLabel& map() { return testing::control<QLabel>(*window_, "pctMap"); }
  QColor pixel(int x, int y) { return map().pixmap().toImage().pixelColor(x, y); }
  // A smooth line blends into the grey at its edges; at its middle its own colour rules.
  static bool isMostly(const QColor& seen, const QColor& colour) {
    return std::abs(seen.red() - colour.red()) < 80 && std::abs(seen.green() - colour.green()) < 80 &&
           std::abs(seen.blue() - colour.blue()) < 80;
  }

  void add(const QString& city) {
    list().setCurrentIndex(list().findText(city));
    testing::click(*window_, "addCity");
  }
  void mouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, at, map().mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&map(), &event);
  }
  void drag(QPointF from, QPointF to, Qt::MouseButton pressed = Qt::LeftButton,
            Qt::MouseButtons held = Qt::LeftButton) {
    mouse(QEvent::MouseButtonPress, from, pressed, pressed);
    mouse(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, held);
    mouse(QEvent::MouseMove, to, Qt::NoButton, held);
    mouse(QEvent::MouseButtonRelease, to, pressed, Qt::NoButton);
  }
  // Whether anything but the map's grey lies in the box where a name written at (x, y) starts.
  bool nameAt(int x, int y) {
    const QImage image = map().pixmap().toImage();
    for (int dy = 2; dy < 14; ++dy)
      for (int dx = 0; dx < 30; ++dx)
        if (image.pixelColor(x + dx, y + dy) != kGrey) return true;
    return false;
  }

 private slots:
  void initTestCase() { installFontSubstitutions(); }

  void init() {
    world_ = std::make_unique<testing::GameWorld<testing::SteadyRandom>>();
    world_->start();
    window_ = std::make_unique<GridMapWindow>(world_->game, pictures_);
    window_->show();
  }

  void cleanup() {
    window_.reset();
    world_.reset();
  }

  void anAddedCityShowsItsSquaresAndNameAndLeavesTheList() {
    QCOMPARE(pixel(90, 110), kGrey);
    add(QStringLiteral("London"));
    QCOMPARE(list().findText(QStringLiteral("London")), -1);
    QCOMPARE(list().currentText(), QStringLiteral("Bath"));
    QCOMPARE(pixel(90, 110), kBusRed);       // the bus square's corner, 10 left of the name
    QCOMPARE(pixel(80, 110), kTrainGreen);
    QCOMPARE(pixel(60, 114), kShipBlue);
    QCOMPARE(pixel(92, 112), kGrey);  // the squares are outlines
    QVERIFY(nameAt(100, 100));
  }

  void routesBecomeLinesBetweenTheSquaresOfTheirVehicle() {
    add(QStringLiteral("London"));
    add(QStringLiteral("Penzance"));     // joined to London by air
    add(QStringLiteral("Southampton"));  // to London by bus and by train, to Penzance not at all
    // Southampton lies on top: the press picks it and it keeps the offset it was picked at.
    drag({110, 105}, {310, 255});
    QVERIFY(nameAt(300, 250));

    // The bus line runs from (92, 112) to (292, 262), the train line ten pixels further left.
    QVERIFY(isMostly(pixel(192, 187), kBusRed));
    QVERIFY(isMostly(pixel(182, 187), kTrainGreen));
    QCOMPARE(pixel(230, 187), kGrey);
    QCOMPARE(pixel(172, 187), kGrey);  // no airplane between Southampton and Penzance
  }

  void onlyTheLeftButtonAloneDrags() {
    add(QStringLiteral("London"));
    drag({110, 105}, {310, 255}, Qt::RightButton, Qt::RightButton);
    QVERIFY(nameAt(100, 100));
    drag({110, 105}, {310, 255}, Qt::LeftButton, Qt::LeftButton | Qt::RightButton);
    QVERIFY(nameAt(100, 100));
    QVERIFY(!nameAt(300, 250));
  }

  void allFourteenCitiesDisableAddingUntilTheMapIsClearedAndClosingKeepsThem() {
    for (int i = 0; i < kCityCount; ++i) {
      QVERIFY(button("addCity").isEnabled());
      testing::click(*window_, "addCity");
    }
    QCOMPARE(list().count(), 0);
    QVERIFY(!button("addCity").isEnabled());
    QVERIFY(nameAt(100, 100));
    QCOMPARE(pixel(90, 110), kBusRed);

    // Closing only hides the map: shown again, it is as it was.
    window_->close();
    QVERIFY(window_->isHidden());
    window_->show();
    QCOMPARE(list().count(), 0);
    QVERIFY(nameAt(100, 100));

    testing::click(*window_, "cmdClear");
    QVERIFY(button("addCity").isEnabled());
    QCOMPARE(list().count(), kCityCount);
    QCOMPARE(pixel(90, 110), kGrey);
    QVERIFY(!nameAt(100, 100));
  }
};

}  // namespace gallox

QTEST_MAIN(gallox::GridMapWindowTest)
#include "grid_map_window_test.moc"
