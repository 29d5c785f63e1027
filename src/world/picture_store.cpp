// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/picture_store.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>
#include <QEvent>
#include <QWidget>
#include <array>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <memory>
#include <utility>

namespace gallox {

namespace {

constexpr std::array<const char*, 4> kVehicleFiles = {"vehicle_bus.svg", "vehicle_train.svg",
                                                      "vehicle_airplane.svg", "vehicle_ship.svg"};
constexpr std::array<QSize, 4> kVehicleSizes = {QSize(46, 37), QSize(55, 37), QSize(57, 42),
                                                QSize(57, 36)};
constexpr std::array<const char*, 14> kCityFiles = {
    "city_bath.svg",     "city_bournemouth.svg", "city_bristol.svg",     "city_cardiff.svg",
    "city_exeter.svg",   "city_gloucester.svg",  "city_london.svg",      "city_merthyr_tydfil.svg",
    "city_newport.svg",  "city_penzance.svg",    "city_plymouth.svg",    "city_southampton.svg",
    "city_taunton.svg",  "city_yeovil.svg"};
constexpr QSize kCitySize(180, 120);
// Drawn at the size the banks and stock market windows show them.
constexpr QSize kBankSize(90, 60);
constexpr QSize kStableSize(100, 100);

QString key(const QString& name, QSize size) {
  return name + QLatin1Char('@') + QString::number(size.width()) + QLatin1Char('x') +
         QString::number(size.height());
}

// A vehicle without a route: the same picture in greys, a little faded.
QPixmap greyed(const QPixmap& colour) {
  QImage image = colour.toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int grey = 96 + qGray(line[x]) / 2;
      line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
    }
  }
  return QPixmap::fromImage(image);
}

QImage renderWith(QSvgRenderer& renderer, QSize size, QImage::Format format) {
  const QSize target = size.isValid() ? size : (renderer.isValid() ? renderer.defaultSize() : QSize(1, 1));
  QImage image(target, format);
  image.fill(Qt::transparent);
  if (renderer.isValid()) {
    QPainter painter(&image);
    renderer.render(&painter);
  }
  return image;
}

// The picture behind an icon, read on the first size asked for and rendered once at each.
class PictureIconEngine final : public QIconEngine {
 public:
  PictureIconEngine(const QString& fileName, const QList<QSize>& sizes) : fileName_(fileName), sizes_(sizes) {}

  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    if (const auto found = rendered_.constFind(size); found != rendered_.constEnd()) return *found;
    if (!renderer_) renderer_ = std::make_unique<QSvgRenderer>(QStringLiteral(":/pictures/") + fileName_);
    const QPixmap made = QPixmap::fromImage(renderWith(*renderer_, size, QImage::Format_ARGB32_Premultiplied));
    rendered_.insert(size, made);
    return made;
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return sizes_; }
  QIconEngine* clone() const override { return new PictureIconEngine(fileName_, sizes_); }
  QString key() const override { return QStringLiteral("gallox-picture"); }
  bool isNull() override { return false; }

 private:
  QString fileName_;
  QList<QSize> sizes_;
  std::unique_ptr<QSvgRenderer> renderer_;
  QHash<QSize, QPixmap> rendered_;
};

// A drawing this large takes many times its size in small pieces while it is read.
constexpr qint64 kLargeDrawing = 64 * 1024;

// The allocator keeps what a large drawing took once it is freed, in holes under memory still
// in use (the newspaper's picture left 7 MB so); this hands those pages back to the system.
void returnFreedMemory() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

}  // namespace

// Asks for a window's background again whenever the window is resized: a window shows the
// picture's top-left part, and rendering more than the windows show costs time and memory.
class BackgroundFit final : public QObject {
 public:
  static constexpr QLatin1String kName{"gallox-background-fit"};

  BackgroundFit(PictureStore& pictures, QWidget& window) : QObject(&window), pictures_(pictures) {
    setObjectName(kName);
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize && watched == parent()) pictures_.fitBackground(*static_cast<QWidget*>(watched));
    return false;
  }

 private:
  PictureStore& pictures_;
};

QImage PictureStore::render(const QString& fileName, QSize size, QImage::Format format) const {
  const QString path = QStringLiteral(":/pictures/") + fileName;
  QImage image;
  {
    QSvgRenderer renderer(path);
    image = renderWith(renderer, size, format);
  }
  if (QResource(path).uncompressedSize() >= kLargeDrawing) returnFreedMemory();
  return image;
}

