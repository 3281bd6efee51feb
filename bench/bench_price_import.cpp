// Times the import of a price file of 10 000 records into a copy of the shipped parts database
// (read the file, match every part, write all prices back and record the changes in one
// transaction), once into a database without history and once into one with a history of
// 1 000 earlier imports, and then the undo of that import; prints the medians and the ratios,
// with the reading of the file alone beside them. The import with history should cost at most
// 1.2 times the one without, and the undo at most the import.
//   telmaris_bench_price_import [program-directory] [repetitions] [records] [earlier-imports]
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "bench_timing.h"
#include "data/database.h"
#include "data/parts_loader.h"
#include "data/program_directory.h"
#include "prices/price_file.h"
#include "prices/price_history.h"
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
  const QString database = ProgramDirectory(work.path()).database();
  if (!QFile::copy(ProgramDirectory(dir).database(), database)) {
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

  // The history of earlier imports, each of which changed every part.
  const int earlier = argc > 4 ? std::max(0, std::atoi(argv[4])) : 1000;
  const QString withHistory = work.filePath(QStringLiteral("History.mdb"));
  QFile::copy(database, withHistory);
  try {
    Database db = Database::open(withHistory, kConnectString);
    std::vector<PriceChange> changes;
    Statement parts = db.prepare(QStringLiteral("SELECT lngNr, strDetaljnummer FROM tblDetaljPr;"));
    while (parts.next())
      changes.push_back({*parts.integer(0), parts.text(1).value_or(QString()), 1.5f, 2.5f});
    Transaction transaction = db.transaction();
    for (int i = 0; i < earlier; ++i) {
      PriceEvent event{0,
                       priceHistoryNow(),
                       PriceEventKind::Import,
                       QStringLiteral("PRICES-%1.DAT").arg(i),
                       std::nullopt,
                       changes};
      recordPriceEvent(db, event);
    }
    transaction.commit();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "the history could not be made: %s\n", e.what());
    return 1;
  }

  std::vector<double> plain, historic, undo, reading;
  PriceImportSummary summary;
  for (int i = 0; i < repetitions; ++i) {
    auto start = BenchClock::now();
    const std::vector<PriceEntry> entries = readPriceFile(path);
    reading.push_back(millisecondsSince(start));

    // Fresh copies, so that every run changes the same prices.
    const QString a = work.filePath(QStringLiteral("a.mdb")),
                  b = work.filePath(QStringLiteral("b.mdb"));
    QFile::remove(a);
    QFile::remove(b);
    QFile::copy(database, a);
    QFile::copy(withHistory, b);
    try {
      start = BenchClock::now();
      summary = importPrices(a, readPriceFile(path), {QStringLiteral("PRICES.DAT")});
      plain.push_back(millisecondsSince(start));

      start = BenchClock::now();
      importPrices(b, readPriceFile(path), {QStringLiteral("PRICES.DAT")});
      historic.push_back(millisecondsSince(start));

      start = BenchClock::now();
      if (!undoLastImport(b)) throw std::runtime_error("nothing to undo");
      undo.push_back(millisecondsSince(start));
    } catch (const std::exception& e) {
      std::fprintf(stderr, "import failed: %s\n", e.what());
      return 1;
    }
  }
  std::printf("price file of %d records: %d new prices, %d unchanged, %d set to 0, %d already 0\n",
              records, summary.newPrice, summary.unchanged, summary.setToZero, summary.alreadyZero);
  std::printf("import without history:            median %.2f ms over %d runs\n", median(plain),
              repetitions);
  std::printf("import after %d earlier imports: median %.2f ms  (ratio %.2f, at most 1.2)\n",
              earlier, median(historic), median(historic) / median(plain));
  std::printf(
      "undo of that import:               median %.2f ms  (ratio to the import %.2f, at most 1)\n",
      median(undo), median(undo) / median(historic));
  std::printf("reading the file alone:            median %.2f ms\n", median(reading));
  return 0;
}
