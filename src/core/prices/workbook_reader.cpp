// The first worksheet of .xlsx workbooks through minizip and QXmlStreamReader, the choice between
// the two forms, and the price list read from a worksheet.
#include "prices/workbook_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unzip.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QXmlStreamReader>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <exception>

#include "common/file_access.h"
#include "prices/xls_reader.h"

namespace {

// The largest sheet a spreadsheet program makes.
constexpr int kMaxRows = 1048576;
constexpr int kMaxColumns = 16384;
// The relationships a part may list: a workbook of as many sheets is no price workbook.
constexpr std::size_t kMaxRelationships = 65536;

[[noreturn]] void fail(const QString& path, const QString& why) {
  failWorkbook(path, why);
}

QString workbookTooLargeText() {
  return QCoreApplication::translate(
             "Prices",
             "The file is larger than %1 MB, and a price workbook is a few hundred kilobytes. It "
             "is no price workbook.")
      .arg(kMaxWorkbookBytes / (1024 * 1024));
}

// Refuses anything but a regular file of at most kMaxWorkbookBytes, naming the file.
void requireWorkbookFile(const QString& path) {
  try {
    requireRegularFile(path);
  } catch (const Failure& e) {
    throw PriceReadError(e.problem().where, e.problem().what);
  }
  if (QFileInfo(path).size() > kMaxWorkbookBytes)
    throw PriceReadError(shownFileName(path), workbookTooLargeText());
}

// ---- The zipped form

// Opens the workbook for reading as minizip's own functions would, but only when it is a regular
// file of at most kMaxWorkbookBytes, and without waiting on a FIFO put in its place after it was
// checked. None when it is no such file.
voidpf ZCALLBACK openRegularWorkbook(voidpf, const void* name, int) {
  const int fd =
      ::open(static_cast<const char*>(name), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return nullptr;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMaxWorkbookBytes) {
    ::close(fd);
    return nullptr;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  FILE* file = ::fdopen(fd, "rb");
  if (!file) ::close(fd);
  return file;
}

// One part of the zip, unpacked as it is read. No more than kMaxWorkbookPartBytes are ever
// unpacked, whatever size the zip's directory gives for the part: one byte more ends the reading
// with tooLarge() set.
class ZipPart : public QIODevice {
 public:
  explicit ZipPart(unzFile zip) : zip_(zip) { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }
  bool isSequential() const override { return true; }
  bool tooLarge() const { return tooLarge_; }
  bool damaged() const { return damaged_; }

 protected:
  qint64 readData(char* data, qint64 maxSize) override {
    if (tooLarge_ || damaged_) return 0;
    // Room for one byte beyond the limit, which tells a part too large from one just as large.
    const qint64 room = kMaxWorkbookPartBytes + 1 - unpacked_;
    const auto wanted = static_cast<unsigned>(std::min<qint64>({maxSize, room, 1 << 20}));
    const int got = unzReadCurrentFile(zip_, data, wanted);
    if (got < 0) {
      damaged_ = true;
      return 0;
    }
    unpacked_ += got;
    if (unpacked_ > kMaxWorkbookPartBytes) {
      tooLarge_ = true;
      return 0;
    }
    return got;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  unzFile zip_;
  qint64 unpacked_ = 0;
  bool tooLarge_ = false;
  bool damaged_ = false;
};

class ZipFile {
 public:
  explicit ZipFile(const QString& path) : path_(path) {
    requireWorkbookFile(path);
    zlib_filefunc64_def functions{};
    fill_fopen64_filefunc(&functions);
    functions.zopen64_file = openRegularWorkbook;
    const QByteArray name = QFile::encodeName(path);
    zip_ = unzOpen2_64(name.constData(), &functions);
    if (!zip_)
      fail(path, QCoreApplication::translate("Workbooks", "it is damaged or not a workbook."));
  }
  ~ZipFile() { unzClose(zip_); }
  ZipFile(const ZipFile&) = delete;
  ZipFile& operator=(const ZipFile&) = delete;

  bool has(const QString& entry) {
    return unzLocateFile(zip_, entry.toUtf8().constData(), 2) == UNZ_OK;
  }

  // Hands the part, unpacked as it is read, to `reader`; refuses the workbook when the part is
  // damaged or unpacks to more than kMaxWorkbookPartBytes.
  template <typename Reader>
  void read(const QString& entry, Reader&& reader) {
    if (!has(entry))
      fail(path_, QCoreApplication::translate("Workbooks", "its part %1 is missing.").arg(entry));
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(zip_, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
      fail(path_, QCoreApplication::translate("Workbooks", "its part %1 is damaged.").arg(entry));
    if (info.uncompressed_size > static_cast<quint64>(kMaxWorkbookPartBytes)) tooLarge(entry);
    if (unzOpenCurrentFile(zip_) != UNZ_OK)
      fail(path_,
           QCoreApplication::translate("Workbooks", "its part %1 cannot be unpacked.").arg(entry));
    ZipPart part(zip_);
    std::exception_ptr failure;
    try {
      reader(static_cast<QIODevice&>(part));
      // What the reader left unread is unpacked too: the check of the part's sum needs it all.
      char rest[65536];
      while (part.read(rest, sizeof rest) > 0) {
      }
    } catch (...) {
      failure = std::current_exception();
    }
    const int closed = unzCloseCurrentFile(zip_);
    // A part cut off at the limit, or broken off by a damage, is at the root of what the reader
    // made of it.
    if (part.tooLarge()) tooLarge(entry);
    if (part.damaged())
      fail(path_, QCoreApplication::translate("Workbooks", "its part %1 is damaged.").arg(entry));
    if (failure) std::rethrow_exception(failure);
    if (closed != UNZ_OK)
      fail(path_, QCoreApplication::translate("Workbooks", "its part %1 is damaged.").arg(entry));
  }

  // The whole part.
  QByteArray read(const QString& entry) {
    QByteArray data;
    read(entry, [&data](QIODevice& part) { data = part.readAll(); });
    return data;
  }

 private:
  [[noreturn]] void tooLarge(const QString& entry) const {
    refuseWorkbook(path_, QCoreApplication::translate(
                              "Prices",
                              "The workbook's part %1 unpacks to more than %2 MB, and the parts "
                              "of a price workbook are far smaller. It is no price workbook.")
                              .arg(entry)
                              .arg(kMaxWorkbookPartBytes / (1024 * 1024)));
  }

  QString path_;
  unzFile zip_ = nullptr;
};

struct Relationship {
  QString id;
  QString type;
  QString target;
};

void checkXml(const QXmlStreamReader& xml, const QString& path, const QString& part) {
  if (xml.hasError())
    fail(path, QCoreApplication::translate("Workbooks", "its part %1 is damaged (%2).")
                   .arg(part, xml.errorString()));
}

std::vector<Relationship> parseRelationships(QIODevice& data, const QString& path,
                                             const QString& part) {
  std::vector<Relationship> relationships;
  QXmlStreamReader xml(&data);
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement() && xml.name() == u"Relationship") {
      if (relationships.size() >= kMaxRelationships)
        refuseWorkbook(path, QCoreApplication::translate(
                                 "Prices",
                                 "The workbook's part %1 lists more than %2 relationships, and a "
                                 "price workbook has a few. It is no price workbook.")
                                 .arg(part)
                                 .arg(kMaxRelationships));
      const QXmlStreamAttributes a = xml.attributes();
      relationships.push_back({a.value(QLatin1String("Id")).toString(),
                               a.value(QLatin1String("Type")).toString(),
                               a.value(QLatin1String("Target")).toString()});
    }
  }
  checkXml(xml, path, part);
  return relationships;
}

QString folderOf(const QString& part) {
  const qsizetype slash = part.lastIndexOf(u'/');
  return slash < 0 ? QString() : part.left(slash + 1);
}

// A relationship's target as a part name: relative to the folder of the part that names it,
// or from the root of the package when it starts with a slash.
QString resolve(const QString& folder, const QString& target) {
  QStringList parts;
  const QString joined = target.startsWith(u'/') ? target.mid(1) : folder + target;
  for (const QString& piece : joined.split(u'/', Qt::SkipEmptyParts)) {
    if (piece == u"..") {
      if (!parts.isEmpty()) parts.removeLast();
    } else if (piece != u".") {
      parts.append(piece);
    }
  }
  return parts.join(u'/');
}

const Relationship* findByType(const std::vector<Relationship>& rels, QStringView typeEnd) {
  for (const Relationship& r : rels)
    if (r.type.endsWith(typeEnd)) return &r;
  return nullptr;
}

// A relationship to a worksheet, in the transitional or the strict form of the type. Chart
// sheets (/chartsheet), dialog sheets (/dialogsheet) and macro sheets (/xlMacrosheet,
// /xlIntlMacrosheet) are no worksheets.
bool isWorksheet(const Relationship& r) {
  return r.type.endsWith(u"/worksheet");
}

// The text of a string item or inline string: its runs, without the phonetic guide.
QString readRichText(QXmlStreamReader& xml, QStringView element) {
  QString text;
  int phonetic = 0;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      if (xml.name() == u"rPh")
        ++phonetic;
      else if (xml.name() == u"t" && phonetic == 0)
        text += xml.readElementText();
    } else if (xml.isEndElement()) {
      if (xml.name() == u"rPh")
        --phonetic;
      else if (xml.name() == element)
        break;
    }
  }
  return text;
}

