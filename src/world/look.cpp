// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/look.h"

#include <QLabel>
#include <QPushButton>

namespace gallox {

void installFontSubstitutions() {
  QFont::insertSubstitution("Tahoma", "DejaVu Sans");
  QFont::insertSubstitution("Verdana", "DejaVu Sans");
  QFont::insertSubstitution("Trebuchet MS", "DejaVu Sans");
  QFont::insertSubstitution("Bitstream Vera Serif", "DejaVu Serif");
}

QFont designFont(const QString& family, double pointSize, bool bold) {
  QFont font(family);
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

QString textColourStyle(Colour colour) {
  return QStringLiteral("color: %1; background: transparent;").arg(toQColor(colour).name());
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
