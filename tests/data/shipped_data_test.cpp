// Checks over the parts database the program ships: every text it reads, well-formed parts, and
// real parts behind every configuration the main window can reach in every variant.
#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QStringList>
#include <map>
#include <optional>
#include <vector>

#include "configurator/model_catalogue.h"
#include "configurator/model_rules.h"
#include "data/database.h"
#include "data/parts_data.h"
#include "data/parts_loader.h"
#include "startup/variants.h"

namespace {

const char* const kDescriptionColumns[] = {"strEngelska",   "strUSAMetric", "strImperial",
                                           "strFranska",    "strSpanska",   "strPortugisiska",
                                           "strItalienska", "strTyska"};
constexpr int kDescriptionColumnCount = 8;
constexpr int kPartCount = 131;  // record numbers 0 to 130
constexpr int kPartRows = 44;
constexpr int kModelColumns = 18;

Database openShipped() {
  QDir::setCurrent(QStringLiteral(TELMARIS_PROGRAM_DIR));
  return Database::open(QStringLiteral("Telmaris.mdb"), kConnectString);
}

PartsData loadShipped(const QString& languageKey) {
  QDir::setCurrent(QStringLiteral(TELMARIS_PROGRAM_DIR));
  PartsData data;
  loadPartsDatabase(QStringLiteral("Telmaris.mdb"), languageKey, data);
  return data;
}

std::vector<Variant> allVariants() {
  std::vector<Variant> variants;
  for (int i = 0; i < kVariantCount; ++i) variants.push_back(*variantByIndex(i));
  return variants;
}

// The price list window hides a part whose description is empty or starts with "?": the market
// of that column does not sell it, so an ordering list must never need it there.
bool sells(const QString& description) {
  return !description.isEmpty() && !description.startsWith(QLatin1Char('?'));
}

struct PartRecord {
  std::optional<QString> descriptions[kDescriptionColumnCount];
  std::optional<QString> number;
  std::optional<double> price;
};

std::map<int, PartRecord> readParts(Database& db) {
  Statement s = db.prepare(QStringLiteral(
      "SELECT lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, "
      "strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris FROM tblDetaljPr"));
  std::map<int, PartRecord> parts;
  while (s.next()) {
    PartRecord p;
    for (int c = 0; c < kDescriptionColumnCount; ++c) p.descriptions[c] = s.text(1 + c);
    p.number = s.text(9);
    p.price = s.real(10);
    parts[static_cast<int>(*s.integer(0))] = p;
  }
  return parts;
}

// Every text number some window, message or printout of the program reads.
const int kTextsRead[] = {
    // captions of the main window and Form2
    1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 14, 16, 17, 20, 21, 22, 23, 26, 29, 30, 31, 32, 33, 34, 35,
    36, 37, 38, 39, 40, 41, 42, 43, 55, 65, 78, 79, 80, 109, 114, 119, 121, 126, 127, 128,
    // messages, the ordering list, the printed page, the technical data and the price windows
    13, 15, 27, 28, 44, 45, 46, 47, 49, 50, 53, 54, 56, 57, 58, 61, 62, 63, 64, 66, 67, 68, 69, 70,
    71, 72, 73, 74, 75, 76, 77, 81, 111, 112, 113, 115, 116, 117, 118, 120, 122, 123, 124, 125,
    129};

// A part-matrix cell that a reachable configuration of a model reads. Cells behind a rule that
// lists the part only when its number is above 0 may hold 0.
struct Cell {
  int row;
  const char* what;
  bool zeroAllowed = false;
};

// The cells the ordering list can read for a confirmed model, following the main window's rules:
// every hoist control but the hook-mounted one (never offered), 4-button and trolley controls
// with a motor trolley, no manual or narrow trolley for the 5000 class, the overload device only
// where it is optional and listed, the safety hook only where offered, and the chain collector
// size rows of the model's group. The oil-polished chain (row 11) needs the chain-type frame,
// which no step shows.
std::vector<Cell> cellsRead(const QString& model, int modelIndex) {
  const bool light = isLightGroup(modelIndex);
  std::vector<Cell> cells{
      {7, "pull chain"},
      {9, "2-button trolley control"},
      {10, "trolley control hose"},
      {13, "2-button hoist control"},
      {14, "hoist control hose"},
      {16, "4-button control"},
      {17, "4-button control hose"},
      {18, "twist rod"},
      {19, "twist rod extension"},
      {20, "articulation"},
      {30, "chain stop"},
      {39, "mounting of accessories"},
      {40, "load chain"},
      {44, "motor trolley, wide"},
  };
  const bool fiveThousandClass =
      model.startsWith(QLatin1String("PXH 5000")) || model.startsWith(QLatin1String("PXH 6000"));
  if (!fiveThousandClass) {
    cells.push_back({41, "manual trolley, narrow"});
    cells.push_back({42, "manual trolley, wide"});
    cells.push_back({43, "motor trolley, narrow"});
  }
  if (overloadIsOrderedSeparately(modelIndex, model) &&
      overloadOffer(modelIndex, model) != OverloadOffer::NotAvailable)
    cells.push_back({28, "overload protection device"});
  if (offersSafetyHook(modelIndex)) cells.push_back({29, "safety hook", true});
  const std::vector<int> collectorRows =
      light ? std::vector<int>{22, 24, 25, 26, 27} : std::vector<int>{23, 25, 26};
  for (int row : collectorRows) cells.push_back({row, "chain collector", true});
  return cells;
}

// The hoists of the in-memory columns that no model name selects; the others come from the model
// catalogue.
const std::map<int, QString>& unselectedHoists() {
  static const std::map<int, QString> hoists{
      {7, "PXH 250-SR"},     {8, "PXH 500-SR"},     {9, "PXH 1250-SR"},     {11, "PXH 250 US"},
      {12, "PXH 500 US"},    {13, "PXH 1000 US"},   {14, "PXH 3000 US"},    {15, "PXH 6000 EX"},
      {16, "PXH 250-SR US"}, {17, "PXH 500-SR US"}, {18, "PXH 1250-SR US"}, {19, "PXH 250 P2"},
      {20, "PXH 250 P4"},    {21, "PXH 500 P2"},    {22, "PXH 500 P4"},     {23, "PXH 1000 P2"},
      {25, "PXH 1000 P4"},   {26, "PXH 5000 EX"},   {27, "PXH 250-SR"},     {28, "PXH 500-SR"},
      {36, "PXH 6000L EX"},
  };
  return hoists;
}

QStringList modelsOf(const QString& key) {
  QStringList names = recognisedModelNames(key);
  for (bool lubeFree : {false, true})
    for (const QString& n : modelListNames(key, lubeFree).value_or(QStringList()))
      if (!names.contains(n)) names << n;
  return names;
}

}  // namespace

