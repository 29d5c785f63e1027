// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "race/b_screen.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

#include "world/look.h"

namespace gallox {

namespace {

// The view's back colour, shown where the track picture does not reach.
constexpr QRgb kBackColour = 0xFFFFFFFF;
// Far more than a race writes: its names and places in two colours and weights.
constexpr qsizetype kMostWritten = 256;

bool isRgb32(const QImage& image) { return image.format() == QImage::Format_RGB32; }

}  // namespace

void BScreen::Setup(PictureArea& view, const QImage& source, double totalWidth, double totalHeight) {
  view_ = &view;
  source_ = &source;
  // The view is combined with the track and the sprites pixel by pixel, in one format.
  if (view.image.format() != QImage::Format_RGB32)
    view.image = view.image.convertToFormat(QImage::Format_RGB32);
  scroll_.setup(totalWidth, totalHeight, view.image.width(), view.image.height());
  viewKey_ = 0;
}

bool BScreen::trackStillShown() const {
  return viewAsLeft() && sourceKey_ == source_->cacheKey() &&
         shownScroll_ == QPoint(scroll_.scrollX(), scroll_.scrollY());
}

void BScreen::bgCls() {
  if (!view_) return;
  if (trackStillShown()) {
    for (const QRect& part : drawn_) showTrack(part);
    view_->changed += drawn_;
  } else {
    showTrack(view_->image.rect());
    view_->changed = view_->image.rect();
    shownScroll_ = QPoint(scroll_.scrollX(), scroll_.scrollY());
    sourceKey_ = source_->cacheKey();
  }
  drawn_ = QRegion();
  viewKey_ = view_->image.cacheKey();
}

void BScreen::showTrack(const QRect& part) {
  QImage& view = view_->image;
  const QPoint scroll(scroll_.scrollX(), scroll_.scrollY());
  const QRect wanted = part.intersected(view.rect()).translated(scroll);
  const QRect copied = wanted.intersected(source_->rect());
  if (copied != wanted) {
    const QRect back = wanted.translated(-scroll);
    for (int y = back.top(); y <= back.bottom(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(view.scanLine(y));
      std::fill(line + back.left(), line + back.left() + back.width(), kBackColour);
    }
  }
  if (copied.isEmpty()) return;
  if (source_->format() == view.format()) {
    const auto bytes = static_cast<std::size_t>(copied.width()) * sizeof(QRgb);
    for (int y = copied.top(); y <= copied.bottom(); ++y)
      std::memcpy(view.scanLine(y - scroll.y()) + (copied.left() - scroll.x()) * sizeof(QRgb),
                  source_->constScanLine(y) + copied.left() * sizeof(QRgb), bytes);
    return;
  }
  QPainter painter(&view);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(copied.topLeft() - scroll, *source_, copied);
}

bool BScreen::viewAsLeft() const { return viewKey_ != 0 && viewKey_ == view_->image.cacheKey(); }

void BScreen::drawnOn(const QRect& part, bool wasAsLeft) {
  drawn_ += part;
  view_->changed += part;
  // Drawing here changes the view's key too; only a change by anything else must spoil it.
  viewKey_ = wasAsLeft ? view_->image.cacheKey() : 0;
}

void BScreen::Blit(const QImage& sprite, const QImage& mask, int x, int y) {
  if (!view_) return;
  QImage& view = view_->image;
  const QPoint at(x - scroll_.scrollX(), y - scroll_.scrollY());
  const QRect area = QRect(at, sprite.size()).intersected(QRect(at, mask.size())).intersected(view.rect());
  if (area.isEmpty()) return;
  const bool asLeft = viewAsLeft();
  if (isRgb32(sprite) && isRgb32(mask)) {
    for (int vy = area.top(); vy <= area.bottom(); ++vy) {
      auto* out = reinterpret_cast<QRgb*>(view.scanLine(vy));
      const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(vy - at.y()));
      const auto* s = reinterpret_cast<const QRgb*>(sprite.constScanLine(vy - at.y()));
      for (int vx = area.left(); vx <= area.right(); ++vx)
        out[vx] = (out[vx] & m[vx - at.x()]) | s[vx - at.x()];
    }
  } else {
    const QRect from(area.topLeft() - at, area.size());
    QPainter painter(&view);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(area.topLeft(), mask, from);
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(area.topLeft(), sprite, from);
  }
  drawnOn(area, asLeft);
}

void BScreen::Echo(int x, int y, const QString& text) {
  if (!view_ || text.isEmpty()) return;
  const QImage& picture = written(text);
  const QRect area = QRect(QPoint(x - scroll_.scrollX(), y - scroll_.scrollY()), picture.size());
  if (!area.intersects(view_->image.rect())) return;
  const bool asLeft = viewAsLeft();
  {
    QPainter painter(&view_->image);
    painter.drawImage(area.topLeft(), picture);
  }
  drawnOn(area.intersected(view_->image.rect()), asLeft);
}

const QImage& BScreen::written(const QString& text) {
  WrittenText key{text, view_->font, view_->textColour.rgba()};
  if (const auto found = written_.constFind(key); found != written_.constEnd()) return *found;
  if (written_.size() >= kMostWritten) written_.clear();
  const QFontMetrics metrics(view_->font);
  // Room for an italic's lean past the advance.
  const QSize size(metrics.horizontalAdvance(text) + metrics.height() / 2, metrics.height());
  QImage picture(size, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  {
    QPainter painter(&picture);
    painter.setFont(view_->font);
    painter.setPen(view_->textColour);
    painter.drawText(QPoint(0, metrics.ascent()), text);
  }
  return *written_.insert(key, picture);
}

void BScreen::setFont(const QString& font) {
  if (view_) view_->font.setFamily(font);
}

void BScreen::toggleBold() {
  if (view_) view_->font.setBold(!view_->font.bold());
}

void BScreen::setBold() {
  if (view_) view_->font.setBold(true);
}

void BScreen::unsetBold() {
  if (view_) view_->font.setBold(false);
}

void BScreen::toggleItalic() {
  if (view_) view_->font.setItalic(!view_->font.italic());
}

void BScreen::setItalic() {
  if (view_) view_->font.setItalic(true);
}

void BScreen::unsetItalic() {
  if (view_) view_->font.setItalic(false);
}

void BScreen::setColor(Colour color) {
  if (view_) view_->textColour = toQColor(color);
}

}  // namespace gallox
