// Puts a new price list into the parts database: every part is reset and then priced from the
// list, all in one transaction, so that a list that fails leaves every price as it was.
#pragma once

#include <QString>
#include <vector>

#include "prices/price_file.h"

class Database;

struct PriceImportResult {
  int partsWritten = 0;  // parts whose price was written (every part but the placeholder)
  int partsPriced = 0;   // of those, the parts that the list named
};

// The placeholder part that empty cells of the part matrix point at; it is never repriced.
inline constexpr int kPlaceholderPart = 0;

// Gives every part of tblDetaljPr but the placeholder the price of the last entry whose ordering
// number equals its own exactly, or 0 when no entry names it, and writes the prices in one
// transaction. Entries that name no part are ignored. Throws PriceReadError when an entry that
// names a part has no price, and DatabaseError when the database refuses; either way nothing
// has been changed.
PriceImportResult importPrices(Database& db, const std::vector<PriceEntry>& entries);

// The same on the database file, opened with the program's connect string for the import only.
PriceImportResult importPrices(const QString& databaseFile, const std::vector<PriceEntry>& entries);
