// The first worksheet of a workbook in the old binary form (.xls): the records of its workbook
// stream (BIFF8, or BIFF5/7 in older files) in a compound file.
#include "prices/xls_reader.h"

#include <QCoreApplication>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "prices/compound_file.h"

namespace {

// The record types read.
enum : quint16 {
  kFormula = 0x0006,
  kEof = 0x000A,
  kFilePass = 0x002F,
  kContinue = 0x003C,
  kCodePage = 0x0042,
  kWsBool = 0x0081,
  kBoundSheet = 0x0085,
  kMulRk = 0x00BD,
  kRString = 0x00D6,
  kSst = 0x00FC,
  kLabelSst = 0x00FD,
  kNumber = 0x0203,
  kLabel = 0x0204,
  kBoolErr = 0x0205,
  kString = 0x0207,
  kArray = 0x0221,
  kTable = 0x0236,
  kRk = 0x027E,
  kShrFmla = 0x04BC,
  kBof = 0x0809,
};

// The types of substream a BOF record opens.
constexpr quint16 kGlobals = 0x0005;
constexpr quint16 kSheetOrDialog = 0x0010;

[[noreturn]] void fail(const QString& path, const QString& why) {
  failWorkbook(path, why);
}

quint16 u16(QByteArrayView bytes, qsizetype at) {
  return qFromLittleEndian<quint16>(bytes.data() + at);
}
quint32 u32(QByteArrayView bytes, qsizetype at) {
  return qFromLittleEndian<quint32>(bytes.data() + at);
}
quint8 u8(QByteArrayView bytes, qsizetype at) {
  return static_cast<quint8>(bytes[at]);
}

QString errorName(quint8 code) {
  switch (code) {
    case 0x00:
      return QStringLiteral("#NULL!");
    case 0x07:
      return QStringLiteral("#DIV/0!");
    case 0x0F:
      return QStringLiteral("#VALUE!");
    case 0x17:
      return QStringLiteral("#REF!");
    case 0x1D:
      return QStringLiteral("#NAME?");
    case 0x24:
      return QStringLiteral("#NUM!");
    case 0x2A:
      return QStringLiteral("#N/A");
  }
  return QStringLiteral("#ERROR(%1)").arg(code);
}

// A number packed into 30 bits: a whole number or the high bits of a double, either of them
// possibly a hundredth of the value.
double rkNumber(quint32 rk) {
  double value = 0;
  if (rk & 2) {
    value = static_cast<qint32>(rk) >> 2;
  } else {
    const quint64 bits = static_cast<quint64>(rk & 0xFFFFFFFC) << 32;
    std::memcpy(&value, &bits, sizeof value);
  }
  return rk & 1 ? value / 100 : value;
}

// Text in a single-byte code page, as BIFF5 workbooks store it. Windows-1252 differs from
// Latin-1 in 0x80 to 0x9F; any other code page but UTF-8 is taken as Latin-1.
QString codePageText(QByteArrayView bytes, int codePage) {
  static const char16_t kWindows1252[32] = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  if (codePage == 65001) return QString::fromUtf8(bytes);
  const bool windows1252 = codePage == 1252 || codePage == 0x8001;
  QString text;
  text.reserve(bytes.size());
  for (char c : bytes) {
    const auto b = static_cast<quint8>(c);
    text +=
        windows1252 && b >= 0x80 && b < 0xA0 ? QChar(kWindows1252[b - 0x80]) : QChar::fromLatin1(c);
  }
  return text;
}

struct Record {
  quint16 type = 0;
  QByteArrayView body;
  qint64 position = 0;  // of its header in the stream
  qint64 next = 0;      // where the record after it starts
};

// Bytes that run on from a record into the CONTINUE records after it. Characters that go on
// in a further record start there with a flag byte of their own: 1 for two bytes a character,
// 0 for one.
class Pieces {
 public:
  Pieces(std::vector<QByteArrayView> pieces, const QString& path, const QString& what)
      : pieces_(std::move(pieces)), path_(path), what_(what) {}

