// The table of hoist models: each model's facts as the rules read them, the agreement of models
// that share a part-matrix column, the rules for names no model of the catalogue has, and the
// variants' keys with what each variant decides about the models and units.
#include "configurator/hoist_model.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>
#include <map>

#include "common/variants.h"
#include "configurator/model_catalogue.h"
#include "configurator/model_rules.h"
#include "configurator/numeric_inputs.h"

namespace {

// The columns of one kind of variant: ModelIndex, HoistColumn, the lube-free twin's HoistColumn.
struct Columns {
  int modelIndex, hoistColumn, lubeFreeHoistColumn;
};
constexpr Columns kNone{0, 0, 0};

struct Expected {
  const char* name;
  const char* lubeFree;  // "" for none
  Columns other, us;
  bool light;
  int liftLimit;
  int falls;
  double allowance;
  int collectorBlockedAt;
  const char* narrowMm;  // "" for no narrow trolley
  const char* wideMm;
  const char* wideIn;
  OverloadOffer offerOther, offerUs;
  bool stainless, safetyHook;
  const char* manualTrolley;  // "" for none
  const char* motorTrolley;
  const char* d1Other;  // hoist figure D1 in mm, by the variant's ModelIndex
  const char* d1Us;
};

constexpr OverloadOffer kOpt = OverloadOffer::Optional;
constexpr OverloadOffer kNa = OverloadOffer::NotAvailable;
constexpr OverloadOffer kStd = OverloadOffer::IncludedAsStandard;

// Worked out from the model catalogue, the chain table, the beam-width and trolley tables, the
// accessory rules and the dimension tables.
// clang-format off
const Expected kExpected[] = {
    // name, twin, other {ModelIndex, HoistColumn, twin's}, US, light, limit, falls, allowance,
    // blocked at, narrow mm, wide mm, wide in, offer other, offer US, stainless, safety hook,
    // manual trolley, motor trolley, D1 other, D1 US
    {"PXH 200 EX", "", {1, 1, 0}, kNone, true, 100, 1, 0.5, 26, "50-160 mm", "161-280 mm",
     "6.3-11 in", kOpt, kOpt, false, true, "PXK 1000", "PXK 1000M", "377", ""},
    {"PXH 250 EX", "PXH 250L EX", {2, 2, 29}, {11, 2, 29}, true, 100, 1, 0.5, 26, "50-160 mm",
     "161-280 mm", "6.3-11 in", kOpt, kOpt, true, true, "PXK 1000", "PXK 1000M", "377", "377"},
    {"PXH 500 EX", "PXH 500L EX", {3, 3, 30}, {12, 3, 30}, true, 100, 1, 0.5, 26, "50-160 mm",
     "161-280 mm", "6.3-11 in", kOpt, kOpt, true, true, "PXK 1000", "PXK 1000M", "377", "377"},
    {"PXH 980 EX", "PXH 980L EX", {4, 37, 38}, {13, 37, 38}, true, 100, 2, 0.5, 26, "50-160 mm",
     "161-280 mm", "6.3-11 in", kNa, kNa, false, true, "PXK 1000", "PXK 1000M", "445", "445"},
    {"PXH 1000 EX", "PXH 1000L EX", {10, 10, 31}, {13, 10, 31}, true, 50, 2, 0.5, 26, "50-160 mm",
     "161-280 mm", "6.3-11 in", kStd, kStd, false, true, "PXK 1000", "PXK 1000M", "495", "445"},
    {"PXH 1000 U EX", "PXH 1000L U EX", {4, 4, 32}, {13, 4, 32}, true, 50, 2, 0.5, 26,
     "50-160 mm", "161-280 mm", "6.3-11 in", kOpt, kStd, false, true, "PXK 1000", "PXK 1000M",
     "445", "445"},
    {"PXH 2500 EX", "PXH 2500L EX", {5, 5, 33}, {14, 5, 33}, false, 50, 1, 0.6, 19, "74-180 mm",
     "181-300 mm", "7.1-11.8 in", kStd, kStd, false, false, "PXK 2500", "PXK 2500M", "575", "575"},
    {"PXH 3000 EX", "PXH 3000L EX", kNone, {14, 24, 35}, false, 50, 1, 0.6, 19, "74-180 mm",
     "181-300 mm", "7.1-11.8 in", kOpt, kOpt, false, false, "WXK 3000", "PXK 3000M", "", "575"},
    {"PXH 5000 EX", "PXH 5000L EX", {6, 6, 34}, {15, 6, 34}, false, 25, 2, 0.9, 19, "",
     "181-300 mm", "7.1-11.8 in", kStd, kStd, false, false, "", "PXK 5000M", "785", "785"},
};
// clang-format on

QString orNone(const std::optional<QString>& text) {
  return text.value_or(QString());
}

}  // namespace

