// Test databases, files and workbooks of the price maintenance tests.
#include "prices/price_fixtures.h"

#include <xlsxwriter.h>
#include <zip.h>

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <stdexcept>

#include "data/database.h"
#include "data/parts_loader.h"
#include "support/test_database.h"

QString pricesRecordsSql() {
  return syntheticRecordsSql() + QStringLiteral(
                                     "UPDATE tblDetaljPr SET strDetaljnummer = '7302 4410 01' "
                                     "WHERE lngNr = 11;\n"
                                     "UPDATE tblDetaljPr SET strDetaljnummer = '7302 4410 19' "
                                     "WHERE lngNr = 12;\n"
                                     "UPDATE tblDetaljPr SET strDetaljnummer = '8420 0250 00' "
                                     "WHERE lngNr IN (20, 21);\n");
}

std::map<qint64, std::optional<float>> storedPrices(const QString& databaseFile) {
  Database db = Database::open(databaseFile, kConnectString);
  Statement read = db.prepare(QStringLiteral("SELECT lngNr, sngPris FROM tblDetaljPr;"));
  std::map<qint64, std::optional<float>> prices;
  while (read.next()) prices[*read.integer(0)] = read.single(1);
  return prices;
}

void writeFile(const QString& path, const QByteArray& contents) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
    throw std::runtime_error("cannot write " + path.toStdString());
}

FixtureSheet priceSheet(const std::vector<std::pair<std::variant<QString, double>, double>>& rows) {
  FixtureSheet cells{{1, 1, QStringLiteral("Item")},
                     {1, 2, QStringLiteral("Ordering No.")},
                     {1, 3, QStringLiteral("Price")}};
  int row = 2;
  for (const auto& [number, price] : rows) {
    cells.push_back({row, 2, std::visit([](const auto& v) { return FixtureValue(v); }, number)});
    cells.push_back({row, 3, price});
    ++row;
  }
  return cells;
}

// ---- BIFF8 in a compound file

namespace {

void put16(QByteArray& out, quint16 v) {
  char b[2];
  qToLittleEndian(v, b);
  out.append(b, 2);
}
void put32(QByteArray& out, quint32 v) {
  char b[4];
  qToLittleEndian(v, b);
  out.append(b, 4);
}
void putDouble(QByteArray& out, double v) {
  char b[8];
  qToLittleEndian(v, b);
  out.append(b, 8);
}

QByteArray record(quint16 type, const QByteArray& body) {
  QByteArray r;
  put16(r, type);
  put16(r, static_cast<quint16>(body.size()));
  return r + body;
}

QByteArray bof(quint16 kind, bool biff5 = false) {
  QByteArray b;
  put16(b, biff5 ? 0x0500 : 0x0600);
  put16(b, kind);
  put16(b, 0x0DBB);
  put16(b, 0x07CC);
  if (!biff5) {
    put32(b, 0);
    put32(b, 6);
  }
  return record(0x0809, b);
}

// An unformatted BIFF8 string: 8-bit when every character allows it, else UTF-16.
void putString(QByteArray& out, const QString& text, bool longLength) {
  if (longLength)
    put16(out, static_cast<quint16>(text.size()));
  else
    out.append(static_cast<char>(text.size()));
  const bool wide =
      std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 255; });
  out.append(static_cast<char>(wide ? 1 : 0));
  for (QChar c : text) {
    if (wide)
      put16(out, c.unicode());
    else
      out.append(static_cast<char>(c.unicode()));
  }
}

// A BIFF5 string: its length and its characters in Windows-1252.
void putWindows1252(QByteArray& out, const QString& text, bool longLength) {
  if (longLength)
    put16(out, static_cast<quint16>(text.size()));
  else
    out.append(static_cast<char>(text.size()));
  for (QChar c : text) {
    if (c == QChar(0x20AC))
      out.append('\x80');
    else if (c == QChar(0x2013))
      out.append('\x96');
    else if (c.unicode() <= 0xFF && (c.unicode() < 0x80 || c.unicode() >= 0xA0))
      out.append(static_cast<char>(c.unicode()));
    else
      throw std::invalid_argument("no such character in the BIFF5 fixtures");
  }
}

void putText(QByteArray& out, const QString& text, bool longLength, bool biff5) {
  if (biff5)
    putWindows1252(out, text, longLength);
  else
    putString(out, text, longLength);
}

