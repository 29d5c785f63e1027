// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#pragma once
// Pictures rendered when the program is built, kept in a file beside it: the ones every start
// shows are read from there instead of drawn anew. A picture whose drawing has changed since,
// a file made by another Qt, or a missing or damaged file is simply not found there.

#include <QHash>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <utility>

namespace gallox {

class BakedPictures {
 public:
  // The file's name beside the program.
  static constexpr QLatin1String kFileName{"gallox-pictures.bin"};

  struct Picture {
    QString fileName;  // the drawing under ":/pictures/"
    QImage image;      // as it was rendered, at its size
  };

  // The file beside the running program.
  static QString besideProgram();
  // Writes the pictures with a fingerprint of each drawing; false when the file cannot be written.
  static bool write(const QString& path, const QList<Picture>& pictures);

  // The file at `path`; beside the running program when empty.
  explicit BakedPictures(QString path = {}) : path_(std::move(path)) {}

  // The top-left `part` (all of it when empty) of the drawing as rendered at `rendered`, or a
  // null image when the file does not hold it as the drawing is now.
  QImage read(const QString& fileName, QSize rendered, QSize part = {});

 private:
  struct Entry {
    QImage::Format format = QImage::Format_Invalid;
    QSize size;
    qint64 bytesPerLine = 0;
    qint64 offset = 0;
    QByteArray fingerprint;
  };
  void readIndex();

  QString path_;
  bool indexRead_ = false;
  QHash<QString, Entry> entries_;
};

}  // namespace gallox
