// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// "Please wait": holds the player for a journey or an entrance while a striped bar runs.

#include <QDialog>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <array>

namespace gallox {

class PictureStore;

class WaitWindow : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kFrames = 7;
  static constexpr int kFrameMs = 150;

  WaitWindow(PictureStore& pictures, QWidget* parent = nullptr);

  // Shows the window modally, centred on the screen, for ms milliseconds; an empty header keeps
  // "Please wait...". A duration below one millisecond returns at once. The parent may go while
  // the player waits (its wait window goes with it): the result says whether it is still there,
  // and a caller whose parent is gone must not touch it.
  static bool showWait(PictureStore& pictures, const QString& header, const QString& message,
                       int ms, QWidget* parent = nullptr);

  QString heading() const { return header_->text(); }
  QString message() const { return msg_->text(); }
  int waitFrame() const { return waitFrame_; }
  void animatorTick();

  // The seven frames of the bar, drawn once: green with light stripes that move along.
  static const std::array<QPixmap, kFrames>& frames();

 private:
  void centreOnScreen();

  QLabel* header_;
  QLabel* msg_;
  QLabel* ani_;
  QTimer* animator_;
  QTimer* closer_;
  int waitFrame_ = 0;
};

}  // namespace gallox
