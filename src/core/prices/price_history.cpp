// The price history table: writing events, reading them back, and the history as text.
//
// An event is one row without a part (its head: when, what kind, from where, which import an
// undo took back) and one row per part it changed. The indexes keep finding the newest import
// and an event's parts as quick with a thousand imports behind as with none.
#include "prices/price_history.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>
#include <iterator>

#include "common/file_access.h"
#include "common/number_format.h"
#include "common/variants.h"
#include "data/database.h"

namespace {

// The columns of the history table, in the order the program makes them, with their types.
struct HistoryColumn {
  const char* name;
  const char* type;
  bool notNull = false;
};
constexpr HistoryColumn kHistoryColumns[] = {
    {"lngEvent", "INTEGER", true}, {"strWhen", "TEXT", true}, {"strKind", "TEXT", true},
    {"strSource", "TEXT", true},   {"lngUndoes", "INTEGER"},  {"lngNr", "INTEGER"},
    {"strDetaljnummer", "TEXT"},   {"sngOldPris", "REAL"},    {"sngNewPris", "REAL"}};

// A history table the program did not write, refused before anything is read from it or
// written to it.
[[noreturn]] void refuseHistory(Database& db, const QString& reason) {
  throw Failure(Problem{
      Problem::Kind::Database, QFileInfo(db.file()).absoluteFilePath(),
      QCoreApplication::translate(
          "Prices",
          "The table %1 is not the program's price history: %2. The prices are neither read "
          "from it nor changed with it, and nothing has been changed. \"telmaris %3\" renames "
          "it aside, after which the prices start a new, empty history.")
          .arg(kPriceHistoryTable, reason, kSetAsidePriceHistoryOption),
      std::nullopt});
}

QString quotedName(const QString& name) {
  return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
         QLatin1Char('"');
}

// Whether the database has anything (a table, a view, an index) of that name.
bool nameTaken(Database& db, const QString& name) {
  Statement find =
      db.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE name = ?1 COLLATE NOCASE;"));
  find.bind(1, name);
  return find.next();
}

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
  Statement read = db.prepare(QStringLiteral(
      "SELECT lngNr, strDetaljnummer, sngOldPris, sngNewPris,"
      " typeof(lngNr) = 'integer' AND typeof(sngOldPris) IN ('real', 'integer', 'null')"
      " AND typeof(sngNewPris) IN ('real', 'integer', 'null')"
      " FROM tblPriceHistory WHERE lngEvent = ?1 AND lngNr IS NOT NULL ORDER BY rowid;"));
  read.bind(1, event.id);
  while (read.next()) {
    // A part number or a price of another kind would put a price on the wrong part.
    if (read.integer(4) != 1)
      refuseHistory(db, QCoreApplication::translate(
                            "Prices", "the parts of event %1 are not as the program records them")
                            .arg(event.id));
    event.changes.push_back({read.integer(0).value_or(0), read.text(1).value_or(QString()),
                             read.real(2), read.real(3)});
  }
}

QString priceText(const std::optional<double>& price) {
  return price ? FormatNumber(*price, QStringLiteral("###0.00")) : QStringLiteral("none");
}

// A description on one line of the history, its control characters escaped, cut to the width
// the line has room for; a character of two code units is never cut in half.
QString shortDescription(const QString& description) {
  QString shown = withControlsEscaped(description);
  if (shown.size() <= kHistoryDescriptionWidth) return shown;
  qsizetype keep = kHistoryDescriptionWidth - 1;
  if (shown.at(keep - 1).isHighSurrogate()) --keep;
  return shown.left(keep) + QChar(0x2026);
}

}  // namespace

void createPriceHistoryTable(Database& db) {
  db.execute(kCreateTable);
}

