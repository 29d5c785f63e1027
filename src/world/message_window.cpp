// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/message_window.h"

#include "world/look.h"

namespace gallox {

namespace {
constexpr QPoint kPlace(4800 / kTwipsPerPixel, 4452 / kTwipsPerPixel);
constexpr QSize kSize(272, 91);
}  // namespace

MessageWindow::MessageWindow(const QString& text)
    : QWidget(nullptr, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint),
      label_(new QLabel(text, this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)),
      hider_(new QTimer(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  showNoTitle(*this);
  setFixedSize(kSize);
  move(kPlace);
  // Style sheets name a class in a namespace with "--" in place of "::".
  setStyleSheet(QStringLiteral("gallox--MessageWindow { background-color: rgb(131, 193, 70); }"));
  setAttribute(Qt::WA_StyledBackground);

  const QFont font = controlFont();
  label_->setFont(font);
  label_->setAlignment(Qt::AlignCenter);
  label_->setWordWrap(true);
  label_->setStyleSheet(QStringLiteral("color: rgb(227, 244, 208); background: transparent;"));
  label_->setGeometry(6, 4, kSize.width() - 12, 56);

  ok_->setFont(font);
  ok_->setStyleSheet(QStringLiteral("background-color: rgb(226, 245, 208);"));
  ok_->setGeometry((kSize.width() - 80) / 2, 62, 80, 24);
  connect(ok_, &QPushButton::clicked, this, &QWidget::hide);

  hider_->setSingleShot(true);
  hider_->setInterval(kLifetimeMs);
  connect(hider_, &QTimer::timeout, this, &QWidget::close);
  hider_->start();
}

void WindowMessenger::showMessage(const std::string& text) {
  auto* window = new MessageWindow(QString::fromStdString(text));
  window->show();
  window->raise();
}

}  // namespace gallox
