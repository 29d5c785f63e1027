// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "finance/banks_desk.h"

#include "world/numbers.h"

namespace gallox {

namespace {
constexpr const char* kPerMonth = "%/m";
constexpr float kPercent = 100.0f;
}  // namespace

BanksDesk::BanksDesk(std::array<Bank, kBankCount>& banks) : banks_(banks) {}

void BanksDesk::selectBank(int index) {
  if (index >= 0 && index < kBankCount) selected_ = index;
}

const std::array<const char*, kBankCount>& BanksDesk::bankList() {
  static constexpr std::array<const char*, kBankCount> kList = {
      "Wilson's", "West Side", "Miami Bank", "Greiff", "Xanadu Bank", "Quatrix Bank"};
  return kList;
}

Bank& BanksDesk::bank() const { return banks_[static_cast<std::size_t>(selected_)]; }

std::string BanksDesk::bankName() const { return bank().BankName(); }

std::string BanksDesk::depositRateText() const { return generalText(bank().DepInt()) + kPerMonth; }

std::string BanksDesk::loanRateText() const {
  // Taken as a float before it is written, so 0.02 reads 2 and not 1.99999995.
  const float percent = bank().DebtInt() * kPercent;
  return generalText(percent) + kPerMonth;
}

std::string BanksDesk::yourLoanText() const { return moneyText(bank().YourLoan()); }
std::string BanksDesk::yourDepositText() const { return moneyText(bank().YourDep()); }
std::string BanksDesk::currentDepositText() const { return moneyText(bank().CurDep()); }

std::string BanksDesk::depositCaption() const { return "Deposit " + moneyText(bank().DDStep()); }
std::string BanksDesk::pickCaption() const { return "Pick Deposit"; }
std::string BanksDesk::borrowCaption() const { return "Borrow " + moneyText(bank().DDStep()); }
std::string BanksDesk::repayCaption() const { return "Repay " + moneyText(bank().DDStep()); }

void BanksDesk::deposit() { bank().deposit(); }
void BanksDesk::pick() { bank().pick(); }
void BanksDesk::borrow() { bank().borrowLoan(); }
void BanksDesk::repay() { bank().repayLoan(); }

}  // namespace gallox
