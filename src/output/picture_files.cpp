// Picture files by name.
#include "output/picture_files.h"

#include <QImageReader>

QImage loadPictureFile(const QString& path) {
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  return reader.read();
}
