// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "finance/banks_window.h"

#include <array>

#include "finance/banks_desk.h"
#include "world/look.h"
#include "world/picture_store.h"

namespace gallox {

namespace {

constexpr QSize kClientSize(469, 259);

// The layout in twips, as the window was drawn.
constexpr QRect kBankChoose(1584, 564, 2400, 264);
constexpr QRect kBankImage(288, 1176, 1080, 720);
constexpr int kRowsTop = 996;
constexpr int kRowHeight = 216;
constexpr int kCaptionLeft = 1584;
constexpr int kCaptionWidth = 1740;
constexpr int kValueLeft = 3360;
constexpr int kValueWidth = 2184;
constexpr int kButtonWidth = 2712;
constexpr int kButtonHeight = 228;
constexpr int kButtonsLeft = 72;
constexpr int kButtonsGap = 60;
constexpr int kUpperButtonsTop = 2448;
constexpr int kLowerButtonsTop = 2748;

constexpr std::array<const char*, 6> kRowCaptions = {"Name:",           "Deposit Interest:",
                                                     "Loan Interest:",  "Your Deposit:",
                                                     "Current Deposit:", "Your loan:"};
enum Row { kName, kDepositInterest, kLoanInterest, kYourDeposit, kCurrentDeposit, kYourLoan };

QLabel* rowLabel(QWidget& window, const QString& objectName, int row, int left, int width) {
  return openLabel(window, objectName, twipRect(left, kRowsTop + row * kRowHeight, width, kRowHeight));
}

QLabel* valueLabel(QWidget& window, const char* objectName, Row row) {
  return rowLabel(window, QString::fromLatin1(objectName), row, kValueLeft, kValueWidth);
}

QPushButton* button(QWidget& window, const char* objectName, int column, int top) {
  auto* made = new QPushButton(&window);
  styleGameButton(*made, QString::fromLatin1(objectName),
                  twipRect(kButtonsLeft + column * (kButtonWidth + kButtonsGap), top, kButtonWidth,
                           kButtonHeight));
  return made;
}

}  // namespace

BanksWindow::BanksWindow(BanksDesk& desk, PictureStore& pictures, QWidget* parent)
    : QWidget(parent, kToolWindowFlags),
      desk_(desk),
      pictures_(pictures) {
  setWindowTitle(QStringLiteral("Banks"));
  setFixedSize(kClientSize);
  pictures_.applyBackground(*this);
  // Set before the controls are made, so that every one of them takes it.
  setFont(controlFont());

  header_ = makeWindowHeader(QStringLiteral("Banks"), *this);
  bankChoose_ = new QComboBox(this);
  bankImage_ = new QLabel(this);
  bankName_ = valueLabel(*this, "bank_name", kName);
  bankDi_ = valueLabel(*this, "bank_di", kDepositInterest);
  bankLi_ = valueLabel(*this, "bank_li", kLoanInterest);
  bankYd_ = valueLabel(*this, "bank_yd", kYourDeposit);
  bankCd_ = valueLabel(*this, "bank_cd", kCurrentDeposit);
  bankYl_ = valueLabel(*this, "bank_yl", kYourLoan);
  bankDep_ = button(*this, "bank_dep", 0, kUpperButtonsTop);
  bankPick_ = button(*this, "bank_pick", 1, kUpperButtonsTop);
  bankBorrow_ = button(*this, "bank_borrow", 0, kLowerButtonsTop);
  bankRepay_ = button(*this, "bank_repay", 1, kLowerButtonsTop);

  bankChoose_->setObjectName(QStringLiteral("bank_choose"));
  bankChoose_->setGeometry(twipRect(kBankChoose));
  for (const char* name : BanksDesk::bankList()) bankChoose_->addItem(QString::fromUtf8(name));

  bankImage_->setObjectName(QStringLiteral("bank_image"));
  bankImage_->setGeometry(twipRect(kBankImage));
  bankImage_->setScaledContents(true);
  bankImage_->setStyleSheet(QStringLiteral("border: 1px solid rgb(0, 64, 0);"));

  for (int row = 0; row < static_cast<int>(kRowCaptions.size()); ++row)
    rowLabel(*this, QStringLiteral("Label%1").arg(row), row, kCaptionLeft, kCaptionWidth)
        ->setText(QString::fromLatin1(kRowCaptions[static_cast<std::size_t>(row)]));

  connect(bankDep_, &QPushButton::clicked, this, &BanksWindow::bankDepClicked);
  connect(bankPick_, &QPushButton::clicked, this, &BanksWindow::bankPickClicked);
  connect(bankBorrow_, &QPushButton::clicked, this, &BanksWindow::bankBorrowClicked);
  connect(bankRepay_, &QPushButton::clicked, this, &BanksWindow::bankRepayClicked);
  setTabOrder(bankChoose_, bankDep_);
  setTabOrder(bankDep_, bankPick_);
  setTabOrder(bankPick_, bankBorrow_);
  setTabOrder(bankBorrow_, bankRepay_);

  // Every change of the choice, by the player or by the console, shows the bank chosen.
  connect(bankChoose_, &QComboBox::currentIndexChanged, this, &BanksWindow::bankChooseClicked);
  bankChoose_->setCurrentIndex(0);
  bankChooseClicked(bankChoose_->currentIndex());
}

void BanksWindow::selectBank(int index) {
  if (index >= 0 && index < bankChoose_->count()) bankChoose_->setCurrentIndex(index);
}

void BanksWindow::bankChooseClicked(int index) {
  if (index < 0) return;
  desk_.selectBank(index);
  bankImage_->setPixmap(pictures_.g_bank(index));
  bankName_->setText(shown(desk_.bankName()));
  bankDi_->setText(shown(desk_.depositRateText()));
  bankLi_->setText(shown(desk_.loanRateText()));
  showLoan();
  bankYd_->setText(shown(desk_.yourDepositText()));
  bankCd_->setText(shown(desk_.currentDepositText()));
  bankBorrow_->setText(shown(desk_.borrowCaption()));
  bankRepay_->setText(shown(desk_.repayCaption()));
  bankPick_->setText(shown(desk_.pickCaption()));
  bankDep_->setText(shown(desk_.depositCaption()));
}

void BanksWindow::showDeposit() {
  bankCd_->setText(shown(desk_.currentDepositText()));
  bankYd_->setText(shown(desk_.yourDepositText()));
}

void BanksWindow::showLoan() { bankYl_->setText(shown(desk_.yourLoanText())); }

// A refusal is the bank's to tell; the rows show what is there either way.
void BanksWindow::bankBorrowClicked() {
  desk_.borrow();
  showLoan();
}

void BanksWindow::bankDepClicked() {
  desk_.deposit();
  showDeposit();
}

void BanksWindow::bankPickClicked() {
  desk_.pick();
  showDeposit();
}

void BanksWindow::bankRepayClicked() {
  desk_.repay();
  showLoan();
}

void BanksWindow::publishDep() { bankChooseClicked(bankChoose_->currentIndex()); }

}  // namespace gallox
