// Matching a price list against the parts and writing the prices back.
#include "prices/price_import.h"

#include <QHash>

#include "data/database.h"
#include "data/parts_loader.h"

namespace {

struct StoredPart {
  qint64 record = 0;
  float price = 0;
  bool priced = false;
};

}  // namespace

PriceImportResult importPrices(Database& db, const std::vector<PriceEntry>& entries) {
  // Taken before the parts are read, so that nobody changes them between reading and writing.
  Transaction transaction = db.transaction();

  std::vector<StoredPart> parts;
  QHash<QString, std::vector<std::size_t>> byNumber;
  {
    Statement read = db.prepare(
        QStringLiteral("SELECT tblDetaljPr.lngNr, tblDetaljPr.strDetaljnummer FROM tblDetaljPr;"));
    while (read.next()) {
      const std::optional<qint64> record = read.integer(0);
      if (!record || *record == kPlaceholderPart) continue;
      parts.push_back({*record});
      if (const std::optional<QString> number = read.text(1))
        byNumber[*number].push_back(parts.size() - 1);
    }
  }

  // Entries in list order, so that a later entry for the same number wins.
  for (const PriceEntry& entry : entries) {
    const auto found = byNumber.constFind(entry.orderingNumber);
    if (found == byNumber.constEnd()) continue;
    if (!entry.price)
      throw PriceReadError(QStringLiteral("%1: the price of %2 is missing or not a number.")
                               .arg(entry.source, entry.orderingNumber));
    for (std::size_t i : *found) {
      parts[i].price = *entry.price;
      parts[i].priced = true;
    }
  }

  PriceImportResult result;
  Statement write = db.prepare(
      QStringLiteral("UPDATE tblDetaljPr SET sngPris = ?1 WHERE tblDetaljPr.lngNr = ?2;"));
  for (const StoredPart& part : parts) {
    write.reset();
    write.bind(1, static_cast<double>(part.price)).bind(2, part.record).run();
    ++result.partsWritten;
    if (part.priced) ++result.partsPriced;
  }
  transaction.commit();
  return result;
}

PriceImportResult importPrices(const QString& databaseFile,
                               const std::vector<PriceEntry>& entries) {
  Database db = Database::open(databaseFile, kConnectString);
  return importPrices(db, entries);
}
