// Reading and writing ZSoft PCX pictures.
#include "pictures/pcx.h"

#include <QColor>
#include <QPainter>
#include <array>
#include <cstring>
#include <vector>

namespace {

constexpr int kHeaderSize = 128;
constexpr int kPaletteSize = 768;
constexpr uchar kManufacturer = 0x0A;
constexpr uchar kPaletteMarker = 0x0C;
constexpr int kMaxRun = 63;

// Pictures beyond these sizes are taken for damaged or hostile headers: the program's own
// pictures are a few hundred thousand pixels, and a scanned A4 page at 600 dpi is 35 million.
constexpr qint64 kMaxSide = 20000;
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;
constexpr qint64 kMaxDecodedBytes = 256LL * 1024 * 1024;

struct Header {
  int version = 0;
  int encoding = 0;
  int bitsPerPixel = 0;
  int planes = 0;
  int bytesPerLine = 0;
  int width = 0;
  int height = 0;
  int hDpi = 0;
  int vDpi = 0;
  const uchar* egaPalette = nullptr;
};

int word(const uchar* p) {
  return p[0] | (p[1] << 8);
}

void putWord(QByteArray& out, int offset, int value) {
  out[offset] = static_cast<char>(value & 0xFF);
  out[offset + 1] = static_cast<char>((value >> 8) & 0xFF);
}

bool knownLayout(int bitsPerPixel, int planes) {
  return (bitsPerPixel == 1 && (planes == 1 || planes == 4)) ||
         (bitsPerPixel == 8 && (planes == 1 || planes == 3 || planes == 4));
}

bool readHeader(const QByteArray& data, Header& h) {
  if (data.size() < kHeaderSize) return false;
  const auto* p = reinterpret_cast<const uchar*>(data.constData());
  if (p[0] != kManufacturer) return false;
  h.version = p[1];
  h.encoding = p[2];
  h.bitsPerPixel = p[3];
  if (h.version == 1 || h.version > 5 || h.encoding > 1) return false;
  const int xMin = word(p + 4), yMin = word(p + 6), xMax = word(p + 8), yMax = word(p + 10);
  h.hDpi = word(p + 12);
  h.vDpi = word(p + 14);
  h.egaPalette = p + 16;
  h.planes = p[65];
  h.bytesPerLine = word(p + 66);
  if (!knownLayout(h.bitsPerPixel, h.planes)) return false;
  if (xMax < xMin || yMax < yMin) return false;
  h.width = xMax - xMin + 1;
  h.height = yMax - yMin + 1;
  const qint64 needed = (static_cast<qint64>(h.width) * h.bitsPerPixel + 7) / 8;
  if (h.bytesPerLine < needed) return false;
  if (h.width > kMaxSide || h.height > kMaxSide) return false;
  if (static_cast<qint64>(h.width) * h.height > kMaxPixels) return false;
  const qint64 decoded = static_cast<qint64>(h.bytesPerLine) * h.planes * h.height;
  return decoded <= kMaxDecodedBytes;
}

// The coded picture data as one stream of bytes. A run may go on past the end of a scan line,
// as some writers let it, so the reader keeps an unfinished run for the next line.
class RunReader {
 public:
  RunReader(const uchar* begin, const uchar* end, bool coded)
      : p_(begin), end_(end), coded_(coded) {}

  bool read(uchar* out, qsizetype count) {
    while (count > 0) {
      if (pending_ > 0) {
        const qsizetype n = std::min<qsizetype>(pending_, count);
        std::memset(out, value_, static_cast<size_t>(n));
        out += n;
        count -= n;
        pending_ -= static_cast<int>(n);
        continue;
      }
      if (p_ >= end_) return false;
      const uchar b = *p_++;
      if (coded_ && (b & 0xC0) == 0xC0) {
        if (p_ >= end_) return false;
        pending_ = b & 0x3F;
        value_ = *p_++;
      } else {
        *out++ = b;
        --count;
      }
    }
    return true;
  }

