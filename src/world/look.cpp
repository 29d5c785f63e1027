// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/look.h"

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

}  // namespace gallox