  bool atEnd() {
    while (piece_ + 1 < pieces_.size() && at_ == pieces_[piece_].size()) {
      ++piece_;
      at_ = 0;
    }
    return at_ == pieces_[piece_].size();
  }
  quint8 byte() {
    if (atEnd()) damaged();
    return u8(pieces_[piece_], at_++);
  }
  quint16 word() {
    const quint16 low = byte();
    return static_cast<quint16>(low | byte() << 8);
  }
  quint32 doubleWord() {
    const quint32 low = word();
    return low | static_cast<quint32>(word()) << 16;
  }
  void skip(quint64 count) {
    while (count > 0) {
      if (atEnd()) damaged();
      const auto n = std::min<quint64>(count, pieces_[piece_].size() - at_);
      at_ += static_cast<qsizetype>(n);
      count -= n;
    }
  }
  QString characters(int count, bool wide) {
    QString text;
    text.reserve(count);
    while (text.size() < count) {
      if (at_ == pieces_[piece_].size()) {
        if (piece_ + 1 == pieces_.size()) damaged();
        ++piece_;
        at_ = 0;
        if (pieces_[piece_].isEmpty()) damaged();
        wide = u8(pieces_[piece_], at_++) & 1;
        continue;
      }
      const QByteArrayView piece = pieces_[piece_];
      const qsizetype available = piece.size() - at_;
      const qsizetype n =
          std::min<qsizetype>(count - text.size(), wide ? available / 2 : available);
      if (n == 0) damaged();  // half a character
      for (qsizetype i = 0; i < n; ++i)
        text += wide ? QChar(u16(piece, at_ + 2 * i)) : QChar::fromLatin1(piece[at_ + i]);
      at_ += wide ? 2 * n : n;
    }
    return text;
  }

 private:
  [[noreturn]] void damaged() const {
    fail(path_, QCoreApplication::translate("Workbooks", "%1 are damaged.").arg(what_));
  }

  std::vector<QByteArrayView> pieces_;
  std::size_t piece_ = 0;
  qsizetype at_ = 0;
  const QString& path_;
  QString what_;
};

// A BIFF8 string: its length in one or two bytes, flags, the characters, and the formatting runs
// and phonetic guide that may follow them, which are passed over.
QString unicodeString(Pieces& in, bool longLength) {
  const int count = longLength ? in.word() : in.byte();
  const quint8 flags = in.byte();
  const int runs = flags & 0x08 ? in.word() : 0;
  const quint32 extra = flags & 0x04 ? in.doubleWord() : 0;
  QString text = in.characters(count, flags & 0x01);
  in.skip(4ull * runs);
  in.skip(extra);
  return text;
}

class XlsReader {
 public:
  XlsReader(const QByteArray& stream, bool bookStream, const QString& path, int lastColumn)
      : stream_(stream), path_(path), lastColumn_(lastColumn) {
    readGlobals(bookStream);
  }

  // The first sheet in the order of the tabs that is a worksheet: chart sheets, macro sheets,
  // modules and dialog sheets are passed over.
  Worksheet firstWorksheet() {
    for (const auto& [position, type] : sheets_) {
      if (type != 0) continue;
      if (position >= static_cast<quint64>(stream_.size()))
        fail(path_, QCoreApplication::translate("Workbooks", "its list of sheets is damaged."));
      const Record bof = at(static_cast<qint64>(position));
      if (bof.type != kBof || bof.body.size() < 4)
        fail(path_, QCoreApplication::translate("Workbooks", "its list of sheets is damaged."));
      if (u16(bof.body, 2) != kSheetOrDialog) continue;
      Worksheet sheet;
      if (readSheet(bof.next, sheet)) return sheet;
    }
    fail(path_, QCoreApplication::translate("Workbooks", "it holds no worksheet."));
  }

 private:
  Record at(qint64 position) const {
    if (position + 4 > stream_.size() ||
        position + 4 + qFromLittleEndian<quint16>(stream_.constData() + position + 2) >
            stream_.size())
      fail(path_, QCoreApplication::translate(
                      "Workbooks", "its workbook stream ends in the middle of a record."));
    Record r;
    r.type = qFromLittleEndian<quint16>(stream_.constData() + position);
    const quint16 length = qFromLittleEndian<quint16>(stream_.constData() + position + 2);
    r.body = QByteArrayView(stream_.constData() + position + 4, length);
    r.position = position;
    r.next = position + 4 + length;
    return r;
  }

