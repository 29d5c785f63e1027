// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The game's look shared by every window: colours as the game writes them, layouts drawn at
// twelve twips a pixel, and the fonts the windows were designed with.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "world/numbers.h"

namespace gallox {

inline QColor toQColor(Colour colour) { return QColor(redOf(colour), greenOf(colour), blueOf(colour)); }

inline constexpr int kTwipsPerPixel = 12;
constexpr int px(double twips) { return static_cast<int>(twips / kTwipsPerPixel); }
inline QRect twipRect(int left, int top, int width, int height) {
  return QRect(px(left), px(top), px(width), px(height));
}

// Maps the design fonts that Linux lacks onto DejaVu, once for the whole program.
void installFontSubstitutions();

QFont designFont(const QString& family, double pointSize, bool bold = false);

}  // namespace gallox
