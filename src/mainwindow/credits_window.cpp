// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "mainwindow/credits_window.h"

#include <QPainter>

#include "world/look.h"
#include "world/picture_store.h"

namespace gallox {

namespace {

constexpr Colour kBackColour = 0x0080FFFF;  // light yellow, where the background lets it through
constexpr Colour kHeaderColour = 0x00004000;
constexpr int kColumnsTop = 2808;
constexpr int kLeftWidth = 1632;
constexpr int kRightWidth = 1956;
constexpr int kColumnsHeight = 2064;

const char* const kRoles = "Programming:\nGrafics:\nManagement:\nResearch:";
const char* const kNames =
    "The Gallox team\nThe Gallox team\nThe Gallox team\nThe Gallox team";

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QFont& font) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(font);
  return label;
}

}  // namespace

CreditsWindow::CreditsWindow(PictureStore& pictures, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      pictures_(pictures),
      lblLeft_(nullptr),
      lblRight_(nullptr),
      timer1_(new QTimer(this)) {
  setObjectName(QStringLiteral("CreditsWindow"));
  setWindowTitle(QStringLiteral("About..."));
  setModal(true);
  setFixedSize(kClientSize);
  setFont(designFont(QStringLiteral("Tahoma"), 9));

  QLabel* header = makeLabel(this, "header", QStringLiteral("Authors"),
                             designFont(QStringLiteral("Tahoma"), 16.2));
  header->setGeometry(twipRect(1080, 0, 3792, 444));
  // Centred, the heading clears the title tab of the background in the corner.
  header->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  QPalette headerPalette = header->palette();
  headerPalette.setColor(QPalette::WindowText, toQColor(kHeaderColour));
  header->setPalette(headerPalette);

  QLabel* logo = makeLabel(this, "logo", QString(), font());
  logo->setGeometry(twipRect(1512, 540, 1740, 2220));
  logo->setScaledContents(true);
  logo->setPixmap(pictures_.picture(QStringLiteral("credits_logo.svg"), logo->size()));

  lblLeft_ = makeLabel(this, "lblLeft", QString::fromLatin1(kRoles),
                       designFont(QStringLiteral("Tahoma"), 9, true));
  lblLeft_->setAlignment(Qt::AlignRight | Qt::AlignTop);
  lblRight_ = makeLabel(this, "lblRight", QString::fromLatin1(kNames), font());
  lblRight_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  placeColumns();

  // The version stands on its own patch of the window's yellow, not on the picture.
  QLabel* version = makeLabel(this, "Label1", QStringLiteral("version 1.81.31"),
                              designFont(QStringLiteral("Tahoma"), 12));
  version->setGeometry(twipRect(1188, 3888, 3252, 336));
  version->setAlignment(Qt::AlignCenter);
  QPalette versionPalette = version->palette();
  versionPalette.setColor(QPalette::Window, toQColor(kBackColour));
  version->setPalette(versionPalette);
  version->setAutoFillBackground(true);

  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setInterval(CreditsSlide::kTickMs);
  connect(timer1_, &QTimer::timeout, this, &CreditsWindow::timer1Tick);
  timer1_->start();
}

void CreditsWindow::placeColumns() {
  lblLeft_->setGeometry(twipRect(slide_.leftColumn(), kColumnsTop, kLeftWidth, kColumnsHeight));
  lblRight_->setGeometry(twipRect(slide_.rightColumn(), kColumnsTop, kRightWidth, kColumnsHeight));
}

void CreditsWindow::timer1Tick() {
  if (!slide_.tick()) timer1_->stop();
  placeColumns();
}

void CreditsWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(rect(), toQColor(kBackColour));
  painter.drawPixmap(0, 0, pictures_.background(size()));
  QDialog::paintEvent(event);
}

}  // namespace gallox
