// Picture files by name: PCX through the program's own reader, every other format through Qt's.
#include "pictures/picture_files.h"

#include <QBuffer>
#include <QImageReader>
#include <exception>

#include "common/file_access.h"
#include "pictures/pcx.h"

namespace {

// No picture of the program comes near this; a larger file is not read into memory at all.
constexpr qint64 kMaxPictureFileBytes = 128LL * 1024 * 1024;

}  // namespace

QImage loadPictureFile(const QString& path) {
  // Only a regular file is read: a FIFO of a picture's name would wait for a writer for ever.
  QByteArray content;
  try {
    content = readRegularFile(path, kMaxPictureFileBytes, QString());
  } catch (const std::exception&) {
    return {};
  }
  if (isPcxData(content)) return decodePcx(content);
  QBuffer buffer(&content);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  return reader.read();
}
