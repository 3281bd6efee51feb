// Test databases, files and workbooks of the price maintenance tests.
#include "prices/price_fixtures.h"

#include <sqlite3.h>
#include <unzip.h>
#include <xlsxwriter.h>
#include <zip.h>

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <stdexcept>

#include "data/database.h"
#include "data/parts_loader.h"
#include "prices/workbook_reader.h"
#include "support/test_database.h"

QString pricesRecordsSql() {
  return syntheticRecordsSql() +
         "UPDATE tblDetaljPr SET strDetaljnummer = '7302 4410 01' WHERE lngNr = 11;\n"
         "UPDATE tblDetaljPr SET strDetaljnummer = '7302 4410 19' WHERE lngNr = 12;\n"
         "UPDATE tblDetaljPr SET strDetaljnummer = '8420 0250 00' WHERE lngNr IN (20, 21);\n";
}

std::map<qint64, std::optional<double>> storedPrices(const QString& databaseFile) {
  Database db = Database::open(databaseFile, kConnectString);
  Statement read = db.prepare(QStringLiteral("SELECT lngNr, sngPris FROM tblDetaljPr;"));
  std::map<qint64, std::optional<double>> prices;
  while (read.next()) prices[*read.integer(0)] = read.real(1);
  return prices;
}

void writeFile(const QString& path, const QByteArray& contents) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
    throw std::runtime_error("cannot write " + path.toStdString());
}

// ---- A file system with faults: every call goes to the default one, but for the armed fault.

namespace {

struct FaultState {
  sqlite3_vfs* real = nullptr;
  sqlite3_vfs vfs{};
  sqlite3_io_methods methods{};
  FaultyFileSystem::Fault armed = FaultyFileSystem::Fault::None;
  bool struck = false;
} faults;

// The file of the default file system follows its wrapper in the same allocation.
struct FaultyFile {
  sqlite3_file base;
};
sqlite3_file* realFile(sqlite3_file* file) {
  return reinterpret_cast<sqlite3_file*>(reinterpret_cast<FaultyFile*>(file) + 1);
}

bool strikes(FaultyFileSystem::Fault fault) {
  if (faults.armed != fault) return false;
  faults.armed = FaultyFileSystem::Fault::None;
  faults.struck = true;
  return true;
}

int faultyOpen(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags) {
  sqlite3_file* real = realFile(file);
  const int rc = faults.real->xOpen(faults.real, name, real, flags, outFlags);
  file->pMethods = real->pMethods ? &faults.methods : nullptr;
  return rc;
}

void installFaultyMethods() {
  sqlite3_io_methods& m = faults.methods;
  m.iVersion = 1;
  m.xClose = [](sqlite3_file* f) { return realFile(f)->pMethods->xClose(realFile(f)); };
  m.xRead = [](sqlite3_file* f, void* data, int amount, sqlite3_int64 offset) {
    return realFile(f)->pMethods->xRead(realFile(f), data, amount, offset);
  };
  m.xWrite = [](sqlite3_file* f, const void* data, int amount, sqlite3_int64 offset) {
    return realFile(f)->pMethods->xWrite(realFile(f), data, amount, offset);
  };
  m.xTruncate = [](sqlite3_file* f, sqlite3_int64 size) {
    return realFile(f)->pMethods->xTruncate(realFile(f), size);
  };
  m.xSync = [](sqlite3_file* f, int flags) {
    if (strikes(FaultyFileSystem::Fault::Sync)) return SQLITE_IOERR_FSYNC;
    return realFile(f)->pMethods->xSync(realFile(f), flags);
  };
  m.xFileSize = [](sqlite3_file* f, sqlite3_int64* size) {
    return realFile(f)->pMethods->xFileSize(realFile(f), size);
  };
  m.xLock = [](sqlite3_file* f, int lock) {
    return realFile(f)->pMethods->xLock(realFile(f), lock);
  };
  m.xUnlock = [](sqlite3_file* f, int lock) {
    const int rc = realFile(f)->pMethods->xUnlock(realFile(f), lock);
    if (rc == SQLITE_OK && lock == SQLITE_LOCK_SHARED &&
        strikes(FaultyFileSystem::Fault::UnlockAfterCommit))
      return SQLITE_IOERR_UNLOCK;
    return rc;
  };
  m.xCheckReservedLock = [](sqlite3_file* f, int* out) {
    return realFile(f)->pMethods->xCheckReservedLock(realFile(f), out);
  };
  m.xFileControl = [](sqlite3_file* f, int op, void* arg) {
    return realFile(f)->pMethods->xFileControl(realFile(f), op, arg);
  };
  m.xSectorSize = [](sqlite3_file* f) { return realFile(f)->pMethods->xSectorSize(realFile(f)); };
  m.xDeviceCharacteristics = [](sqlite3_file* f) {
    return realFile(f)->pMethods->xDeviceCharacteristics(realFile(f));
  };
}

}  // namespace