TEST(ShippedData, TextsTheProgramReadsArePresentInEveryLanguage) {
  for (const Variant& v : allVariants()) {
    const PartsData state = loadShipped(v.languageKey);
    for (int n : kTextsRead)
      EXPECT_FALSE(state.TextCatalogue[n].trimmed().isEmpty())
          << "text " << n << " is missing in " << v.textColumn.toStdString() << " (variant '"
          << v.languageKey.toStdString() << "')";
    // The totals of the ordering list leave 22 characters for these labels.
    for (int n : {62, 63, 64})
      EXPECT_LE(state.TextCatalogue[n].size(), 22)
          << "text " << n << " '" << state.TextCatalogue[n].toStdString() << "' in "
          << v.textColumn.toStdString() << " is too long for the total lines";
  }
}

TEST(ShippedData, PartsHaveUniqueWellFormedNumbersPricesAndDescriptions) {
  Database db = openShipped();
  const std::map<int, PartRecord> parts = readParts(db);

  EXPECT_EQ(parts.size(), static_cast<std::size_t>(kPartCount));
  for (int k = 0; k < kPartCount; ++k) EXPECT_TRUE(parts.count(k)) << "part " << k << " missing";

  const QRegularExpression form(QStringLiteral("^\\d{4} \\d{4} \\d{2}$"));
  std::map<QString, int> owner;
  for (const auto& [k, p] : parts) {
    ASSERT_TRUE(p.number.has_value()) << "part " << k << " has no ordering number";
    const QString number = *p.number;
    EXPECT_TRUE(form.match(number).hasMatch())
        << "part " << k << ": ordering number '" << number.toStdString() << "'";
    if (k == 0) {
      EXPECT_EQ(number, "0000 0000 00");
    } else {
      EXPECT_NE(number, "0000 0000 00") << "part " << k << " has the empty position's number";
      const auto [it, fresh] = owner.emplace(number, k);
      EXPECT_TRUE(fresh) << "ordering number " << number.toStdString() << " of part " << k
                         << " is also part " << it->second << "'s";
    }

    ASSERT_TRUE(p.price.has_value()) << "part " << k << " has no price";
    EXPECT_GE(*p.price, 0.0) << "part " << k;

    for (int c = 0; c < kDescriptionColumnCount; ++c) {
      ASSERT_TRUE(p.descriptions[c].has_value())
          << "part " << k << " has no " << kDescriptionColumns[c];
      const QString d = *p.descriptions[c];
      // The ordering list prints descriptions in a 40-character field.
      EXPECT_LE(d.size(), 40) << "part " << k << " " << kDescriptionColumns[c] << " '"
                              << d.toStdString() << "'";
      if (k == 0) {
        EXPECT_EQ(d, "-") << kDescriptionColumns[c];
      }
    }
  }

  // The part matrix: 44 part rows in order, every cell a part that exists.
  Statement s = db.prepare(QStringLiteral(
      "SELECT intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, "
      "PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, "
      "PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US FROM tblDetaljer"));
  int row = 0;
  while (s.next()) {
    ++row;
    EXPECT_EQ(s.integer(0), row) << "the part rows are out of order";
    for (int c = 1; c <= kModelColumns; ++c) {
      const std::optional<qint64> part = s.integer(c);
      ASSERT_TRUE(part.has_value()) << "row " << row << ", column " << c << " is empty";
      EXPECT_TRUE(parts.count(static_cast<int>(*part)))
          << "row " << row << ", column " << c << " names part " << *part << ", which is missing";
    }
  }
  EXPECT_EQ(row, kPartRows);
}