bool needsTwoBytes(QStringView text) {
  return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 255; });
}

void putCharacters(QByteArray& out, QStringView text, bool wide) {
  for (QChar c : text) {
    if (wide)
      put16(out, c.unicode());
    else
      out.append(static_cast<char>(c.unicode()));
  }
}

// The records after a FORMULA cell's: the SHRFMLA of a shared formula, and the STRING that holds
// a text result.
QByteArray formulaRecords(const FixtureCell& c, const FixtureFormula& f, bool biff5) {
  using R = FixtureFormula::Result;
  QByteArray body;
  put16(body, static_cast<quint16>(c.row - 1));
  put16(body, static_cast<quint16>(c.column - 1));
  put16(body, 0);
  const auto special = [&](quint8 type, quint8 value) {
    body.append(static_cast<char>(type));
    body.append('\0');
    body.append(static_cast<char>(value));
    body.append(3, '\0');
    put16(body, 0xFFFF);
  };
  switch (f.result) {
    case R::Number:
      putDouble(body, f.number);
      break;
    case R::Text:
      special(f.text.isEmpty() ? 3 : 0, 0);
      break;
    case R::Boolean:
      special(1, static_cast<quint8>(f.code));
      break;
    case R::Error:
      special(2, static_cast<quint8>(f.code));
      break;
  }
  put16(body, f.shared ? 0x0008 : 0);
  put32(body, 0);
  if (f.shared) {  // ptgExp: the shared formula that starts at this cell
    put16(body, 5);
    body.append('\x01');
    put16(body, static_cast<quint16>(c.row - 1));
    put16(body, static_cast<quint16>(c.column - 1));
  } else {  // ptgInt 1
    put16(body, 3);
    body.append('\x1E');
    put16(body, 1);
  }
  QByteArray out = record(0x0006, body);
  if (f.shared) {
    QByteArray shared;
    put16(shared, static_cast<quint16>(c.row - 1));
    put16(shared, static_cast<quint16>(c.row - 1));
    shared.append(static_cast<char>(c.column - 1));
    shared.append(static_cast<char>(c.column - 1));
    shared.append('\0');
    shared.append('\1');
    put16(shared, 3);
    shared.append('\x1E');
    put16(shared, 1);
    out += record(0x04BC, shared);
  }
  if (f.result == R::Text && !f.text.isEmpty() && f.stringRecord) {
    QByteArray text;
    putText(text, f.text, true, biff5);
    out += record(0x0207, text);
  }
  return out;
}

// A sheet's substream: BOF of the kind, the records given first, the cells, the records given
// last, EOF. Text cells go into the shared strings, or into LABEL records in BIFF5.
QByteArray sheetStream(const FixtureSheet& cells, std::vector<QString>& strings, bool biff5,
                       quint16 kind = 0x0010, const QByteArray& first = {},
                       const QByteArray& last = {}) {
  int rows = 0, columns = 0;
  for (const FixtureCell& c : cells) {
    rows = std::max(rows, c.row);
    columns = std::max(columns, c.column);
  }
  QByteArray s = bof(kind, biff5) + first;
  QByteArray dims;
  put32(dims, 0);
  put32(dims, static_cast<quint32>(rows));
  put16(dims, 0);
  put16(dims, static_cast<quint16>(columns));
  put16(dims, 0);
  s += record(0x0200, dims);
  for (const FixtureCell& c : cells) {
    if (const FixtureFormula* f = std::get_if<FixtureFormula>(&c.value)) {
      s += formulaRecords(c, *f, biff5);
      continue;
    }
    QByteArray body;
    put16(body, static_cast<quint16>(c.row - 1));
    put16(body, static_cast<quint16>(c.column - 1));
    put16(body, 0);
    if (const QString* text = std::get_if<QString>(&c.value); text && biff5) {
      putWindows1252(body, *text, true);
      s += record(0x0204, body);  // LABEL
    } else if (text) {
      put32(body, static_cast<quint32>(strings.size()));
      strings.push_back(*text);
      s += record(0x00FD, body);  // LABELSST
    } else {
      putDouble(body, std::get<double>(c.value));
      s += record(0x0203, body);  // NUMBER
    }
  }
  return s + last + record(0x000A, {});
}

