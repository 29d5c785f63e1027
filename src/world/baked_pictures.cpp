// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: The Gallox Sprintz developers
#include "world/baked_pictures.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QResource>
#include <QSaveFile>
#include <cstring>

namespace gallox {

namespace {

constexpr char kMagic[] = "gallox-pictures";
constexpr quint32 kVersion = 1;

QString keyOf(const QString& fileName, QSize size) {
  return fileName + QLatin1Char('@') + QString::number(size.width()) + QLatin1Char('x') +
         QString::number(size.height());
}

// Changes whenever the drawing compiled into the program changes.
QByteArray fingerprintOf(const QString& fileName) {
  const QResource drawing(QStringLiteral(":/pictures/") + fileName);
  if (!drawing.isValid()) return {};
  return QCryptographicHash::hash(drawing.uncompressedData(), QCryptographicHash::Sha1);
}

// The same drawing may render differently under another Qt.
QByteArray renderedBy() { return QByteArray(qVersion()); }

}  // namespace

QString BakedPictures::besideProgram() {
  return QCoreApplication::applicationDirPath() + QLatin1Char('/') + kFileName;
}

bool BakedPictures::write(const QString& path, const QList<Picture>& pictures) {
  QByteArray index;
  {
    QDataStream out(&index, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << QByteArray(kMagic) << kVersion << renderedBy() << quint32(pictures.size());
    qint64 offset = 0;
    for (const Picture& picture : pictures) {
      const QImage& image = picture.image;
      out << keyOf(picture.fileName, image.size()) << fingerprintOf(picture.fileName)
          << qint32(image.format()) << qint32(image.width()) << qint32(image.height())
          << qint64(image.bytesPerLine()) << offset;
      offset += image.sizeInBytes();
    }
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  {
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_6_0);
    out << index;
  }
  for (const Picture& picture : pictures)
    file.write(reinterpret_cast<const char*>(picture.image.constBits()), picture.image.sizeInBytes());
  return file.commit();
}

void BakedPictures::readIndex() {
  indexRead_ = true;
  if (path_.isEmpty()) path_ = besideProgram();
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) return;
  QDataStream in(&file);
  in.setVersion(QDataStream::Qt_6_0);
  QByteArray index;
  in >> index;
  const qint64 dataStart = file.pos();
  QDataStream read(index);
  read.setVersion(QDataStream::Qt_6_0);
  QByteArray magic;
  quint32 version = 0;
  QByteArray qt;
  quint32 count = 0;
  read >> magic >> version >> qt >> count;
  if (read.status() != QDataStream::Ok || magic != kMagic || version != kVersion || qt != renderedBy()) return;
  QHash<QString, Entry> entries;
  for (quint32 i = 0; i < count; ++i) {
    QString key;
    Entry entry;
    qint32 format = 0;
    qint32 width = 0;
    qint32 height = 0;
    read >> key >> entry.fingerprint >> format >> width >> height >> entry.bytesPerLine >> entry.offset;
    entry.format = static_cast<QImage::Format>(format);
    entry.size = QSize(width, height);
    // A damaged index must not lead a reading outside the file.
    const bool known = format > QImage::Format_Invalid && format < QImage::NImageFormats;
    if (read.status() != QDataStream::Ok || !known || entry.size.isEmpty() || entry.offset < 0 ||
        entry.offset > file.size() - dataStart)
      return;
    entry.offset += dataStart;
    const qint64 room = file.size() - entry.offset;
    const qint64 leastLine = qint64(width) * QImage::toPixelFormat(entry.format).bitsPerPixel() / 8;
    if (leastLine <= 0 || entry.bytesPerLine < leastLine || height > room / entry.bytesPerLine) return;
    entries.insert(key, entry);
  }
  entries_ = std::move(entries);
}

QImage BakedPictures::read(const QString& fileName, QSize rendered, QSize part) {
  if (!indexRead_) readIndex();
  const auto found = entries_.constFind(keyOf(fileName, rendered));
  if (found == entries_.constEnd()) return {};
  const Entry& entry = *found;
  if (part.isEmpty()) part = entry.size;
  if (part.width() > entry.size.width() || part.height() > entry.size.height()) return {};
  if (entry.fingerprint != fingerprintOf(fileName)) return {};

  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const qint64 span = entry.bytesPerLine * part.height();
  // Mapped only while the rows are copied: the file's pages do not stay with the program.
  uchar* rows = file.map(entry.offset, span);
  if (!rows) return {};
  QImage image(part, entry.format);
  const auto rowBytes = static_cast<std::size_t>(part.width() * image.depth() / 8);
  for (int y = 0; y < part.height(); ++y) std::memcpy(image.scanLine(y), rows + y * entry.bytesPerLine, rowBytes);
  file.unmap(rows);
  return image;
}

}  // namespace gallox