FaultyFileSystem::FaultyFileSystem() {
  faults.real = sqlite3_vfs_find(nullptr);
  faults.vfs = *faults.real;
  faults.vfs.pNext = nullptr;
  faults.vfs.zName = "telmaris-faults";
  faults.vfs.szOsFile = static_cast<int>(sizeof(FaultyFile)) + faults.real->szOsFile;
  faults.vfs.xOpen = faultyOpen;
  faults.vfs.xDelete = [](sqlite3_vfs*, const char* name, int syncDir) {
    return faults.real->xDelete(faults.real, name, syncDir);
  };
  faults.vfs.xAccess = [](sqlite3_vfs*, const char* name, int flags, int* out) {
    return faults.real->xAccess(faults.real, name, flags, out);
  };
  faults.vfs.xFullPathname = [](sqlite3_vfs*, const char* name, int size, char* out) {
    return faults.real->xFullPathname(faults.real, name, size, out);
  };
  installFaultyMethods();
  faults.armed = Fault::None;
  faults.struck = false;
  sqlite3_vfs_register(&faults.vfs, 1);
}

FaultyFileSystem::~FaultyFileSystem() {
  sqlite3_vfs_unregister(&faults.vfs);
  sqlite3_vfs_register(faults.real, 1);
}

void FaultyFileSystem::arm(Fault fault) {
  faults.armed = fault;
  faults.struck = false;
}

bool FaultyFileSystem::struck() const {
  return faults.struck;
}

NumbersAndPrices numbersAndPricesOf(const std::vector<PriceEntry>& list) {
  NumbersAndPrices out;
  for (const PriceEntry& e : list) out.emplace_back(e.orderingNumber, e.price);
  return out;
}