// The SST record and the CONTINUE records after it, none longer than BIFF8 allows. Characters
// that do not fit go on in the next record after a flag byte, in single bytes when all of
// them there allow it. Formatting runs and phonetic guides are split anywhere.
QByteArray sharedStrings(const std::vector<QString>& strings, bool richText) {
  constexpr qsizetype kMaxBody = 8224;
  std::vector<QByteArray> bodies(1);
  put32(bodies.back(), static_cast<quint32>(strings.size()));
  put32(bodies.back(), static_cast<quint32>(strings.size()));
  const auto room = [&] { return kMaxBody - bodies.back().size(); };
  for (std::size_t i = 0; i < strings.size(); ++i) {
    const QString& text = strings[i];
    const bool runs = richText && i % 2 == 0, phonetic = richText && i % 3 == 0;
    bool wide = needsTwoBytes(text);
    QByteArray head;
    put16(head, static_cast<quint16>(text.size()));
    head.append(static_cast<char>((wide ? 1 : 0) | (runs ? 8 : 0) | (phonetic ? 4 : 0)));
    if (runs) put16(head, 2);
    if (phonetic) put32(head, 10);
    if (room() < head.size() + 2) bodies.emplace_back();  // the head and a character at least
    bodies.back() += head;
    for (qsizetype done = 0; done < text.size();) {
      const qsizetype fit = std::min(room() / (wide ? 2 : 1), text.size() - done);
      if (fit == 0) {
        wide = needsTwoBytes(QStringView(text).mid(done));
        bodies.emplace_back(1, static_cast<char>(wide ? 1 : 0));
        continue;
      }
      putCharacters(bodies.back(), QStringView(text).mid(done, fit), wide);
      done += fit;
    }
    // Bytes a reader that does not pass over them takes for a string of its own.
    const QByteArray extra((runs ? 8 : 0) + (phonetic ? 10 : 0), 'A');
    for (char b : extra) {
      if (room() == 0) bodies.emplace_back();
      bodies.back().append(b);
    }
  }
  QByteArray out = record(0x00FC, bodies.front());
  for (std::size_t i = 1; i < bodies.size(); ++i) out += record(0x003C, bodies[i]);
  return out;
}

QByteArray workbookStream(const FixtureSheet& cells, const XlsOptions& options) {
  const bool biff5 = options.biff5;
  struct Sheet {
    QString name;
    quint8 type;  // of the BOUNDSHEET record: 0 worksheet or dialog, 1 macro sheet, 2 chart
    QByteArray stream;
  };
  std::vector<QString> strings;
  std::vector<Sheet> sheets;
  const FixtureSheet decoy = priceSheet({{QStringLiteral("7302 4410 01"), 1}});
  QByteArray chart;  // cached values of a chart, in its own substream on the worksheet
  if (options.otherSheetsFirst) {
    sheets.push_back({QStringLiteral("Chart"), 2, sheetStream({}, strings, biff5, 0x0020)});
    // A macro sheet that the sheet list, as some writers do, calls a worksheet.
    sheets.push_back({QStringLiteral("Macros"), 0, sheetStream(decoy, strings, biff5, 0x0040)});
    QByteArray dialog;
    put16(dialog, 0x0411);  // WSBOOL: a dialog sheet
    sheets.push_back({QStringLiteral("Dialog"), 0,
                      sheetStream(decoy, strings, biff5, 0x0010, record(0x0081, dialog))});
    QByteArray index;
    put16(index, 1);
    chart = bof(0x0020, biff5) + record(0x1065, index);  // SIINDEX
    for (int row = 0; row < 3; ++row) {
      QByteArray point;
      put16(point, static_cast<quint16>(row));
      put16(point, 2);
      put16(point, 0);
      putDouble(point, 1.0);
      chart += record(0x0203, point);
    }
    chart += record(0x000A, {});
  }
  sheets.push_back(
      {QStringLiteral("Prices"), 0, sheetStream(cells, strings, biff5, 0x0010, {}, chart)});
  sheets.push_back(
      {QStringLiteral("Other"), 0,
       sheetStream({{2, 2, QStringLiteral("7302 4410 01")}, {2, 3, 1.0}}, strings, biff5)});

  auto boundSheet = [biff5](quint32 position, const Sheet& sheet) {
    QByteArray b;
    put32(b, position);
    b.append('\0');  // visible
    b.append(static_cast<char>(sheet.type));
    putText(b, sheet.name, false, biff5);
    return record(0x0085, b);
  };
  QByteArray codepage;
  put16(codepage, biff5 ? 1252 : 1200);
  const QByteArray sst = biff5 ? QByteArray() : sharedStrings(strings, options.richText);
  // The sheet positions depend on the length of the globals, which they are part of.
  int globalsLength = bof(0x0005, biff5).size() + record(0x0042, codepage).size() + sst.size() +
                      record(0x000A, {}).size();
  for (const Sheet& sheet : sheets) globalsLength += boundSheet(0, sheet).size();
  QByteArray globals = bof(0x0005, biff5) + record(0x0042, codepage);
  QByteArray substreams;
  for (const Sheet& sheet : sheets) {
    globals += boundSheet(static_cast<quint32>(globalsLength + substreams.size()), sheet);
    substreams += sheet.stream;
  }
  return globals + sst + record(0x000A, {}) + substreams;
}

