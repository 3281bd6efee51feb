// The PCX reader and writer: both depths survive a round trip, the run-length coding follows
// the format to the byte, and damaged or hostile files give a null picture.
#include "pictures/pcx.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QRandomGenerator>

namespace {

// The file with the 16-bit word of the header at `offset` set.
QByteArray withHeaderWord(QByteArray file, int offset, int value) {
  file[offset] = static_cast<char>(value & 0xFF);
  file[offset + 1] = static_cast<char>(value >> 8);
  return file;
}

// A header of version 5 with run-length coding, the picture's window from 0, 0.
QByteArray header(int bitsPerPixel, int planes, int width, int height, int bytesPerLine) {
  QByteArray h(128, '\0');
  h[0] = 0x0A;
  h[1] = 5;
  h[2] = 1;
  h[3] = static_cast<char>(bitsPerPixel);
  h[65] = static_cast<char>(planes);
  return withHeaderWord(withHeaderWord(withHeaderWord(h, 8, width - 1), 10, height - 1), 66,
                        bytesPerLine);
}

QByteArray bytes(std::initializer_list<int> values) {
  QByteArray b;
  for (int v : values) b.append(static_cast<char>(v));
  return b;
}

QByteArray greyPalette() {
  QByteArray p(1, 0x0C);
  for (int i = 0; i < 256; ++i) p.append(QByteArray(3, static_cast<char>(i)));
  return p;
}

// The coded picture data of a file the writer made: what lies between header and palette.
QByteArray codedData(const QByteArray& file, bool palette) {
  return file.mid(128, file.size() - 128 - (palette ? 769 : 0));
}

// Lines of four kinds: one long run of a count-like byte, literals on both sides of 0xC0, noise,
// and a run that ends in literals.
QImage paletteImage(int width, int height) {
  QImage image(width, height, QImage::Format_Indexed8);
  QList<QRgb> table;
  for (int i = 0; i < 256; ++i) table.append(qRgb(i, 255 - i, (i * 7) & 0xFF));
  image.setColorTable(table);
  QRandomGenerator random(7);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.scanLine(y)[x] = static_cast<uchar>(y % 4 == 0   ? 0xC7
                                                : y % 4 == 1 ? 0xBE + x % 5
                                                : y % 4 == 2 ? static_cast<int>(random.bounded(256))
                                                             : (x < 70 ? 3 : x));
  return image;
}

}  // namespace

// The round trip holds runs longer than the 63 bytes of one count and single bytes that would
// read as a count.
TEST(Pcx, BothDepthsSurviveARoundTrip) {
  for (int width : {131, 130, 1, 64}) {
    const QImage image = paletteImage(width, 8);
    const QByteArray file = encodePcx(image, PcxDepth::Palette8);
    ASSERT_TRUE(isPcxData(file));
    const QImage back = decodePcx(file);
    ASSERT_EQ(back.format(), QImage::Format_Indexed8) << width;
    EXPECT_EQ(back.colorTable(), image.colorTable());
    for (int y = 0; y < image.height(); ++y)
      ASSERT_EQ(QByteArray(reinterpret_cast<const char*>(back.constScanLine(y)), width),
                QByteArray(reinterpret_cast<const char*>(image.constScanLine(y)), width))
          << "width " << width << " line " << y;
  }

  QRandomGenerator random(11);
  for (int width : {67, 2, 1}) {
    QImage image(width, 9, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < width; ++x)
        image.setPixel(x, y, y < 3 ? qRgb(0xC3, 0xFF, 0x00) : random.generate() | 0xFF000000);
    const QImage back = decodePcx(encodePcx(image, PcxDepth::Rgb24));
    EXPECT_FALSE(back.hasAlphaChannel());
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), image) << width;
  }
}

TEST(Pcx, PadsOddLinesAndReadsFilesOfOtherWriters) {
  // A line of an odd width is padded to an even number of bytes, as other readers expect.
  EXPECT_EQ(codedData(encodePcx(paletteImage(3, 1), PcxDepth::Palette8), true),
            bytes({0xC3, 0xC7, 0}));

  // 3 x 2 grey, lines padded to 4 bytes, and a run that goes on into the next line.
  QByteArray grey = header(8, 1, 3, 2, 4);
  grey += bytes({10, 0xC2, 0xD0, 0xC2, 0, 40, 50, 0}) + greyPalette();
  QImage image = decodePcx(grey);
  ASSERT_EQ(image.size(), QSize(3, 2));
  EXPECT_EQ(image.pixel(0, 0), qRgb(10, 10, 10));
  EXPECT_EQ(image.pixel(2, 0), qRgb(0xD0, 0xD0, 0xD0));
  EXPECT_EQ(image.pixel(0, 1), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(1, 1), qRgb(40, 40, 40));
  EXPECT_EQ(image.pixel(2, 1), qRgb(50, 50, 50));

  // 24-bit: the red, green and blue lines of each scan line follow one another.
  QByteArray rgb = header(8, 3, 2, 1, 2);
  rgb += bytes({0xC1, 255, 0, 0xC2, 128, 7, 0xC1, 0xC9});
  image = decodePcx(rgb);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.pixel(0, 0), qRgb(255, 128, 7));
  EXPECT_EQ(image.pixel(1, 0), qRgb(0, 128, 0xC9));
}

TEST(Pcx, DamagedOrHostileFilesGiveNoPicture) {
  const QByteArray palette = encodePcx(paletteImage(21, 6), PcxDepth::Palette8);
  const QByteArray rgb = encodePcx(paletteImage(21, 6), PcxDepth::Rgb24);
  for (const QByteArray& file : {palette, rgb}) {
    ASSERT_FALSE(decodePcx(file).isNull());
    for (int length = 0; length < file.size(); ++length) {
      ASSERT_TRUE(decodePcx(file.left(length)).isNull()) << "cut at " << length;
    }
  }

  // Sizes beyond reason, a window turned inside out, lines shorter than the picture.
  EXPECT_TRUE(decodePcx(withHeaderWord(withHeaderWord(rgb, 8, 65535), 10, 65535)).isNull());
  EXPECT_TRUE(decodePcx(withHeaderWord(withHeaderWord(rgb, 8, 19999), 10, 9999)).isNull());
  EXPECT_TRUE(decodePcx(withHeaderWord(rgb, 66, 65535)).isNull());
  EXPECT_TRUE(decodePcx(withHeaderWord(rgb, 4, 30)).isNull());
  EXPECT_TRUE(decodePcx(withHeaderWord(rgb, 66, 10)).isNull());
  // A header that claims a big picture over a few bytes of data.
  EXPECT_TRUE(decodePcx(header(8, 3, 8000, 8000, 8000) + bytes({0xFF, 0})).isNull());

  QByteArray layout = rgb;
  layout[3] = 2;
  EXPECT_TRUE(decodePcx(layout).isNull());
  layout = rgb;
  layout[0] = 0x0B;
  EXPECT_FALSE(isPcxData(layout));

  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  paletteImage(4, 4).save(&buffer, "PNG");
  EXPECT_FALSE(isPcxData(png));
  EXPECT_TRUE(decodePcx(png).isNull());
}
