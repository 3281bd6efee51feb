// Model names by variant and lubrication, read from the table of hoist models.
#include "configurator/model_catalogue.h"

#include "common/variants.h"
#include "configurator/hoist_model.h"

std::optional<ModelColumns> modelColumns(const QString& name, const QString& languageKey) {
  const HoistModel* m = hoistModel(name, languageKey);
  if (!m) return std::nullopt;
  const VariantColumns& c = *m->columns(languageKey);
  return ModelColumns{c.modelIndex,
                      m->isLubeFreeName(name) ? c.lubeFreeHoistColumn : c.hoistColumn};
}

QStringList recognisedModelNames(const QString& languageKey) {
  QStringList standard, lubeFree;
  for (const HoistModel& m : hoistModels()) {
    if (!m.inCatalogue || !m.columns(languageKey)) continue;
    standard << QLatin1String(m.name);
    if (m.lubeFreeName) lubeFree << QLatin1String(m.lubeFreeName);
  }
  return standard + lubeFree;
}

std::optional<QStringList> modelListNames(const QString& languageKey, bool lubeFree) {
  // The two lists differ only in the 3000 class, which the US variants alone recognise.
  if (!languageKey.isEmpty() && !isContinentalVariant(languageKey) && !isUsVariant(languageKey))
    return std::nullopt;
  QStringList names;
  for (const HoistModel& m : hoistModels())
    if (m.inCatalogue && m.listed && m.columns(languageKey))
      names << QLatin1String(lubeFree ? m.lubeFreeName : m.name);
  return names;
}

QString unknownModelMessage(const QString& name) {
  return QStringLiteral(
             "The model \"%1\" is not in the program's range.\n"
             "Please choose a model from the list.")
      .arg(name);
}

DefaultModel defaultModel(const QString& languageKey) {
  const QString name =
      isUsVariant(languageKey) ? QStringLiteral("PXH 1000 U EX") : QStringLiteral("PXH 200 EX");
  return {name, hoistModel(name, languageKey)->columns(languageKey)->modelIndex};
}