// The shared texts, at most kMaxSharedStrings of them; their characters are bounded by the
// part's size.
std::vector<QString> parseSharedStrings(QIODevice& data, const QString& path, const QString& part) {
  std::vector<QString> strings;
  QXmlStreamReader xml(&data);
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement() || xml.name() != u"si") continue;
    if (strings.size() >= static_cast<std::size_t>(kMaxSharedStrings))
      refuseWorkbook(path, tooManySharedStringsText());
    strings.push_back(readRichText(xml, u"si"));
  }
  checkXml(xml, path, part);
  return strings;
}

// "B12" as row 12, column 2; false for anything else.
bool parseReference(QStringView ref, int& row, int& column) {
  qsizetype i = 0;
  long long c = 0, r = 0;
  while (i < ref.size() && ref[i].isLetter() && ref[i].unicode() < 128) {
    c = c * 26 + (ref[i].toUpper().unicode() - u'A' + 1);
    if (c > kMaxColumns) return false;
    ++i;
  }
  const qsizetype digitsStart = i;
  while (i < ref.size() && ref[i] >= u'0' && ref[i] <= u'9') {
    r = r * 10 + (ref[i].unicode() - u'0');
    if (r > kMaxRows) return false;
    ++i;
  }
  if (c == 0 || i == digitsStart || i != ref.size() || r == 0) return false;
  row = static_cast<int>(r);
  column = static_cast<int>(c);
  return true;
}