TEST(ShippedData, EveryReachableCellNamesAPartTheVariantSells) {
  for (const Variant& v : allVariants()) {
    const QString key = v.languageKey;
    const PartsData state = loadShipped(key);
    const std::string where =
        "variant '" + key.toStdString() + "' (" + v.descriptionColumn.toStdString() + ")";
    // A cell must name a part that this variant's price list shows.
    auto expectSold = [&](std::optional<std::int32_t> part, const std::string& what,
                          bool zeroAllowed) {
      ASSERT_TRUE(part.has_value()) << what << ": empty cell";
      if (zeroAllowed && *part == 0) return;
      ASSERT_TRUE(*part > 0 && *part < kPartCount) << what << ": part " << *part;
      const QString d = state.PartDescription[*part];
      EXPECT_TRUE(sells(d)) << what << ": part " << *part << " reads '" << d.toStdString() << "'";
      EXPECT_FALSE(state.PartNumber[*part].isEmpty()) << what;
      EXPECT_TRUE(state.PartPrice[*part].has_value()) << what;
    };

    for (const QString& model : modelsOf(key)) {
      const std::optional<ModelColumns> cols = modelColumns(model, key);
      ASSERT_TRUE(cols.has_value())
          << where << " lists '" << model.toStdString() << "' but does not recognise it";
      const int mi = cols->modelIndex;
      const std::string m = where + ", " + model.toStdString();

      expectSold(state.PartMatrix(1, cols->hoistColumn),
                 m + ", hoist of column " + std::to_string(cols->hoistColumn), false);
      for (const Cell& cell : cellsRead(model, mi))
        expectSold(state.PartMatrix(cell.row, mi),
                   m + ", row " + std::to_string(cell.row) + " (" + cell.what + ") of column " +
                       std::to_string(mi),
                   cell.zeroAllowed);
      if (mi == 2 || mi == 3 || mi == 11 || mi == 12)
        expectSold(126, m + ", stainless-steel chain", false);

      // The ordering list's trolley must be the one the printed page names.
      for (const Cell& cell : cellsRead(model, mi)) {
        if (cell.row < 41) continue;
        const QString designation = trolleyDesignation(model, cell.row >= 43).value_or(QString());
        const std::optional<std::int32_t> part = state.PartMatrix(cell.row, mi);
        if (designation.isEmpty() || !part) continue;
        EXPECT_TRUE(state.PartDescription[*part].contains(designation))
            << m << ", row " << cell.row << ": '" << state.PartDescription[*part].toStdString()
            << "' does not name " << designation.toStdString();
      }
    }
  }
}

