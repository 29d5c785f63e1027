// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The race window's view of the track: a framed picture area that keeps the frame composed on
// it and reports every mouse move over it, with the buttons held, in its inner pixels.

#include <QFrame>
#include <QPointF>

#include "race/picture_area.h"

namespace gallox {

class RaceFieldView : public QFrame {
  Q_OBJECT
 public:
  // `inner` is the drawing area; the one-pixel border comes around it.
  explicit RaceFieldView(QSize inner, QWidget* parent = nullptr);

  PictureArea& area() { return area_; }
  const PictureArea& area() const { return area_; }
  // Asks for the parts of the picture drawn on since the last time to be shown again.
  void showChanges();

 signals:
  void mouseMoved(Qt::MouseButtons buttons, QPointF position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  PictureArea area_;
};

}  // namespace gallox
