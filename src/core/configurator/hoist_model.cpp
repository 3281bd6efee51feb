// The table of hoist models and its look-ups.
#include "configurator/hoist_model.h"

#include <array>
#include <initializer_list>

#include "common/variants.h"

namespace {

// Dimension figures, shared by the columns and models that have the same sketch.
constexpr HoistFigures kHoist377{{"377", "14.8"}, {"122", "4.8"}, {"390", "15.4"}, {"29", "1.1"}};
constexpr HoistFigures kHoist445{{"445", "17.5"}, {"122", "4.8"}, {"390", "15.4"}, {"29", "1.1"}};
constexpr HoistFigures kHoist495{{"495", "19.4"}, {"122", "4.8"}, {"390", "15.4"}, {"29", "1.1"}};
constexpr HoistFigures kHoist575{{"575", "22.6"}, {"212", "8.3"}, {"546", "21.5"}, {"50", "2.0"}};
constexpr HoistFigures kHoist785{{"785", "30.9"}, {"249", "9.8"}, {"546", "21.5"}, {"60", "2.4"}};

constexpr ManualTrolleyFigures kManualLight{{"26", "1.1"},
                                            {"52", "2.0"},
                                            {"212", "8.3"},
                                            {"Beam width +57", "Beam width +2.3"},
                                            {"264", "10.4"}};
constexpr ManualTrolleyFigures kManualHeavy{{"35", "1.4"},
                                            {"78", "3.1"},
                                            {"262", "10.3"},
                                            {"Beam width +89", "Beam width +3.5"},
                                            {"384", "15.2"}};

constexpr MotorTrolleyFigures kMotorLight{
    {"24", "1.0"},  {"52", "2.0"},   {"212", "8.3"}, {"Beam width +57", "Beam width +2.3"},
    {"225", "8.9"}, {"264", "10.4"}, {"", ""}};
constexpr MotorTrolleyFigures kMotorHeavy{
    {"37", "1.5"},  {"78", "3.1"},   {"262", "10.3"}, {"Beam width +89", "Beam width +3.5"},
    {"148", "5.9"}, {"380", "15.0"}, {"94", "3.7"}};
// The 5000 class takes only the wide motor trolley; its narrow T3 reads as the wide one.
constexpr MotorTrolleyFigures kMotor5000{{"41", "1.6"},
                                         {"93", "3.7"},
                                         {"Beam width +97", "Beam width +3.8"},
                                         {"Beam width +97", "Beam width +3.8"},
                                         {"166", "6.6"},
                                         {"437", "17.2"},
                                         {"59", "2.4"}};

constexpr BeamWidthTexts kBeamsSmall{"50-160 mm", "161-280 mm", "2-6.3 in", "6.3-11 in", false};
constexpr BeamWidthTexts kBeamsLarge{"74-180 mm", "181-300 mm", "2.9-7.1 in", "7.1-11.8 in", false};
constexpr BeamWidthTexts kBeamsOnlyMotorWide{nullptr, "181-300 mm", nullptr, "7.1-11.8 in", true};

constexpr ChainRule kOneFallSmall{1, 0.5, 26, Text::NoCollectorAbove25m};
constexpr ChainRule kTwoFallsSmall{2, 0.5, 26, Text::NoCollectorAbove25m};
constexpr ChainRule kOneFallLarge{1, 0.6, 19, Text::NoCollectorAbove18m};
constexpr ChainRule kTwoFallsLarge{2, 0.9, 19, Text::NoCollectorAbove18m};

constexpr ModelGroup kLight = ModelGroup::Light;
constexpr ModelGroup kHeavy = ModelGroup::Heavy;
constexpr OverloadDevice kByColumn = OverloadDevice::ByColumn;
constexpr std::nullopt_t kNotRecognised = std::nullopt;

// VariantColumns: ModelIndex, HoistColumn, the lube-free twin's HoistColumn, whether the
// column has the overload device built in (standard-overload group), the hoist figures.
constexpr std::array<HoistModel, 12> kModels{{
    {
        .name = "PXH 200 EX",
        .lubeFreeName = nullptr,
        .listed = false,
        .phasedOut = false,
        .inCatalogue = true,
        .other = VariantColumns{1, 1, 0, false, &kHoist377},
        .us = kNotRecognised,
        .group = kLight,
        .liftLimitMetres = 100,
        .chain = kOneFallSmall,
        .beamWidths = kBeamsSmall,
        .overload = kByColumn,
        .stainlessChain = false,
        .safetyHook = true,
        .manualTrolley = "PXK 1000",
        .motorTrolley = "PXK 1000M",
        .technical = {200, 20.4, 12.7, 0.9, 84, 39, ChainSizes::Small},
        .manualTrolleyFigures = &kManualLight,
        .motorTrolleyFigures = &kMotorLight,
    },
    {
        .name = "PXH 250 EX",
        .lubeFreeName = "PXH 250L EX",
        .listed = true,
        .phasedOut = false,
        .inCatalogue = true,
        .other = VariantColumns{2, 2, 29, false, &kHoist377},
        .us = VariantColumns{11, 2, 29, false, &kHoist377},
        .group = kLight,
        .liftLimitMetres = 100,
        .chain = kOneFallSmall,
        .beamWidths = kBeamsSmall,
        .overload = kByColumn,
        .stainlessChain = true,
        .safetyHook = true,
        .manualTrolley = "PXK 1000",
        .motorTrolley = "PXK 1000M",
        .technical = {250, 18.6, 12.7, 0.9, 84, 37, ChainSizes::Small},
        .manualTrolleyFigures = &kManualLight,
        .motorTrolleyFigures = &kMotorLight,
    },
    {
        .name = "PXH 500 EX",
        .lubeFreeName = "PXH 500L EX",
        .listed = true,
        .phasedOut = false,
        .inCatalogue = true,
        .other = VariantColumns{3, 3, 30, false, &kHoist377},
        .us = VariantColumns{12, 3, 30, false, &kHoist377},
        .group = kLight,
        .liftLimitMetres = 100,
        .chain = kOneFallSmall,
        .beamWidths = kBeamsSmall,
        .overload = kByColumn,
        .stainlessChain = true,
        .safetyHook = true,
        .manualTrolley = "PXK 1000",
        .motorTrolley = "PXK 1000M",
        .technical = {500, 12.6, 12.7, 0.9, 83, 38, ChainSizes::Small},
        .manualTrolleyFigures = &kManualLight,
        .motorTrolleyFigures = &kMotorLight,
    },
    {
        .name = "PXH 980 EX",
        .lubeFreeName = "PXH 980L EX",
        .listed = true,
        .phasedOut = false,
        .inCatalogue = true,
        .other = VariantColumns{4, 37, 38, false, &kHoist445},
        .us = VariantColumns{13, 37, 38, true, &kHoist445},
        .group = kLight,
        .liftLimitMetres = 100,
        .chain = kTwoFallsSmall,
        .beamWidths = kBeamsSmall,
        .overload = OverloadDevice::NotAvailable,
        .stainlessChain = false,
        .safetyHook = true,
        .manualTrolley = "PXK 1000",
        .motorTrolley = "PXK 1000M",
        .technical = {980, 6.3, 14.5, 0.9, 83, 38, ChainSizes::Small},
        .manualTrolleyFigures = &kManualLight,
        .motorTrolleyFigures = &kMotorLight,
    },
    {
        .name = "PXH 1000 EX",
        .lubeFreeName = "PXH 1000L EX",
        .listed = true,
        .phasedOut = false,
        .inCatalogue = true,
        .other = VariantColumns{10, 10, 31, true, &kHoist495},
        .us = VariantColumns{13, 10, 31, true, &kHoist445},
        .group = kLight,
        .liftLimitMetres = 50,
        .chain = kTwoFallsSmall,
        .beamWidths = kBeamsSmall,
        .overload = kByColumn,
        .stainlessChain = false,
        .safetyHook = true,
        .manualTrolley = "PXK 1000",
        .motorTrolley = "PXK 1000M",
        .technical = {1000, 6.3, 15, 0.9, 83, 38, ChainSizes::Small},
        .manualTrolleyFigures = &kManualLight,
        .motorTrolleyFigures = &kMotorLight,
    },
    {
        .name = "PXH 1000 U EX",
        .lubeFreeName = "PXH 1000L U EX",
        .listed = false,
        .phasedOut = true,
        .inCatalogue = true,
        .other = VariantColumns{4, 4, 32, false, &kHoist445},
        .us = VariantColumns{13, 4, 32, true, &kHoist445},
        .group = kLight,
        .liftLimitMetres = 50,
        .chain = kTwoFallsSmall,
        .beamWidths = kBeamsSmall,
        .overload = kByColumn,
        .stainlessChain = false,
        .safetyHook = true,
        .manualTrolley = "PXK 1000",
        .motorTrolley = "PXK 1000M",
        .technical = {1000, 6.3, 14.5, 0.9, 83, 38, ChainSizes::Small},
        .manualTrolleyFigures = &kManualLight,
        .motorTrolleyFigures = &kMotorLight,
    },
    {
        .name = "PXH 2500 EX",
        .lubeFreeName = "PXH 2500L EX",
        .listed = true,
        .phasedOut = false,
        .inCatalogue = true,
        .other = VariantColumns{5, 5, 33, true, &kHoist575},
        .us = VariantColumns{14, 5, 33, true, &kHoist575},
        .group = kHeavy,
        .liftLimitMetres = 50,
        .chain = kOneFallLarge,
        .beamWidths = kBeamsLarge,
        .overload = kByColumn,
        .stainlessChain = false,
        .safetyHook = false,
        .manualTrolley = "PXK 2500",
        .motorTrolley = "PXK 2500M",
        .technical = {2500, 3.2, 42.5, 2.9, 79, 40, ChainSizes::ByTrolley},
        .manualTrolleyFigures = &kManualHeavy,
        .motorTrolleyFigures = &kMotorHeavy,
    },
    // 2721.6 kg is the 6000 lb the US market knows the class by.
    {
        .name = "PXH 3000 EX",
        .lubeFreeName = "PXH 3000L EX",
        .listed = true,
        .phasedOut = false,
        .inCatalogue = true,
        .other = kNotRecognised,
        .us = VariantColumns{14, 24, 35, true, &kHoist575},
        .group = kHeavy,
        .liftLimitMetres = 50,
        .chain = kOneFallLarge,
        .beamWidths = kBeamsLarge,
        .overload = OverloadDevice::Optional,
        .stainlessChain = false,
        .safetyHook = false,
        .manualTrolley = "WXK 3000",
        .motorTrolley = "PXK 3000M",
        .technical = {2721.6, 3.2, 42.5, 2.9, 79, 40, ChainSizes::ByTrolley},
        .manualTrolleyFigures = &kManualHeavy,
        .motorTrolleyFigures = &kMotorHeavy,
    },
    {
        .name = "PXH 5000 EX",
        .lubeFreeName = "PXH 5000L EX",
        .listed = true,
        .phasedOut = false,
        .inCatalogue = true,
        .other = VariantColumns{6, 6, 34, true, &kHoist785},
        .us = VariantColumns{15, 6, 34, true, &kHoist785},
        .group = kHeavy,
        .liftLimitMetres = 25,
        .chain = kTwoFallsLarge,
        .beamWidths = kBeamsOnlyMotorWide,
        .overload = kByColumn,
        .stainlessChain = false,
        .safetyHook = false,
        .manualTrolley = nullptr,
        .motorTrolley = "PXK 5000M",
        .technical = {5000, 1.6, 65.5, 2.9, 79, 40, ChainSizes::ByTrolley},
        .manualTrolleyFigures = nullptr,
        .motorTrolleyFigures = &kMotor5000,
    },
    // The SR columns: loaded from the database, selected by no model name; no hoist column.
    {
        .name = "PXH 250-SR",
        .lubeFreeName = nullptr,
        .listed = false,
        .phasedOut = false,
        .inCatalogue = false,
        .other = VariantColumns{7, 0, 0, false, &kHoist377},
        .us = VariantColumns{16, 0, 0, false, &kHoist377},
        .group = kLight,
        .liftLimitMetres = 100,
        .chain = kOneFallSmall,
        .beamWidths = std::nullopt,
        .overload = kByColumn,
        .stainlessChain = false,
        .safetyHook = false,
        .manualTrolley = "PXK 1000-SR",
        .motorTrolley = "PXK 1000M-SR",
        .technical = {250, 17, 12.7, 0.9, 83, 45, ChainSizes::Small},
        .manualTrolleyFigures = &kManualLight,
        .motorTrolleyFigures = nullptr,
    },
    {
        .name = "PXH 500-SR",
        .lubeFreeName = nullptr,
        .listed = false,
        .phasedOut = false,
        .inCatalogue = false,
        .other = VariantColumns{8, 0, 0, false, &kHoist445},
        .us = VariantColumns{17, 0, 0, false, &kHoist445},
        .group = kLight,
        .liftLimitMetres = 50,
        .chain = kTwoFallsSmall,
        .beamWidths = std::nullopt,
        .overload = kByColumn,
        .stainlessChain = false,
        .safetyHook = false,
        .manualTrolley = "PXK 1000-SR",
        .motorTrolley = "PXK 1000M-SR",
        .technical = {500, 8.5, 14.5, 0.9, 83, 45, ChainSizes::Small},
        .manualTrolleyFigures = &kManualLight,
        .motorTrolleyFigures = nullptr,
    },
    {
        .name = "PXH 1250-SR",
        .lubeFreeName = nullptr,
        .listed = false,
        .phasedOut = false,
        .inCatalogue = false,
        .other = VariantColumns{9, 0, 0, true, &kHoist575},
        .us = VariantColumns{18, 0, 0, true, &kHoist575},
        .group = kHeavy,
        .liftLimitMetres = 50,
        .chain = kOneFallLarge,
        .beamWidths = std::nullopt,
        .overload = kByColumn,
        .stainlessChain = false,
        .safetyHook = false,
        .manualTrolley = "PXK 2500-SR",
        .motorTrolley = "PXK 2500M-SR",
        .technical = {1250, 5, 42.5, 2.9, 79, 50, ChainSizes::Large},
        .manualTrolleyFigures = &kManualHeavy,
        .motorTrolleyFigures = &kMotorHeavy,
    },
}};

bool named(const QString& model, std::initializer_list<const char*> names) {
  for (const char* n : names)
    if (model == QLatin1String(n)) return true;
  return false;
}

}  // namespace

