// Model names by variant and lubrication, read from the table of hoist models.
#include "configurator/model_catalogue.h"

#include <array>

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
  // Made once: every walk starts on a list, and the range does not change while the program runs.
  static const std::array<std::array<QStringList, 2>, std::size_t{kVariantCount}> lists = [] {
    std::array<std::array<QStringList, 2>, std::size_t{kVariantCount}> made;
    for (std::size_t v = 0; v < std::size_t{kVariantCount}; ++v)
      for (const bool free : {false, true}) {
        // The two lists differ only in the 3000 class, which the US variants alone recognise.
        QStringList& names = made[v][free ? 1 : 0];
        for (const HoistModel& m : hoistModels())
          if (m.inCatalogue && m.listed && m.columns(static_cast<VariantId>(v)))
            names << QLatin1String(free ? m.lubeFreeName : m.name);
      }
    return made;
  }();
  return lists[static_cast<std::size_t>(variant)][lubeFree ? 1 : 0];
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
