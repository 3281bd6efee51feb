// Draws every picture of the program directory:
//   telmaris_make_pictures OUTDIR
// Each file is written beside its final name and moved into place when complete, so a failed
// build never leaves half a picture behind.
#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

#include "pictures/pcx.h"
#include "pictures/pictures.h"

namespace {

QByteArray encoded(const QImage& image, PictureFormat format) {
  switch (format) {
    case PictureFormat::Pcx8:
      return encodePcx(image, PcxDepth::Palette8);
    case PictureFormat::Pcx24:
      return encodePcx(image, PcxDepth::Rgb24);
    case PictureFormat::Bmp:
    case PictureFormat::Png:
      break;
  }
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  // Bitmaps as 24-bit files, the kind every reader knows.
  const QImage flat =
      format == PictureFormat::Bmp ? image.convertToFormat(QImage::Format_RGB888) : image;
  if (!flat.save(&buffer, format == PictureFormat::Bmp ? "BMP" : "PNG")) return {};
  return data;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
    return 2;
  }
  // The pictures carry lettering, which needs a GUI application but never a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "cannot make %s\n", argv[1]);
    return 1;
  }
  for (const PictureFile& picture : programPictures()) {
    const QByteArray data = encoded(picture.draw(), picture.format);
    QSaveFile file(out.filePath(picture.name));
    if (data.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(data) != data.size() ||
        !file.commit()) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
      return 1;
    }
  }
  return 0;
}
