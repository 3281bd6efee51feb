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
  QString orderingNumber;      // regrouped, ready to be compared with the parts
  std::optional<float> price;  // none when the source holds no readable price
  QString source;              // where it stands, for messages: "Record 3 (line 4)", "Row 12"
};

// A price list that cannot be read: a problem of kind File whose text names the file, record,
// row or cell and says why.
class PriceReadError : public Failure {
 public:
  explicit PriceReadError(const QString& detail)
      : Failure(Problem{Problem::Kind::File, {}, detail, std::nullopt}) {}
};

// Ordering numbers are printed as "7302 4410 01"; a number shorter than 12 characters is taken
// as ten characters written without their blanks and regrouped 4, 4 and 2. Longer numbers are
// kept as they stand.
QString regroupOrderingNumber(const QString& number);

// The contents of a price file: fields separated by commas and line breaks, read in pairs of
// ordering number (quoted or bare) and price (with a period). A byte-order mark, Windows line
// ends and blank lines make no difference. Every price must be a number; a list whose last
// ordering number has no price is refused. Throws PriceReadError.
std::vector<PriceEntry> parsePriceFile(QByteArrayView data);

// Reads and parses the price file. Throws PriceReadError when it cannot be read.
std::vector<PriceEntry> readPriceFile(const QString& path);

// A price as a number with a period ("45.5", "3500", "1e3"); none for anything else, and for a
// value that a single-precision price cannot hold.
std::optional<float> parsePrice(const QString& text);
