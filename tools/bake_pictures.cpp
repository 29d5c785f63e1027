// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
// Renders the pictures that every start of the game shows, as the game would render them, into
// the file the game reads them from: the main window's button pictures at their size and the
// shared background whole. The build runs it whenever a drawing or this program changes.
//
//   gallox_bake_pictures OUTPUT_FILE

#include <QGuiApplication>
#include <cstdio>

#include "mainwindow/button_row.h"
#include "world/baked_pictures.h"
#include "world/look.h"
#include "world/picture_store.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: gallox_bake_pictures OUTPUT_FILE\n");
    return 2;
  }
  const gallox::PictureStore pictures;
  QList<gallox::BakedPictures::Picture> baked;
  for (const gallox::ButtonRow::Place& place : gallox::ButtonRow::kButtons) {
    const QString fileName = QString::fromLatin1(place.picture);
    const QSize size = gallox::twipRect(place.left, place.top, place.width, place.height).size();
    baked.append({fileName, pictures.render(fileName, size)});
  }
  baked.append({QStringLiteral("background.svg"),
                gallox::PictureStore::renderBackground(gallox::PictureStore::kBackgroundSize)});
  if (!gallox::BakedPictures::write(QString::fromLocal8Bit(argv[1]), baked)) {
    std::fprintf(stderr, "gallox_bake_pictures: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
