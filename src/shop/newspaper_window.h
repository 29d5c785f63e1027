// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The month's paper, "The Gallox Herald": the races column and four items around a picture.
// It shows the issue it was filled with and takes a new one only when the player reads again.

#include <QLabel>
#include <QWidget>
#include <array>

#include "world/news.h"

namespace gallox {

class PictureStore;

class NewspaperWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr QSize kClientSize{1004, 450};

  // Filled with the month's issue and standing in the top-left corner of the screen; the
  // caller shows it.
  NewspaperWindow(const News& news, PictureStore& pictures, QWidget* parent = nullptr);

  // Reading again: the issue of the month, back in the corner, in front.
  void reload();

 private:
  void fill();
  QLabel* addLabel(const char* name, const QRect& twips, Qt::Alignment alignment = {});

  const News& news_;
  QLabel* date_ = nullptr;
  QLabel* races_ = nullptr;
  // header(0) is the races column's title, header(1) to header(4) the items.
  std::array<QLabel*, kNewsItemCount + 1> header_{};
};

}  // namespace gallox
