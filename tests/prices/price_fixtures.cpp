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
  return syntheticRecordsSql() +
         QStringLiteral(
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
    cells.push_back({row, 2, number});
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

QByteArray bof(quint16 kind) {
  QByteArray b;
  put16(b, 0x0600);  // BIFF8
  put16(b, kind);
  put16(b, 0x0DBB);
  put16(b, 0x07CC);
  put32(b, 0);
  put32(b, 6);
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

QByteArray worksheetStream(const FixtureSheet& cells, std::vector<QString>& strings) {
  int rows = 0, columns = 0;
  for (const FixtureCell& c : cells) {
    rows = std::max(rows, c.row);
    columns = std::max(columns, c.column);
  }
  QByteArray s = bof(0x0010);
  QByteArray dims;
  put32(dims, 0);
  put32(dims, static_cast<quint32>(rows));
  put16(dims, 0);
  put16(dims, static_cast<quint16>(columns));
  put16(dims, 0);
  s += record(0x0200, dims);
  for (const FixtureCell& c : cells) {
    QByteArray body;
    put16(body, static_cast<quint16>(c.row - 1));
    put16(body, static_cast<quint16>(c.column - 1));
    put16(body, 0);
    if (const QString* text = std::get_if<QString>(&c.value)) {
      put32(body, static_cast<quint32>(strings.size()));
      strings.push_back(*text);
      s += record(0x00FD, body);  // LABELSST
    } else {
      putDouble(body, std::get<double>(c.value));
      s += record(0x0203, body);  // NUMBER
    }
  }
  return s + record(0x000A, {});
}

QByteArray workbookStream(const FixtureSheet& cells) {
  std::vector<QString> strings;
  const QByteArray first = worksheetStream(cells, strings);
  const QByteArray second =
      worksheetStream({{2, 2, QStringLiteral("7302 4410 01")}, {2, 3, 1.0}}, strings);

  auto boundSheet = [](quint32 position, const QString& name) {
    QByteArray b;
    put32(b, position);
    b.append('\0');  // visible
    b.append('\0');  // worksheet
    putString(b, name, false);
    return record(0x0085, b);
  };
  QByteArray sst;
  put32(sst, static_cast<quint32>(strings.size()));
  put32(sst, static_cast<quint32>(strings.size()));
  for (const QString& s : strings) putString(sst, s, true);
  if (sst.size() > 8224) throw std::runtime_error("fixture too large for one SST record");

  QByteArray codepage;
  put16(codepage, 1200);
  // The sheet positions depend on the length of the globals, which they are part of.
  const int globalsLength = bof(0x0005).size() + record(0x0042, codepage).size() +
                            boundSheet(0, QStringLiteral("Prices")).size() +
                            boundSheet(0, QStringLiteral("Other")).size() +
                            record(0x00FC, sst).size() + record(0x000A, {}).size();
  QByteArray globals =
      bof(0x0005) + record(0x0042, codepage) +
      boundSheet(static_cast<quint32>(globalsLength), QStringLiteral("Prices")) +
      boundSheet(static_cast<quint32>(globalsLength + first.size()), QStringLiteral("Other")) +
      record(0x00FC, sst) + record(0x000A, {});
  return globals + first + second;
}

constexpr quint32 kFree = 0xFFFFFFFF, kEndOfChain = 0xFFFFFFFE, kFatSector = 0xFFFFFFFD;

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

// A compound file with one stream, "Workbook", kept out of the mini stream by its length.
QByteArray compoundFile(QByteArray stream) {
  constexpr int kSector = 512;
  const int length = std::max<int>(stream.size(), 4096 + kSector);
  stream.append((length + kSector - 1) / kSector * kSector - stream.size(), '\0');
  const int streamSectors = static_cast<int>(stream.size() / kSector);
  if (streamSectors + 2 > kSector / 4) throw std::runtime_error("fixture too large for one FAT");

  QByteArray header("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
  header.append(16, '\0');
  put16(header, 0x003E);
  put16(header, 3);
  put16(header, 0xFFFE);
  put16(header, 9);
  put16(header, 6);
  header.append(6, '\0');
  put32(header, 0);            // directory sectors (version 3)
  put32(header, 1);            // FAT sectors
  put32(header, 1);            // first directory sector
  put32(header, 0);            // transaction
  put32(header, 4096);         // mini stream cutoff
  put32(header, kEndOfChain);  // mini FAT
  put32(header, 0);
  put32(header, kEndOfChain);  // DIFAT
  put32(header, 0);
  put32(header, 0);  // the FAT is sector 0
  for (int i = 1; i < 109; ++i) put32(header, kFree);

  QByteArray fat;
  put32(fat, kFatSector);
  put32(fat, kEndOfChain);
  for (int i = 0; i < streamSectors; ++i)
    put32(fat, i + 1 < streamSectors ? static_cast<quint32>(3 + i) : kEndOfChain);
  while (fat.size() < kSector) put32(fat, kFree);

  QByteArray directory =
      directoryEntry(QStringLiteral("Root Entry"), 5, 1, kEndOfChain, 0) +
      directoryEntry(QStringLiteral("Workbook"), 2, kFree, 2, static_cast<quint32>(stream.size())) +
      directoryEntry({}, 0, kFree, 0, 0) + directoryEntry({}, 0, kFree, 0, 0);
  return header + fat + directory + stream;
}

}  // namespace

void writeXls(const QString& path, const FixtureSheet& cells) {
  writeFile(path, compoundFile(workbookStream(cells)));
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