const std::optional<VariantColumns>& HoistModel::columns(VariantId variant) const {
  return isUsVariant(variant) ? us : other;
}

const VariantColumns* HoistModel::columnsWithIndex(int modelIndex) const {
  for (const std::optional<VariantColumns>* c : {&other, &us})
    if (*c && (*c)->modelIndex == modelIndex) return &**c;
  return nullptr;
}

bool HoistModel::hasName(const QString& model) const {
  return model == QLatin1String(name) || isLubeFreeName(model);
}

bool HoistModel::isLubeFreeName(const QString& model) const {
  return lubeFreeName && model == QLatin1String(lubeFreeName);
}

std::span<const HoistModel> hoistModels() {
  return kModels;
}

const HoistModel* hoistModel(const QString& name, VariantId variant) {
  const HoistModel* m = hoistModelNamed(name);
  return m && m->inCatalogue && m->columns(variant) ? m : nullptr;
}

const HoistModel* hoistModelNamed(const QString& name) {
  for (const HoistModel& m : kModels)
    if (m.hasName(name)) return &m;
  return nullptr;
}

const HoistModel* hoistModelByIndex(int modelIndex) {
  for (const HoistModel& m : kModels)
    if (m.columnsWithIndex(modelIndex)) return &m;
  return nullptr;
}

