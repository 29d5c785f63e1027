// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "shop/newspaper_window.h"

#include "world/look.h"
#include "world/picture_store.h"

namespace gallox {

namespace {

// In twips: left, top, width, height.
constexpr QRect kTitle(0, 0, 12000, 660);
constexpr QRect kDate(216, 108, 2172, 228);
constexpr QRect kRacesTitle(8640, 432, 2388, 228);
constexpr QRect kRaces(8640, 756, 3360, 2496);
constexpr std::array<QRect, kNewsItemCount> kItems = {
    QRect(3996, 432, 4440, 660),   // the headline over the picture
    QRect(108, 3024, 3792, 444),   // lower left
    QRect(8532, 3348, 3360, 444),  // lower right
    QRect(108, 324, 3900, 444),    // upper left
};
constexpr QRect kPicture(4104, 1080, 4116, 2496);
constexpr QPoint kPageAt(108, 540);

constexpr Colour kTitleRed = rgb(255, 0, 0);
constexpr Colour kDateBlue = rgb(0, 0, 128);
constexpr Colour kPrint = rgb(0, 0, 0);

// The texts end each line with CR LF; a label breaks its lines at LF.
QString printed(const std::string& text) {
  return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

NewspaperWindow::NewspaperWindow(const News& news, PictureStore& pictures, QWidget* parent)
    : QWidget(parent, kToolWindowFlags),
      news_(news) {
  showNoTitle(*this);
  setFixedSize(kClientSize);
  QPalette page = palette();
  page.setColor(QPalette::Window, Qt::white);
  page.setColor(QPalette::WindowText, toQColor(kPrint));
  setPalette(page);
  setAutoFillBackground(true);
  setFont(designFont(QStringLiteral("Bitstream Vera Serif"), 7.8, true));

  // The page's small print lies under everything else.
  auto* newsback = new QLabel(this);
  newsback->setObjectName(QStringLiteral("newsback"));
  newsback->setPixmap(pictures.picture(QStringLiteral("newspaper_page.svg")));
  newsback->move(twipRect(QRect(kPageAt, QSize())).topLeft());
  newsback->resize(newsback->pixmap().size());

  QLabel* title = addLabel("Label1", kTitle, Qt::AlignHCenter);
  title->setText(QStringLiteral("The Gallox Herald"));
  title->setFont(designFont(QStringLiteral("Bitstream Vera Serif"), 16.2, true));
  title->setStyleSheet(textColourStyle(kTitleRed));

  date_ = addLabel("date", kDate);
  date_->setStyleSheet(textColourStyle(kDateBlue));

  header_[0] = addLabel("header0", kRacesTitle);
  header_[0]->setText(QStringLiteral("Horse Races in England"));
  races_ = addLabel("races", kRaces);

  auto* img = new QLabel(this);
  img->setObjectName(QStringLiteral("img"));
  img->setGeometry(twipRect(kPicture));
  img->setPixmap(pictures.picture(QStringLiteral("newspaper_city.svg"), img->size()));

  for (int i = 1; i <= kNewsItemCount; ++i) {
    QLabel*& item = header_[static_cast<std::size_t>(i)];
    item = addLabel(QStringLiteral("header%1").arg(i).toLatin1().constData(),
                    kItems[static_cast<std::size_t>(i - 1)], Qt::AlignHCenter);
  }
  header_[1]->setFont(designFont(QStringLiteral("Bitstream Vera Serif"), 10.2, true));

  fill();
}

QLabel* NewspaperWindow::addLabel(const char* name, const QRect& twips, Qt::Alignment alignment) {
  auto* label = new QLabel(this);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(twipRect(twips));
  label->setAlignment(alignment | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

void NewspaperWindow::reload() {
  fill();
  show();
  raise();
}

void NewspaperWindow::fill() {
  date_->setText(QString::fromStdString(news_.newsDate().text()));
  races_->setText(printed(news_.raceNews()));
  for (int i = 1; i <= kNewsItemCount; ++i)
    header_[static_cast<std::size_t>(i)]->setText(printed(news_.newsItem(i)));
  move(0, 0);
}

}  // namespace gallox
