// Random, mutated and cut-short input for the price-file reader and the workbook readers: each
// either reads or refuses with PriceReadError, never crashes, hangs or throws anything else.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "prices/price_file.h"
#include "prices/price_fixtures.h"
#include "prices/workbook_reader.h"

namespace {

// Parses and reports whether the input was read; any other exception fails the test.
bool reads(const QByteArray& input) {
  try {
    for (const PriceEntry& e : parsePriceFile(input)) EXPECT_TRUE(e.price.has_value());
    return true;
  } catch (const PriceReadError&) {
    return false;
  }
}

}  // namespace

TEST(PriceFileFuzz, RandomTokensTruncationsAndChangesNeverCrash) {
  std::mt19937 random(20240611);
  const char* tokens[] = {
      "\"",       ",",    "\n",      "\r\n",
      " ",        "7302", "4410 01", ".",
      "-",        "3500", "\x1A",    "\xEF\xBB\xBF",
      "\xFF\xFE", "\xC3", "1e308",   "9999999999999999999999999999999999999999"};
  int readCount = 0;
  for (int round = 0; round < 3000; ++round) {
    QByteArray input;
    const int length = static_cast<int>(random() % 300);
    for (int i = 0; i < length; ++i) {
      if (round % 2 == 0) {
        input.append(static_cast<char>(random() & 0xFF));
      } else {
        input.append(tokens[random() % std::size(tokens)]);
      }
    }
    readCount += reads(input);
  }
  EXPECT_GT(readCount, 0);  // the token soup does form valid lists now and then

  QByteArray file("\xEF\xBB\xBF");
  for (int i = 0; i < 200; ++i)
    file += "\"7302 " + QByteArray::number(4400 + i) + " 01\"," + QByteArray::number(i * 1.25) +
            (i % 3 ? "\r\n" : "\n\n");
  ASSERT_TRUE(reads(file));
  for (qsizetype n = 0; n <= file.size(); ++n) reads(file.left(n));
  for (int round = 0; round < 2000; ++round) {
    QByteArray changed = file;
    changed[random() % changed.size()] = static_cast<char>(random() & 0xFF);
    reads(changed);
  }
  EXPECT_FALSE(reads(QByteArray(4 * 1024 * 1024, '"')));
}

TEST(PriceFileFuzz, CutShortAndDamagedWorkbooksAreRefusedCleanly) {
  QTemporaryDir dir;
  const FixtureSheet sheet =
      priceSheet({{QStringLiteral("7302 4410 01"), 3500}, {7302441019.0, 45.5}});
  const QString xls = dir.filePath("w.xls"), xlsx = dir.filePath("w.xlsx");
  writeXls(xls, sheet);
  writeXlsx(xlsx, sheet);
  std::mt19937 random(11);
  for (const QString& source : {xls, xlsx}) {
    QFile in(source);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray whole = in.readAll();
    const QString damaged = dir.filePath("damaged" + source.right(5));
    for (int round = 0; round < 150; ++round) {
      QByteArray bytes =
          round % 2 ? whole.left(static_cast<qsizetype>(random() % whole.size())) : whole;
      if (round % 2 == 0)
        for (int i = 0; i < 8; ++i) bytes[random() % bytes.size()] = static_cast<char>(random());
      writeFile(damaged, bytes);
      try {
        readPriceWorkbook(damaged);
      } catch (const PriceReadError&) {
      }
    }
  }
}