  // The record's body and those of the CONTINUE records after it; next moves past them all.
  std::vector<QByteArrayView> withContinues(const Record& r, qint64& next) const {
    std::vector<QByteArrayView> pieces{r.body};
    next = r.next;
    while (next + 4 <= stream_.size() &&
           qFromLittleEndian<quint16>(stream_.constData() + next) == kContinue) {
      const Record more = at(next);
      pieces.push_back(more.body);
      next = more.next;
    }
    return pieces;
  }

  void need(const Record& r, qsizetype length) const {
    if (r.body.size() < length)
      fail(path_, QCoreApplication::translate(
                      "Workbooks", "its record at byte %1 of the workbook stream is damaged.")
                      .arg(r.position));
  }

  void readGlobals(bool bookStream) {
    const Record bof = at(0);
    if (bof.type != kBof || bof.body.size() < 4 || u16(bof.body, 2) != kGlobals)
      fail(path_,
           QCoreApplication::translate(
               "Workbooks", "its workbook stream does not begin with the workbook's globals."));
    const quint16 version = u16(bof.body, 0);
    biff8_ = version == 0x0600 || (version != 0x0500 && !bookStream);
    for (qint64 position = bof.next;;) {
      const Record r = at(position);
      qint64 next = r.next;
      switch (r.type) {
        case kFilePass:
          fail(path_,
               QCoreApplication::translate("Workbooks",
                                           "it is protected by a password. Save it without the "
                                           "password and import it again."));
        case kCodePage:
          need(r, 2);
          codePage_ = u16(r.body, 0);
          break;
        case kBoundSheet:
          need(r, 6);
          sheets_.emplace_back(u32(r.body, 0), u8(r.body, 5));
          break;
        case kSst: {
          if (!biff8_) break;
          Pieces in(withContinues(r, next), path_,
                    QCoreApplication::translate("Workbooks", "its shared strings"));
          in.doubleWord();  // the number of cells that use them
          const quint32 count = in.doubleWord();
          strings_.reserve(std::min<quint32>(count, 65536));
          // A count larger than the strings written is not held against the file. Every string
          // takes three bytes of the stream at least and every character one: what the strings
          // hold is bounded by the stream, and their number by kMaxSharedStrings as well.
          for (quint32 i = 0; i < count && !in.atEnd(); ++i) {
            if (strings_.size() >= static_cast<std::size_t>(kMaxSharedStrings))
              refuseWorkbook(path_, tooManySharedStringsText());
            strings_.push_back(unicodeString(in, true));
          }
          break;
        }
        case kEof:
          return;
      }
      position = next;
    }
  }

  // A LABEL, RSTRING or STRING record's text, from `from` on in the record.
  QString recordText(const Record& r, qsizetype from, qint64& next) const {
    const QString what = QCoreApplication::translate("Workbooks", "the texts of its cells");
    if (biff8_) {
      std::vector<QByteArrayView> pieces = withContinues(r, next);
      pieces.front() = pieces.front().sliced(std::min(from, pieces.front().size()));
      Pieces in(std::move(pieces), path_, what);
      return unicodeString(in, true);
    }
    need(r, from + 2);
    const quint16 length = u16(r.body, from);
    need(r, from + 2 + length);
    return codePageText(r.body.sliced(from + 2, length), codePage_);
  }

  void put(Worksheet& sheet, int row, int column, SheetCell cell) const {
    if (column + 1 <= lastColumn_) sheet.set(row + 1, column + 1, std::move(cell));
  }

