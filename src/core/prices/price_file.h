// Price lists as the maker issues them: the price file of ordering numbers and prices, the entry
// that the price file and the price workbook both yield, and the regrouping of ordering numbers.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

#include "common/problem.h"

// One ordering number of a price list with its price.
struct PriceEntry {
  QString orderingNumber;       // regrouped, ready to be compared with the parts
  std::optional<double> price;  // none when the source holds no readable price
  QString source;               // where it stands, for messages: "Record 3 (line 4)", "Row 12"
};

// The prices a part may have. A price list from elsewhere with a negative price or a figure in
// the wrong unit would otherwise go into every ordering list unnoticed. More than two decimals
// are allowed and kept as written: the price list shows and prints two, the sums use them all.
inline constexpr double kMaxPrice = 9999999.99;
inline bool isPriceInRange(double price) {
  return price >= 0 && price <= kMaxPrice;
}
// What is wrong with a price outside that range, after where it stands ("Record 3 (line 4)",
// "C12") and the price as written there.
QString priceOutOfRangeText(const QString& where, const QString& price);

// A price list that cannot be read: a problem of kind File whose text names the file, record,
// row or cell and says why. A problem with the file as a whole (not a regular file, too large)
// names the file as its place instead.
class PriceReadError : public Failure {
 public:
  explicit PriceReadError(const QString& detail)
      : Failure(Problem{Problem::Kind::File, {}, detail, std::nullopt}) {}
  PriceReadError(const QString& file, const QString& detail)
      : Failure(Problem{Problem::Kind::File, file, detail, std::nullopt}) {}
};

// What a price file may hold. The maker's price list names a few thousand parts at about 25
// bytes a record: a few hundred kilobytes. A file larger than kMaxPriceFileBytes is refused
// before it is read, and one of more than kMaxPriceRecords records as soon as reading reaches
// the first record too many. Reading keeps the file until it is text (two bytes a character),
// then the text, the entries read so far and no more of the fields than the line at hand: at
// most about four times the file's size and 200 bytes a record, under 90 MB for the largest
// file allowed (telmaris_bench_read_memory measures it).
inline constexpr qint64 kMaxPriceFileBytes = 16 * 1024 * 1024;
inline constexpr int kMaxPriceRecords = 100000;

// The whole content of the price list file at `path`: a regular file of at most `maxBytes`
// (a FIFO, a device or a folder is refused at once, without waiting). Throws PriceReadError
// naming the file; `tooLarge` says what is wrong with a larger one.
QByteArray readPriceListFile(const QString& path, qint64 maxBytes, const QString& tooLarge);

// The name of a file as a price list's problem gives it: native separators, control
// characters shown escaped.
QString shownFileName(const QString& path);

// Ordering numbers are printed as "7302 4410 01"; a number shorter than 12 characters is taken
// as ten characters written without their blanks and regrouped 4, 4 and 2. Longer numbers are
// kept as they stand.
QString regroupOrderingNumber(const QString& number);

// The contents of a price file: fields separated by commas and line breaks, read in pairs of
// ordering number (quoted or bare) and price (with a period). A byte-order mark, Windows line
// ends and blank lines make no difference. A record may run over two lines, and a line may hold
// several records, but a line of more than two fields must hold whole records: one that does
// not is refused, as a decimal comma ("45,5") gives it one field too many. Every price must be
// a number from 0 to kMaxPrice; a list whose last ordering number has no price is refused, and
// so is one of more than kMaxPriceRecords records. The records are read line by line and the
// first problem in the order of the file is the one told. Throws PriceReadError.
std::vector<PriceEntry> parsePriceFile(QByteArrayView data);

// Reads and parses the price file: a regular file of at most kMaxPriceFileBytes. Throws
// PriceReadError when it cannot be read; a file refused as a whole is named as the problem's
// place.
std::vector<PriceEntry> readPriceFile(const QString& path);

// A price as a number with a period ("45.5", "3500", "1e3"), as the nearest double to what is
// written; none for anything else and for infinite values. Whether it is in range is the
// caller's question (isPriceInRange), so that it can say where the price stands.
std::optional<double> parsePrice(const QString& text);
