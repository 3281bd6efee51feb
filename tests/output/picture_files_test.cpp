// The pictures of the built program directory and how picture files are read: by their content,
// and never failing harder than a null image.
#include "pictures/picture_files.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "pictures/pcx.h"

namespace {

struct Expected {
  const char* name;
  int width;
  int height;
};

// Page pictures at their 300-dpi rectangles, the sheet at its window size, the control devices
// and window pictures at twice their picture boxes (15 twips a pixel), the start-up pictures.
constexpr Expected kPictures[] = {
    {"KRNLOGO.PCX", 1024, 729},     {"SKISSPXH.PCX", 800, 729},     {"SKISSPXK.PCX", 1000, 455},
    {"sheet-sketch.png", 660, 350}, {"2knapp.bmp", 66, 134},        {"4knny.bmp", 106, 154},
    {"2knapp-USA.bmp", 66, 134},    {"4knny-USA.bmp", 106, 154},    {"Picture1.png", 258, 566},
    {"Picture2.png", 166, 58},      {"Picture3.png", 146, 110},     {"Picture4.png", 70, 146},
    {"Picture5.png", 102, 214},     {"Picture8.png", 162, 174},     {"Picture9.png", 70, 106},
    {"Picture10.png", 66, 102},     {"Picture11.png", 114, 170},    {"Picture12.png", 78, 142},
    {"Picture14.png", 70, 146},     {"vinjett-logo.png", 720, 120}, {"vinjett-hoist.png", 320, 410},
};

QString programFile(const char* name) {
  return QDir(QStringLiteral(TELMARIS_PROGRAM_DIR)).filePath(QString::fromLatin1(name));
}

// True when every pixel of the rectangle is white: parts of a picture that text is written over.
bool blank(const QImage& image, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (qGray(image.pixel(x, y)) < 250) return false;
    }
  }
  return true;
}

QByteArray pngOf(const QImage& image) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return data;
}

void write(const QString& path, const QByteArray& data) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(data);
}

}  // namespace

TEST(PictureFiles, ProgramDirectoryHoldsEveryPicture) {
  for (const Expected& e : kPictures) {
    const QImage image = loadPictureFile(programFile(e.name));
    ASSERT_FALSE(image.isNull()) << e.name;
    EXPECT_EQ(image.size(), QSize(e.width, e.height)) << e.name;
    EXPECT_FALSE(blank(image, image.rect())) << e.name << " has nothing drawn";
  }
  for (const char* name : {"KRNLOGO.PCX", "SKISSPXH.PCX", "SKISSPXK.PCX"}) {
    QFile file(programFile(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(isPcxData(file.read(128))) << name << " is to be a PCX picture";
  }
}

TEST(PictureFiles, ReadsByContentAndFailsQuietly) {
  QTemporaryDir dir;
  QImage picture(5, 3, QImage::Format_RGB32);
  picture.fill(qRgb(10, 200, 30));
  picture.setPixel(4, 2, qRgb(255, 255, 255));

  // A PCX picture under another name, and another format under a PCX name.
  write(dir.filePath("pcx.bmp"), encodePcx(picture, PcxDepth::Rgb24));
  write(dir.filePath("png.PCX"), pngOf(picture));
  for (const char* name : {"pcx.bmp", "png.PCX"}) {
    const QImage image = loadPictureFile(dir.filePath(name));
    ASSERT_EQ(image.size(), picture.size()) << name;
    EXPECT_EQ(image.pixel(0, 0), qRgb(10, 200, 30)) << name;
    EXPECT_EQ(image.pixel(4, 2), qRgb(255, 255, 255)) << name;
  }

  write(dir.filePath("empty.PCX"), {});
  write(dir.filePath("text.PCX"), "not a picture at all");
  QByteArray cut = encodePcx(picture, PcxDepth::Palette8);
  cut.chop(100);
  write(dir.filePath("cut.PCX"), cut);
  for (const char* name : {"missing.PCX", "empty.PCX", "text.PCX", "cut.PCX", "."}) {
    EXPECT_TRUE(loadPictureFile(dir.filePath(name)).isNull()) << name;
  }
}