bool parseNumber(const QString& text, double& value) {
  const QByteArray digits = text.trimmed().toLatin1();
  const auto [end, error] =
      std::from_chars(digits.constData(), digits.constData() + digits.size(), value);
  return error == std::errc() && end == digits.constData() + digits.size() && !digits.isEmpty();
}

void parseSheet(QIODevice& data, const std::vector<QString>& strings, int lastColumn,
                const QString& path, const QString& part, Worksheet& sheet) {
  QXmlStreamReader xml(&data);
  int row = 0;
  int column = 0;
  auto damaged = [&](const QString& why) {
    fail(path,
         QCoreApplication::translate("Workbooks", "its part %1 is damaged (%2).").arg(part, why));
  };
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"row") {
      // Rows and cells may leave out their position; they then follow the one before.
      const QStringView r = xml.attributes().value(QLatin1String("r"));
      bool ok = true;
      row = r.isEmpty() ? row + 1 : r.toInt(&ok);
      if (!ok || row < 1 || row > kMaxRows)
        damaged(QCoreApplication::translate("Workbooks", "row number"));
      column = 0;
    } else if (xml.name() == u"c") {
      const QXmlStreamAttributes a = xml.attributes();
      const QStringView ref = a.value(QLatin1String("r"));
      int cellRow = row;
      if (ref.isEmpty()) {
        column += 1;
      } else if (!parseReference(ref, cellRow, column)) {
        damaged(QCoreApplication::translate("Workbooks", "cell reference %1").arg(ref.toString()));
      }
      if (cellRow < 1 || column > kMaxColumns)
        damaged(QCoreApplication::translate("Workbooks", "cell position"));
      const QString type = a.value(QLatin1String("t")).toString();
      QString value;
      bool hasValue = false;
      bool hasFormula = false;
      while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"c") break;
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"v") {
          value = xml.readElementText();
          hasValue = true;
        } else if (xml.name() == u"is") {
          value = readRichText(xml, u"is");
          hasValue = true;
        } else if (xml.name() == u"f") {
          hasFormula = true;
        }
      }
      if (column > lastColumn || (!hasValue && !hasFormula)) continue;
      // The cells kept are bounded by the rows a price list can have.
      if (cellRow > kMaxWorksheetRows)
        refuseWorkbook(path, QCoreApplication::translate(
                                 "Prices",
                                 "The first worksheet has the cell %1 below row %2, and a price "
                                 "list ends long before. It is no price workbook.")
                                 .arg(cellName(cellRow, column))
                                 .arg(kMaxWorksheetRows));
      SheetCell cell;
      cell.kind = SheetCell::Kind::Text;
      const bool textResult = type == u"s" || type == u"str" || type == u"inlineStr";
      if (!hasValue || (hasFormula && !textResult && value.trimmed().isEmpty())) {
        // A formula whose result was never stored, as some producers write them (no value, or
        // an empty one): the value the cell shows in the spreadsheet program is not in the file.
        // An empty text is a result of its own.
        cell.kind = SheetCell::Kind::NoValue;
      } else if (type == u"e") {
        cell.kind = SheetCell::Kind::Error;
        cell.text = value.trimmed();
      } else if (type == u"s") {
        bool ok = false;
        const qulonglong index = value.trimmed().toULongLong(&ok);
        if (!ok || index >= strings.size())
          damaged(QCoreApplication::translate("Workbooks", "shared string %1").arg(value));
        cell.text = strings[index];
      } else if (type == u"b") {
        cell.text = value.trimmed() == u"1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
      } else if (type == u"str" || type == u"inlineStr" || type == u"d") {
        cell.text = value;
      } else {
        cell.kind = SheetCell::Kind::Number;
        if (!parseNumber(value, cell.number))
          damaged(QCoreApplication::translate("Workbooks", "number %1").arg(value));
      }
      sheet.set(cellRow, column, std::move(cell));
    }
  }
  checkXml(xml, path, part);
}

