// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// Every picture of the game, rendered from the pictures compiled into the program and
// handed out by index: vehicles in colour and in grey, stables, banks and cities.

#include <QCache>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>

#include "world/baked_pictures.h"

namespace gallox {

class PictureStore {
 public:
  // The shared window background's own size.
  static constexpr QSize kBackgroundSize{1024, 600};

  // Pictures baked into `bakedFile` when the program was built are read from there; by default
  // from the file beside the program.
  explicit PictureStore(const QString& bakedFile = {}) : baked_(bakedFile) {}

  // How much of the pictures handed out the store keeps for the next time they are asked for,
  // in kB: the row of buttons, the vehicles and the latest city or two, bank and stable. What a
  // window shows stays with the window; a picture larger than this is never kept. Kept without
  // bound, a long game held every picture it ever showed, the newspaper's page among them.
  static constexpr qsizetype kKeptKb = 256;

  // A picture by its file name under ":/pictures/", at its own size or the size asked for.
  // A picture that is missing comes out as a transparent rectangle, never as a crash.
  QPixmap picture(const QString& fileName, QSize size = {});
  // The same, rendered afresh and not kept: for a large picture that one window keeps for
  // itself while it is open (the race's track). In an opaque format the picture is laid on
  // black, which a picture that covers itself never shows.
  QImage render(const QString& fileName, QSize size = {},
                QImage::Format format = QImage::Format_ARGB32_Premultiplied) const;
  // The shared background rendered afresh at the picture's own scale, `size` of it from the
  // top left.
  static QImage renderBackground(QSize size);

  // An icon of the picture, offered at the given sides and rendered only at the sizes a
  // platform asks for, when it asks: nothing is rendered while a window merely receives it.
  static QIcon icon(const QString& fileName, const QList<int>& sides);

  QPixmap veh(int vehicle);
  QPixmap veh_dis(int vehicle);
  QPixmap g_city(int city);
  QPixmap g_bank(int bank);
  QPixmap stables(int stable);

  // The shared background at the picture's own scale, at least as large as `shown` where the
  // picture reaches: a window of that size shows its top-left part.
  QPixmap background(QSize shown = kBackgroundSize);
  // Lays the shared background under a window, and again whenever the window is resized.
  // The store must outlive the window.
  void applyBackground(QWidget& window);
  void fitBackground(QWidget& window);

 private:
  static void layBackground(QWidget& window, const QPixmap& picture);

  BakedPictures baked_;
  // Hands out the kept picture, or keeps the one just made as far as the room allows.
  QPixmap keep(const QString& key, const QPixmap& made);

  // The least recently asked for go first.
  QCache<QString, QPixmap> cache_{kKeptKb};
  QPixmap background_;
  // The windows showing the background, which take each larger rendering of it.
  QList<QPointer<QWidget>> backgrounded_;
};

}  // namespace gallox
