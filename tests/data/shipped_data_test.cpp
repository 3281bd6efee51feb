// Checks over the parts database the program ships: every text it reads, well-formed parts, and
// real parts behind every configuration the main window can reach in every variant.
#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QStringList>
#include <map>
#include <optional>
#include <vector>

#include "common/variants.h"
#include "configurator/model_catalogue.h"
#include "configurator/model_rules.h"
#include "data/database.h"
#include "data/parts_data.h"
#include "data/parts_loader.h"
#include "data/program_directory.h"

namespace {

const char* const kDescriptionColumns[] = {"strEngelska",   "strUSAMetric", "strImperial",
                                           "strFranska",    "strSpanska",   "strPortugisiska",
                                           "strItalienska", "strTyska"};
constexpr int kPartCount = 131;  // record numbers 0 to 130

const ProgramDirectory kShipped(QStringLiteral(TELMARIS_PROGRAM_DIR));

Database openShipped() {
  return Database::open(kShipped.database(), kConnectString);
}

PartsData loadShipped(const QString& languageKey) {
  PartsData data;
  loadPartsDatabase(kShipped.database(), languageKey, data);
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
  std::optional<QString> descriptions[8];
  std::optional<QString> number;
  std::optional<double> price;
};

std::map<int, PartRecord> readParts(Database& db) {
  Statement s = db.prepare(QStringLiteral(
      "SELECT lngNr, strEngelska, strUSAMetric, strImperial, strFranska, strSpanska, "
      "strPortugisiska, strItalienska, strTyska, strDetaljnummer, sngPris FROM tblDetaljPr"));
  std::map<int, PartRecord> parts;
  while (s.next()) {
    PartRecord& p = parts[static_cast<int>(*s.integer(0))];
    for (int c = 0; c < 8; ++c) p.descriptions[c] = s.text(1 + c);
    p.number = s.text(9);
    p.price = s.real(10);
  }
  return parts;
}

// Every text number some window, message or printout of the program reads.
const int kTextsRead[] = {
    1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  12,  13,  14,  15,  16,  17,  20,  21,  22,
    23,  26,  27,  28,  29,  30,  31,  32,  33,  34,  35,  36,  37,  38,  39,  40,  41,  42,  43,
    44,  45,  46,  47,  49,  50,  53,  54,  55,  56,  57,  58,  61,  62,  63,  64,  65,  66,  67,
    68,  69,  70,  71,  72,  73,  74,  75,  76,  77,  78,  79,  80,  81,  109, 111, 112, 113, 114,
    115, 116, 117, 118, 119, 120, 121, 122, 123, 124, 125, 126, 127, 128, 129};

// A part-matrix cell that a reachable configuration of a model reads; a cell behind a rule that
// lists the part only when its number is above 0 may hold 0.
struct Cell {
  int row;
  bool zeroAllowed = false;
};

// The cells the ordering list can read for a confirmed model, following the main window's rules:
// pull chain (7), trolley control and hose (9, 10), 2-button and 4-button controls and their
// hoses (13, 14, 16, 17), twist rod, extension and articulation (18 to 20), chain stop (30),
// mounting (39), load chain (40), the trolleys (41 to 44; only the wide motor one for the 5000
// class), the overload device (28) where it is listed, the safety hook (29) where offered, and
// the chain collector rows of the model's group.
std::vector<Cell> cellsRead(const QString& model, int modelIndex) {
  std::vector<Cell> cells;
  for (int row : {7, 9, 10, 13, 14, 16, 17, 18, 19, 20, 30, 39, 40, 44}) cells.push_back({row});
  if (!model.startsWith(QLatin1String("PXH 5000")) && !model.startsWith(QLatin1String("PXH 6000")))
    for (int row : {41, 42, 43}) cells.push_back({row});
  if (overloadIsOrderedSeparately(modelIndex, model) &&
      overloadOffer(modelIndex, model) != OverloadOffer::NotAvailable)
    cells.push_back({28});
  if (offersSafetyHook(modelIndex)) cells.push_back({29, true});
  for (int row : isLightGroup(modelIndex) ? std::vector<int>{22, 24, 25, 26, 27}
                                          : std::vector<int>{23, 25, 26})
    cells.push_back({row, true});
  return cells;
}

QStringList modelsOf(VariantId variant) {
  QStringList names = recognisedModelNames(variant);
  for (bool lubeFree : {false, true})
    for (const QString& n : modelListNames(variant, lubeFree))
      if (!names.contains(n)) names << n;
  return names;
}

}  // namespace