bool hasPriceHistory(Database& db) {
  // Names are the same whatever their case; a trigger could change what is written.
  bool table = false;
  {
    Statement find = db.prepare(QStringLiteral(
        "SELECT type, sql FROM sqlite_master WHERE name = 'tblPriceHistory' COLLATE NOCASE"
        " OR (type = 'trigger' AND tbl_name = 'tblPriceHistory' COLLATE NOCASE);"));
    while (find.next()) {
      const QString type = find.text(0).value_or(QString());
      if (type == u"view")
        refuseHistory(db, QCoreApplication::translate("Prices", "it is a view, not a table"));
      if (type == u"trigger")
        refuseHistory(db, QCoreApplication::translate("Prices", "a trigger of its own acts on it"));
      if (type != u"table") continue;
      if (find.text(1).value_or(QString()).startsWith(QLatin1String("CREATE VIRTUAL"),
                                                      Qt::CaseInsensitive))
        refuseHistory(db, QCoreApplication::translate("Prices", "it is a virtual table"));
      table = true;
    }
  }
  if (!table) return false;

  {
    Statement columns = db.prepare(QStringLiteral("PRAGMA table_info(tblPriceHistory);"));
    std::size_t n = 0;
    bool same = true;
    while (columns.next()) {
      // cid, name, type, notnull, dflt_value, pk
      same = same && n < std::size(kHistoryColumns) &&
             columns.text(1).value_or(QString()).compare(QLatin1String(kHistoryColumns[n].name),
                                                         Qt::CaseInsensitive) == 0 &&
             columns.text(2).value_or(QString()).compare(QLatin1String(kHistoryColumns[n].type),
                                                         Qt::CaseInsensitive) == 0 &&
             (columns.integer(3).value_or(0) != 0) == kHistoryColumns[n].notNull;
      ++n;
    }
    if (!same || n != std::size(kHistoryColumns)) {
      QStringList expected;
      for (const HistoryColumn& c : kHistoryColumns)
        expected << QLatin1String(c.name) + QLatin1Char(' ') + QLatin1String(c.type) +
                        (c.notNull ? QStringLiteral(" NOT NULL") : QString());
      refuseHistory(db, QCoreApplication::translate("Prices", "its columns are not %1")
                            .arg(expected.join(QStringLiteral(", "))));
    }
  }

  // The lowest and the highest event number come from the index on the events: a text or a
  // blob sorts above every number, so a highest one that is a whole number in range means every
  // number is (and none is missing: the column takes no null). The heads (one per event) are few
  // and looked at one by one.
  Statement check = db.prepare(QStringLiteral(
      "SELECT typeof(lo), lo, typeof(hi), hi,"
      " EXISTS (SELECT 1 FROM tblPriceHistory WHERE lngNr IS NULL AND"
      "   (typeof(lngEvent) <> 'integer' OR typeof(lngUndoes) NOT IN ('integer', 'null')"
      "    OR strKind IS NOT 'import' AND strKind IS NOT 'edit' AND strKind IS NOT 'undo'"
      "    OR (strKind IS 'undo') <> (lngUndoes IS NOT NULL))),"
      " EXISTS (SELECT 1 FROM tblPriceHistory WHERE lngNr IS NULL"
      "   GROUP BY lngEvent HAVING COUNT(*) > 1)"
      " FROM (SELECT (SELECT MIN(lngEvent) FROM tblPriceHistory) AS lo,"
      "              (SELECT MAX(lngEvent) FROM tblPriceHistory) AS hi);"));
  check.next();
  const bool empty = check.text(0) == u"null" && check.text(2) == u"null";
  const bool inRange = check.text(0) == u"integer" && check.text(2) == u"integer" &&
                       check.integer(1).value_or(0) >= 1 &&
                       check.integer(3).value_or(0) <= kMaxPriceEventId;
  if (!empty && !inRange)
    refuseHistory(db, QCoreApplication::translate(
                          "Prices", "its event numbers are not whole numbers from 1 to %1")
                          .arg(kMaxPriceEventId));
  if (check.integer(4) != 0 || check.integer(5) != 0)
    refuseHistory(db, QCoreApplication::translate(
                          "Prices", "its events are not as the program records them"));
  return true;
}

void requirePartPrices(Database& db) {
  QStringList missing{QStringLiteral("lngNr"), QStringLiteral("strDetaljnummer"),
                      QStringLiteral("sngPris")};
  bool table = false;
  Statement columns = db.prepare(QStringLiteral("PRAGMA table_info(tblDetaljPr);"));
  while (columns.next()) {
    table = true;
    missing.removeIf([&](const QString& name) {
      return name.compare(columns.text(1).value_or(QString()), Qt::CaseInsensitive) == 0;
    });
  }
  const QString file = QFileInfo(db.file()).absoluteFilePath();
  if (!table)
    throw DatabaseError(file, QCoreApplication::translate(
                                  "Prices",
                                  "The database has no table tblDetaljPr (the parts and their "
                                  "prices): it is not a parts database of the program."));
  if (!missing.isEmpty())
    throw DatabaseError(file, QCoreApplication::translate(
                                  "Prices",
                                  "The table tblDetaljPr (the parts and their prices) has no "
                                  "column %1.")
                                  .arg(missing.join(QStringLiteral(", "))));
}

