// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// "Shop": three buttons that buy one newspaper issue, one doping or ten issues, and a red price
// hint that names the price of the button under the pointer.

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "shop/shop_desk.h"

namespace gallox {

class PictureStore;

class ShopWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr QSize kClientSize{306, 178};

  ShopWindow(ShopDesk& desk, PictureStore& pictures, QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void addButton(const QString& caption, const char* name, const QRect& twips, ShopDesk::Goods goods);

  ShopDesk& desk_;
  QLabel* inf_;
  // By the goods they sell.
  std::array<QPushButton*, 3> buttons_{};
};

}  // namespace gallox
