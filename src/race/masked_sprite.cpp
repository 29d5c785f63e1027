// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "race/masked_sprite.h"

namespace gallox {

namespace {
// Edge pixels at least this opaque belong to the figure; fainter ones let the track through.
// A mask has no half measures, so the figure's soft edge turns crisp.
constexpr int kOpaqueFrom = 96;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
}  // namespace

MaskedSprite MaskedSprite::fromPicture(const QImage& picture) {
  const QImage source = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  MaskedSprite result{QImage(source.size(), QImage::Format_RGB32), QImage(source.size(), QImage::Format_RGB32)};
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    auto* sprite = reinterpret_cast<QRgb*>(result.sprite.scanLine(y));
    auto* mask = reinterpret_cast<QRgb*>(result.mask.scanLine(y));
    for (int x = 0; x < source.width(); ++x) {
      const bool figure = qAlpha(in[x]) >= kOpaqueFrom;
      // Premultiplied colour is the figure laid on black: its soft edge darkens, like an outline.
      sprite[x] = figure ? (in[x] | kBlack) : kBlack;
      mask[x] = figure ? kBlack : kWhite;
    }
  }
  return result;
}

}  // namespace gallox
