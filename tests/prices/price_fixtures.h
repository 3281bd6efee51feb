// Parts databases, price files and price workbooks made by the price maintenance tests. The
// binary workbooks come from a small BIFF8 writer of our own.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <map>
#include <optional>
#include <variant>
#include <vector>

#include "prices/price_import.h"
#include "support/test_database.h"

// The synthetic parts (part k has "7302 0kkk 01" and the price k * 10 + 0.5) with the two
// example numbers of the price file message on parts 11 and 12, and one number shared by
// parts 20 and 21.
QString pricesRecordsSql();
inline constexpr int kExamplePart1 = 11;  // "7302 4410 01"
inline constexpr int kExamplePart2 = 12;  // "7302 4410 19"
inline constexpr int kSharedPartA = 20;   // "8420 0250 00"
inline constexpr int kSharedPartB = 21;   // "8420 0250 00"
inline double syntheticPrice(int part) {
  return part * 10 + 0.5;
}

// A temporary program directory with a database of pricesRecordsSql(), the current directory
// while it lives.
class PriceProgramDirectory : public TestProgramDirectory {
 public:
  PriceProgramDirectory() : TestProgramDirectory(pricesRecordsSql()) {}
};

// Every part's price in the database by record number.
std::map<qint64, std::optional<double>> storedPrices(const QString& databaseFile);

void writeFile(const QString& path, const QByteArray& contents);

// The engine's file system with a fault in it, the default file system while the object lives
// (one at a time). An armed fault strikes once, at the next call of its kind on any file.
class FaultyFileSystem {
 public:
  enum class Fault {
    None,
    // Going from a write lock back to a read lock reports an I/O error after the lock has gone,
    // as a network share can: the commit before it is in the file.
    UnlockAfterCommit,
    // Flushing to disk reports an I/O error without flushing: the commit fails before it
    // reaches the file, and the engine rolls it back.
    Sync,
  };
  FaultyFileSystem();
  ~FaultyFileSystem();
  FaultyFileSystem(const FaultyFileSystem&) = delete;
  FaultyFileSystem& operator=(const FaultyFileSystem&) = delete;
  void arm(Fault fault);
  // Whether the armed fault has struck.
  bool struck() const;
};

// The ordering numbers and prices of a price list, in its order.
using NumbersAndPrices = std::vector<std::pair<QString, std::optional<double>>>;
NumbersAndPrices numbersAndPricesOf(const std::vector<PriceEntry>& list);
// What is wrong with the workbook at `path` as reading it says, "" when it reads.
QString refusal(const QString& path);

// A formula cell of an .xls workbook, with the result stored with it. The reader takes only the
// stored result, so the formula itself is always =1.
struct FixtureFormula {
  enum class Result { Text, Boolean, Error, Number };  // the first three as the file numbers them
  Result result = Result::Number;
  double number = 0;
  QString text = {};         // an empty text is stored without a STRING record, as Excel does
  int code = 0;              // Boolean: 0 or 1; Error: the error's code (0x2A is #N/A)
  bool stringRecord = true;  // false: a text result whose STRING record is missing
  bool shared = false;       // part of a shared formula, its SHRFMLA record before the STRING
};
inline FixtureFormula formulaNumber(double value) {
  return {.number = value};
}
inline FixtureFormula formulaText(const QString& text, bool stringRecord = true,
                                  bool shared = false) {
  return {.result = FixtureFormula::Result::Text,
          .text = text,
          .stringRecord = stringRecord,
          .shared = shared};
}
inline FixtureFormula formulaBoolean(bool value) {
  return {.result = FixtureFormula::Result::Boolean, .code = value ? 1 : 0};
}
inline FixtureFormula formulaError(int code) {
  return {.result = FixtureFormula::Result::Error, .code = code};
}

using FixtureValue = std::variant<QString, double, FixtureFormula>;

struct FixtureCell {
  int row;             // from 1
  int column;          // from 1, A = 1
  FixtureValue value;  // formulas only in .xls workbooks
};
using FixtureSheet = std::vector<FixtureCell>;