Worksheet readXlsx(const QString& path, int lastColumn) {
  ZipFile zip(path);
  QString workbookPart = QStringLiteral("xl/workbook.xml");
  if (zip.has(QStringLiteral("_rels/.rels"))) {
    const QString part = QStringLiteral("_rels/.rels");
    std::vector<Relationship> rels;
    zip.read(part, [&](QIODevice& data) { rels = parseRelationships(data, path, part); });
    if (const Relationship* office = findByType(rels, u"/officeDocument"))
      workbookPart = resolve(QString(), office->target);
  }
  const QString folder = folderOf(workbookPart);
  const QString relsPart =
      folder + QStringLiteral("_rels/") + workbookPart.mid(folder.size()) + QStringLiteral(".rels");
  std::vector<Relationship> rels;
  zip.read(relsPart, [&](QIODevice& data) { rels = parseRelationships(data, path, relsPart); });

  // The sheet elements list the tabs in their order. Chart sheets, dialog sheets and macro
  // sheets are tabs too; the first worksheet is the first tab whose part is a worksheet.
  QString sheetPart;
  zip.read(workbookPart, [&](QIODevice& data) {
    QXmlStreamReader xml(&data);
    while (sheetPart.isEmpty() && !xml.atEnd()) {
      xml.readNext();
      if (!xml.isStartElement() || xml.name() != u"sheet") continue;
      QString sheetId;
      for (const QXmlStreamAttribute& a : xml.attributes())
        if (a.name() == u"id" && !a.namespaceUri().isEmpty()) sheetId = a.value().toString();
      if (sheetId.isEmpty()) continue;
      for (const Relationship& r : rels)
        if (r.id == sheetId && isWorksheet(r)) sheetPart = resolve(folder, r.target);
    }
    checkXml(xml, path, workbookPart);
  });
  if (sheetPart.isEmpty())
    fail(path, QCoreApplication::translate("Workbooks", "it holds no worksheet."));

  std::vector<QString> strings;
  if (const Relationship* shared = findByType(rels, u"/sharedStrings")) {
    const QString part = resolve(folder, shared->target);
    zip.read(part, [&](QIODevice& data) { strings = parseSharedStrings(data, path, part); });
  }
  Worksheet sheet;
  zip.read(sheetPart,
           [&](QIODevice& data) { parseSheet(data, strings, lastColumn, path, sheetPart, sheet); });
  return sheet;
}

std::optional<double> priceOf(const SheetCell& cell) {
  switch (cell.kind) {
    case SheetCell::Kind::Number:
      if (!std::isfinite(cell.number)) return std::nullopt;
      return cell.number == 0 ? 0.0 : cell.number;  // no "-0.00"
    case SheetCell::Kind::Text:
      return parsePrice(cell.text);
    case SheetCell::Kind::Empty:
    case SheetCell::Kind::NoValue:
    case SheetCell::Kind::Error:
      break;
  }
  return std::nullopt;
}

