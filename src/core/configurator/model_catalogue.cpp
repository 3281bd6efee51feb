// Model names by variant and lubrication, read from the table of hoist models.
#include "configurator/model_catalogue.h"

#include "common/variants.h"
#include "configurator/hoist_model.h"

std::optional<ModelColumns> modelColumns(const QString& name, VariantId variant) {
  const HoistModel* m = hoistModel(name, variant);
  if (!m) return std::nullopt;
  const VariantColumns& c = *m->columns(variant);
  return ModelColumns{c.modelIndex,
                      m->isLubeFreeName(name) ? c.lubeFreeHoistColumn : c.hoistColumn};
}

QStringList recognisedModelNames(VariantId variant) {
  QStringList standard, lubeFree;
  for (const HoistModel& m : hoistModels()) {
    if (!m.inCatalogue || !m.columns(variant)) continue;
    standard << QLatin1String(m.name);
    if (m.lubeFreeName) lubeFree << QLatin1String(m.lubeFreeName);
  }
  return standard + lubeFree;
}

QStringList modelListNames(VariantId variant, bool lubeFree) {
  // The two lists differ only in the 3000 class, which the US variants alone recognise.
  QStringList names;
  for (const HoistModel& m : hoistModels())
    if (m.inCatalogue && m.listed && m.columns(variant))
      names << QLatin1String(lubeFree ? m.lubeFreeName : m.name);
  return names;
}

QString unknownModelMessage(const QString& name) {
  return QStringLiteral(
             "The model \"%1\" is not in the program's range.\n"
             "Please choose a model from the list.")
      .arg(name);
}

DefaultModel defaultModel(VariantId variant) {
  const QString name =
      isUsVariant(variant) ? QStringLiteral("PXH 1000 U EX") : QStringLiteral("PXH 200 EX");
  return {name, hoistModel(name, variant)->columns(variant)->modelIndex};
}
