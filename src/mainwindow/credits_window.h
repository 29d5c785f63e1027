// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// "About...": the team's logo and the credits, whose two columns slide in from both sides
// each time the window opens.

#include <QDialog>
#include <QLabel>
#include <QTimer>

#include "mainwindow/credits_slide.h"

namespace gallox {

class PictureStore;

class CreditsWindow : public QDialog {
  Q_OBJECT
 public:
  static constexpr QSize kClientSize{403, 369};

  explicit CreditsWindow(PictureStore& pictures, QWidget* parent = nullptr);

  // One step of the slide; Timer1 calls it every 50 ms until both columns stand still.
  void timer1Tick();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void placeColumns();

  PictureStore& pictures_;
  CreditsSlide slide_;
  QLabel* lblLeft_;
  QLabel* lblRight_;
  QTimer* timer1_;
};

}  // namespace gallox
