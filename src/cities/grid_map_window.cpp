// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "cities/grid_map_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <array>

#include "world/game.h"
#include "world/look.h"
#include "world/picture_store.h"

namespace gallox {

namespace {

constexpr QSize kClientSize(571, 500);
// Right of the game's title tab and below the band of the shared background.
constexpr int kLegendLeft = 122;
constexpr int kLegendTop = 44;
constexpr QSize kLegendSize(84, 19);
constexpr int kLegendPitch = 21;
constexpr QRect kListRect(226, 52, 181, 24);
constexpr QRect kAddCityRect(226, 86, 181, 24);
constexpr QRect kClearRect(427, 86, 96, 24);
constexpr QRect kMapRect(10, 136, 550, 352);
constexpr Colour kMapGrey = rgb(224, 224, 224);
// Routes are drawn smooth and a little heavier than the crisp one-pixel squares.
constexpr double kLineWidth = 1.6;

struct LegendEntry {
  const char* name;
  Colour back;
  Colour text;
};
// The train's legend is a darker green than its lines, so that its name stays readable.
constexpr std::array<LegendEntry, kVehicleCount> kLegend = {{
    {"Bus", rgb(255, 0, 0), rgb(0, 0, 0)},
    {"Train", rgb(0, 128, 0), rgb(0, 0, 0)},
    {"Airplane", rgb(255, 255, 0), rgb(0, 0, 0)},
    {"Ship", rgb(0, 0, 255), rgb(255, 255, 255)},
}};

QPointF toPoint(MapPoint point) { return {point.x, point.y}; }

}  // namespace

GridMapWindow::GridMapWindow(Game& game, PictureStore& pictures, QWidget* parent)
    : QWidget(parent, kToolWindowFlags),
      game_(game),
      canvas_(kMapRect.size()),
      cmbCities_(new QComboBox(this)),
      addCity_(new QPushButton(QStringLiteral("Add City"), this)),
      cmdClear_(new QPushButton(QStringLiteral("Clear"), this)),
      pctMap_(new QLabel(this)) {
  setWindowTitle(QStringLiteral("Grid Window"));
  setFixedSize(kClientSize);
  pictures.applyBackground(*this);
  setFont(designFont(QStringLiteral("Tahoma"), 9));

  makeWindowHeader(QStringLiteral("Grid Map"), *this);

  for (int v = 0; v < kVehicleCount; ++v) {
    const LegendEntry& entry = kLegend[static_cast<std::size_t>(v)];
    auto* legend = new QLabel(QString::fromLatin1(entry.name), this);
    legend->setObjectName(QStringLiteral("Legend%1").arg(v));
    legend->setAlignment(Qt::AlignCenter);
    legend->setFont(designFont(QStringLiteral("Tahoma"), 9, true));
    legend->setStyleSheet(QStringLiteral("color: %1; background-color: %2;"
                                         " border: 1px solid rgb(0, 64, 0);")
                              .arg(toQColor(entry.text).name(), toQColor(entry.back).name()));
    legend->setGeometry(QRect(QPoint(kLegendLeft, kLegendTop + v * kLegendPitch), kLegendSize));
  }

  cmbCities_->setObjectName(QStringLiteral("cmbCities"));
  cmbCities_->setGeometry(kListRect);
  styleGameButton(*addCity_, QStringLiteral("addCity"), kAddCityRect);
  connect(addCity_, &QPushButton::clicked, this, &GridMapWindow::addCityClicked);
  styleGameButton(*cmdClear_, QStringLiteral("cmdClear"), kClearRect);
  connect(cmdClear_, &QPushButton::clicked, this, &GridMapWindow::cmdClearClicked);

  // A thin dark edge around the map; the map itself keeps its own pixel coordinates.
  auto* edge = new QFrame(this);
  edge->setGeometry(kMapRect.adjusted(-1, -1, 1, 1));
  edge->setStyleSheet(QStringLiteral("border: 1px solid rgb(0, 64, 0);"));
  pctMap_->raise();
  pctMap_->setObjectName(QStringLiteral("pctMap"));
  pctMap_->setGeometry(kMapRect);
  pctMap_->installEventFilter(this);

  formLoad();
}

void GridMapWindow::formLoad() {
  map_.clear();
  fillList();
  drawMap();
}

void GridMapWindow::fillList() {
  cmbCities_->clear();
  for (const int city : map_.unplaced())
    cmbCities_->addItem(QString::fromStdString(game_.cities().city(city)));
  cmbCities_->setCurrentIndex(cmbCities_->count() > 0 ? 0 : -1);
  // With every city on the map there is nothing left to add until the map is cleared.
  addCity_->setEnabled(map_.canAdd());
}

void GridMapWindow::addCityClicked() {
  if (cmbCities_->currentIndex() < 0) return;
  const int city = game_.cities().cityIndex(cmbCities_->currentText().toStdString());
  if (!map_.addCity(city, game_.routes().routes())) return;
  fillList();
  drawMap();
}

void GridMapWindow::cmdClearClicked() { formLoad(); }

void GridMapWindow::drawMap() {
  canvas_.fill(toQColor(kMapGrey));
  QPainter painter(&canvas_);
  painter.setFont(designFont(QStringLiteral("Tahoma"), 10.2));
  const auto nodes = map_.nodes();
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    const MapNode& node = nodes[i];
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int v = 0; v < kVehicleCount; ++v) {
      painter.setPen(QPen(toQColor(GridMap::kColors[static_cast<std::size_t>(v)]), 1));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(QRectF(toPoint(GridMap::squareCorner(node, v)),
                              QSizeF(GridMap::kSquareSize, GridMap::kSquareSize)));
    }
    for (std::size_t j = 0; j < i; ++j) {
      for (int v = 0; v < kVehicleCount; ++v) {
        if (node.links[j][static_cast<std::size_t>(v)] == 0) continue;
        painter.setPen(QPen(toQColor(GridMap::kColors[static_cast<std::size_t>(v)]), kLineWidth));
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.drawLine(toPoint(GridMap::squareCentre(node, v)),
                         toPoint(GridMap::squareCentre(nodes[j], v)));
      }
    }
    painter.setPen(Qt::black);
    painter.drawText(QRectF(node.X, node.Y, kMapRect.width(), kMapRect.height()),
                     Qt::AlignLeft | Qt::AlignTop,
                     QString::fromStdString(game_.cities().city(node.city)));
  }
  painter.end();
  pctMap_->setPixmap(canvas_);
}

bool GridMapWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == pctMap_) {
    if (event->type() == QEvent::MouseButtonPress) {
      const QPointF at = static_cast<QMouseEvent*>(event)->position();
      map_.press(static_cast<float>(at.x()), static_cast<float>(at.y()));
      return true;
    }
    if (event->type() == QEvent::MouseMove) {
      const auto* move = static_cast<QMouseEvent*>(event);
      const QPointF at = move->position();
      if (map_.drag(move->buttons() == Qt::LeftButton, static_cast<float>(at.x()),
                    static_cast<float>(at.y())))
        drawMap();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void GridMapWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  hide();
}

}  // namespace gallox
