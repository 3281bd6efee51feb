// One record per hoist model: its names, its part-matrix columns and every fact of the model that
// the steps, the ordering list and the sheets read, in one constant table.
#pragma once

#include <QString>
#include <optional>
#include <span>

#include "common/variants.h"
#include "configurator/model_rules.h"
#include "configurator/numeric_inputs.h"

// The light models take the small chain, the heavy models the large one.
enum class ModelGroup { Light, Heavy };

// How a model offers the overload protection device.
enum class OverloadDevice {
  ByColumn,      // built in where the column is of the standard-overload group, else optional
  Optional,      // optional and a part of its own, even where the column would have it built in
  NotAvailable,  // not offered at all
};

// One dimension figure as it stands on the sketch, in millimetres and in inches.
struct Figure {
  const char* mm;
  const char* in;
};
// D1 to D4 of the hoist sketch.
struct HoistFigures {
  Figure d1, d2, d3, d4;
};
// T1 to T4 of a manual trolley; T3 depends on the narrow or the wide trolley.
struct ManualTrolleyFigures {
  Figure t1, t2, t3Narrow, t3Wide, t4;
};
// T1 to T6 of a motor-driven trolley; T3 depends on the narrow or the wide trolley.
struct MotorTrolleyFigures {
  Figure t1, t2, t3Narrow, t3Wide, t5, t4, t6;
};

// The size texts the technical data gives a model: the small chain, the large one, or the large
// one only with a motor-driven trolley.
enum class ChainSizes { Small, Large, ByTrolley };

// The figures of the technical data table, in metric units.
struct TechnicalFigures {
  double capacityKg;
  double speedMetresPerMinute;
  double hoistWeightKg;
  double chainKgPerMetre;
  double noiseDbA;
  double airLitresPerSecond;
  ChainSizes sizes;
};

// Beam-width ranges of the trolleys, as the trolley options show them.
struct BeamWidthTexts {
  const char* narrowMetric;  // nullptr where the model takes no narrow trolley
  const char* wideMetric;
  const char* narrowImperial;
  const char* wideImperial;
  bool onlyMotorWide;  // manual trolleys and the narrow motor trolley are not offered
};

// The part-matrix columns a model takes in one kind of variant (the US ones or the others), with
// the facts that belong to the column rather than to the model.
struct VariantColumns {
  int modelIndex;           // every part row but the hoist
  int hoistColumn;          // row 1, the hoist itself
  int lubeFreeHoistColumn;  // row 1 for the lube-free twin; 0 where there is none
  bool standardOverloadGroup;
  const HoistFigures* hoistFigures;
};

struct HoistModel {
  // The name is the same in every variant that recognises the model.
  const char* name;
  const char* lubeFreeName;  // the lube-free twin ("L" after the class); nullptr where none
  // Offered in the model list of every variant that recognises it; the others are recognised
  // only when typed.
  bool listed;
  // Being phased out: choosing it brings a note, and its part on the ordering list says so.
  bool phasedOut;
  // False for the columns that the database holds but no model name selects (the SR models):
  // their record keeps the rules by column and by name answering for them as they always did.
  bool inCatalogue;
  std::optional<VariantColumns> other;  // every variant but the US ones; none: not recognised
  std::optional<VariantColumns> us;

  ModelGroup group;
  int liftLimitMetres;
  ChainRule chain;
  std::optional<BeamWidthTexts> beamWidths;  // none: no trolley step ranges
  OverloadDevice overload;
  bool stainlessChain;
  bool safetyHook;
  const char* manualTrolley;  // designations; nullptr where the model has no such trolley
  const char* motorTrolley;
  TechnicalFigures technical;
  const ManualTrolleyFigures* manualTrolleyFigures;  // nullptr: no figures
  const MotorTrolleyFigures* motorTrolleyFigures;

  // The columns in the variant; none where the variant does not recognise the model.
  const std::optional<VariantColumns>& columns(VariantId variant) const;
  // The columns of either kind whose ModelIndex is the one given; nullptr for none.
  const VariantColumns* columnsWithIndex(int modelIndex) const;
  bool hasName(const QString& model) const;
  bool isLubeFreeName(const QString& model) const;
};

// Every record: the catalogue's models in the order of the list, then the SR columns.
std::span<const HoistModel> hoistModels();

// The model of a name the variant recognises; nullptr for any other name.
const HoistModel* hoistModel(const QString& name, VariantId variant);
// The record of a name in any variant, the SR models included; nullptr for none.
const HoistModel* hoistModelNamed(const QString& name);
// The record whose columns (in either kind of variant) have this ModelIndex; nullptr for none.
// Models that share a ModelIndex agree on every fact that is read by ModelIndex.
const HoistModel* hoistModelByIndex(int modelIndex);
// The columns with this ModelIndex; nullptr for none.
const VariantColumns* columnsByIndex(int modelIndex);

// True for a model being phased out (the U models), by its name or its lube-free twin's.
bool isPhasedOutModel(const QString& name);
// True when a text, a part's description for one, holds the name of a model being phased out.
bool mentionsPhasedOutModel(const QString& text);

// The technical data figures of a model name; none for a name the program has no figures for.
std::optional<TechnicalFigures> technicalFigures(const QString& model);
// The dimension figures by ModelIndex; nullptr where the column has none.
const HoistFigures* hoistFigures(int modelIndex);
const ManualTrolleyFigures* manualTrolleyFigures(int modelIndex);
const MotorTrolleyFigures* motorTrolleyFigures(int modelIndex);
