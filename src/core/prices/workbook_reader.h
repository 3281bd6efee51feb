// Reading the first worksheet of a workbook, in the old binary form (.xls, our own reader of the
// compound file and its records) or the current zipped XML form (.xlsx, through minizip), and
// the price list it holds.
//
// The form is told by the file's first bytes, not by its name, so "PRICES.XLS" that is really
// a zipped workbook is read all the same.
//
// What a workbook may hold. A price list of a few thousand parts makes a workbook of a few
// hundred kilobytes, and only its first worksheet's first columns are read. Only a regular file
// is read (a FIFO, a device or a folder is refused at once), and none larger than
// kMaxWorkbookBytes. A part of a zipped workbook is unpacked as it is read, never beyond
// kMaxWorkbookPartBytes whatever size the zip gives for it; more than kMaxSharedStrings shared
// texts, or a cell of the columns read below row kMaxWorksheetRows, refuse the workbook as well.
// Each refusal names the file. Reading keeps an .xls workbook until its workbook stream is out of
// it, then the stream (at most twice the file at once); of an .xlsx workbook only what the XML
// reader holds of the part at hand. Besides: 40 bytes for each shared text and two bytes for each
// of its characters (bounded by the stream or the part that holds them), and about 100 bytes for
// each cell of the columns read with two bytes a character of its text. At the limits that is
// about 200 MB at most, whatever the workbook (150 MB measured by telmaris_bench_read_memory);
// the workbook of a real price list takes a few MB.
#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <utility>
#include <vector>

#include "prices/price_file.h"

inline constexpr qint64 kMaxWorkbookBytes = 32 * 1024 * 1024;
inline constexpr qint64 kMaxWorkbookPartBytes = 32 * 1024 * 1024;
inline constexpr int kMaxSharedStrings = 1000000;
inline constexpr int kMaxWorksheetRows = 100000;

// A cell's value. A formula cell holds its stored result as a number or a text; a formula whose
// result the file does not give is NoValue, one whose result is an error value (#N/A, #REF!...)
// is Error with the error's name as its text.
struct SheetCell {
  enum class Kind { Empty, Number, Text, NoValue, Error };
  Kind kind = Kind::Empty;
  double number = 0;
  QString text;
};

// The cells of one worksheet by row and column, both counted from 1 (A1 is row 1, column 1).
class Worksheet {
 public:
  // An empty cell for any position the sheet holds nothing at.
  SheetCell cell(int row, int column) const;
  void set(int row, int column, SheetCell cell);
  int lastRow() const { return cells_.empty() ? 0 : cells_.rbegin()->first.first; }
  std::size_t size() const { return cells_.size(); }

 private:
  std::map<std::pair<int, int>, SheetCell> cells_;
};

// The cell's value as text, the way a spreadsheet turns it into a string: 7302441001 gives
// "7302441001", 45.5 gives "45.5", an empty cell "".
QString cellText(const SheetCell& cell);

// The columns 1 to lastColumn of the workbook's first worksheet. Throws PriceReadError when the
// file cannot be opened, is no workbook of either form, or holds more than the limits above.
Worksheet readFirstWorksheet(const QString& path, int lastColumn);

// "B7" for row 7, column 2, both from 1.
QString cellName(int row, int column);

// The readers' refusals: PriceReadError "The workbook <path> cannot be read: <why>" for a
// damaged workbook; one naming the file as its place, for a workbook beyond the limits above.
[[noreturn]] void failWorkbook(const QString& path, const QString& why);
[[noreturn]] void refuseWorkbook(const QString& path, const QString& why);
// Why a workbook of more than kMaxSharedStrings shared texts is refused.
QString tooManySharedStringsText();
// The regular file at `path`, of at most kMaxWorkbookBytes, whole. Throws PriceReadError naming
// the file.
QByteArray readWorkbookFile(const QString& path);

// One entry of a zip file, such as "xl/styles.xml"; the name is matched in any case. Throws
// PriceReadError when the file or the entry cannot be read, or the entry unpacks to more than
// kMaxWorkbookPartBytes.
QByteArray readZipEntry(const QString& zipPath, const QString& entryName);

// The price list of a price workbook: ordering numbers in column B, prices in column C, from
// row 1 down. After a row from row 2 on whose regrouped ordering number has fewer than 10
// characters (an empty cell ends the list), no further row is read; that row itself is part of
// the list. A price cell that holds no number gives an entry without a price. Throws
// PriceReadError naming the cell when a cell of a row read holds a formula without a value or an
// error value: the list would otherwise be read short, or with prices of 0; and when a row with
// a number long enough to name a part has a price outside 0 to kMaxPrice.
std::vector<PriceEntry> priceEntriesFromWorksheet(const Worksheet& sheet);

// readFirstWorksheet and priceEntriesFromWorksheet together.
std::vector<PriceEntry> readPriceWorkbook(const QString& path);
