// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "mainwindow/image_button.h"

#include <QMouseEvent>

namespace gallox {

ImageButton::ImageButton(int id, QWidget* parent) : QLabel(parent), id_(id) {
  setMouseTracking(true);
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

// A click is a press and a release on the same picture, as with any button: sliding off
// before letting go takes it back.
void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click) emit clicked();
}

void ImageButton::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  emit hovered(id_);
}

}  // namespace gallox
