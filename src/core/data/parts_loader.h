// Reads the part matrix, the text catalogue and the parts of the active variant from the parts
// database into the program state.
#pragma once

#include <QString>
#include <array>
#include <memory>

#include "common/problem.h"
#include "common/variants.h"
#include "data/parts_data.h"

// The connect string of the parts database; its password is the file's key.
inline const QString kConnectString = QStringLiteral(";pwd=QUINTARO");

// A record whose number lies outside the program's arrays: a problem of kind Database that
// names the table and the record.
class RecordOutOfBounds : public Failure {
 public:
  RecordOutOfBounds(const QString& table, const QString& record);
};

// The queries of the load, as the program has always phrased them.
QString partMatrixSql();
QString textCatalogueSql(const QString& languageKey);  // empty for an unknown key
QString partsSql(const QString& languageKey);          // empty for an unknown key

// Opens the database file (relative to the current directory), reads the three tables of the
// variant into the data and closes the file. Elements that no record writes keep their values, so
// that after a change of variant a text or description missing in the new language stays as it was;
// a null text, a null description and a null ordering number count as missing in the same way.
// Throws DatabaseError when the file cannot be read and RecordOutOfBounds for a record number
// outside the program's arrays; the data may then be partly written.
void loadPartsDatabase(const QString& databaseFile, const QString& languageKey, PartsData& data);

// The parts data of all eight variants, read at one moment: what a reader that serves every
// language at once (the quote service) holds as one value, and replaces whole when the prices
// change.
struct EveryVariantData {
  std::array<PartsData, kVariantCount> variants;
  const PartsData& of(VariantId id) const { return variants[static_cast<std::size_t>(id)]; }
};

// Opens the database read-only and reads every variant's data in one read transaction, so that a
// price import committed meanwhile is in all of it or in none. Throws as loadPartsDatabase does.
std::shared_ptr<const EveryVariantData> loadEveryVariant(const QString& databaseFile);
