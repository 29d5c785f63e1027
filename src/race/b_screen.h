// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// The race view as a window onto the larger track picture. A frame is composed in track
// coordinates: the track under the scroll position first (bgCls), then masked sprites (Blit),
// then text (Echo). The player moves the window over the track by dragging.

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QString>

#include "race/picture_area.h"
#include "race/view_scroll.h"
#include "world/numbers.h"

namespace gallox {

class BScreen {
 public:
  // Binds the view drawn on and the hidden picture of the whole track, which it does not own,
  // and takes the track's size. The view's image is its inner area.
  void Setup(PictureArea& view, const QImage& source, double totalWidth, double totalHeight);

  // Lays the sprite with its top-left corner at track position (x, y): view AND mask, then
  // view OR sprite. The mask must be at least as large as the sprite.
  void Blit(const QImage& sprite, const QImage& mask, int x, int y);
  // The whole view becomes the track under the scroll position.
  void bgCls();
  void drag(int x, int y) { scroll_.drag(x, y); }
  void undrag() { scroll_.undrag(); }
  // Writes the text with its top-left corner at track position (x, y), in the view's font and
  // text colour.
  void Echo(int x, int y, const QString& text);

  void setFont(const QString& font = QString());
  void toggleBold();
  void setBold();
  void unsetBold();
  void toggleItalic();
  void setItalic();
  void unsetItalic();
  void setColor(Colour color = 0);

  const ViewScroll& scroll() const { return scroll_; }

 private:
  // A text written once in a font and colour, kept as a picture with a clear background.
  struct WrittenText {
    QString text;
    QFont font;
    QRgb colour;
    bool operator==(const WrittenText&) const = default;
    friend size_t qHash(const WrittenText& key, size_t seed = 0) {
      return qHashMulti(seed, key.text, key.font, key.colour);
    }
  };
  const QImage& written(const QString& text);
  // Lays the track under the scroll position on the given part of the view, and the back
  // colour where the track does not reach.
  void showTrack(const QRect& part);
  // Notes a part of the view drawn on after the track: the next bgCls lays the track there.
  // `wasAsLeft` is viewAsLeft() from before the drawing.
  void drawnOn(const QRect& part, bool wasAsLeft);
  // Whether the view's pixels are as this screen last left them.
  bool viewAsLeft() const;
  // Whether the view still holds the track under the same scroll position, except where it was
  // drawn on since: then the next frame lays the track only there.
  bool trackStillShown() const;

  PictureArea* view_ = nullptr;
  const QImage* source_ = nullptr;
  ViewScroll scroll_;
  // A frame changes only where the horses and their names were and are, a small part of the
  // view; the rest keeps the track from the frame before. The keys tell whether the view's
  // pixels or the track were changed by anything else meanwhile.
  QRegion drawn_;
  qint64 viewKey_ = 0;
  qint64 sourceKey_ = 0;
  QPoint shownScroll_;
  // The same few names and places are written on every frame, and writing text costs more than
  // the rest of a frame; each is written once and laid on as a picture afterwards.
  QHash<WrittenText, QImage> written_;
};

}  // namespace gallox