constexpr quint32 kFree = 0xFFFFFFFF, kEndOfChain = 0xFFFFFFFE, kFatSector = 0xFFFFFFFD,
                  kDifatSector = 0xFFFFFFFC;

QByteArray directoryEntry(const QString& name, quint8 type, quint32 child, quint32 start,
                          quint32 size) {
  QByteArray e;
  for (QChar c : name) put16(e, c.unicode());
  put16(e, 0);
  e.append(64 - e.size(), '\0');
  put16(e, static_cast<quint16>(name.isEmpty() ? 0 : (name.size() + 1) * 2));
  e.append(static_cast<char>(type));
  e.append('\1');  // black
  put32(e, kFree);
  put32(e, kFree);
  put32(e, child);
  e.append(16 + 4 + 16, '\0');  // class, state bits, times
  put32(e, start);
  put32(e, size);
  put32(e, 0);
  return e;
}

QByteArray padded(QByteArray bytes, int size) {
  bytes.append((bytes.size() + size - 1) / size * size - bytes.size(), '\0');
  return bytes;
}

// A chain of ascending sectors from `first` on in the table.
void putChain(std::vector<quint32>& table, quint32 first, qsizetype count) {
  for (qsizetype i = 0; i < count; ++i)
    table[first + i] = i + 1 < count ? static_cast<quint32>(first + i + 1) : kEndOfChain;
}