// The cell at row and column, refused when the sheet does not give its value.
SheetCell valueCell(const Worksheet& sheet, int row, int column) {
  SheetCell cell = sheet.cell(row, column);
  const QString name = QChar(u'A' + (column - 1)) + QString::number(row);
  if (cell.kind == SheetCell::Kind::NoValue)
    throw PriceReadError(
        QCoreApplication::translate("Workbooks", "%1 holds a formula without a value.").arg(name));
  if (cell.kind == SheetCell::Kind::Error)
    throw PriceReadError(QCoreApplication::translate("Workbooks", "%1 holds the error value %2.")
                             .arg(name, cell.text));
  return cell;
}

}  // namespace

SheetCell Worksheet::cell(int row, int column) const {
  const auto found = cells_.find({row, column});
  return found == cells_.end() ? SheetCell{} : found->second;
}

void Worksheet::set(int row, int column, SheetCell cell) {
  if (cell.kind == SheetCell::Kind::Empty)
    cells_.erase({row, column});
  else
    cells_[{row, column}] = std::move(cell);
}

QString cellText(const SheetCell& cell) {
  switch (cell.kind) {
    case SheetCell::Kind::Text:
      return cell.text;
    case SheetCell::Kind::Number:
      // Whole numbers without a point or an exponent, as a spreadsheet shows them.
      if (std::fabs(cell.number) < 1e15 && cell.number == std::trunc(cell.number))
        return QString::number(static_cast<qint64>(cell.number));
      return QString::number(cell.number, 'g', 15);
    case SheetCell::Kind::Empty:
    case SheetCell::Kind::NoValue:
    case SheetCell::Kind::Error:
      break;
  }
  return {};
}

QString cellName(int row, int column) {
  QString letters;
  for (int c = column; c > 0; c = (c - 1) / 26) letters.prepend(QChar(u'A' + (c - 1) % 26));
  return letters + QString::number(row);
}

void failWorkbook(const QString& path, const QString& why) {
  throw PriceReadError(
      QCoreApplication::translate("Workbooks", "The workbook %1 cannot be read: %2")
          .arg(shownFileName(path), why));
}

void refuseWorkbook(const QString& path, const QString& why) {
  throw PriceReadError(shownFileName(path), why);
}

QString tooManySharedStringsText() {
  return QCoreApplication::translate("Prices",
                                     "The workbook holds more than %1 shared texts, and a price "
                                     "workbook holds a few thousand. It is no price workbook.")
      .arg(kMaxSharedStrings);
}

QByteArray readWorkbookFile(const QString& path) {
  return readPriceListFile(path, kMaxWorkbookBytes, workbookTooLargeText());
}

Worksheet readFirstWorksheet(const QString& path, int lastColumn) {
  requireWorkbookFile(path);
  // The first bytes tell the form.
  const QByteArray name = QFile::encodeName(path);
  FILE* file = static_cast<FILE*>(openRegularWorkbook(nullptr, name.constData(), 0));
  if (!file) fail(path, QCoreApplication::translate("Workbooks", "it cannot be opened."));
  char start[8] = {};
  const QByteArrayView head(start,
                            static_cast<qsizetype>(std::fread(start, 1, sizeof start, file)));
  std::fclose(file);
  if (head.startsWith(QByteArrayLiteral("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")))
    return readXlsWorksheet(path, lastColumn);
  if (head.startsWith(QByteArrayLiteral("PK\x03\x04"))) return readXlsx(path, lastColumn);
  fail(path, QCoreApplication::translate("Workbooks", "it is not an Excel workbook."));
}

QByteArray readZipEntry(const QString& zipPath, const QString& entryName) {
  ZipFile zip(zipPath);
  return zip.read(entryName);
}

std::vector<PriceEntry> priceEntriesFromWorksheet(const Worksheet& sheet) {
  constexpr int kNumberColumn = 2, kPriceColumn = 3;
  std::vector<PriceEntry> entries;
  QString number;
  for (int row = 1;; ++row) {
    if (row > 2 && number.size() < 10) break;
    number = regroupOrderingNumber(cellText(valueCell(sheet, row, kNumberColumn)));
    const SheetCell priceCell = valueCell(sheet, row, kPriceColumn);
    const std::optional<double> price = priceOf(priceCell);
    // The row that ends the list, whose number is too short to name a part, may hold a total.
    if (price && !isPriceInRange(*price) && number.size() >= 10)
      throw PriceReadError(
          priceOutOfRangeText(QStringLiteral("C%1").arg(row), cellText(priceCell)));
    entries.push_back({number, price, QCoreApplication::translate("Workbooks", "Row %1").arg(row)});
  }
  return entries;
}

std::vector<PriceEntry> readPriceWorkbook(const QString& path) {
  return priceEntriesFromWorksheet(readFirstWorksheet(path, 3));
}