 private:
  const uchar* p_;
  const uchar* end_;
  bool coded_;
  int pending_ = 0;
  uchar value_ = 0;
};

constexpr std::array<QRgb, 16> kEgaColours = {
    0xFF000000, 0xFF0000AA, 0xFF00AA00, 0xFF00AAAA, 0xFFAA0000, 0xFFAA00AA, 0xFFAA5500, 0xFFAAAAAA,
    0xFF555555, 0xFF5555FF, 0xFF55FF55, 0xFF55FFFF, 0xFFFF5555, 0xFFFF55FF, 0xFFFFFF55, 0xFFFFFFFF};

// The 16 colours of the header; a header that leaves them all black means the standard ones.
QList<QRgb> headerPalette(const Header& h, int count) {
  QList<QRgb> table;
  bool allBlack = true;
  for (int i = 0; i < count; ++i) {
    const uchar* c = h.egaPalette + 3 * i;
    table.append(qRgb(c[0], c[1], c[2]));
    if (c[0] || c[1] || c[2]) allBlack = false;
  }
  if (allBlack) {
    for (int i = 0; i < count; ++i)
      table[i] = count == 2 ? (i ? 0xFFFFFFFF : 0xFF000000) : kEgaColours[static_cast<size_t>(i)];
  }
  return table;
}

void putPixels(const Header& h, const std::vector<uchar>& line, QImage& image, int y) {
  uchar* out = image.scanLine(y);
  const int bpl = h.bytesPerLine;
  const uchar* plane0 = line.data();
  if (h.bitsPerPixel == 8 && h.planes == 1) {
    std::memcpy(out, plane0, static_cast<size_t>(h.width));
  } else if (h.bitsPerPixel == 8) {
    auto* rgb = reinterpret_cast<QRgb*>(out);
    const uchar* r = plane0;
    const uchar* g = plane0 + bpl;
    const uchar* b = plane0 + 2 * bpl;
    const uchar* a = h.planes == 4 ? plane0 + 3 * bpl : nullptr;
    for (int x = 0; x < h.width; ++x) rgb[x] = qRgba(r[x], g[x], b[x], a ? a[x] : 255);
  } else {
    for (int x = 0; x < h.width; ++x) {
      const int byte = x >> 3;
      const int bit = 7 - (x & 7);
      int index = 0;
      for (int plane = 0; plane < h.planes; ++plane) {
        index |= ((plane0[plane * bpl + byte] >> bit) & 1) << plane;
      }
      out[x] = static_cast<uchar>(index);
    }
  }
}

// One plane line run-length coded: runs never cross the line's end, and a single byte that
// looks like a run count is written as a run of one.
void encodeLine(const uchar* line, int length, QByteArray& out) {
  int x = 0;
  while (x < length) {
    const uchar value = line[x];
    int run = 1;
    while (x + run < length && run < kMaxRun && line[x + run] == value) ++run;
    if (run > 1 || (value & 0xC0) == 0xC0) out.append(static_cast<char>(0xC0 | run));
    out.append(static_cast<char>(value));
    x += run;
  }
}

QImage onWhite(const QImage& image) {
  if (!image.hasAlphaChannel()) return image;
  QImage flat(image.size(), QImage::Format_RGB32);
  flat.fill(Qt::white);
  QPainter painter(&flat);
  painter.drawImage(0, 0, image);
  return flat;
}

}  // namespace

bool isPcxData(const QByteArray& data) {
  Header h;
  return readHeader(data, h);
}