  static SheetCell number(double value) {
    SheetCell cell;
    cell.kind = SheetCell::Kind::Number;
    cell.number = value;
    return cell;
  }
  static SheetCell text(QString value, SheetCell::Kind kind = SheetCell::Kind::Text) {
    SheetCell cell;
    cell.kind = kind;
    cell.text = std::move(value);
    return cell;
  }
  static SheetCell truth(bool value) {
    return text(value ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
  }

  // The cells of the sheet whose BOF record ends at position, down to its EOF record; false when
  // the sheet turns out to be a dialog sheet.
  bool readSheet(qint64 position, Worksheet& sheet) {
    bool dialog = false;
    int depth = 0;  // within the substream of a chart placed on the sheet
    // The formula cell whose text result the STRING record after it gives; none when negative.
    int pendingRow = -1, pendingColumn = -1;
    for (;;) {
      // Sheets do not overlap, so all of them together have no more records than the stream
      // can hold; more means that the list of sheets points into sheets read before.
      if (--recordsLeft_ < 0)
        fail(path_, QCoreApplication::translate("Workbooks", "its list of sheets is damaged."));
      const Record r = at(position);
      qint64 next = r.next;
      if (r.type != kString && r.type != kShrFmla && r.type != kArray && r.type != kTable &&
          r.type != kContinue)
        pendingRow = -1;
      if (r.type == kBof) {
        ++depth;
      } else if (r.type == kEof) {
        if (depth == 0) return !dialog;
        --depth;
      } else if (depth == 0) {
        const int row = r.body.size() >= 4 ? u16(r.body, 0) : 0;
        const int column = r.body.size() >= 4 ? u16(r.body, 2) : 0;
        switch (r.type) {
          case kWsBool:
            need(r, 2);
            dialog = u16(r.body, 0) & 0x0010;
            break;
          case kNumber:
            need(r, 14);
            put(sheet, row, column, number(qFromLittleEndian<double>(r.body.data() + 6)));
            break;
          case kRk:
            need(r, 10);
            put(sheet, row, column, number(rkNumber(u32(r.body, 6))));
            break;
          case kMulRk: {
            need(r, 12);
            const qsizetype count = (r.body.size() - 6) / 6;
            for (qsizetype i = 0; i < count; ++i)
              put(sheet, row, column + static_cast<int>(i),
                  number(rkNumber(u32(r.body, 4 + 6 * i + 2))));
            break;
          }
          case kLabelSst: {
            need(r, 10);
            const quint32 index = u32(r.body, 6);
            if (index >= strings_.size())
              fail(path_, QCoreApplication::translate(
                              "Workbooks", "its cell %1 names a shared string it does not hold.")
                              .arg(cellName(row + 1, column + 1)));
            put(sheet, row, column, text(strings_[index]));
            break;
          }
          case kLabel:
          case kRString:
            need(r, 6);
            put(sheet, row, column, text(recordText(r, 6, next)));
            break;
          case kBoolErr:
            need(r, 8);
            put(sheet, row, column,
                u8(r.body, 7) ? text(errorName(u8(r.body, 6)), SheetCell::Kind::Error)
                              : truth(u8(r.body, 6)));
            break;
          case kFormula: {
            need(r, 14);
            const QByteArrayView result = r.body.sliced(6, 8);
            SheetCell cell = number(qFromLittleEndian<double>(result.data()));
            if (u16(result, 6) == 0xFFFF) {
              switch (u8(result, 0)) {
                case 0:  // a text, in the STRING record that follows
                  cell = text({}, SheetCell::Kind::NoValue);
                  pendingRow = row;
                  pendingColumn = column;
                  break;
                case 1:
                  cell = truth(u8(result, 2));
                  break;
                case 2:
                  cell = text(errorName(u8(result, 2)), SheetCell::Kind::Error);
                  break;
                case 3:  // an empty text, without a STRING record
                  cell = text({});
                  break;
                default:
                  cell = text({}, SheetCell::Kind::NoValue);
              }
            }
            put(sheet, row, column, std::move(cell));
            break;
          }
          case kString:
            if (pendingRow >= 0) {
              put(sheet, pendingRow, pendingColumn, text(recordText(r, 0, next)));
              pendingRow = -1;
            }
            break;
        }
      }
      position = next;
    }
  }

  const QByteArray& stream_;
  const QString& path_;
  const int lastColumn_;
  qint64 recordsLeft_ = stream_.size() / 4 + 1;
  bool biff8_ = true;
  int codePage_ = 1252;
  std::vector<std::pair<quint32, quint8>> sheets_;  // BOF position and type, in tab order
  std::vector<QString> strings_;
};

}  // namespace

Worksheet readXlsWorksheet(const QString& path, int lastColumn) {
  // BIFF8 workbooks keep their records in "Workbook", the older BIFF5 and BIFF7 ones in "Book".
  // The file is let go once its stream is out of it.
  bool bookStream = false;
  std::optional<QByteArray> stream;
  {
    const CompoundFile compound(readWorkbookFile(path), path);
    stream = compound.stream(QStringLiteral("Workbook"));
    if (!stream) {
      stream = compound.stream(QStringLiteral("Book"));
      bookStream = true;
    }
  }
  if (!stream) fail(path, QCoreApplication::translate("Workbooks", "it holds no workbook stream."));
  return XlsReader(*stream, bookStream, path, lastColumn).firstWorksheet();
}
