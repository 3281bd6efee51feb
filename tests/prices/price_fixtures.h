// Parts databases, price files and price workbooks made by the price maintenance tests. The
// binary workbooks come from a small BIFF8 writer of our own, as FreeXL only reads.
#pragma once

#include "support/test_database.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <map>
#include <optional>
#include <variant>
#include <vector>

// The synthetic parts (part k has "7302 0kkk 01" and the price k * 10 + 0.5) with the two
// example numbers of the price file message on parts 11 and 12, and one number shared by
// parts 20 and 21.
QString pricesRecordsSql();
inline constexpr int kExamplePart1 = 11;  // "7302 4410 01"
inline constexpr int kExamplePart2 = 12;  // "7302 4410 19"
inline constexpr int kSharedPartA = 20;   // "8420 0250 00"
inline constexpr int kSharedPartB = 21;   // "8420 0250 00"
inline float syntheticPrice(int part) {
  return static_cast<float>(part * 10 + 0.5);
}

// A temporary program directory with a database of pricesRecordsSql(), the current directory
// while it lives.
class PriceProgramDirectory : public ProgramDirectory {
 public:
  PriceProgramDirectory() : ProgramDirectory(pricesRecordsSql()) {}
};

// Every part's price in the database by record number.
std::map<qint64, std::optional<float>> storedPrices(const QString& databaseFile);

void writeFile(const QString& path, const QByteArray& contents);

struct FixtureCell {
  int row;     // from 1
  int column;  // from 1, A = 1
  std::variant<QString, double> value;
};
using FixtureSheet = std::vector<FixtureCell>;

// A price sheet: a heading in row 1, then ordering number and price in B and C of each row.
FixtureSheet priceSheet(const std::vector<std::pair<std::variant<QString, double>, double>>& rows);

// The sheet as an .xls workbook (BIFF8 in a compound file) with a second sheet behind it.
void writeXls(const QString& path, const FixtureSheet& cells);
// The sheet as an .xlsx workbook written by libxlsxwriter (shared strings).
void writeXlsx(const QString& path, const FixtureSheet& cells);
// The sheet as an .xlsx workbook the way other producers write it: inline strings, cells
// without positions, and the first tab's worksheet stored under another part's name.
void writeXlsxByHand(const QString& path, const FixtureSheet& cells);
