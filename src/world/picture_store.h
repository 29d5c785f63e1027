// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// Every picture of the game, rendered once from the pictures compiled into the program and
// handed out by index: vehicles in colour and in grey, stables, banks and cities.

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

class QWidget;

namespace gallox {

class PictureStore {
 public:
  // The shared window background's own size.
  static constexpr QSize kBackgroundSize{1024, 600};

  // A picture by its file name under ":/pictures/", at its own size or the size asked for.
  // A picture that is missing comes out as a transparent rectangle, never as a crash.
  QPixmap picture(const QString& fileName, QSize size = {});
  // The same, rendered afresh and not kept: for a large picture that one window converts and
  // keeps for itself while it is open (the race's track).
  QImage render(const QString& fileName, QSize size = {}) const;

  QPixmap veh(int vehicle);
  QPixmap veh_dis(int vehicle);
  QPixmap g_city(int city);
  QPixmap g_bank(int bank);
  QPixmap stables(int stable);

  // The shared background as far as a window of the size `shown` shows it: its top-left part,
  // at the picture's own scale.
  QPixmap background(QSize shown = kBackgroundSize);
  // Lays the shared background under a window, sized to the window whenever it is resized.
  // The store must outlive the window.
  void applyBackground(QWidget& window);

 private:
  QHash<QString, QPixmap> cache_;
};

}  // namespace gallox