// A price sheet: a heading in row 1, then ordering number and price in B and C of each row.
FixtureSheet priceSheet(const std::vector<std::pair<std::variant<QString, double>, double>>& rows);

// How xlsWorkbook lays out the workbook and its compound file.
struct XlsOptions {
  // A chart sheet, a macro sheet and a dialog sheet in front of the worksheet, the last two
  // with a price list of their own and listed as worksheets (only the BOF record of the macro
  // sheet, and the WSBOOL record of the dialog sheet, tell), and a chart on the worksheet whose
  // cached values lie in NUMBER records of its own substream.
  bool otherSheetsFirst = false;
  // Formatting runs on every second shared string and a phonetic guide on every third.
  bool richText = false;
  int sectorSize = 512;          // 512 (version 3) or 4096 (version 4)
  bool miniStream = false;       // the workbook stream, below 4096 bytes, in the mini stream
  bool fatBeyondHeader = false;  // 110 FAT sectors, the stream's own in the one beyond the header
  // BIFF5 in a "Book" stream: code page 1252 (texts of Latin-1, "€" and "–"), LABEL records.
  bool biff5 = false;
  // Texts after those of the cells in the shared strings (BIFF8), used by no cell: this many,
  // each extraSharedText.
  int extraSharedStrings = 0;
  QString extraSharedText = {};
};
// The sheet as the bytes of an .xls workbook (BIFF8 in a compound file) with a second sheet
// behind it. The shared strings go on in CONTINUE records when they need more than one record.
// The compound file holds the FAT sectors first, then the directory, the mini FAT when there is
// one, and the stream (or the mini stream) last, each chain in ascending sectors.
QByteArray xlsWorkbook(const FixtureSheet& cells, const XlsOptions& options = {});
// xlsWorkbook with the default layout, written to the file.
void writeXls(const QString& path, const FixtureSheet& cells);
// The sheet as an .xlsx workbook written by libxlsxwriter (shared strings).
void writeXlsx(const QString& path, const FixtureSheet& cells);
// The sheet as an .xlsx workbook the way other producers write it: inline strings, cells
// without positions, and the first tab's worksheet stored under another part's name.
void writeXlsxByHand(const QString& path, const FixtureSheet& cells);

// ---- Zipped workbooks written part by part, for the layouts and the kinds of tabs and cells no
// writer at hand makes

inline constexpr char kSpreadsheetMain[] =
    "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
// One tab: its name, the end of its relationship type ("worksheet", "chartsheet", ...), its part
// from the workbook part's folder, and the part's XML.
struct XlsxTab {
  QByteArray name, type, part, xml;
};
// The workbook part at `workbookPart`, from the package's root or with a leading "/", with the
// tabs in their order. Sheet ids and relationship ids count down and the relationships are
// listed the other way round, so that neither their order nor the parts' names tell the first
// tab. There is no [Content_Types].xml: the reader has no need of it.
void writeXlsxParts(const QString& path, const std::vector<XlsxTab>& tabs,
                    const QByteArray& workbookPart = "xl/workbook.xml");
// A workbook of one worksheet, the sheet part `sheet`, and shared strings whose part is `head`,
// `piece` `count` times and `tail`: unpacked it may be far larger than what is made at once.
// Packed for speed rather than size.
void writeXlsxWithSharedStrings(const QString& path, const QByteArray& sheet,
                                const QByteArray& head, const QByteArray& piece, qint64 count,
                                const QByteArray& tail);
// The entries of a zip file by name, in their order, unpacked; and a zip file of such entries.
using ZipEntries = std::vector<std::pair<QByteArray, QByteArray>>;
ZipEntries zipEntries(const QString& path);
void writeZip(const QString& path, const ZipEntries& entries);
// A sheet part with the rows given as the XML of their cells, by row number.
QByteArray sheetXml(const std::map<int, QByteArray>& rows, const QByteArray& root = "worksheet");
