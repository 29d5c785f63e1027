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
  // A picture by its file name under ":/pictures/", at its own size or the size asked for.
  // A picture that is missing comes out as a transparent rectangle, never as a crash.
  QPixmap picture(const QString& fileName, QSize size = {});

  QPixmap veh(int vehicle);
  QPixmap veh_dis(int vehicle);
  QPixmap g_city(int city);
  QPixmap g_bank(int bank);
  QPixmap stables(int stable);

  QPixmap background();
  // Lays the shared background under a window: it shows the picture's top-left part.
  void applyBackground(QWidget& window);

 private:
  QHash<QString, QPixmap> cache_;
};

}  // namespace gallox
