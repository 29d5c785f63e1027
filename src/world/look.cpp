// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/look.h"

#include <QApplication>
#include <QIconEngine>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>

namespace gallox {

namespace {

// A style picture asked of the platform's style on its first use.
class StylePictureEngine final : public QIconEngine {
 public:
  StylePictureEngine(QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return read().pixmap(size, mode, state);
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    read().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return read().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return read().availableSizes(mode, state);
  }
  QIconEngine* clone() const override { return new StylePictureEngine(style_, which_); }
  QString key() const override { return QStringLiteral("gallox-style-picture"); }

 private:
  const QIcon& read() {
    if (!read_ && style_) icon_ = style_->standardIcon(which_);
    read_ = true;
    return icon_;
  }

  QPointer<QStyle> style_;
  QStyle::StandardPixmap which_;
  bool read_ = false;
  QIcon icon_;
};

// The platform's style, except that the menu bar's overflow button gets its picture only when it
// is shown. The game's menus always fit, so it never is; reading the picture at once would load
// every image format the system has, at start-up.
class GameStyle final : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override {
    if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
      return QIcon(new StylePictureEngine(baseStyle(), which));
    return QProxyStyle::standardIcon(which, option, widget);
  }
};

}  // namespace

void installFontSubstitutions() {
  QFont::insertSubstitution("Tahoma", "DejaVu Sans");
  QFont::insertSubstitution("Verdana", "DejaVu Sans");
  QFont::insertSubstitution("Trebuchet MS", "DejaVu Sans");
  QFont::insertSubstitution("Bitstream Vera Serif", "DejaVu Serif");
}

void installLook() {
  installFontSubstitutions();
  QApplication::setStyle(new GameStyle);
}

QFont designFont(const QString& family, double pointSize, bool bold) {
  // The font that stands in for the design's, named as such: every design font it stands in for
  // then shares one font lookup, which costs more than the text drawn in it at start-up.
  QFont font(QFont::substitute(family));
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

void showNoTitle(QWidget& window) { window.setWindowTitle(QStringLiteral(" ")); }

QString textColourStyle(Colour colour) {
  return QStringLiteral("color: %1; background: transparent;").arg(toQColor(colour).name());
}

QLabel* openLabel(QWidget& window, const QString& objectName, const QRect& geometry, const QString& text) {
  auto* label = new QLabel(text, &window);
  label->setObjectName(objectName);
  label->setStyleSheet(QStringLiteral("background: transparent;"));
  label->setGeometry(geometry);
  return label;
}

void styleGameButton(QPushButton& button, const QString& objectName, const QRect& geometry) {
  static const QString kStyle = QStringLiteral(
      "QPushButton { background-color: rgb(226, 245, 208); color: black;"
      "  border: 1px solid rgb(0, 96, 0); border-radius: 3px; }"
      "QPushButton:hover { background-color: rgb(240, 252, 232); }"
      "QPushButton:pressed { background-color: rgb(196, 228, 176); }"
      "QPushButton:disabled { color: rgb(150, 160, 150); border-color: rgb(160, 180, 160); }"
      "QPushButton:focus { border: 1px solid rgb(0, 64, 0); }");
  button.setObjectName(objectName);
  button.setGeometry(geometry);
  button.setStyleSheet(kStyle);
  button.setCursor(Qt::PointingHandCursor);
}

QLabel* makeWindowHeader(const QString& text, QWidget& window) {
  // Right of the title tab and below the green band of the shared background.
  constexpr QPoint kBesideTheLogo(122, 10);
  constexpr Colour kHeaderGreen = rgb(0, 64, 0);
  auto* header = new QLabel(text, &window);
  header->setObjectName(QStringLiteral("header"));
  header->setFont(designFont(QStringLiteral("Tahoma"), 16.2));
  header->setStyleSheet(textColourStyle(kHeaderGreen));
  header->move(kBesideTheLogo);
  header->adjustSize();
  return header;
}

}  // namespace gallox