QString setAsidePriceHistory(Database& db, const QDateTime& now) {
  Transaction transaction = db.transaction();
  QString name, type, sql;
  {
    Statement find = db.prepare(
        QStringLiteral("SELECT name, type, sql FROM sqlite_master WHERE type IN ('table', 'view')"
                       " AND name = 'tblPriceHistory' COLLATE NOCASE;"));
    if (!find.next()) return {};
    name = find.text(0).value_or(QString());
    type = find.text(1).value_or(QString());
    sql = find.text(2).value_or(QString());
  }
  const QString base = kPriceHistoryTable + QStringLiteral("_set_aside_") +
                       now.toString(QStringLiteral("yyyyMMdd_HHmmss"));
  QString aside = base;
  for (int n = 2; nameTaken(db, aside); ++n) aside = base + QStringLiteral("_%1").arg(n);

  if (type == u"view") {
    // A view is made again under the new name from its own text, which the engine keeps as
    // "CREATE VIEW name ...".
    static const QRegularExpression head(
        QStringLiteral("^\\s*CREATE\\s+VIEW\\s+(\"(?:[^\"]|\"\")*\"|\\[[^\\]]*\\]|`(?:[^`]|``)*`|"
                       "'(?:[^']|'')*'|[^\\s(]+)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = head.match(sql);
    if (!match.hasMatch())
      throw DatabaseError(
          QFileInfo(db.file()).absoluteFilePath(),
          QCoreApplication::translate(
              "Prices", "The view %1 cannot be renamed: its definition is not readable.")
              .arg(withControlsEscaped(name)));
    db.execute(sql.left(match.capturedStart(1)) + quotedName(aside) +
               sql.mid(match.capturedEnd(1)) + QStringLiteral(";"));
    db.execute(QStringLiteral("DROP VIEW %1;").arg(quotedName(name)));
  } else {
    // Its indexes go, so that the new history can make its own under the same names.
    QStringList indexes;
    {
      Statement find = db.prepare(
          QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL"
                         " AND tbl_name = ?1;"));
      find.bind(1, name);
      while (find.next()) indexes << find.text(0).value_or(QString());
    }
    for (const QString& index : indexes)
      db.execute(QStringLiteral("DROP INDEX %1;").arg(quotedName(index)));
    db.execute(
        QStringLiteral("ALTER TABLE %1 RENAME TO %2;").arg(quotedName(name), quotedName(aside)));
  }
  transaction.commit([&](Database& fresh) { return nameTaken(fresh, aside); });
  return aside;
}

qint64 newestPriceEvent(Database& db) {
  if (!hasPriceHistory(db)) return 0;
  Statement last = db.prepare(QStringLiteral("SELECT MAX(lngEvent) FROM tblPriceHistory;"));
  last.next();
  return last.integer(0).value_or(0);
}

void recordPriceEvent(Database& db, PriceEvent& event) {
  // The newest number is checked to be in range first, so the next one is too.
  event.id = newestPriceEvent(db) + 1;
  createPriceHistoryTable(db);
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
  requirePartPrices(db);
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

QHash<qint64, QString> readPartDescriptions(Database& db, const QString& languageKey) {
  QHash<qint64, QString> descriptions;
  const std::optional<Variant> variant = variantByKey(languageKey);
  if (!variant) return descriptions;
  bool hasColumn = false;
  {
    Statement columns = db.prepare(QStringLiteral("PRAGMA table_info(tblDetaljPr);"));
    while (columns.next())
      hasColumn = hasColumn || columns.text(1).value_or(QString()).compare(
                                   variant->descriptionColumn, Qt::CaseInsensitive) == 0;
  }
  if (!hasColumn) return descriptions;
  Statement read = db.prepare(
      QStringLiteral("SELECT lngNr, %1 FROM tblDetaljPr;").arg(variant->descriptionColumn));
  while (read.next()) {
    const std::optional<qint64> part = read.integer(0);
    const QString description = read.text(1).value_or(QString());
    if (part && !description.isEmpty() && !description.startsWith(QLatin1Char('?')))
      descriptions.insert(*part, description);
  }
  return descriptions;
}

QString priceHistoryReport(const std::vector<PriceEvent>& events,
                           const QHash<qint64, QString>& descriptions) {
  if (events.empty())
    return QCoreApplication::translate("Prices", "No price has been imported or changed yet.\n");
  QString text;
  for (const PriceEvent& e : events) {
    // File names and ordering numbers come from files: an escape sequence in one must not
    // reach the terminal.
    const QString source = withControlsEscaped(e.source);
    QString what;
    switch (e.kind) {
      case PriceEventKind::Import:
        what = QCoreApplication::translate("Prices", "Import of %1").arg(source);
        break;
      case PriceEventKind::Edit:
        what = QCoreApplication::translate("Prices", "Edited in the %1").arg(source);
        break;
      case PriceEventKind::Undo:
        what = QCoreApplication::translate("Prices", "Undo of import %1 (%2)")
                   .arg(e.undoes.value_or(0))
                   .arg(source);
        break;
    }
    text +=
        QStringLiteral("%1  %2. %3: %4 %5\n")
            .arg(withControlsEscaped(e.when))
            .arg(e.id)
            .arg(what)
            .arg(e.changes.size())
            .arg(e.changes.size() == 1 ? QCoreApplication::translate("Prices", "price changed")
                                       : QCoreApplication::translate("Prices", "prices changed"));
    for (const PriceChange& c : e.changes) {
      text += QStringLiteral("    %1  %2  ->  %3")
                  .arg(withControlsEscaped(c.orderingNumber).leftJustified(14))
                  .arg(priceText(c.oldPrice), 10)
                  .arg(priceText(c.newPrice), 10);
      const QString description = descriptions.value(c.part);
      if (!description.isEmpty()) text += QStringLiteral("  ") + shortDescription(description);
      text += QLatin1Char('\n');
    }
  }
  return text;
}
