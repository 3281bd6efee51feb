// The table of hoist models: the agreement of models that share a part-matrix column, the rules
// for names no model of the catalogue has, and the variants' keys with what each variant decides
// about the models and units.
#include "configurator/hoist_model.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>
#include <map>

#include "common/variants.h"
#include "configurator/model_catalogue.h"
#include "configurator/model_rules.h"
#include "configurator/numeric_inputs.h"

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
