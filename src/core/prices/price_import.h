// Puts a new price list into the parts database, and takes an import back. Every part is reset
// and then priced from the list, and the history records what changed, all in one transaction,
// so that a list that fails leaves every price as it was.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "prices/price_file.h"
#include "prices/price_history.h"

class Database;

// The placeholder part that empty cells of the part matrix point at; it is never repriced.
inline constexpr int kPlaceholderPart = 0;

// What an import does, or would do, to the parts' prices.
struct PriceImportSummary {
  int newPrice = 0;     // named by the list, at another price than before
  int unchanged = 0;    // named, at the price it had
  int setToZero = 0;    // not named, and its price was not 0
  int alreadyZero = 0;  // not named, and its price was 0
  // Each part whose price changes: those set to 0 first, then the others, each group by
  // ordering number.
  std::vector<PriceChange> changes;
};

struct PriceImportOptions {
  QString source;       // the file's name, for the history
  bool dryRun = false;  // read and compare only: the database is not written to
  QString when = priceHistoryNow();
};

// Gives every part of tblDetaljPr but the placeholder the price of the last entry whose ordering
// number equals its own exactly, or 0 when no entry names it, writes the prices and records the
// changes in the history, in one transaction. Entries that name no part are ignored. Throws
// PriceReadError when an entry that names a part has no price or one outside 0 to kMaxPrice,
// and DatabaseError when the database refuses; either way nothing has been changed. An error
// the engine reports after the commit, with the prices and the history in the file all the
// same, is no failure: the file is read again to tell.
PriceImportSummary importPrices(Database& db, const std::vector<PriceEntry>& entries,
                                const PriceImportOptions& options = {});

// The same on the database file, opened with the program's connect string for the import only.
PriceImportSummary importPrices(const QString& databaseFile, const std::vector<PriceEntry>& entries,
                                const PriceImportOptions& options = {});

// What taking back the newest import not yet undone does, or would do.
struct PriceUndoSummary {
  PriceEvent import;                 // the import taken back, with its changes
  std::vector<PriceChange> changes;  // each part back at its price from before the import
  // The parts edited in the price list since the import: they keep the edited price.
  std::vector<PriceChange> kept;
  qint64 newestEvent = 0;  // the history's newest event when the summary was made
};

// An undo that was to take back what a summary showed, and found the history or the prices
// changed since (another program imported, say): nothing has been changed.
class PriceHistoryChanged : public Failure {
 public:
  using Failure::Failure;
};

// Puts back, for each part the newest import not yet undone changed, the price it had before
// that import, except for the parts edited in the price list since, and records the undo; one
// transaction. Another undo then goes one import further back. None when no import is left to
// undo. With `shown`, the summary the user agreed to, the undo is done only when it would do
// exactly that: the same import is the last one not undone, nothing was recorded after the
// summary was made, and the same prices go back; otherwise it throws PriceHistoryChanged.
// Throws DatabaseError, or Failure for a history the program cannot trust; nothing has then been
// changed. An error past the commit is told as the import's is.
std::optional<PriceUndoSummary> undoLastImport(Database& db, const PriceImportOptions& options = {},
                                               const PriceUndoSummary* shown = nullptr);
std::optional<PriceUndoSummary> undoLastImport(const QString& databaseFile,
                                               const PriceImportOptions& options = {},
                                               const PriceUndoSummary* shown = nullptr);

// The summaries as text, for the confirmation window and the command line alike. Texts from
// files (ordering numbers, file names) show their control characters escaped.
QString priceImportReport(const PriceImportSummary& summary);
QString priceUndoReport(const PriceUndoSummary& summary);