QString refusal(const QString& path) {
  try {
    readPriceWorkbook(path);
  } catch (const PriceReadError& e) {
    return e.problem().describe();
  }
  return {};
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

// Numbers one after the other, each in the little-endian bytes of a T.
template <typename T, typename... Numbers>
void put(QByteArray& out, Numbers... numbers) {
  for (const T n : {static_cast<T>(numbers)...}) {
    char bytes[sizeof(T)];
    qToLittleEndian(n, bytes);
    out.append(bytes, sizeof(T));
  }
}
template <typename... Numbers>
void put16(QByteArray& out, Numbers... numbers) {
  put<quint16>(out, numbers...);
}
template <typename... Numbers>
void put32(QByteArray& out, Numbers... numbers) {
  put<quint32>(out, numbers...);
}
// The numbers as 16-bit words.
template <typename... Numbers>
QByteArray words(Numbers... numbers) {
  QByteArray out;
  put16(out, numbers...);
  return out;
}

QByteArray record(quint16 type, const QByteArray& body) {
  return words(type, body.size()) + body;
}

QByteArray bof(quint16 kind, bool biff5 = false) {
  QByteArray b = words(biff5 ? 0x0500 : 0x0600, kind, 0x0DBB, 0x07CC);
  if (!biff5) put32(b, 0, 6);
  return record(0x0809, b);
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

// A character of the BIFF5 fixtures in Windows-1252.
char windows1252(QChar c) {
  if (c == QChar(0x20AC)) return '\x80';
  if (c == QChar(0x2013)) return '\x96';
  if (c.unicode() > 0xFF || (c.unicode() >= 0x80 && c.unicode() < 0xA0))
    throw std::invalid_argument("no such character in the BIFF5 fixtures");
  return static_cast<char>(c.unicode());
}

// A string after its length in one byte or two: in BIFF8 unformatted, in single bytes when every
// character allows it, else UTF-16; in BIFF5 in Windows-1252.
void putText(QByteArray& out, const QString& text, bool longLength, bool biff5) {
  if (longLength)
    put16(out, text.size());
  else
    out.append(static_cast<char>(text.size()));
  if (biff5) {
    for (QChar c : text) out.append(windows1252(c));
    return;
  }
  const bool wide = needsTwoBytes(text);
  out.append(static_cast<char>(wide ? 1 : 0));
  putCharacters(out, text, wide);
}

// The FORMULA record of a cell, its formula =1 or a reference to the shared formula =1, then the
// SHRFMLA record of the shared formula and the STRING record that holds a text result.
QByteArray formulaRecords(const FixtureCell& c, const FixtureFormula& f, bool biff5) {
  using R = FixtureFormula::Result;
  QByteArray body = words(c.row - 1, c.column - 1, 0);
  if (f.result == R::Number)
    put<double>(body, f.number);
  else  // a special value: its kind (3 for an empty text), the Boolean or error code, 0xFFFF
    put16(body, f.result == R::Text && f.text.isEmpty() ? 3 : static_cast<int>(f.result), f.code, 0,
          0xFFFF);
  put16(body, f.shared ? 0x0008 : 0);
  put32(body, 0);
  const QByteArray intOne("\x03\x00\x1E\x01\x00", 5);  // three bytes of formula: ptgInt 1
  if (f.shared) {  // ptgExp: the shared formula that starts at this cell
    put16(body, 5);
    body.append('\x01');
    put16(body, c.row - 1, c.column - 1);
  } else {
    body += intOne;
  }
  QByteArray out = record(0x0006, body);
  if (f.shared) {
    QByteArray shared = words(c.row - 1, c.row - 1);
    shared.append(2, static_cast<char>(c.column - 1));
    shared.append("\0\1", 2);  // reserved, one cell
    out += record(0x04BC, shared + intOne);
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
  put32(dims, 0, rows);
  put16(dims, 0, columns, 0);
  s += record(0x0200, dims);
  for (const FixtureCell& c : cells) {
    if (const FixtureFormula* f = std::get_if<FixtureFormula>(&c.value)) {
      s += formulaRecords(c, *f, biff5);
      continue;
    }
    QByteArray body = words(c.row - 1, c.column - 1, 0);
    if (const QString* text = std::get_if<QString>(&c.value); text && biff5) {
      putText(body, *text, true, true);
      s += record(0x0204, body);  // LABEL
    } else if (text) {
      put32(body, strings.size());
      strings.push_back(*text);
      s += record(0x00FD, body);  // LABELSST
    } else {
      put<double>(body, std::get<double>(c.value));
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
  put32(bodies.back(), strings.size(), strings.size());
  const auto room = [&] { return kMaxBody - bodies.back().size(); };
  for (std::size_t i = 0; i < strings.size(); ++i) {
    const QString& text = strings[i];
    const bool runs = richText && i % 2 == 0, phonetic = richText && i % 3 == 0;
    bool wide = needsTwoBytes(text);
    QByteArray head = words(text.size());
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
    const QByteArray dialog = record(0x0081, words(0x0411));  // WSBOOL: a dialog sheet
    sheets.push_back(
        {QStringLiteral("Dialog"), 0, sheetStream(decoy, strings, biff5, 0x0010, dialog)});
    chart = bof(0x0020, biff5) + record(0x1065, words(1));  // SIINDEX
    for (int row = 0; row < 3; ++row) {
      QByteArray point = words(row, 2, 0);
      put<double>(point, 1.0);
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
  strings.resize(strings.size() + static_cast<std::size_t>(options.extraSharedStrings),
                 options.extraSharedText);
  const QByteArray codepage = record(0x0042, words(biff5 ? 1252 : 1200));
  const QByteArray sst = biff5 ? QByteArray() : sharedStrings(strings, options.richText);
  // The sheet positions depend on the length of the globals, which they are part of.
  int globalsLength =
      bof(0x0005, biff5).size() + codepage.size() + sst.size() + record(0x000A, {}).size();
  for (const Sheet& sheet : sheets) globalsLength += boundSheet(0, sheet).size();
  QByteArray globals = bof(0x0005, biff5) + codepage;
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
  put16(e, name.isEmpty() ? 0 : (name.size() + 1) * 2);
  e.append(static_cast<char>(type));
  e.append('\1');                 // black
  put32(e, kFree, kFree, child);  // no siblings
  e.append(16 + 4 + 16, '\0');    // class, state bits, times
  put32(e, start, size, 0);
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
  // Minor and major version, byte order, the sizes of a sector and a mini sector as powers of two.
  put16(header, 0x003E, sector == 4096 ? 4 : 3, 0xFFFE, sector == 4096 ? 12 : 9, 6);
  header.append(6, '\0');
  // Directory sectors (version 4 only), FAT sectors, the first directory sector, the transaction,
  // the mini stream cutoff, the mini FAT and the DIFAT with their first sectors and counts.
  put32(header, sector == 4096 ? kDirectorySectors : 0, fatSectors, directory, 0, 4096);
  put32(header, miniFatSectors ? firstMiniFat : kEndOfChain, miniFatSectors,
        difatSectors ? firstDifat : kEndOfChain, difatSectors);
  for (qsizetype i = 0; i < 109; ++i) put32(header, i < fatSectors ? i : kFree);
  header = padded(header, sector);

  QByteArray difat;
  for (qsizetype d = 0; d < difatSectors; ++d) {
    for (qsizetype i = 0; i < perSector - 1; ++i) {
      const qsizetype fatIndex = 109 + d * (perSector - 1) + i;
      put32(difat, fatIndex < fatSectors ? fatIndex : kFree);
    }
    put32(difat, d + 1 < difatSectors ? firstDifat + d + 1 : kEndOfChain);
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

void addEntry(zipFile zip, const QByteArray& name, const QByteArray& data) {
  zip_fileinfo info{};
  if (zipOpenNewFileInZip(zip, name.constData(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                          Z_DEFAULT_COMPRESSION) != ZIP_OK ||
      zipWriteInFileInZip(zip, data.constData(), static_cast<unsigned>(data.size())) != ZIP_OK ||
      zipCloseFileInZip(zip) != ZIP_OK)
    throw std::runtime_error("cannot write a zip entry");
}

constexpr char kRelationships[] =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

}  // namespace

void writeXlsxParts(const QString& path, const std::vector<XlsxTab>& tabs,
                    const QByteArray& workbookPart) {
  const QByteArray relsHead =
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
  QByteArray sheets, rels;
  for (std::size_t i = 0; i < tabs.size(); ++i) {
    const QByteArray id = QByteArray::number(static_cast<int>(tabs.size() - i));
    sheets +=
        "<sheet name=\"" + tabs[i].name + "\" sheetId=\"" + id + "\" r:id=\"rId" + id + "\"/>";
    rels.prepend("<Relationship Id=\"rId" + id + "\" Type=\"" + kRelationships + "/" +
                 tabs[i].type + "\" Target=\"" + tabs[i].part + "\"/>");
  }
  const QByteArray entry = workbookPart.startsWith('/') ? workbookPart.mid(1) : workbookPart;
  const QByteArray folder = entry.left(entry.lastIndexOf('/') + 1);
  zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
  if (!zip) throw std::runtime_error("cannot create " + path.toStdString());
  addEntry(zip, "_rels/.rels",
           relsHead + "<Relationship Id=\"rId1\" Type=\"" + kRelationships +
               "/officeDocument\" Target=\"" + workbookPart + "\"/></Relationships>");
  addEntry(zip, entry,
           "<workbook xmlns=\"" + QByteArray(kSpreadsheetMain) + "\" xmlns:r=\"" + kRelationships +
               "\"><sheets>" + sheets + "</sheets></workbook>");
  addEntry(zip, folder + "_rels/" + entry.mid(folder.size()) + ".rels",
           relsHead + rels + "</Relationships>");
  for (const XlsxTab& tab : tabs)
    addEntry(zip, QDir::cleanPath(QString::fromUtf8(folder + tab.part)).toUtf8(), tab.xml);
  if (zipClose(zip, nullptr) != ZIP_OK) throw std::runtime_error("cannot close the zip");
}

void writeXlsxWithSharedStrings(const QString& path, const QByteArray& sheet,
                                const QByteArray& head, const QByteArray& piece, qint64 count,
                                const QByteArray& tail) {
  const QByteArray relsHead =
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
  zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
  if (!zip) throw std::runtime_error("cannot create " + path.toStdString());
  addEntry(zip, "_rels/.rels",
           relsHead + "<Relationship Id=\"rId1\" Type=\"" + kRelationships +
               "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>");
  addEntry(zip, "xl/workbook.xml",
           "<workbook xmlns=\"" + QByteArray(kSpreadsheetMain) + "\" xmlns:r=\"" + kRelationships +
               "\"><sheets><sheet name=\"Prices\" sheetId=\"1\" r:id=\"rId1\"/></sheets>"
               "</workbook>");
  addEntry(zip, "xl/_rels/workbook.xml.rels",
           relsHead + "<Relationship Id=\"rId1\" Type=\"" + kRelationships +
               "/worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" "
               "Type=\"" +
               kRelationships + "/sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>");
  addEntry(zip, "xl/worksheets/sheet1.xml", sheet);
  // The pieces a megabyte at a time, quickly packed.
  zip_fileinfo info{};
  QByteArray block;
  while (count > 0 && block.size() < 1024 * 1024) block += piece;
  const qint64 perBlock = count > 0 ? block.size() / piece.size() : 1;
  bool ok = zipOpenNewFileInZip64(zip, "xl/sharedStrings.xml", &info, nullptr, 0, nullptr, 0,
                                  nullptr, Z_DEFLATED, Z_BEST_SPEED, 1) == ZIP_OK;
  const auto write = [&](const QByteArray& bytes) {
    ok = ok &&
         zipWriteInFileInZip(zip, bytes.constData(), static_cast<unsigned>(bytes.size())) == ZIP_OK;
  };
  write(head);
  for (qint64 done = 0; done < count;) {
    if (count - done >= perBlock) {
      write(block);
      done += perBlock;
    } else {
      write(piece);
      ++done;
    }
  }
  write(tail);
  if (!ok || zipCloseFileInZip(zip) != ZIP_OK || zipClose(zip, nullptr) != ZIP_OK)
    throw std::runtime_error("cannot write " + path.toStdString());
}

ZipEntries zipEntries(const QString& path) {
  unzFile zip = unzOpen64(QFile::encodeName(path).constData());
  if (!zip) throw std::runtime_error("cannot open " + path.toStdString());
  ZipEntries entries;
  for (int at = unzGoToFirstFile(zip); at == UNZ_OK; at = unzGoToNextFile(zip)) {
    char name[1024];
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK ||
        unzOpenCurrentFile(zip) != UNZ_OK)
      throw std::runtime_error("cannot read " + path.toStdString());
    QByteArray data(static_cast<qsizetype>(info.uncompressed_size), '\0');
    const int got = unzReadCurrentFile(zip, data.data(), static_cast<unsigned>(data.size()));
    unzCloseCurrentFile(zip);
    if (got != data.size()) throw std::runtime_error("cannot read " + path.toStdString());
    entries.emplace_back(name, data);
  }
  unzClose(zip);
  return entries;
}

void writeZip(const QString& path, const ZipEntries& entries) {
  zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
  if (!zip) throw std::runtime_error("cannot create " + path.toStdString());
  for (const auto& [name, data] : entries) addEntry(zip, name, data);
  if (zipClose(zip, nullptr) != ZIP_OK) throw std::runtime_error("cannot close the zip");
}

QByteArray sheetXml(const std::map<int, QByteArray>& rows, const QByteArray& root) {
  QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<" + root + " xmlns=\"" +
                   kSpreadsheetMain + "\"><sheetData>";
  for (const auto& [r, cells] : rows)
    xml += "<row r=\"" + QByteArray::number(r) + "\">" + cells + "</row>";
  return xml + "</sheetData></" + root + ">";
}

namespace {

QByteArray escaped(const QString& text) {
  return text.toHtmlEscaped().toUtf8();
}

// Every row down to the last, each cell without its position; a text as an inline string of two
// formatting runs with a phonetic guide.
QByteArray handWrittenSheet(const FixtureSheet& cells) {
  int rows = 0, columns = 0;
  for (const FixtureCell& c : cells) {
    rows = std::max(rows, c.row);
    columns = std::max(columns, c.column);
  }
  std::map<int, QByteArray> xml;
  for (int r = 1; r <= rows; ++r) {
    for (int col = 1; col <= columns; ++col) {
      const auto cell = std::find_if(cells.begin(), cells.end(), [&](const FixtureCell& c) {
        return c.row == r && c.column == col;
      });
      if (cell == cells.end())
        xml[r] += "<c/>";
      else if (const QString* text = std::get_if<QString>(&cell->value))
        xml[r] += "<c t=\"inlineStr\"><is><r><t>" + escaped(text->left(4)) + "</t></r><r><t>" +
                  escaped(text->mid(4)) + "</t></r><rPh><t>x</t></rPh></is></c>";
      else
        xml[r] +=
            "<c><v>" + QByteArray::number(std::get<double>(cell->value), 'g', 17) + "</v></c>";
    }
  }
  return sheetXml(xml);
}

}  // namespace

void writeXlsxByHand(const QString& path, const FixtureSheet& cells) {
  writeXlsxParts(path,
                 {{"Prices", "worksheet", "./sheets/../sheets/sheet2.xml", handWrittenSheet(cells)},
                  {"Other", "worksheet", "sheets/sheet1.xml",
                   handWrittenSheet({{2, 2, QStringLiteral("7302 4410 01")}, {2, 3, 1.0}})}},
                 "/book/main.xml");
}
