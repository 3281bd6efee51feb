// Matching a price list against the parts, writing the prices back, and taking an import back.
#include "prices/price_import.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <set>

#include "common/file_access.h"
#include "common/number_format.h"
#include "data/database.h"
#include "data/parts_loader.h"

namespace {

struct StoredPart {
  qint64 record = 0;
  QString number;
  std::optional<double> oldPrice;
  double price = 0;
  bool priced = false;
};

// Every part's price by record number.
QHash<qint64, std::optional<double>> currentPrices(Database& db) {
  QHash<qint64, std::optional<double>> prices;
  Statement read =
      db.prepare(QStringLiteral("SELECT tblDetaljPr.lngNr, tblDetaljPr.sngPris FROM tblDetaljPr;"));
  while (read.next())
    if (const std::optional<qint64> part = read.integer(0)) prices.insert(*part, read.real(1));
  return prices;
}

QString priceText(const std::optional<double>& price) {
  return price ? FormatNumber(*price, QStringLiteral("###0.00"))
               : QCoreApplication::translate("Prices", "none");
}

QString changeLine(const PriceChange& c) {
  return QStringLiteral("  %1  %2  ->  %3\n")
      .arg(withControlsEscaped(c.orderingNumber).leftJustified(14))
      .arg(priceText(c.oldPrice), 10)
      .arg(priceText(c.newPrice), 10);
}

bool sameChanges(const std::vector<PriceChange>& a, const std::vector<PriceChange>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const PriceChange& x, const PriceChange& y) {
                      return x.part == y.part && x.orderingNumber == y.orderingNumber &&
                             x.oldPrice == y.oldPrice && x.newPrice == y.newPrice;
                    });
}

// Refuses the undo the user agreed to when it would now take back something else.
void requireAsShown(Database& db, const PriceUndoSummary& now, const PriceUndoSummary& shown) {
  QString why;
  if (now.import.id != shown.import.id)
    why = QCoreApplication::translate("Prices", "import %1 (%2) is now the last import not undone")
              .arg(now.import.id)
              .arg(withControlsEscaped(now.import.source));
  else if (now.newestEvent != shown.newestEvent)
    why = QCoreApplication::translate("Prices",
                                      "a change of the prices was recorded after it was shown");
  else if (!sameChanges(now.changes, shown.changes) || !sameChanges(now.kept, shown.kept))
    why = QCoreApplication::translate("Prices", "prices it would change were changed meanwhile");
  else
    return;
  throw PriceHistoryChanged(Problem{
      Problem::Kind::Database, QFileInfo(db.file()).absoluteFilePath(),
      QCoreApplication::translate(
          "Prices",
          "The price history changed after the undo of import %1 (%2) was shown: %3. Nothing has "
          "been undone; choose the undo again to see what it would take back now.")
          .arg(shown.import.id)
          .arg(withControlsEscaped(shown.import.source), why),
      std::nullopt});
}

bool byNumber(const PriceChange& a, const PriceChange& b) {
  return a.orderingNumber != b.orderingNumber ? a.orderingNumber < b.orderingNumber
                                              : a.part < b.part;
}

}  // namespace

PriceImportSummary importPrices(Database& db, const std::vector<PriceEntry>& entries,
                                const PriceImportOptions& options) {
  // Taken before the parts are read, so that nobody changes them between reading and writing.
  // A dry run only reads, in one statement.
  std::optional<Transaction> transaction;
  if (!options.dryRun) transaction.emplace(db.transaction());
  // A history the program cannot record into refuses the import before it is shown.
  requirePartPrices(db);
  hasPriceHistory(db);

  std::vector<StoredPart> parts;
  QHash<QString, std::vector<std::size_t>> partsByNumber;
  {
    Statement read = db.prepare(
        QStringLiteral("SELECT tblDetaljPr.lngNr, tblDetaljPr.strDetaljnummer, tblDetaljPr.sngPris "
                       "FROM tblDetaljPr;"));
    while (read.next()) {
      const std::optional<qint64> record = read.integer(0);
      if (!record || *record == kPlaceholderPart) continue;
      const std::optional<QString> number = read.text(1);
      parts.push_back({*record, number.value_or(QString()), read.real(2)});
      if (number) partsByNumber[*number].push_back(parts.size() - 1);
    }
  }

  // Entries in list order, so that a later entry for the same number wins.
  for (const PriceEntry& entry : entries) {
    const auto found = partsByNumber.constFind(entry.orderingNumber);
    if (found == partsByNumber.constEnd()) continue;
    if (!entry.price)
      throw PriceReadError(
          QCoreApplication::translate("Prices", "%1: the price of %2 is missing or not a number.")
              .arg(entry.source, entry.orderingNumber));
    // The readers refuse such prices themselves; this holds for lists made any other way.
    if (!isPriceInRange(*entry.price))
      throw PriceReadError(
          priceOutOfRangeText(entry.source, QString::number(*entry.price, 'g', 15)));
    for (std::size_t i : *found) {
      parts[i].price = *entry.price;
      parts[i].priced = true;
    }
  }

  PriceImportSummary summary;
  std::vector<PriceChange> zeroed, repriced;
  for (const StoredPart& part : parts) {
    const bool same = part.oldPrice && *part.oldPrice == part.price;
    if (part.priced)
      ++(same ? summary.unchanged : summary.newPrice);
    else
      ++(same ? summary.alreadyZero : summary.setToZero);
    if (!same)
      (part.priced ? repriced : zeroed)
          .push_back({part.record, part.number, part.oldPrice, part.price});
  }
  std::sort(zeroed.begin(), zeroed.end(), byNumber);
  std::sort(repriced.begin(), repriced.end(), byNumber);
  summary.changes = std::move(zeroed);
  summary.changes.insert(summary.changes.end(), repriced.begin(), repriced.end());
  if (options.dryRun) return summary;

  Statement write = db.prepare(
      QStringLiteral("UPDATE tblDetaljPr SET sngPris = ?1 WHERE tblDetaljPr.lngNr = ?2;"));
  for (const PriceChange& change : summary.changes) {
    write.reset();
    write.bind(1, *change.newPrice).bind(2, change.part).run();
  }
  PriceEvent event{
      0, options.when, PriceEventKind::Import, options.source, std::nullopt, summary.changes};
  recordPriceEvent(db, event);
  transaction->commit([&](Database& fresh) { return priceEventIsStored(fresh, event); });
  return summary;
}