// Every catalogue model and its lube-free twin, in a European and a US variant, through the
// rules the steps, the ordering list and the sheets call.
TEST(HoistModel, EachModelsFactsInBothKindsOfVariant) {
  for (const Expected& e : kExpected) {
    QStringList names{e.name};
    if (*e.lubeFree) names << e.lubeFree;
    for (const QString& name : names) {
      SCOPED_TRACE(name.toStdString());
      const bool lubeFree = name != QLatin1String(e.name);
      EXPECT_EQ(liftHeightLimit(name), e.liftLimit);
      // Only the U models bring the note that they are being phased out.
      EXPECT_EQ(isPhasedOutModel(name), QLatin1String(e.name) == QLatin1String("PXH 1000 U EX"));
      EXPECT_EQ(orNone(trolleyDesignation(name, false)), e.manualTrolley);
      EXPECT_EQ(orNone(trolleyDesignation(name, true)), e.motorTrolley);
      const std::optional<BeamWidths> metric = beamWidths(name, false);
      const std::optional<BeamWidths> imperial = beamWidths(name, true);
      ASSERT_TRUE(metric && imperial);
      EXPECT_EQ(metric->narrow, e.narrowMm);
      EXPECT_EQ(metric->wide, e.wideMm);
      EXPECT_EQ(imperial->wide, e.wideIn);
      EXPECT_EQ(metric->onlyMotorWide, !*e.narrowMm);

      for (const VariantId variant : {VariantId::German, VariantId::UsMetric}) {
        SCOPED_TRACE(variantOf(variant).startCaption.toStdString());
        const bool us = isUsVariant(variant);
        const Columns& c = us ? e.us : e.other;
        const std::optional<ModelColumns> cols = modelColumns(name, variant);
        if (c.modelIndex == 0) {
          EXPECT_FALSE(cols);
          continue;
        }
        ASSERT_TRUE(cols);
        EXPECT_EQ(cols->modelIndex, c.modelIndex);
        EXPECT_EQ(cols->hoistColumn, lubeFree ? c.lubeFreeHoistColumn : c.hoistColumn);
        const int m = c.modelIndex;
        EXPECT_EQ(isLightGroup(m), e.light);
        EXPECT_EQ(isHeavyGroup(m), !e.light);
        const std::optional<ChainRule> chain = chainRule(m);
        ASSERT_TRUE(chain);
        EXPECT_EQ(chain->falls, e.falls);
        EXPECT_DOUBLE_EQ(chain->allowance, e.allowance);
        EXPECT_EQ(chain->collectorBlockedAt, e.collectorBlockedAt);
        EXPECT_EQ(chain->message, e.light ? Text::NoCollectorAbove25m : Text::NoCollectorAbove18m);
        EXPECT_EQ(overloadOffer(m, name), us ? e.offerUs : e.offerOther);
        EXPECT_EQ(offersStainlessChain(m), e.stainless);
        EXPECT_EQ(offersSafetyHook(m), e.safetyHook);
        EXPECT_STREQ(hoistFigures(m)->d1.mm, us ? e.d1Us : e.d1Other);
      }
    }
  }
}

