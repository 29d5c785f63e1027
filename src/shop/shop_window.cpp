// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "shop/shop_window.h"

#include <QEvent>

#include "world/look.h"
#include "world/picture_store.h"

namespace gallox {

namespace {

// In twips: left, top, width, height.
constexpr QRect kInf(1080, 756, 1848, 228);
constexpr QRect kReadN(648, 1188, 2712, 228);
constexpr QRect kBuyDoping(648, 1404, 2712, 228);
constexpr QRect kNPsub(648, 1728, 2712, 228);

constexpr Colour kHintRed = rgb(255, 0, 0);

}  // namespace

ShopWindow::ShopWindow(ShopDesk& desk, PictureStore& pictures, QWidget* parent)
    : QWidget(parent, kToolWindowFlags),
      desk_(desk),
      inf_(new QLabel(this)) {
  setWindowTitle(QStringLiteral("Shop"));
  setFixedSize(kClientSize);
  pictures.applyBackground(*this);
  const QFont font = controlFont();
  setFont(font);
  // Moving over the bare background clears the hint; the buttons set it.
  setMouseTracking(true);

  QLabel* header = makeWindowHeader(QStringLiteral("Shop"), *this);
  inf_->setObjectName(QStringLiteral("inf"));
  inf_->setGeometry(twipRect(kInf));
  inf_->setStyleSheet(textColourStyle(kHintRed));
  // The pointer over a label leaves the hint as it is.
  for (QLabel* label : {header, inf_}) label->setAttribute(Qt::WA_NoMousePropagation);

  // Made in the order the focus goes through them.
  addButton(QStringLiteral("Buy Newspapers"), "readN", kReadN, ShopDesk::Goods::Newspaper);
  addButton(QStringLiteral("Buy Doping"), "buyDoping", kBuyDoping, ShopDesk::Goods::Doping);
  addButton(QStringLiteral("Subscribe Newspapers"), "NPsub", kNPsub, ShopDesk::Goods::Subscription);
}

void ShopWindow::addButton(const QString& caption, const char* name, const QRect& twips,
                           ShopDesk::Goods goods) {
  auto* button = new QPushButton(caption, this);
  styleGameButton(*button, QString::fromLatin1(name), twipRect(twips));
  button->setMouseTracking(true);
  button->installEventFilter(this);
  // A move over a button must not reach the window, which would clear the hint again.
  button->setAttribute(Qt::WA_NoMousePropagation);
  connect(button, &QPushButton::clicked, this, [this, goods] { desk_.buy(goods); });
  buttons_[static_cast<std::size_t>(goods)] = button;
}

bool ShopWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    for (std::size_t goods = 0; goods < buttons_.size(); ++goods)
      if (watched == buttons_[goods])
        inf_->setText(QString::fromStdString(ShopDesk::hint(static_cast<ShopDesk::Goods>(goods))));
  }
  return QWidget::eventFilter(watched, event);
}

void ShopWindow::mouseMoveEvent(QMouseEvent* event) {
  inf_->clear();
  QWidget::mouseMoveEvent(event);
}

}  // namespace gallox
