// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "finance/stock_market_window.h"

#include "finance/stock_desk.h"
#include "world/look.h"
#include "world/picture_store.h"
#include "world/wait_window.h"

namespace gallox {

namespace {

constexpr QSize kClientSize(289, 263);

// The layout in twips, as the window was drawn.
constexpr QRect kStableImage(1134, 492, 1200, 1200);
constexpr int kListCaptionTop = 1716;
constexpr QRect kStableList(144, 1908, 3180, 264);
constexpr int kRowsTop = 2196;
constexpr int kRowHeight = 204;
constexpr int kCaptionLeft = 144;
constexpr int kCaptionWidth = 1560;
constexpr int kValueLeft = 1716;
constexpr int kValueWidth = 1608;
// Two buttons of the design's 1740 twips would not fit the window side by side; these are a
// little narrower and keep a gap between them.
constexpr int kButtonWidth = 1680;
constexpr int kButtonHeight = 228;
constexpr int kBuyLeft = 36;
constexpr int kSellLeft = 1752;
constexpr int kButtonsTop = 2880;

QLabel* label(QWidget& window, const char* objectName, const QString& text, QRect twips) {
  return openLabel(window, QString::fromLatin1(objectName), twipRect(twips), text);
}

QLabel* caption(QWidget& window, const char* objectName, const char* text, int row) {
  return label(window, objectName, QString::fromLatin1(text),
               QRect(kCaptionLeft, kRowsTop + row * kRowHeight, kCaptionWidth, kRowHeight));
}

QLabel* value(QWidget& window, const char* objectName, int row) {
  return label(window, objectName, QString(),
               QRect(kValueLeft, kRowsTop + row * kRowHeight, kValueWidth, kRowHeight));
}

QPushButton* button(QWidget& window, const char* objectName, const char* text, int left) {
  auto* made = new QPushButton(QString::fromLatin1(text), &window);
  styleGameButton(*made, QString::fromLatin1(objectName),
                  twipRect(left, kButtonsTop, kButtonWidth, kButtonHeight));
  return made;
}

}  // namespace

bool StockMarketWindow::enter(PictureStore& pictures, QWidget* from) {
  return WaitWindow::showWait(pictures, QString(), QStringLiteral("Entering the Stock Market..."),
                              kEntranceMs, from);
}

StockMarketWindow::StockMarketWindow(StockDesk& desk, PictureStore& pictures, QWidget* parent)
    : QWidget(parent, kToolWindowFlags),
      desk_(desk),
      pictures_(pictures) {
  setWindowTitle(QStringLiteral("Stables Stock Market"));
  setFixedSize(kClientSize);
  pictures_.applyBackground(*this);
  // Set before the controls are made, so that every one of them takes it.
  setFont(controlFont());

  header_ = makeWindowHeader(QStringLiteral("Stock Market"), *this);
  imgStable_ = label(*this, "imgStable", QString(), kStableImage);
  cmbName_ = new QComboBox(this);
  lblSharePrice_ = value(*this, "lblSharePrice", 0);
  lblDivPrice_ = value(*this, "lblDivPrice", 1);
  lblShares_ = value(*this, "lblShares", 2);
  cmdBuyShare_ = button(*this, "cmdBuyShare", "Buy share", kBuyLeft);
  lblSell_ = button(*this, "lblSell", "Sell share", kSellLeft);

  imgStable_->setScaledContents(true);
  label(*this, "lbl1", QStringLiteral("Stable:"),
        QRect(kCaptionLeft, kListCaptionTop, kCaptionWidth, kRowHeight));
  caption(*this, "lbl2", "Share Price:", 0);
  caption(*this, "lbl3", "Dividend paid:", 1);
  caption(*this, "lbl4", "Shares bought", 2);

  cmbName_->setObjectName(QStringLiteral("cmbName"));
  cmbName_->setGeometry(twipRect(kStableList));
  for (const std::string& name : desk_.stableNames()) cmbName_->addItem(shown(name));

  connect(cmdBuyShare_, &QPushButton::clicked, this, &StockMarketWindow::cmdBuyShareClicked);
  connect(lblSell_, &QPushButton::clicked, this, &StockMarketWindow::lblSellClicked);
  setTabOrder(cmdBuyShare_, lblSell_);
  setTabOrder(lblSell_, cmbName_);
  cmdBuyShare_->setFocus();

  connect(cmbName_, &QComboBox::currentIndexChanged, this, &StockMarketWindow::cmbNameClicked);
  cmbName_->setCurrentIndex(0);
  cmbNameClicked(cmbName_->currentIndex());
}

void StockMarketWindow::cmbNameClicked(int index) {
  if (index < 0) return;
  desk_.selectStable(index);
  lblSharePrice_->setText(shown(desk_.sharePriceText()));
  lblDivPrice_->setText(shown(desk_.dividendText()));
  showShares();
  imgStable_->setPixmap(pictures_.stables(index));
}

void StockMarketWindow::showShares() { lblShares_->setText(shown(desk_.sharesText())); }

// Neither trade changes the price or the dividend; a refusal is told by the purse or the desk.
void StockMarketWindow::cmdBuyShareClicked() {
  desk_.buy();
  showShares();
}

void StockMarketWindow::lblSellClicked() {
  desk_.sell();
  showShares();
}

void StockMarketWindow::Publish() { cmbNameClicked(cmbName_->currentIndex()); }

}  // namespace gallox
