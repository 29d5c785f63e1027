// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "race/race_field_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "world/look.h"

namespace gallox {

namespace {
constexpr int kBorder = 1;
}  // namespace

RaceFieldView::RaceFieldView(QSize inner, QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(kBorder);
  setFixedSize(inner + QSize(2 * kBorder, 2 * kBorder));
  // Moves without a button held end a drag, so they must arrive too.
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  // The picture and the border cover every pixel: nothing of the window needs painting under
  // the view, which is repainted on every tick of a race.
  setAttribute(Qt::WA_OpaquePaintEvent);

  area_.image = QImage(inner, QImage::Format_RGB32);
  area_.image.fill(palette().color(QPalette::Base));
  area_.font = designFont(QStringLiteral("Trebuchet MS"), 7.8);
  area_.textColour = palette().color(QPalette::WindowText);
}

void RaceFieldView::showChanges() {
  if (area_.changed.isEmpty()) return;
  update(area_.changed.translated(contentsRect().topLeft()));
  area_.changed = QRegion();
}

void RaceFieldView::paintEvent(QPaintEvent* event) {
  {
    // Only what the event asks for: on a race's tick, the few places the horses left and reached.
    QPainter painter(this);
    const QPoint origin = contentsRect().topLeft();
    for (const QRect& part : event->region() & contentsRect())
      painter.drawImage(part.topLeft(), area_.image, part.translated(-origin));
  }
  QFrame::paintEvent(event);
}

void RaceFieldView::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved(event->buttons(), event->position() - QPointF(contentsRect().topLeft()));
  QFrame::mouseMoveEvent(event);
}

}  // namespace gallox
