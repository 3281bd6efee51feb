// The price history table: writing events, reading them back, and the history as text.
//
// An event is one row without a part (its head: when, what kind, from where, which import an
// undo took back) and one row per part it changed. The indexes keep finding the newest import
// and an event's parts as quick with a thousand imports behind as with none.
#include "prices/price_history.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>

#include "common/number_format.h"
#include "data/database.h"

namespace {

const QString kCreateTable = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS tblPriceHistory ("
    " lngEvent INTEGER NOT NULL, strWhen TEXT NOT NULL, strKind TEXT NOT NULL,"
    " strSource TEXT NOT NULL, lngUndoes INTEGER, lngNr INTEGER, strDetaljnummer TEXT,"
    " sngOldPris REAL, sngNewPris REAL);"
    "CREATE INDEX IF NOT EXISTS idxPriceHistoryEvent ON tblPriceHistory (lngEvent);"
    "CREATE INDEX IF NOT EXISTS idxPriceHistoryHead"
    " ON tblPriceHistory (lngNr, lngEvent, strKind, lngUndoes);");

QString kindName(PriceEventKind kind) {
  switch (kind) {
    case PriceEventKind::Import:
      return QStringLiteral("import");
    case PriceEventKind::Edit:
      return QStringLiteral("edit");
    case PriceEventKind::Undo:
      return QStringLiteral("undo");
  }
  return {};
}

PriceEventKind kindOf(const QString& name) {
  if (name == u"edit") return PriceEventKind::Edit;
  if (name == u"undo") return PriceEventKind::Undo;
  return PriceEventKind::Import;
}

void bindPrice(Statement& write, int index, const std::optional<double>& price) {
  if (price)
    write.bind(index, *price);
  else
    write.bindNull(index);
}

// The event heads that match the condition, newest first, without their changes.
std::vector<PriceEvent> readHeads(Database& db, const QString& condition,
                                  const QString& limit = {}) {
  Statement read = db.prepare(
      QStringLiteral("SELECT lngEvent, strWhen, strKind, strSource, lngUndoes FROM "
                     "tblPriceHistory WHERE lngNr IS NULL ") +
      condition + QStringLiteral(" ORDER BY lngEvent DESC ") + limit + QStringLiteral(";"));
  std::vector<PriceEvent> heads;
  while (read.next()) {
    PriceEvent e;
    e.id = read.integer(0).value_or(0);
    e.when = read.text(1).value_or(QString());
    e.kind = kindOf(read.text(2).value_or(QString()));
    e.source = read.text(3).value_or(QString());
    e.undoes = read.integer(4);
    heads.push_back(std::move(e));
  }
  return heads;
}

void readChanges(Database& db, PriceEvent& event) {
  Statement read = db.prepare(
      QStringLiteral("SELECT lngNr, strDetaljnummer, sngOldPris, sngNewPris FROM tblPriceHistory "
                     "WHERE lngEvent = ?1 AND lngNr IS NOT NULL ORDER BY rowid;"));
  read.bind(1, event.id);
  while (read.next())
    event.changes.push_back({read.integer(0).value_or(0), read.text(1).value_or(QString()),
                             read.real(2), read.real(3)});
}

QString priceText(const std::optional<double>& price) {
  return price ? FormatNumber(*price, QStringLiteral("###0.00")) : QStringLiteral("none");
}

}  // namespace

void createPriceHistoryTable(Database& db) {
  db.execute(kCreateTable);
}

bool hasPriceHistory(Database& db) {
  Statement find = db.prepare(QStringLiteral(
      "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'tblPriceHistory';"));
  return find.next();
}

void recordPriceEvent(Database& db, PriceEvent& event) {
  createPriceHistoryTable(db);
  {
    Statement last = db.prepare(QStringLiteral("SELECT MAX(lngEvent) FROM tblPriceHistory;"));
    last.next();
    event.id = last.integer(0).value_or(0) + 1;
  }
  Statement write = db.prepare(QStringLiteral(
      "INSERT INTO tblPriceHistory (lngEvent, strWhen, strKind, strSource, lngUndoes, lngNr,"
      " strDetaljnummer, sngOldPris, sngNewPris) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9);"));
  auto bindEvent = [&] {
    write.bind(1, event.id).bind(2, event.when).bind(3, kindName(event.kind)).bind(4, event.source);
  };
  bindEvent();
  if (event.undoes)
    write.bind(5, *event.undoes);
  else
    write.bindNull(5);
  write.bindNull(6).bindNull(7).bindNull(8).bindNull(9).run();
  for (const PriceChange& c : event.changes) {
    write.reset();  // which clears the parameters too
    bindEvent();
    write.bindNull(5).bind(6, c.part).bind(7, c.orderingNumber);
    bindPrice(write, 8, c.oldPrice);
    bindPrice(write, 9, c.newPrice);
    write.run();
  }
}