// A compound file with one stream, "Workbook" ("Book" for BIFF5). Outside the mini stream it is
// made at least 4096 bytes long, as Excel does.
QByteArray compoundFile(QByteArray stream, const XlsOptions& options) {
  const int sector = options.sectorSize;
  const int perSector = sector / 4;
  const quint32 streamLength = static_cast<quint32>(stream.size());
  QByteArray contents, miniFat;  // the stream, or the mini stream that holds it
  if (options.miniStream) {
    if (stream.size() >= 4096) throw std::runtime_error("fixture too large for the mini stream");
    contents = padded(stream, 64);
    const qsizetype pieces = contents.size() / 64;
    std::vector<quint32> table(static_cast<std::size_t>(pieces));
    putChain(table, 0, pieces);
    for (quint32 entry : table) put32(miniFat, entry);
    while (miniFat.size() % sector) put32(miniFat, kFree);
  } else {
    stream.append(std::max<qsizetype>(0, 4096 + sector - stream.size()), '\0');
    contents = stream;
  }
  const quint32 contentsLength = static_cast<quint32>(contents.size());
  contents = padded(contents, sector);
  const qsizetype contentSectors = contents.size() / sector;
  const qsizetype miniFatSectors = miniFat.size() / sector;
  constexpr qsizetype kDirectorySectors = 1;

  // As many FAT sectors as all sectors need, those beyond the header's 109 listed in DIFAT
  // sectors; with fatBeyondHeader, free sectors move the stream into the 110th FAT sector.
  qsizetype fatSectors = 1, difatSectors = 0, gap = 0;
  for (;;) {
    const qsizetype before = fatSectors + difatSectors + kDirectorySectors + miniFatSectors;
    gap = options.fatBeyondHeader ? std::max<qsizetype>(0, 109 * perSector - before) : 0;
    const qsizetype total = before + gap + contentSectors;
    const qsizetype fat = (total + perSector - 1) / perSector;
    const qsizetype difat = std::max<qsizetype>(0, (fat - 109 + perSector - 2) / (perSector - 1));
    if (fat <= fatSectors && difat == difatSectors) break;
    fatSectors = std::max(fat, fatSectors);
    difatSectors = difat;
  }
  const quint32 firstDifat = static_cast<quint32>(fatSectors);
  const quint32 directory = firstDifat + static_cast<quint32>(difatSectors);
  const quint32 firstMiniFat = directory + kDirectorySectors;
  const quint32 firstContents = firstMiniFat + static_cast<quint32>(miniFatSectors + gap);
  const qsizetype totalSectors = firstContents + contentSectors;

  std::vector<quint32> fat(static_cast<std::size_t>(fatSectors * perSector), kFree);
  for (qsizetype i = 0; i < fatSectors; ++i) fat[i] = kFatSector;
  for (qsizetype i = 0; i < difatSectors; ++i) fat[firstDifat + i] = kDifatSector;
  putChain(fat, directory, kDirectorySectors);
  putChain(fat, firstMiniFat, miniFatSectors);
  putChain(fat, firstContents, contentSectors);

  QByteArray header("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
  header.append(16, '\0');
  put16(header, 0x003E);
  put16(header, sector == 4096 ? 4 : 3);
  put16(header, 0xFFFE);
  put16(header, sector == 4096 ? 12 : 9);
  put16(header, 6);
  header.append(6, '\0');
  put32(header, sector == 4096 ? kDirectorySectors : 0);  // directory sectors (version 4)
  put32(header, static_cast<quint32>(fatSectors));
  put32(header, directory);
  put32(header, 0);     // transaction
  put32(header, 4096);  // mini stream cutoff
  put32(header, miniFatSectors ? firstMiniFat : kEndOfChain);
  put32(header, static_cast<quint32>(miniFatSectors));
  put32(header, difatSectors ? firstDifat : kEndOfChain);
  put32(header, static_cast<quint32>(difatSectors));
  for (qsizetype i = 0; i < 109; ++i)
    put32(header, i < fatSectors ? static_cast<quint32>(i) : kFree);
  header = padded(header, sector);

  QByteArray difat;
  for (qsizetype d = 0; d < difatSectors; ++d) {
    for (qsizetype i = 0; i < perSector - 1; ++i) {
      const qsizetype fatIndex = 109 + d * (perSector - 1) + i;
      put32(difat, fatIndex < fatSectors ? static_cast<quint32>(fatIndex) : kFree);
    }
    put32(difat, d + 1 < difatSectors ? static_cast<quint32>(firstDifat + d + 1) : kEndOfChain);
  }

  const quint32 workbookStart = options.miniStream ? 0 : firstContents;
  QByteArray entries =
      directoryEntry(QStringLiteral("Root Entry"), 5, 1,
                     options.miniStream ? firstContents : kEndOfChain,
                     options.miniStream ? contentsLength : 0) +
      directoryEntry(options.biff5 ? QStringLiteral("Book") : QStringLiteral("Workbook"), 2, kFree,
                     workbookStart, options.miniStream ? streamLength : contentsLength);
  while (entries.size() < sector) entries += directoryEntry({}, 0, kFree, 0, 0);

  QByteArray table;
  for (quint32 entry : fat) put32(table, entry);
  QByteArray out = header + table + difat + entries + miniFat;
  out.append(gap * sector, '\0');
  out += contents;
  if (out.size() != (totalSectors + 1) * sector) throw std::logic_error("compound file layout");
  return out;
}

}  // namespace

FixtureFormula formulaNumber(double value) {
  FixtureFormula f;
  f.number = value;
  return f;
}

FixtureFormula formulaText(const QString& text, bool stringRecord, bool shared) {
  FixtureFormula f;
  f.result = FixtureFormula::Result::Text;
  f.text = text;
  f.stringRecord = stringRecord;
  f.shared = shared;
  return f;
}

FixtureFormula formulaBoolean(bool value) {
  FixtureFormula f;
  f.result = FixtureFormula::Result::Boolean;
  f.code = value ? 1 : 0;
  return f;
}

FixtureFormula formulaError(int code) {
  FixtureFormula f;
  f.result = FixtureFormula::Result::Error;
  f.code = code;
  return f;
}

QByteArray xlsWorkbook(const FixtureSheet& cells, const XlsOptions& options) {
  return compoundFile(workbookStream(cells, options), options);
}

void writeXls(const QString& path, const FixtureSheet& cells) {
  writeFile(path, xlsWorkbook(cells));
}

// ---- The zipped form

