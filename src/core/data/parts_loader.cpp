// The load of the parts database into the program state.
#include "data/parts_loader.h"

#include <array>

#include "common/variants.h"
#include "data/database.h"
#include "data/parts_data.h"

namespace {

// Row 1 of the model columns 11 to 38 holds these hoist parts, whatever the database says.
constexpr std::array<std::int32_t, 28> kFixedHoistParts{
    77, 78, 79, 80, 81,  82,  83,  84,  85,  86,  87,  88,  89,  90,
    91, 6,  7,  8,  102, 103, 104, 105, 106, 107, 108, 109, 120, 121};
constexpr int kFirstFixedColumn = 11;
constexpr int kDatabaseModelColumns = 18;

void loadPartMatrix(Database& db, PartsData& state) {
  Statement rows = db.prepare(partMatrixSql());
  int r = 0;
  while (rows.next()) {
    ++r;
    if (r > 50) throw RecordOutOfBounds(QStringLiteral("tblDetaljer"), QString::number(r));
    for (int c = 1; c <= kDatabaseModelColumns; ++c) {
      const std::optional<qint64> part = rows.integer(c);
      state.PartMatrix(r, c) =
          part ? std::optional<std::int32_t>(static_cast<std::int32_t>(*part)) : std::nullopt;
    }
  }
  for (std::size_t i = 0; i < kFixedHoistParts.size(); ++i)
    state.PartMatrix(1, kFirstFixedColumn + static_cast<int>(i)) = kFixedHoistParts[i];
}

QString recordName(const std::optional<qint64>& number) {
  return number ? QString::number(*number) : QStringLiteral("(no number)");
}

void loadTexts(Database& db, const QString& languageKey, PartsData& state) {
  Statement rows = db.prepare(textCatalogueSql(languageKey));
  while (rows.next()) {
    const std::optional<qint64> n = rows.integer(0);
    if (!n || !TextCatalogueArray::holds(*n))
      throw RecordOutOfBounds(QStringLiteral("tblSprak"), recordName(n));
    if (const std::optional<QString> text = rows.text(1)) state.TextCatalogue.store(*n, *text);
  }
}

void loadParts(Database& db, const QString& languageKey, PartsData& state) {
  Statement rows = db.prepare(partsSql(languageKey));
  int count = 0;
  while (rows.next()) {
    const std::optional<qint64> k = rows.integer(0);
    if (!k || !decltype(state.PartDescription)::inBounds(*k))
      throw RecordOutOfBounds(QStringLiteral("tblDetaljPr"), recordName(k));
    if (const std::optional<QString> description = rows.text(1))
      state.PartDescription[*k] = *description;
    if (const std::optional<QString> number = rows.text(2)) state.PartNumber[*k] = *number;
    state.PartPrice[*k] = rows.real(3);
    ++count;
  }
  state.PartCount = static_cast<std::int16_t>(count);
}

}  // namespace

RecordOutOfBounds::RecordOutOfBounds(const QString& table, const QString& record)
    : Failure(Problem{Problem::Kind::Database,
                      QStringLiteral("Table %1, record %2").arg(table, record),
                      QStringLiteral("The record number lies outside the range the program "
                                     "allows."),
                      std::nullopt}) {}

QString partMatrixSql() {
  return QStringLiteral(
      "SELECT DISTINCTROW tblDetaljer.intIndex, tblDetaljer.PXH200, tblDetaljer.PXH250, "
      "tblDetaljer.PXH500, tblDetaljer.PXH1000, "
      "tblDetaljer.PXH2500, tblDetaljer.PXH5000, tblDetaljer.PXH250_SR, tblDetaljer.PXH500_SR, "
      "tblDetaljer.PXH1250_SR, "
      "tblDetaljer.PXH1000OP, tblDetaljer.PXH250US, tblDetaljer.PXH500US, tblDetaljer.PXH1000US, "
      "tblDetaljer.PXH3000US, "
      "tblDetaljer.PXH6000US, tblDetaljer.PXH250_SR_US, tblDetaljer.PXH500_SR_US, "
      "tblDetaljer.PXH1250_SR_US "
      "FROM tblDetaljer; ");
}

QString textCatalogueSql(const QString& languageKey) {
  const std::optional<Variant> v = variantByKey(languageKey);
  if (!v) return {};
  return QStringLiteral("SELECT DISTINCTROW tblSprak.lngNr, tblSprak.%1 ").arg(v->textColumn) +
         QStringLiteral(" FROM tblSprak; ");
}

QString partsSql(const QString& languageKey) {
  const std::optional<Variant> v = variantByKey(languageKey);
  if (!v) return {};
  return QStringLiteral(
             "SELECT DISTINCTROW tblDetaljPr.lngNr, tblDetaljPr.%1, tblDetaljPr.strDetaljnummer, "
             "tblDetaljPr.sngPris ")
             .arg(v->descriptionColumn) +
         QStringLiteral(" FROM tblDetaljPr; ");
}

void loadPartsDatabase(const QString& databaseFile, const QString& languageKey, PartsData& data) {
  Database db = Database::open(databaseFile, kConnectString);
  loadPartMatrix(db, data);
  loadTexts(db, languageKey, data);
  loadParts(db, languageKey, data);
}

std::shared_ptr<const EveryVariantData> loadEveryVariant(const QString& databaseFile) {
  Database db = Database::open(databaseFile, kConnectString, Database::Mode::ReadOnly);
  auto every = std::make_shared<EveryVariantData>();
  // One read transaction: an import that commits meanwhile is either wholly in the data or not
  // at all, never in some variants' prices and not in others.
  db.execute(QStringLiteral("BEGIN"));
  for (int i = 0; i < kVariantCount; ++i) {
    const Variant variant = *variantByIndex(i);
    PartsData& data = every->variants[static_cast<std::size_t>(i)];
    loadPartMatrix(db, data);
    loadTexts(db, variant.languageKey, data);
    loadParts(db, variant.languageKey, data);
  }
  db.execute(QStringLiteral("COMMIT"));
  return every;
}