QImage decodePcx(const QByteArray& data) {
  Header h;
  if (!readHeader(data, h)) return {};
  const auto* begin = reinterpret_cast<const uchar*>(data.constData());
  const uchar* end = begin + data.size();
  const uchar* pixels = begin + kHeaderSize;

  QList<QRgb> table;
  QImage::Format format = QImage::Format_Indexed8;
  if (h.bitsPerPixel == 8 && h.planes == 1) {
    const bool hasPalette =
        data.size() >= kHeaderSize + 1 + kPaletteSize && end[-kPaletteSize - 1] == kPaletteMarker;
    if (hasPalette) {
      const uchar* c = end - kPaletteSize;
      for (int i = 0; i < 256; ++i) table.append(qRgb(c[3 * i], c[3 * i + 1], c[3 * i + 2]));
      end -= kPaletteSize + 1;
    } else if (h.version >= 5) {
      // A version-5 file keeps its palette at the very end; without it the file was cut short.
      return {};
    } else {
      for (int i = 0; i < 256; ++i) table.append(qRgb(i, i, i));
    }
  } else if (h.bitsPerPixel == 8) {
    format = h.planes == 4 ? QImage::Format_ARGB32 : QImage::Format_RGB32;
  } else {
    table = headerPalette(h, 1 << h.planes);
  }

  // Every coded pair gives at most 63 bytes: data too short for the claimed size is rejected
  // before anything is allocated for it.
  const qint64 lineBytes = static_cast<qint64>(h.bytesPerLine) * h.planes;
  const qint64 total = lineBytes * h.height;
  const qint64 available = end - pixels;
  const qint64 minimum = h.encoding ? 2 * ((total + kMaxRun - 1) / kMaxRun) : total;
  if (available < minimum) return {};

  QImage image(h.width, h.height, format);
  if (image.isNull()) return {};
  if (!table.isEmpty()) image.setColorTable(table);
  std::vector<uchar> line(static_cast<size_t>(lineBytes));
  RunReader reader(pixels, end, h.encoding == 1);
  for (int y = 0; y < h.height; ++y) {
    if (!reader.read(line.data(), lineBytes)) return {};
    putPixels(h, line, image, y);
  }
  if (h.hDpi > 0 && h.hDpi < 100000 && h.vDpi > 0 && h.vDpi < 100000) {
    image.setDotsPerMeterX(qRound(h.hDpi / 0.0254));
    image.setDotsPerMeterY(qRound(h.vDpi / 0.0254));
  }
  return image;
}

QByteArray encodePcx(const QImage& source, PcxDepth depth, int dotsPerInch) {
  if (source.isNull() || source.width() > 65535 || source.height() > 65535) return {};
  const QImage flat = onWhite(source);
  QImage image;
  if (depth == PcxDepth::Rgb24) {
    image = flat.convertToFormat(QImage::Format_RGB32);
  } else if (flat.format() == QImage::Format_Grayscale8) {
    image = QImage(flat.size(), QImage::Format_Indexed8);
    QList<QRgb> grey;
    for (int i = 0; i < 256; ++i) grey.append(qRgb(i, i, i));
    image.setColorTable(grey);
    for (int y = 0; y < flat.height(); ++y) {
      std::memcpy(image.scanLine(y), flat.constScanLine(y), static_cast<size_t>(flat.width()));
    }
  } else {
    image = flat.convertToFormat(QImage::Format_Indexed8);
  }

  const int width = image.width();
  const int height = image.height();
  const int planes = depth == PcxDepth::Rgb24 ? 3 : 1;
  // Every plane line holds an even number of bytes.
  const int bytesPerLine = width + (width & 1);

  QByteArray out(kHeaderSize, '\0');
  out[0] = static_cast<char>(kManufacturer);
  out[1] = 5;
  out[2] = 1;
  out[3] = 8;
  putWord(out, 8, width - 1);
  putWord(out, 10, height - 1);
  putWord(out, 12, dotsPerInch);
  putWord(out, 14, dotsPerInch);
  out[65] = static_cast<char>(planes);
  putWord(out, 66, bytesPerLine);
  putWord(out, 68, 1);

  std::vector<uchar> line(static_cast<size_t>(bytesPerLine) * planes, 0);
  for (int y = 0; y < height; ++y) {
    if (planes == 1) {
      std::memcpy(line.data(), image.constScanLine(y), static_cast<size_t>(width));
    } else {
      const auto* rgb = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = 0; x < width; ++x) {
        line[static_cast<size_t>(x)] = static_cast<uchar>(qRed(rgb[x]));
        line[static_cast<size_t>(bytesPerLine + x)] = static_cast<uchar>(qGreen(rgb[x]));
        line[static_cast<size_t>(2 * bytesPerLine + x)] = static_cast<uchar>(qBlue(rgb[x]));
      }
    }
    for (int plane = 0; plane < planes; ++plane) {
      encodeLine(line.data() + plane * bytesPerLine, bytesPerLine, out);
    }
  }

  if (planes == 1) {
    out.append(static_cast<char>(kPaletteMarker));
    const QList<QRgb> table = image.colorTable();
    for (int i = 0; i < 256; ++i) {
      const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
      out.append(static_cast<char>(qRed(c)));
      out.append(static_cast<char>(qGreen(c)));
      out.append(static_cast<char>(qBlue(c)));
    }
  }
  return out;
}
