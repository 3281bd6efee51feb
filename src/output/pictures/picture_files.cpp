// Picture files by name: PCX through the program's own reader, every other format through Qt's.
#include "pictures/picture_files.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include "pictures/pcx.h"

namespace {

// No picture of the program comes near this; a larger file is not read into memory at all.
constexpr qint64 kMaxPictureFileBytes = 128LL * 1024 * 1024;

}  // namespace

QImage loadPictureFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxPictureFileBytes) return {};
  QByteArray content = file.readAll();
  if (isPcxData(content)) return decodePcx(content);
  QBuffer buffer(&content);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  return reader.read();
}