bool priceEventIsStored(Database& db, const PriceEvent& event) {
  if (!hasPriceHistory(db)) return false;
  {
    Statement head = db.prepare(
        QStringLiteral("SELECT strWhen, strKind, strSource, lngUndoes FROM tblPriceHistory "
                       "WHERE lngEvent = ?1 AND lngNr IS NULL;"));
    head.bind(1, event.id);
    if (!head.next() || head.text(0) != event.when || head.text(1) != kindName(event.kind) ||
        head.text(2) != event.source || head.integer(3) != event.undoes)
      return false;
    Statement count = db.prepare(QStringLiteral(
        "SELECT COUNT(*) FROM tblPriceHistory WHERE lngEvent = ?1 AND lngNr IS NOT NULL;"));
    count.bind(1, event.id);
    if (!count.next() || count.integer(0) != static_cast<qint64>(event.changes.size()))
      return false;
  }
  QHash<qint64, std::optional<double>> prices;
  Statement read = db.prepare(QStringLiteral("SELECT lngNr, sngPris FROM tblDetaljPr;"));
  while (read.next())
    if (const std::optional<qint64> part = read.integer(0)) prices.insert(*part, read.real(1));
  for (const PriceChange& c : event.changes) {
    const auto found = prices.constFind(c.part);
    if (found == prices.constEnd() || *found != c.newPrice) return false;
  }
  return true;
}

std::vector<PriceEvent> readPriceHistory(Database& db) {
  if (!hasPriceHistory(db)) return {};
  std::vector<PriceEvent> events = readHeads(db, QString());
  for (PriceEvent& e : events) readChanges(db, e);
  return events;
}

std::optional<PriceEvent> lastImportNotUndone(Database& db) {
  if (!hasPriceHistory(db)) return std::nullopt;
  std::vector<PriceEvent> heads =
      readHeads(db,
                QStringLiteral("AND strKind = 'import' AND lngEvent NOT IN (SELECT lngUndoes "
                               "FROM tblPriceHistory WHERE lngNr IS NULL AND lngUndoes IS NOT "
                               "NULL)"),
                QStringLiteral("LIMIT 1"));
  if (heads.empty()) return std::nullopt;
  readChanges(db, heads.front());
  return std::move(heads.front());
}

std::vector<qint64> partsEditedAfter(Database& db, qint64 eventId) {
  std::vector<qint64> parts;
  if (!hasPriceHistory(db)) return parts;
  Statement read = db.prepare(
      QStringLiteral("SELECT DISTINCT p.lngNr FROM tblPriceHistory h JOIN tblPriceHistory p "
                     "ON p.lngEvent = h.lngEvent WHERE h.lngNr IS NULL AND h.lngEvent > ?1 "
                     "AND h.strKind = 'edit' AND +p.lngNr IS NOT NULL;"));
  read.bind(1, eventId);
  while (read.next()) parts.push_back(read.integer(0).value_or(0));
  return parts;
}

QString priceHistoryNow() {
  return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString priceHistoryReport(const std::vector<PriceEvent>& events) {
  if (events.empty())
    return QCoreApplication::translate("Prices", "No price has been imported or changed yet.\n");
  QString text;
  for (const PriceEvent& e : events) {
    QString what;
    switch (e.kind) {
      case PriceEventKind::Import:
        what = QCoreApplication::translate("Prices", "Import of %1").arg(e.source);
        break;
      case PriceEventKind::Edit:
        what = QCoreApplication::translate("Prices", "Edited in the %1").arg(e.source);
        break;
      case PriceEventKind::Undo:
        what = QCoreApplication::translate("Prices", "Undo of import %1 (%2)")
                   .arg(e.undoes.value_or(0))
                   .arg(e.source);
        break;
    }
    text +=
        QStringLiteral("%1  %2. %3: %4 %5\n")
            .arg(e.when)
            .arg(e.id)
            .arg(what)
            .arg(e.changes.size())
            .arg(e.changes.size() == 1 ? QCoreApplication::translate("Prices", "price changed")
                                       : QCoreApplication::translate("Prices", "prices changed"));
    for (const PriceChange& c : e.changes)
      text += QStringLiteral("    %1  %2  ->  %3\n")
                  .arg(c.orderingNumber.leftJustified(14))
                  .arg(priceText(c.oldPrice), 10)
                  .arg(priceText(c.newPrice), 10);
  }
  return text;
}
