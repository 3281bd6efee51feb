// Model names by variant and lubrication.
#include "configurator/model_catalogue.h"

#include "startup/variants.h"

namespace {

bool isContinental(const QString& key) {
  return key == QLatin1String("Fransk") || key == QLatin1String("Spansk") ||
         key == QLatin1String("Portugisisk") || key == QLatin1String("Italiensk") ||
         key == QLatin1String("Tysk");
}

bool isUsKey(const QString& key) {
  return key == QLatin1String("US Metric") || key == QLatin1String("US Imperial");
}

}  // namespace

std::optional<QStringList> modelListNames(const QString& languageKey, bool lubeFree) {
  QStringList classes;
  if (languageKey.isEmpty() || isContinental(languageKey)) {
    classes = {"250", "500", "980", "1000", "2500", "5000"};
  } else if (isUsKey(languageKey)) {
    classes = {"250", "500", "980", "1000", "2500", "3000", "5000"};
  } else {
    return std::nullopt;
  }
  QStringList names;
  for (const QString& c : classes)
    names << QStringLiteral("PXH ") + c + (lubeFree ? QStringLiteral("L") : QString()) +
                 QStringLiteral(" EX");
  return names;
}

int controlLengthLabelTop(const QString& languageKey) {
  return isContinental(languageKey) ? 1740 : 1920;
}

DefaultModel defaultModel(const QString& languageKey) {
  if (isUsKey(languageKey)) return {QStringLiteral("PXH 1000 U EX"), 13};
  return {QStringLiteral("PXH 200 EX"), 1};
}
