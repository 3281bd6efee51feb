// Model rules, read from the table of hoist models.
#include "configurator/model_rules.h"

#include "configurator/hoist_model.h"

namespace {

// How a name offers the overload device: from its record, or for a name without one from the
// class its first seven characters give. No model of the catalogue reaches the second rule.
OverloadDevice overloadDeviceOf(const QString& model) {
  if (const HoistModel* m = hoistModelNamed(model)) return m->overload;
  const QString head = model.left(7);
  if (head == QLatin1String("PXH 980")) return OverloadDevice::NotAvailable;
  if (head == QLatin1String("PXH 300")) return OverloadDevice::Optional;
  return OverloadDevice::ByColumn;
}

}  // namespace

bool isLightGroup(int modelIndex) {
  const HoistModel* m = hoistModelByIndex(modelIndex);
  return m && m->group == ModelGroup::Light;
}

bool isHeavyGroup(int modelIndex) {
  const HoistModel* m = hoistModelByIndex(modelIndex);
  return m && m->group == ModelGroup::Heavy;
}

bool isStandardOverloadGroup(int modelIndex) {
  const VariantColumns* c = columnsByIndex(modelIndex);
  return c && c->standardOverloadGroup;
}

bool offersStainlessChain(int modelIndex) {
  const HoistModel* m = hoistModelByIndex(modelIndex);
  return m && m->stainlessChain;
}

bool offersSafetyHook(int modelIndex) {
  if (const HoistModel* m = hoistModelByIndex(modelIndex)) return m->safetyHook;
  // No model has a column below 1; the answer for them stays what it always was.
  return modelIndex < 1;
}

bool overloadIsOrderedSeparately(int modelIndex, const QString& model) {
  const VariantColumns* c = columnsByIndex(modelIndex);
  const HoistModel* m = hoistModelNamed(model);
  return (c && !c->standardOverloadGroup) || (m && m->overload == OverloadDevice::Optional);
}

OverloadOffer overloadOffer(int modelIndex, const QString& model) {
  switch (overloadDeviceOf(model)) {
    case OverloadDevice::NotAvailable:
      return OverloadOffer::NotAvailable;
    case OverloadDevice::Optional:
      return OverloadOffer::Optional;
    case OverloadDevice::ByColumn:
      break;
  }
  return isStandardOverloadGroup(modelIndex) ? OverloadOffer::IncludedAsStandard
                                             : OverloadOffer::Optional;
}

std::optional<QString> trolleyDesignation(const QString& model, bool motorDriven) {
  if (const HoistModel* m = hoistModelNamed(model)) {
    const char* designation = motorDriven ? m->motorTrolley : m->manualTrolley;
    return designation ? std::optional<QString>(QLatin1String(designation)) : std::nullopt;
  }
  // Names that no variant recognises (the P2/P4 and "US" hoists and the 6000 class): no model
  // of the catalogue reaches these; they stay for configurations that name them.
  auto as = [&](const char* name) { return trolleyDesignation(QLatin1String(name), motorDriven); };
  for (const char* n : {"PXH 250 P2", "PXH 250 P4", "PXH 500 P2", "PXH 500 P4", "PXH 1000 P2",
                        "PXH 1000 P4", "PXH 250 US", "PXH 500 US"})
    if (model == QLatin1String(n)) return as("PXH 1000 EX");
  for (const char* n : {"PXH 2500 P2", "PXH 2500 P4"})
    if (model == QLatin1String(n)) return as("PXH 2500 EX");
  for (const char* n : {"PXH 5000 P2", "PXH 5000 P4"})
    if (model == QLatin1String(n)) return as("PXH 5000 EX");
  if (model == QLatin1String("PXH 6000 EX") || model == QLatin1String("PXH 6000L EX"))
    return motorDriven ? std::optional<QString>(QStringLiteral("PXK 6000M")) : std::nullopt;
  return std::nullopt;
}

bool isP2Model(const QString& model) {
  return model.right(2) == QLatin1String("P2");
}
bool isP4Model(const QString& model) {
  return model.right(2) == QLatin1String("P4");
}
