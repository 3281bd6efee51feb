// Times the import of a price file of 10 000 records into a copy of the shipped parts database
// (read the file, match every part, write all prices back in one transaction) and prints the
// median, with the reading of the file alone beside it.
//   telmaris_bench_price_import [program-directory] [repetitions] [records]
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench_timing.h"
#include "data/database.h"
#include "data/parts_loader.h"
#include "prices/price_file.h"
#include "prices/price_import.h"

namespace {

// Known ordering numbers, some written without blanks, and numbers no part has, so that the
// match meets every case the real lists hold.
QByteArray priceFile(const QStringList& known, int records) {
  QByteArray text;
  for (int i = 0; i < records; ++i) {
    QString number;
    if (i % 4 == 3)
      number = QStringLiteral("9%1 %2 %3")
                   .arg(i % 1000, 3, 10, QLatin1Char('0'))
                   .arg(i % 10000, 4, 10, QLatin1Char('0'))
                   .arg(i % 100, 2, 10, QLatin1Char('0'));
    else
      number = known[i % known.size()];
    if (i % 5 == 0) number.remove(QLatin1Char(' '));
    text += '"' + number.toLatin1() + "\"," + QByteArray::number(10 + i * 0.25) + "\r\n";
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  const QString dir =
      argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(TELMARIS_PROGRAM_DIR);
  const int repetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;
  const int records = argc > 3 ? std::max(1, std::atoi(argv[3])) : 10000;

  QTemporaryDir work;
  const QString database = work.filePath(QStringLiteral("Telmaris.mdb"));
  if (!QFile::copy(QDir(dir).filePath(QStringLiteral("Telmaris.mdb")), database)) {
    std::fprintf(stderr, "no Telmaris.mdb in %s\n", qPrintable(dir));
    return 1;
  }

  QStringList known;
  {
    Database db = Database::open(database, kConnectString);
    Statement numbers = db.prepare(QStringLiteral("SELECT strDetaljnummer FROM tblDetaljPr;"));
    while (numbers.next())
      if (const auto n = numbers.text(0); n && n->size() == 12) known << *n;
  }
  const QString path = work.filePath(QStringLiteral("PRICES.DAT"));
  QFile file(path);
  if (known.isEmpty() || !file.open(QIODevice::WriteOnly)) return 1;
  file.write(priceFile(known, records));
  file.close();

  std::vector<double> whole, reading;
  PriceImportResult result;
  for (int i = 0; i < repetitions; ++i) {
    auto start = BenchClock::now();
    const std::vector<PriceEntry> entries = readPriceFile(path);
    reading.push_back(millisecondsSince(start));

    start = BenchClock::now();
    try {
      result = importPrices(database, readPriceFile(path));
    } catch (const std::exception& e) {
      std::fprintf(stderr, "import failed: %s\n", e.what());
      return 1;
    }
    whole.push_back(millisecondsSince(start));
  }
  std::printf("price file of %d records, %d parts written, %d priced from the file\n", records,
              result.partsWritten, result.partsPriced);
  std::printf("import (read, match, write back): median %.2f ms over %d runs\n", median(whole),
              repetitions);
  std::printf("reading the file alone:           median %.2f ms\n", median(reading));
  return 0;
}