const VariantColumns* columnsByIndex(int modelIndex) {
  for (const HoistModel& m : kModels)
    if (const VariantColumns* c = m.columnsWithIndex(modelIndex)) return c;
  return nullptr;
}

std::optional<TechnicalFigures> technicalFigures(const QString& model) {
  if (const HoistModel* m = hoistModelNamed(model)) return m->technical;
  // Names that no variant recognises (the P2/P4 and "US" hoists and the 6000 class): no model
  // of the catalogue reaches these rows; they stay for configurations that name them.
  auto as = [](const char* name) { return hoistModelNamed(QLatin1String(name))->technical; };
  if (named(model, {"PXH 250 P2", "PXH 250 P4", "PXH 250 US"})) return as("PXH 250 EX");
  if (named(model, {"PXH 500 P2", "PXH 500 P4", "PXH 500 US"})) return as("PXH 500 EX");
  if (named(model, {"PXH 1000 P2", "PXH 1000 P4"})) return as("PXH 1000 U EX");
  if (named(model, {"PXH 2500 P2", "PXH 2500 P4"})) return as("PXH 2500 EX");
  if (named(model, {"PXH 5000 P2", "PXH 5000 P4", "PXH 6000 EX", "PXH 6000L EX"}))
    return as("PXH 5000 EX");
  return std::nullopt;
}

const HoistFigures* hoistFigures(int modelIndex) {
  const VariantColumns* c = columnsByIndex(modelIndex);
  return c ? c->hoistFigures : nullptr;
}

const ManualTrolleyFigures* manualTrolleyFigures(int modelIndex) {
  const HoistModel* m = hoistModelByIndex(modelIndex);
  return m ? m->manualTrolleyFigures : nullptr;
}

bool isPhasedOutModel(const QString& name) {
  const HoistModel* m = hoistModelNamed(name);
  return m && m->phasedOut;
}

bool mentionsPhasedOutModel(const QString& text) {
  for (const HoistModel& m : kModels)
    if (m.phasedOut && (text.contains(QLatin1String(m.name)) ||
                        (m.lubeFreeName && text.contains(QLatin1String(m.lubeFreeName)))))
      return true;
  return false;
}

const MotorTrolleyFigures* motorTrolleyFigures(int modelIndex) {
  const HoistModel* m = hoistModelByIndex(modelIndex);
  return m ? m->motorTrolleyFigures : nullptr;
}
