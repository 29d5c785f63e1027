// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// One bank with the player's loan and deposit at it. Every loan, repayment and deposit moves
// exactly one step of the bank's; the loan is capped at ten steps.

#include <string>

namespace gallox {

class Messenger;
class Player;

class Bank {
 public:
  // A deposit grows no further by itself: ten thousand million pounds is centuries of play away,
  // and far enough below the float's own end that the purse can take every bank's deposit at
  // once. Left to grow, the last bank's deposit would reach infinity in about fifteen
  // thousand months.
  static constexpr float kDepositLimit = 1e10f;

  Bank(Player& player, Messenger& messenger);

  const std::string& BankName() const { return bankName_; }
  void setBankName(const std::string& name) { bankName_ = name; }
  float DebtInt() const { return debtInt_; }
  void setDebtInt(float rate) { debtInt_ = rate; }
  float DepInt() const { return depInt_; }
  void setDepInt(float factor) { depInt_ = factor; }
  float DDStep() const { return ddStep_; }
  void setDDStep(float step) { ddStep_ = step; }
  float YourLoan() const { return yourLoan_; }
  float CurDep() const { return curDep_; }
  float YourDep() const { return yourDep_; }

  // The name without " Bank", as the bank speaks of itself ("Miami Bank" -> "Miami").
  std::string shortName() const;

  void borrowLoan();
  void repayLoan();
  void payLoan();
  void updateDeposit();
  void deposit();
  void pick();

 private:
  Player& player_;
  Messenger& messenger_;
  std::string bankName_;
  float debtInt_ = 0.0f;
  float depInt_ = 0.0f;
  float yourDep_ = 0.0f;
  float curDep_ = 0.0f;
  float yourLoan_ = 0.0f;
  float ddStep_ = 0.0f;
};

}  // namespace gallox