TEST(ShippedData, HoistDescriptionsNameTheirModelAndTriggerOnlyTheirOwnMarkings) {
  // The hoist of every column 1 to 38, by name: from the catalogue where a name selects the
  // column, else the hoist that column was made for.
  std::map<int, QString> hoistModel = unselectedHoists();
  for (const Variant& v : allVariants())
    for (const QString& model : recognisedModelNames(v.languageKey)) {
      const int column = modelColumns(model, v.languageKey)->hoistColumn;
      const auto [it, fresh] = hoistModel.emplace(column, model);
      EXPECT_EQ(it->second, model) << "hoist column " << column << " has two names";
    }
  ASSERT_EQ(hoistModel.size(), 38u);

  const PartsData state = loadShipped(QString());  // row 1 is the same in every variant
  Database db = openShipped();
  const std::map<int, PartRecord> parts = readParts(db);

  std::map<int, QString> hoistOfPart;
  for (const auto& [column, model] : hoistModel) {
    const std::optional<std::int32_t> part = state.PartMatrix(1, column);
    ASSERT_TRUE(part && parts.count(*part)) << "hoist column " << column;
    const auto [it, fresh] = hoistOfPart.emplace(*part, model);
    EXPECT_EQ(it->second, model) << "part " << *part << " is the hoist of two models";
    // The marking is gas group C for a hoist whose description contains "SR", so only the SR
    // models may carry those letters, in any language.
    const bool sr = model.contains(QLatin1String("SR"));
    for (int c = 0; c < kDescriptionColumnCount; ++c) {
      const QString d = parts.at(*part).descriptions[c].value_or(QString());
      if (!sells(d)) continue;
      EXPECT_TRUE(d.startsWith(model + QLatin1Char(' ')))
          << "column " << column << ", part " << *part << " " << kDescriptionColumns[c] << " '"
          << d.toStdString() << "' does not name " << model.toStdString();
      EXPECT_EQ(d.contains(QLatin1String("SR")), sr)
          << "part " << *part << " " << kDescriptionColumns[c] << " '" << d.toStdString() << "'";
    }
  }

  // Any ordering-list line that holds a U model's name gets the phase-out note appended.
  for (const auto& [k, p] : parts)
    for (int c = 0; c < kDescriptionColumnCount; ++c) {
      const QString d = p.descriptions[c].value_or(QString());
      for (const char* uModel : {"PXH 1000 U EX", "PXH 1000L U EX"}) {
        if (d.contains(QLatin1String(uModel))) {
          EXPECT_EQ(hoistOfPart.count(k) ? hoistOfPart.at(k) : QString(), uModel)
              << "part " << k << " " << kDescriptionColumns[c] << " '" << d.toStdString() << "'";
        }
      }
    }
}