// The rules read by ModelIndex alone; they hold only while models that share a column agree.
TEST(HoistModel, ModelsSharingAColumnAgreeOnItsFacts) {
  std::map<int, const HoistModel*> first;
  for (const HoistModel& m : hoistModels())
    for (const std::optional<VariantColumns>* c : {&m.other, &m.us}) {
      if (!*c) continue;
      const auto [it, isNew] = first.emplace((*c)->modelIndex, &m);
      if (isNew) continue;
      const HoistModel& f = *it->second;
      const VariantColumns& fc = *f.columnsWithIndex((*c)->modelIndex);
      SCOPED_TRACE(std::string(m.name) + " and " + f.name);
      EXPECT_EQ(m.group, f.group);
      EXPECT_EQ(m.chain.falls, f.chain.falls);
      EXPECT_EQ(m.chain.allowance, f.chain.allowance);
      EXPECT_EQ(m.chain.collectorBlockedAt, f.chain.collectorBlockedAt);
      EXPECT_EQ(m.stainlessChain, f.stainlessChain);
      EXPECT_EQ(m.safetyHook, f.safetyHook);
      EXPECT_EQ((*c)->standardOverloadGroup, fc.standardOverloadGroup);
      EXPECT_EQ((*c)->hoistFigures, fc.hoistFigures);
      EXPECT_EQ(m.manualTrolleyFigures, f.manualTrolleyFigures);
      EXPECT_EQ(m.motorTrolleyFigures, f.motorTrolleyFigures);
    }
  // The eighteen database columns, and no other.
  EXPECT_EQ(first.size(), 18u);
  EXPECT_EQ(first.begin()->first, 1);
  EXPECT_EQ(first.rbegin()->first, 18);
}

// The rules kept for names no variant recognises (the P2/P4 and "US" hoists, the 6000 class,
// "PXH 200L EX", the "PXH 500-" and "PXH 1250" limits) and the SR columns: every name a variant
// recognises has its record, selects none of the SR columns and ends in neither "P2" nor "P4".
TEST(HoistModel, NoRecognisedNameReachesTheRulesForOtherNames) {
  const QSet<int> srColumns{7, 8, 9, 16, 17, 18};
  int names = 0;
  for (int v = 0; v < kVariantCount; ++v) {
    const Variant variant = *variantByIndex(v);
    for (const QString& name : recognisedModelNames(variant.id)) {
      SCOPED_TRACE((variant.startCaption + " " + name).toStdString());
      ++names;
      const HoistModel* m = hoistModel(name, variant.id);
      ASSERT_NE(m, nullptr);
      EXPECT_TRUE(m->inCatalogue);
      EXPECT_EQ(hoistModelNamed(name), m);
      EXPECT_FALSE(srColumns.contains(modelColumns(name, variant.id)->modelIndex));
      EXPECT_FALSE(isP2Model(name) || isP4Model(name));
      EXPECT_FALSE(name.startsWith("PXH 500-") || name.startsWith("PXH 1250") ||
                   name.startsWith("PXH 6000") || name.endsWith(" US") ||
                   name == QLatin1String("PXH 200L EX"));
    }
  }
  // 15 names in each of the six other variants, 16 in each US variant.
  EXPECT_EQ(names, 6 * 15 + 2 * 16);
}

// The program state's keys of the eight variants and what each variant decides by its key: the
// US model columns and default model, feet and inches, and the room of the continental captions.
// A key the program does not know is no variant at all, even where it begins with "US".
TEST(HoistModel, VariantsByTheirKeys) {
  struct Case {
    const char* key;
    VariantId id;
    bool us, imperial, continental;
  };
  const Case cases[] = {
      {"", VariantId::EnglishEuropean, false, false, false},
      {"Fransk", VariantId::French, false, false, true},
      {"US Metric", VariantId::UsMetric, true, false, false},
      {"US Imperial", VariantId::UsImperial, true, true, false},
      {"Spansk", VariantId::Spanish, false, false, true},
      {"Portugisisk", VariantId::Portuguese, false, false, true},
      {"Italiensk", VariantId::Italian, false, false, true},
      {"Tysk", VariantId::German, false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    const std::optional<Variant> v = variantByKey(QLatin1String(c.key));
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->id, c.id);
    EXPECT_EQ(isUsVariant(v->id), c.us);
    EXPECT_EQ(isImperialVariant(v->id), c.imperial);
    EXPECT_EQ(isContinentalVariant(v->id), c.continental);
    const DefaultModel model = defaultModel(v->id);
    EXPECT_EQ(model.name, c.us ? "PXH 1000 U EX" : "PXH 200 EX");
    EXPECT_EQ(model.modelIndex, c.us ? 13 : 1);
    EXPECT_EQ(modelListNames(v->id, false).contains("PXH 3000 EX"), c.us);
  }
  for (const char* unknown : {"US", "US Metrics", "us metric", "English", "Deutsch"})
    EXPECT_FALSE(variantByKey(QLatin1String(unknown)).has_value()) << unknown;
}
