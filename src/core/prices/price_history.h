// The history of the prices, kept in the parts database: every import, every price edited in the
// price list and every undo of an import, with each part it changed and that part's old and new
// price.
//
// The history is one table. A database from before the history has none; it is made by the
// first change that is recorded, in that change's transaction, so that reading a database never
// writes to it.
//
// A table of the history's name that the program did not write (a view, other columns, event
// numbers that are not whole numbers from 1 up) is neither read nor written to: every function
// here that meets one throws a Failure of kind Database that names it and the command that sets
// it aside (setAsidePriceHistory).
#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>
#include <optional>
#include <vector>

class Database;

enum class PriceEventKind { Import, Edit, Undo };

// One part's price before and after a change, each exactly as the database holds it, so that an
// undo puts back the very value it replaced. A price the database holds none for is empty.
struct PriceChange {
  qint64 part = 0;  // tblDetaljPr.lngNr
  QString orderingNumber;
  std::optional<double> oldPrice;
  std::optional<double> newPrice;
};

struct PriceEvent {
  qint64 id = 0;  // the order the events happened in, from 1
  QString when;   // local time, "2026-12-07 14:05:31"
  PriceEventKind kind = PriceEventKind::Import;
  QString source;                // the file's name, or the price list window
  std::optional<qint64> undoes;  // of an undo: the import it took back
  std::vector<PriceChange> changes;
};

// What the history calls the price list window as the source of an edit.
inline const QString kPriceListWindowSource = QStringLiteral("price list window");

// The history's table, and the command line option that renames a table of its name aside.
inline const QString kPriceHistoryTable = QStringLiteral("tblPriceHistory");
inline const QString kSetAsidePriceHistoryOption = QStringLiteral("--set-aside-price-history");
// The largest event number the history takes as its own: far below where adding one could
// overflow, and held exactly by a double.
inline constexpr qint64 kMaxPriceEventId = qint64{1} << 53;

// Makes the history table, empty, unless the database has it.
void createPriceHistoryTable(Database& db);

// Whether the database holds the history table yet. Throws Failure (kind Database, naming the
// table) when it holds one the program cannot trust: see above.
bool hasPriceHistory(Database& db);

// Checks that the database holds the parts with their prices (tblDetaljPr with lngNr,
// strDetaljnummer and sngPris), which every price command works on. Throws DatabaseError naming
// the table or the column that is missing.
void requirePartPrices(Database& db);

// Renames the history table (or a view of its name) to tblPriceHistory_set_aside_YYYYMMDD_HHMMSS
// of `now`, its indexes dropped, in one transaction; the next change recorded starts a new, empty
// history. The new name, or empty when there is nothing of the history's name. Throws
// DatabaseError.
QString setAsidePriceHistory(Database& db, const QDateTime& now = QDateTime::currentDateTime());

// The newest event's id, 0 without any. Throws as hasPriceHistory.
qint64 newestPriceEvent(Database& db);

// Adds the event with its changes, within the caller's transaction, and gives it the next id.
// Makes the table first when the database has none. Throws DatabaseError.
void recordPriceEvent(Database& db, PriceEvent& event);

// Whether the database holds the event as recordPriceEvent wrote it, and every part it changed
// at its new price: after an error the engine reported past a commit, this tells whether the
// change went in. Throws DatabaseError.
bool priceEventIsStored(Database& db, const PriceEvent& event);

// Every event, newest first, with its changes in the order they were recorded. Empty for a
// database without the table. Throws DatabaseError.
std::vector<PriceEvent> readPriceHistory(Database& db);

// The newest import that no undo has taken back yet, with its changes; none when there is none.
std::optional<PriceEvent> lastImportNotUndone(Database& db);

// The parts whose price was edited in the price list after the event.
std::vector<qint64> partsEditedAfter(Database& db, qint64 eventId);

// The current time as the history writes it.
QString priceHistoryNow();

// The descriptions of the parts by record number, in the language of the variant of the given
// LanguageKey: those the price list shows too (not empty, not starting with "?"). None for a key
// the program does not know or a parts table without the language's column. Throws
// DatabaseError.
QHash<qint64, QString> readPartDescriptions(Database& db, const QString& languageKey);

// How many characters of a description the history shows; a longer one is cut, ending in "…".
inline constexpr int kHistoryDescriptionWidth = 30;

// The history as text, newest event first, for the command line and the history window alike:
// each part changed by ordering number, old and new price, and its description where
// `descriptions` has one (by record number), cut to kHistoryDescriptionWidth. Texts from files
// (ordering numbers, descriptions, file names) show their control characters escaped.
QString priceHistoryReport(const std::vector<PriceEvent>& events,
                           const QHash<qint64, QString>& descriptions = {});
