// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// "Stables Stock Market": one of the six stables at a time with its emblem, its share price and
// dividend and the player's shares in it; one share bought or sold a click.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "world/month_publisher.h"

namespace gallox {

class PictureStore;
class StockDesk;

class StockMarketWindow : public QWidget, public MonthPublisher {
  Q_OBJECT
 public:
  static constexpr int kEntranceMs = 2000;

  // The way in takes its time: a wait of two seconds on every fresh opening, before the window
  // is made. False when the window it was opened from went meanwhile.
  static bool enter(PictureStore& pictures, QWidget* from);

  // Opens on the first stable, whatever the desk showed last.
  StockMarketWindow(StockDesk& desk, PictureStore& pictures, QWidget* parent = nullptr);

  // The month has turned: the stable shown with its new price and dividend.
  void Publish();
  void publishMonth() override { Publish(); }

 private:
  void cmbNameClicked(int index);
  void cmdBuyShareClicked();
  void lblSellClicked();
  void showShares();

  StockDesk& desk_;
  PictureStore& pictures_;

  QLabel* header_ = nullptr;
  QLabel* imgStable_ = nullptr;
  QComboBox* cmbName_ = nullptr;
  QLabel* lblSharePrice_ = nullptr;
  QLabel* lblDivPrice_ = nullptr;
  QLabel* lblShares_ = nullptr;
  QPushButton* cmdBuyShare_ = nullptr;
  QPushButton* lblSell_ = nullptr;
};

}  // namespace gallox
