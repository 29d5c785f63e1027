// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// A figure laid over a picture in two passes: the mask (black where the figure is, white
// where the picture shows through) is ANDed on, then the sprite (the figure on black) is ORed.

#include <QImage>

namespace gallox {

struct MaskedSprite {
  QImage sprite;
  QImage mask;

  // Splits a picture with a transparent background into sprite and mask, both RGB32 so that
  // they combine with the view pixel by pixel.
  static MaskedSprite fromPicture(const QImage& picture);
};

}  // namespace gallox
