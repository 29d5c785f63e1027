// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The game's look shared by every window: colours as the game writes them, layouts drawn at
// twelve twips a pixel, and the fonts the windows were designed with.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>

class QLabel;
class QPushButton;
class QWidget;

#include "world/numbers.h"

namespace gallox {

inline QColor toQColor(Colour colour) { return QColor(redOf(colour), greenOf(colour), blueOf(colour)); }

inline constexpr int kTwipsPerPixel = 12;
constexpr int px(double twips) { return static_cast<int>(twips / kTwipsPerPixel); }
inline QRect twipRect(int left, int top, int width, int height) {
  return QRect(px(left), px(top), px(width), px(height));
}
inline QRect twipRect(const QRect& twips) {
  return twipRect(twips.x(), twips.y(), twips.width(), twips.height());
}

// Maps the design fonts that Linux lacks onto DejaVu, once for the whole program.
void installFontSubstitutions();

// The whole program's look, before its first window: the font substitutions and the
// platform's style, whose pictures are read only when a window first shows them.
void installLook();

QFont designFont(const QString& family, double pointSize, bool bold = false);
// Tahoma 7.8 pt bold: the labels, lists and buttons of the game's smaller windows.
inline QFont controlFont() { return designFont(QStringLiteral("Tahoma"), 7.8, true); }

// A tool window of the main window: a title and a close box, no resizing, not in the task bar.
inline constexpr Qt::WindowFlags kToolWindowFlags = Qt::Tool | Qt::CustomizeWindowHint |
                                                    Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                                    Qt::MSWindowsFixedSizeDialogHint;

// A window whose title bar shows nothing. Given an empty title, the platform would write the
// program's name there instead, so the title is a blank.
void showNoTitle(QWidget& window);

// The model's texts as the windows show them.
inline QString shown(const std::string& text) { return QString::fromStdString(text); }

// Text in the given colour straight on the window's background picture.
QString textColourStyle(Colour colour);

// A label straight on the window's background picture, placed in pixels.
QLabel* openLabel(QWidget& window, const QString& objectName, const QRect& geometry,
                  const QString& text = QString());

// The light green buttons of the game's windows, with a pointing hand over them.
void styleGameButton(QPushButton& button, const QString& objectName, const QRect& geometry);

// A window's dark green title, standing right of the game's logo on the shared background.
QLabel* makeWindowHeader(const QString& text, QWidget& window);

}  // namespace gallox