TEST(ShippedData, TextsTheProgramReadsArePresentInEveryLanguage) {
  for (const Variant& v : allVariants()) {
    const TextCatalogueArray& texts = loadShipped(v.languageKey).TextCatalogue;
    const std::string column = v.textColumn.toStdString();
    for (int n : kTextsRead)
      EXPECT_FALSE(texts[static_cast<Text>(n)].trimmed().isEmpty())
          << "text " << n << " is missing in " << column;
    // The totals of the ordering list leave 22 characters for these labels.
    for (int n : {62, 63, 64})
      EXPECT_LE(texts[static_cast<Text>(n)].size(), 22) << "text " << n << " in " << column;
  }
}

TEST(ShippedData, PartsHaveUniqueWellFormedNumbersPricesAndDescriptions) {
  Database db = openShipped();
  const std::map<int, PartRecord> parts = readParts(db);
  ASSERT_EQ(parts.size(), static_cast<std::size_t>(kPartCount));
  ASSERT_TRUE(parts.begin()->first == 0 && parts.rbegin()->first == kPartCount - 1);

  const QRegularExpression form(QStringLiteral("^\\d{4} \\d{4} \\d{2}$"));
  std::map<QString, int> owner;
  for (const auto& [k, p] : parts) {
    ASSERT_TRUE(p.number && p.price) << "part " << k;
    const QString number = *p.number;
    EXPECT_TRUE(form.match(number).hasMatch()) << "part " << k << ": " << number.toStdString();
    EXPECT_EQ(number == "0000 0000 00", k == 0) << "part " << k;
    const auto [it, fresh] = owner.emplace(number, k);
    EXPECT_TRUE(fresh) << number.toStdString() << " is part " << k << " and " << it->second;
    EXPECT_GE(*p.price, 0.0) << "part " << k;
    for (int c = 0; c < 8; ++c) {
      ASSERT_TRUE(p.descriptions[c]) << "part " << k << " has no " << kDescriptionColumns[c];
      // The ordering list prints descriptions in a 40-character field.
      EXPECT_LE(p.descriptions[c]->size(), 40) << "part " << k << " " << kDescriptionColumns[c];
      if (k == 0) {
        EXPECT_EQ(*p.descriptions[c], "-") << kDescriptionColumns[c];
      }
    }
  }

  // The part matrix: 44 part rows in order, every cell of the 18 model columns a part.
  Statement s = db.prepare(QStringLiteral(
      "SELECT intIndex, PXH200, PXH250, PXH500, PXH1000, PXH2500, PXH5000, PXH250_SR, "
      "PXH500_SR, PXH1250_SR, PXH1000OP, PXH250US, PXH500US, PXH1000US, PXH3000US, PXH6000US, "
      "PXH250_SR_US, PXH500_SR_US, PXH1250_SR_US FROM tblDetaljer"));
  int row = 0;
  while (s.next()) {
    EXPECT_EQ(s.integer(0), ++row) << "the part rows are out of order";
    for (int c = 1; c <= 18; ++c) {
      const std::optional<qint64> part = s.integer(c);
      ASSERT_TRUE(part) << "row " << row << ", column " << c << " is empty";
      EXPECT_TRUE(parts.count(static_cast<int>(*part))) << "row " << row << ", column " << c;
    }
  }
  EXPECT_EQ(row, 44);
}

