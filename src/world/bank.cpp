// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/bank.h"

#include <algorithm>

#include "world/messenger.h"
#include "world/numbers.h"
#include "world/player.h"

namespace gallox {

namespace {
constexpr float kLoanCapSteps = 10.0f;
// Banks with a step this small lend without asking to see the player's cash.
constexpr float kSmallStep = 100.0f;
}  // namespace

Bank::Bank(Player& player, Messenger& messenger) : player_(player), messenger_(messenger) {}

std::string Bank::shortName() const {
  static const std::string kWord = " Bank";
  std::string name = bankName_;
  for (auto at = name.find(kWord); at != std::string::npos; at = name.find(kWord, at))
    name.erase(at, kWord.size());
  return name;
}

void Bank::borrowLoan() {
  const float cap = kLoanCapSteps * ddStep_;
  if (!player_.Has(cap) && ddStep_ > kSmallStep) {
    messenger_.showMessage("Sorry, but " + shortName() + " has refused to lend you money.");
    return;
  }
  if (cap <= yourLoan_) {
    messenger_.showMessage("Sorry, but " + shortName() + " Bank refuses to lend you any more money");
    return;
  }
  yourLoan_ += ddStep_;
  player_.gainMoney(ddStep_);
}

void Bank::repayLoan() {
  if (yourLoan_ == 0.0f) return;
  if (player_.cGainMoney(-ddStep_)) yourLoan_ -= ddStep_;
}

void Bank::payLoan() {
  // The product is taken whole from the exact double, so a rate held just below its decimal
  // (0.02) costs a pound less on a round loan.
  const double interest =
      static_cast<double>(wholePart(static_cast<double>(yourLoan_) * static_cast<double>(debtInt_)));
  player_.gainMoney(static_cast<float>(-interest));
}

void Bank::updateDeposit() {
  const float grown = roundToCents(depInt_ * curDep_ / 100.0f);
  // A deposit paid in beyond the limit keeps what it holds; it only stops growing.
  curDep_ = grown > kDepositLimit ? std::max(curDep_, kDepositLimit) : grown;
}

void Bank::deposit() {
  // Far up, a float's spacing outgrows a small step and the step would vanish in the sum:
  // such a deposit is refused before the money is taken.
  if (curDep_ + ddStep_ == curDep_) {
    messenger_.showMessage("Sorry, but " + shortName() + " Bank cannot add " + moneyText(ddStep_) +
                           " to a deposit this large.");
    return;
  }
  if (!player_.cGainMoney(-ddStep_)) return;
  curDep_ += ddStep_;
  yourDep_ += ddStep_;
}

void Bank::pick() {
  player_.gainMoney(curDep_);
  curDep_ = 0.0f;
  yourDep_ = 0.0f;
}

}  // namespace gallox