PriceImportSummary importPrices(const QString& databaseFile, const std::vector<PriceEntry>& entries,
                                const PriceImportOptions& options) {
  Database db = Database::open(databaseFile, kConnectString);
  return importPrices(db, entries, options);
}

std::optional<PriceUndoSummary> undoLastImport(Database& db, const PriceImportOptions& options,
                                               const PriceUndoSummary* shown) {
  std::optional<Transaction> transaction;
  if (!options.dryRun) transaction.emplace(db.transaction());
  requirePartPrices(db);
  PriceUndoSummary summary;
  summary.newestEvent = newestPriceEvent(db);
  std::optional<PriceEvent> import = lastImportNotUndone(db);
  if (!import) {
    if (shown)
      throw PriceHistoryChanged(Problem{
          Problem::Kind::Database, QFileInfo(db.file()).absoluteFilePath(),
          QCoreApplication::translate(
              "Prices",
              "The price history changed after the undo of import %1 (%2) was shown: no import "
              "is left to undo. Nothing has been changed.")
              .arg(shown->import.id)
              .arg(withControlsEscaped(shown->import.source)),
          std::nullopt});
    return std::nullopt;
  }

  summary.import = std::move(*import);
  const std::vector<qint64> edited = partsEditedAfter(db, summary.import.id);
  const std::set<qint64> editedParts(edited.begin(), edited.end());
  const QHash<qint64, std::optional<double>> prices = currentPrices(db);
  for (const PriceChange& c : summary.import.changes) {
    const std::optional<double> now = prices.value(c.part);
    if (editedParts.count(c.part)) {
      summary.kept.push_back({c.part, c.orderingNumber, c.oldPrice, now});
      continue;
    }
    if (now != c.oldPrice) summary.changes.push_back({c.part, c.orderingNumber, now, c.oldPrice});
  }
  if (shown) requireAsShown(db, summary, *shown);
  if (options.dryRun) return summary;

  Statement write = db.prepare(
      QStringLiteral("UPDATE tblDetaljPr SET sngPris = ?1 WHERE tblDetaljPr.lngNr = ?2;"));
  for (const PriceChange& c : summary.changes) {
    write.reset();
    if (c.newPrice)
      write.bind(1, *c.newPrice);
    else
      write.bindNull(1);
    write.bind(2, c.part).run();
  }
  PriceEvent event{0,
                   options.when,
                   PriceEventKind::Undo,
                   summary.import.source,
                   summary.import.id,
                   summary.changes};
  recordPriceEvent(db, event);
  transaction->commit([&](Database& fresh) { return priceEventIsStored(fresh, event); });
  return summary;
}

std::optional<PriceUndoSummary> undoLastImport(const QString& databaseFile,
                                               const PriceImportOptions& options,
                                               const PriceUndoSummary* shown) {
  Database db = Database::open(databaseFile, kConnectString);
  return undoLastImport(db, options, shown);
}

QString priceImportReport(const PriceImportSummary& s) {
  QString text = QCoreApplication::translate("Prices",
                                             "New price:  %1\n"
                                             "Unchanged:  %2\n"
                                             "Set to 0:   %3\n"
                                             "Already 0:  %4\n")
                     .arg(s.newPrice)
                     .arg(s.unchanged)
                     .arg(s.setToZero)
                     .arg(s.alreadyZero);
  if (!s.changes.empty()) {
    text += QCoreApplication::translate(
        "Prices", "\nPrices that change (ordering number, old price, new price):\n");
    for (const PriceChange& c : s.changes) text += changeLine(c);
  }
  return text;
}

QString priceUndoReport(const PriceUndoSummary& s) {
  QString text = QCoreApplication::translate(
                     "Prices", "Import %1 (%2, %3): %4 prices go back to their price before it.\n")
                     .arg(s.import.id)
                     .arg(withControlsEscaped(s.import.when), withControlsEscaped(s.import.source))
                     .arg(s.changes.size());
  if (!s.changes.empty()) {
    text += QCoreApplication::translate(
        "Prices", "\nPrices that change (ordering number, now, after the undo):\n");
    for (const PriceChange& c : s.changes) text += changeLine(c);
  }
  if (!s.kept.empty()) {
    text += QCoreApplication::translate(
        "Prices",
        "\nEdited in the price list since the import, these keep their price (before the "
        "import, now):\n");
    for (const PriceChange& c : s.kept) text += changeLine(c);
  }
  return text;
}
