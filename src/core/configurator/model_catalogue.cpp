// Model names by variant and lubrication.
#include "configurator/model_catalogue.h"

#include <vector>

#include "common/variants.h"

namespace {

bool isContinental(const QString& key) {
  return key == QLatin1String("Fransk") || key == QLatin1String("Spansk") ||
         key == QLatin1String("Portugisisk") || key == QLatin1String("Italiensk") ||
         key == QLatin1String("Tysk");
}

struct ModelRow {
  const char* name;
  std::optional<ModelColumns> other;  // every variant but the US ones
  std::optional<ModelColumns> us;
};

const std::vector<ModelRow>& modelTable() {
  static const std::vector<ModelRow> table{
      {"PXH 200 EX", ModelColumns{1, 1}, std::nullopt},
      {"PXH 250 EX", ModelColumns{2, 2}, ModelColumns{11, 2}},
      {"PXH 500 EX", ModelColumns{3, 3}, ModelColumns{12, 3}},
      {"PXH 980 EX", ModelColumns{4, 37}, ModelColumns{13, 37}},
      {"PXH 1000 EX", ModelColumns{10, 10}, ModelColumns{13, 10}},
      {"PXH 1000 U EX", ModelColumns{4, 4}, ModelColumns{13, 4}},
      {"PXH 2500 EX", ModelColumns{5, 5}, ModelColumns{14, 5}},
      {"PXH 3000 EX", std::nullopt, ModelColumns{14, 24}},
      {"PXH 5000 EX", ModelColumns{6, 6}, ModelColumns{15, 6}},
      {"PXH 250L EX", ModelColumns{2, 29}, ModelColumns{11, 29}},
      {"PXH 500L EX", ModelColumns{3, 30}, ModelColumns{12, 30}},
      {"PXH 980L EX", ModelColumns{4, 38}, ModelColumns{13, 38}},
      {"PXH 1000L EX", ModelColumns{10, 31}, ModelColumns{13, 31}},
      {"PXH 1000L U EX", ModelColumns{4, 32}, ModelColumns{13, 32}},
      {"PXH 2500L EX", ModelColumns{5, 33}, ModelColumns{14, 33}},
      {"PXH 3000L EX", std::nullopt, ModelColumns{14, 35}},
      {"PXH 5000L EX", ModelColumns{6, 34}, ModelColumns{15, 34}},
  };
  return table;
}

}  // namespace

std::optional<ModelColumns> modelColumns(const QString& name, const QString& languageKey) {
  const bool us = isUsVariant(languageKey);
  for (const ModelRow& row : modelTable())
    if (name == QLatin1String(row.name)) return us ? row.us : row.other;
  return std::nullopt;
}

QStringList recognisedModelNames(const QString& languageKey) {
  QStringList names;
  for (const ModelRow& row : modelTable())
    if (modelColumns(QLatin1String(row.name), languageKey)) names << QLatin1String(row.name);
  return names;
}

std::optional<QStringList> modelListNames(const QString& languageKey, bool lubeFree) {
  QStringList classes;
  if (languageKey.isEmpty() || isContinental(languageKey)) {
    classes = {QStringLiteral("250"),  QStringLiteral("500"),  QStringLiteral("980"),
               QStringLiteral("1000"), QStringLiteral("2500"), QStringLiteral("5000")};
  } else if (isUsVariant(languageKey)) {
    classes = {QStringLiteral("250"),  QStringLiteral("500"),  QStringLiteral("980"),
               QStringLiteral("1000"), QStringLiteral("2500"), QStringLiteral("3000"),
               QStringLiteral("5000")};
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

QString unknownModelMessage(const QString& name) {
  return QStringLiteral(
             "The model \"%1\" is not in the program's range.\n"
             "Please choose a model from the list.")
      .arg(name);
}

DefaultModel defaultModel(const QString& languageKey) {
  if (isUsVariant(languageKey)) return {QStringLiteral("PXH 1000 U EX"), 13};
  return {QStringLiteral("PXH 200 EX"), 1};
}