TEST(ShippedData, EveryReachableCellNamesAPartTheVariantSells) {
  for (const Variant& v : allVariants()) {
    const QString key = v.languageKey;
    const PartsData state = loadShipped(key);
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

    for (const QString& model : modelsOf(v.id)) {
      const std::string m = "variant '" + key.toStdString() + "', " + model.toStdString();
      const std::optional<ModelColumns> cols = modelColumns(model, v.id);
      ASSERT_TRUE(cols.has_value()) << m << " is listed but not recognised";
      const int mi = cols->modelIndex;
      expectSold(state.PartMatrix(1, cols->hoistColumn), m + ", hoist", false);
      for (const Cell& cell : cellsRead(model, mi)) {
        const std::string where = m + ", row " + std::to_string(cell.row);
        expectSold(state.PartMatrix(cell.row, mi), where, cell.zeroAllowed);
        // The ordering list's trolley must be the one the printed page names.
        if (cell.row < 41) continue;
        const QString designation = trolleyDesignation(model, cell.row >= 43).value_or(QString());
        const std::optional<std::int32_t> part = state.PartMatrix(cell.row, mi);
        if (!designation.isEmpty() && part) {
          EXPECT_TRUE(state.PartDescription[*part].contains(designation))
              << where << ": does not name " << designation.toStdString();
        }
      }
      if (mi == 2 || mi == 3 || mi == 11 || mi == 12) expectSold(126, m + ", stainless", false);
    }
  }
}

TEST(ShippedData, HoistDescriptionsNameTheirModelAndTriggerOnlyTheirOwnMarkings) {
  const PartsData state = loadShipped(QString());  // row 1 is the same in every variant
  Database db = openShipped();
  const std::map<int, PartRecord> parts = readParts(db);
  std::map<int, QString> hoistOfPart;
  for (const Variant& v : allVariants())
    for (const QString& model : recognisedModelNames(v.id)) {
      const int column = modelColumns(model, v.id)->hoistColumn;
      const std::optional<std::int32_t> part = state.PartMatrix(1, column);
      ASSERT_TRUE(part && parts.count(*part)) << "hoist column " << column;
      EXPECT_EQ(hoistOfPart.emplace(*part, model).first->second, model)
          << "part " << *part << " is the hoist of two models";
      // The marking is gas group C for a hoist whose description contains "SR", so only the SR
      // models may carry those letters, in any language.
      for (const std::optional<QString>& d : parts.at(*part).descriptions) {
        if (!sells(d.value_or(QString()))) continue;
        EXPECT_TRUE(d->startsWith(model + QLatin1Char(' '))) << d->toStdString();
        EXPECT_EQ(d->contains(QLatin1String("SR")), model.contains(QLatin1String("SR")))
            << d->toStdString();
      }
    }

  // Any ordering-list line that holds a U model's name gets the phase-out note appended.
  for (const auto& [k, p] : parts)
    for (const std::optional<QString>& d : p.descriptions)
      for (const char* uModel : {"PXH 1000 U EX", "PXH 1000L U EX"})
        if (d && d->contains(QLatin1String(uModel))) {
          EXPECT_EQ(hoistOfPart.count(k) ? hoistOfPart.at(k) : QString(), uModel)
              << "part " << k << " '" << d->toStdString() << "'";
        }
}

// The PXH 3000 lifts 2721.6 kg, 6000 lb, as its technical data say: its hoist lines in the US
// variants say the same, rounded, and not the 3000 kg and 6600 lb of a nominal class.
TEST(ShippedData, ThePxh3000IsListedWithTheCapacityOfItsTechnicalData) {
  Database db = openShipped();
  const std::map<int, PartRecord> parts = readParts(db);
  for (int k : {80, 90, 108}) {  // PXH 3000 US, PXH 3000 EX, PXH 3000L EX
    ASSERT_TRUE(parts.count(k)) << k;
    EXPECT_TRUE(parts.at(k).descriptions[1].value_or(QString()).contains(" 2722 kg,")) << k;
    EXPECT_TRUE(parts.at(k).descriptions[2].value_or(QString()).contains(" 6000 lb,")) << k;
  }
}