QIcon PictureStore::icon(const QString& fileName, const QList<int>& sides) {
  QList<QSize> sizes;
  for (const int side : sides) sizes.append(QSize(side, side));
  return QIcon(new PictureIconEngine(fileName, sizes));
}

QPixmap PictureStore::picture(const QString& fileName, QSize size) {
  const QString cacheKey = key(fileName, size);
  if (const QPixmap* kept = cache_.object(cacheKey)) return *kept;
  QImage image = size.isValid() ? baked_.read(fileName, size) : QImage();
  if (image.isNull()) image = render(fileName, size);
  return keep(cacheKey, QPixmap::fromImage(std::move(image)));
}

QPixmap PictureStore::keep(const QString& key, const QPixmap& made) {
  const qsizetype bytes = qsizetype(made.width()) * made.height() * made.depth() / 8;
  const qsizetype kb = (bytes + 1023) / 1024;
  // One larger than the room is dropped at once.
  cache_.insert(key, new QPixmap(made), kb);
  return made;
}

QPixmap PictureStore::veh(int vehicle) {
  const auto i = static_cast<std::size_t>(vehicle);
  return picture(kVehicleFiles.at(i), kVehicleSizes.at(i));
}

QPixmap PictureStore::veh_dis(int vehicle) {
  const QString cacheKey = QStringLiteral("grey:%1").arg(vehicle);
  if (const QPixmap* kept = cache_.object(cacheKey)) return *kept;
  return keep(cacheKey, greyed(veh(vehicle)));
}

QPixmap PictureStore::g_city(int city) {
  return picture(kCityFiles.at(static_cast<std::size_t>(city)), kCitySize);
}

QPixmap PictureStore::g_bank(int bank) {
  return picture(QStringLiteral("bank_%1.svg").arg(bank), kBankSize);
}

QPixmap PictureStore::stables(int stable) {
  return picture(QStringLiteral("stable_%1.svg").arg(stable), kStableSize);
}

QPixmap PictureStore::background(QSize shown) {
  const QSize size = shown.boundedTo(kBackgroundSize).expandedTo(QSize(1, 1));
  const QSize held = background_.size();
  if (!background_.isNull() && held.width() >= size.width() && held.height() >= size.height())
    return background_;

  // One rendering, as large as the largest window asked for, serves every window.
  const QSize wanted = size.expandedTo(held);
  QImage image = baked_.read(QStringLiteral("background.svg"), kBackgroundSize, wanted);
  if (image.isNull()) image = renderBackground(wanted);
  background_ = QPixmap::fromImage(std::move(image), Qt::NoFormatConversion);
  // The smaller renderings go as the windows that showed them take the new one.
  backgrounded_.removeAll(nullptr);
  for (const QPointer<QWidget>& window : std::as_const(backgrounded_)) layBackground(*window, background_);
  return background_;
}

QImage PictureStore::renderBackground(QSize size) {
  QSvgRenderer renderer(QStringLiteral(":/pictures/background.svg"));
  // Opaque, as the picture covers itself, and in three bytes a pixel, not four: the largest
  // windows show it in every state of play, and a quarter of it is memory well saved. It goes
  // into the pixmap as it is; the screen converts the few parts it paints.
  QImage image(size, QImage::Format_RGB888);
  image.fill(Qt::white);
  if (renderer.isValid()) {
    // At the picture's own scale: the part beyond the image is left out, not squeezed in.
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), kBackgroundSize));
  }
  return image;
}

void PictureStore::layBackground(QWidget& window, const QPixmap& picture) {
  QPalette palette = window.palette();
  palette.setBrush(QPalette::Window, QBrush(picture));
  window.setPalette(palette);
}

void PictureStore::fitBackground(QWidget& window) { layBackground(window, background(window.size())); }

void PictureStore::applyBackground(QWidget& window) {
  // One keeper a window, however often its background is laid.
  if (!window.findChild<QObject*>(BackgroundFit::kName, Qt::FindDirectChildrenOnly)) {
    new BackgroundFit(*this, window);
    backgrounded_.append(&window);
    // A window not yet sized gets its size, and its background, when it is first shown.
    if (!window.testAttribute(Qt::WA_PendingResizeEvent)) fitBackground(window);
  }
  window.setAutoFillBackground(true);
}

}  // namespace gallox