void writeXlsx(const QString& path, const FixtureSheet& cells) {
  lxw_workbook* book = workbook_new(QFile::encodeName(path).constData());
  lxw_worksheet* sheet = workbook_add_worksheet(book, "Prices");
  for (const FixtureCell& c : cells) {
    const auto row = static_cast<lxw_row_t>(c.row - 1);
    const auto col = static_cast<lxw_col_t>(c.column - 1);
    if (const QString* text = std::get_if<QString>(&c.value))
      worksheet_write_string(sheet, row, col, text->toUtf8().constData(), nullptr);
    else
      worksheet_write_number(sheet, row, col, std::get<double>(c.value), nullptr);
  }
  lxw_worksheet* other = workbook_add_worksheet(book, "Other");
  worksheet_write_string(other, 1, 1, "7302 4410 01", nullptr);
  worksheet_write_number(other, 1, 2, 1, nullptr);
  if (workbook_close(book) != LXW_NO_ERROR) throw std::runtime_error("libxlsxwriter failed");
}

namespace {

QByteArray escaped(const QString& text) {
  return text.toHtmlEscaped().toUtf8();
}

QByteArray handWrittenSheet(const FixtureSheet& cells) {
  int rows = 0, columns = 0;
  for (const FixtureCell& c : cells) {
    rows = std::max(rows, c.row);
    columns = std::max(columns, c.column);
  }
  QByteArray xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
  for (int r = 1; r <= rows; ++r) {
    xml += "<row r=\"" + QByteArray::number(r) + "\">";
    for (int col = 1; col <= columns; ++col) {
      const auto cell = std::find_if(cells.begin(), cells.end(), [&](const FixtureCell& c) {
        return c.row == r && c.column == col;
      });
      if (cell == cells.end())
        xml += "<c/>";
      else if (const QString* text = std::get_if<QString>(&cell->value))
        xml += "<c t=\"inlineStr\"><is><r><t>" + escaped(text->left(4)) + "</t></r><r><t>" +
               escaped(text->mid(4)) + "</t></r><rPh><t>x</t></rPh></is></c>";
      else
        xml += "<c><v>" + QByteArray::number(std::get<double>(cell->value), 'g', 17) + "</v></c>";
    }
    xml += "</row>";
  }
  return xml + "</sheetData></worksheet>";
}

void addEntry(zipFile zip, const char* name, const QByteArray& data) {
  zip_fileinfo info{};
  if (zipOpenNewFileInZip(zip, name, &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                          Z_DEFAULT_COMPRESSION) != ZIP_OK ||
      zipWriteInFileInZip(zip, data.constData(), static_cast<unsigned>(data.size())) != ZIP_OK ||
      zipCloseFileInZip(zip) != ZIP_OK)
    throw std::runtime_error("cannot write a zip entry");
}

}  // namespace

void writeXlsxByHand(const QString& path, const FixtureSheet& cells) {
  zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
  if (!zip) throw std::runtime_error("cannot create " + path.toStdString());
  const QByteArray rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
  addEntry(zip, "_rels/.rels",
           "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
           "<Relationship Id=\"rId1\" Type=\"" +
               rel +
               "/officeDocument\" "
               "Target=\"/book/main.xml\"/></Relationships>");
  addEntry(zip, "book/main.xml",
           "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
           "xmlns:r=\"" +
               rel +
               "\"><sheets>"
               "<sheet name=\"Prices\" sheetId=\"2\" r:id=\"rId7\"/>"
               "<sheet name=\"Other\" sheetId=\"1\" r:id=\"rId3\"/></sheets></workbook>");
  addEntry(zip, "book/_rels/main.xml.rels",
           "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
           "<Relationship Id=\"rId3\" Type=\"" +
               rel +
               "/worksheet\" Target=\"sheets/sheet1.xml\"/>"
               "<Relationship Id=\"rId7\" Type=\"" +
               rel +
               "/worksheet\" "
               "Target=\"./sheets/../sheets/sheet2.xml\"/></Relationships>");
  addEntry(zip, "book/sheets/sheet1.xml",
           handWrittenSheet({{2, 2, QStringLiteral("7302 4410 01")}, {2, 3, 1.0}}));
  addEntry(zip, "book/sheets/sheet2.xml", handWrittenSheet(cells));
  if (zipClose(zip, nullptr) != ZIP_OK) throw std::runtime_error("cannot close the zip");
}
