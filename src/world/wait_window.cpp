// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/wait_window.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScreen>

#include "world/look.h"
#include "world/modal_dialog.h"
#include "world/picture_store.h"

namespace gallox {

namespace {
constexpr QSize kClientSize(313, 120);
constexpr QSize kFrameSize(125, 20);
constexpr int kStripePitch = 14;
constexpr double kSmallestMessagePoints = 7.0;

// The design's Tahoma is narrower than the DejaVu that stands in for it: a message that would
// run past the window is set a little smaller instead of being cut at both ends.
void fitOnOneLine(QLabel& label) {
  QFont font = label.font();
  while (QFontMetrics(font).horizontalAdvance(label.text()) > label.width() &&
         font.pointSizeF() > kSmallestMessagePoints)
    font.setPointSizeF(font.pointSizeF() - 0.2);
  label.setFont(font);
}
}  // namespace

const std::array<QPixmap, WaitWindow::kFrames>& WaitWindow::frames() {
  static const std::array<QPixmap, kFrames> kDrawn = [] {
    std::array<QPixmap, kFrames> drawn;
    for (int f = 0; f < kFrames; ++f) {
      QPixmap frame(kFrameSize);
      frame.fill(Qt::transparent);
      QPainter painter(&frame);
      painter.setRenderHint(QPainter::Antialiasing);
      const QRectF bar(0.5, 0.5, kFrameSize.width() - 1, kFrameSize.height() - 1);
      QPainterPath rounded;
      rounded.addRoundedRect(bar, 4, 4);
      QLinearGradient green(0, 0, 0, kFrameSize.height());
      green.setColorAt(0.0, QColor(96, 190, 72));
      green.setColorAt(0.5, QColor(34, 139, 34));
      green.setColorAt(1.0, QColor(20, 100, 24));
      painter.fillPath(rounded, green);
      painter.setClipPath(rounded);
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(255, 255, 255, 70));
      const int shift = f * kStripePitch / kFrames;
      for (int x = -2 * kStripePitch + shift; x < kFrameSize.width() + kStripePitch; x += kStripePitch) {
        const QPointF stripe[4] = {{double(x), double(kFrameSize.height())},
                                   {double(x + 6), double(kFrameSize.height())},
                                   {double(x + 6 + kFrameSize.height()), 0.0},
                                   {double(x + kFrameSize.height()), 0.0}};
        painter.drawPolygon(stripe, 4);
      }
      painter.setClipping(false);
      painter.setPen(QPen(QColor(0, 64, 0), 1));
      painter.setBrush(Qt::NoBrush);
      painter.drawPath(rounded);
      drawn[static_cast<std::size_t>(f)] = frame;
    }
    return drawn;
  }();
  return kDrawn;
}

WaitWindow::WaitWindow(PictureStore& pictures, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      header_(new QLabel(QStringLiteral("Please wait..."), this)),
      msg_(new QLabel(this)),
      ani_(new QLabel(this)),
      animator_(new QTimer(this)),
      closer_(new QTimer(this)) {
  setWindowTitle(QStringLiteral("Please wait"));
  setModal(true);
  setFixedSize(kClientSize);
  pictures.applyBackground(*this);

  header_->setFont(designFont(QStringLiteral("Tahoma"), 16.2));
  header_->setStyleSheet(QStringLiteral("color: rgb(0, 64, 0); background: transparent;"));
  header_->setAlignment(Qt::AlignCenter);
  header_->setGeometry(8, 38, kClientSize.width() - 16, 30);

  msg_->setFont(designFont(QStringLiteral("Tahoma"), 10.2));
  msg_->setStyleSheet(QStringLiteral("background: transparent;"));
  msg_->setAlignment(Qt::AlignCenter);
  msg_->setGeometry(8, 68, kClientSize.width() - 16, 20);

  ani_->setGeometry((kClientSize.width() - kFrameSize.width()) / 2, 92, kFrameSize.width(),
                    kFrameSize.height());
  ani_->setPixmap(frames()[0]);

  animator_->setInterval(kFrameMs);
  connect(animator_, &QTimer::timeout, this, &WaitWindow::animatorTick);
  animator_->start();

  closer_->setSingleShot(true);
  connect(closer_, &QTimer::timeout, this, &QDialog::accept);
}

void WaitWindow::animatorTick() {
  ani_->setPixmap(frames()[static_cast<std::size_t>(waitFrame_)]);
  waitFrame_ = waitFrame_ + 1 > kFrames - 1 ? 0 : waitFrame_ + 1;
}

bool WaitWindow::showWait(PictureStore& pictures, const QString& header, const QString& message,
                          int ms, QWidget* parent) {
  const QPointer<QWidget> owner(parent);
  if (ms < 1) return true;
  auto* window = new WaitWindow(pictures, parent);
  if (!header.isEmpty()) window->header_->setText(header);
  if (!message.isEmpty()) {
    window->msg_->setText(message);
    fitOnOneLine(*window->msg_);
  }
  window->centreOnScreen();
  window->closer_->setInterval(ms);
  window->closer_->start();
  execOwned(window);
  return !parent || owner;
}

void WaitWindow::centreOnScreen() {
  const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
  const QScreen* screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect placed(QPoint(), frameGeometry().size());
  placed.moveCenter(screen->geometry().center());
  move(placed.topLeft());
}

}  // namespace gallox
