// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// A picture area that keeps what is drawn on it: its pixels, and the font and colour in which
// text is written on it until they are changed.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRegion>

namespace gallox {

struct PictureArea {
  QImage image;
  QFont font;
  QColor textColour;
  // The pixels drawn on since the screen last showed them: only these need showing again.
  QRegion changed = {};
};

}  // namespace gallox
