// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// "Banks": one of the six banks at a time with its picture, its rates and the player's deposit
// and loan there, and four buttons to deal with it in the bank's step. The console works the
// same buttons and the same choice of bank, also while the window is hidden.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "world/month_publisher.h"

namespace gallox {

class BanksDesk;
class PictureStore;

class BanksWindow : public QWidget, public MonthPublisher {
  Q_OBJECT
 public:
  // Opens on the first bank, whatever the desk showed last.
  BanksWindow(BanksDesk& desk, PictureStore& pictures, QWidget* parent = nullptr);

  int selectedBank() const { return bankChoose_->currentIndex(); }
  // As if the player chose the bank from the list: everything shown follows it. There is no
  // bank outside 0 to 5, and the choice stays where it is.
  void selectBank(int index);

  void bankBorrowClicked();
  void bankDepClicked();
  void bankPickClicked();
  void bankRepayClicked();

  // The month has turned: the bank shown again, with its grown deposit.
  void publishDep();
  void publishMonth() override { publishDep(); }

 private:
  void bankChooseClicked(int index);
  void showDeposit();
  void showLoan();

  BanksDesk& desk_;
  PictureStore& pictures_;

  QLabel* header_ = nullptr;
  QComboBox* bankChoose_ = nullptr;
  QLabel* bankImage_ = nullptr;
  QLabel* bankName_ = nullptr;
  QLabel* bankDi_ = nullptr;
  QLabel* bankLi_ = nullptr;
  QLabel* bankYd_ = nullptr;
  QLabel* bankCd_ = nullptr;
  QLabel* bankYl_ = nullptr;
  QPushButton* bankDep_ = nullptr;
  QPushButton* bankPick_ = nullptr;
  QPushButton* bankBorrow_ = nullptr;
  QPushButton* bankRepay_ = nullptr;
};

}  // namespace gallox
