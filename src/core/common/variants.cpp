// The table of variants.
#include "common/variants.h"

#include <array>

namespace {

const std::array<Variant, kVariantCount>& variants() {
  static const std::array<Variant, kVariantCount> table{{
      {VariantId::EnglishEuropean, QStringLiteral("English European"),
       QStringLiteral("Click this button to start the English European version."),
       QStringLiteral("&English European"), QStringLiteral(""), QStringLiteral("strEngelska"),
       QStringLiteral("strEngelska"), QStringLiteral("en_GB")},
      {VariantId::French, QStringLiteral("Français"),
       QStringLiteral("Click this button to start the French version."),
       QStringLiteral("&Français"), QStringLiteral("Fransk"), QStringLiteral("strFranska"),
       QStringLiteral("strFranska"), QStringLiteral("fr_FR")},
      {VariantId::UsMetric, QStringLiteral("US Version Metric"),
       QStringLiteral("Click this button to start the US Version Metric."),
       QStringLiteral("&US Version Metric"), QStringLiteral("US Metric"),
       QStringLiteral("strEngelska"), QStringLiteral("strUSAMetric"), QStringLiteral("en_US")},
      {VariantId::UsImperial, QStringLiteral("US Version Imperial"),
       QStringLiteral("Click this button to start the US Version Imperial."),
       QStringLiteral("US &Version Imperial"), QStringLiteral("US Imperial"),
       QStringLiteral("strImperial"), QStringLiteral("strImperial"), QStringLiteral("en_US")},
      {VariantId::Spanish, QStringLiteral("Español"),
       QStringLiteral("Click this button to start the Spanish version."),
       QStringLiteral("E&spañol"), QStringLiteral("Spansk"), QStringLiteral("strSpanska"),
       QStringLiteral("strSpanska"), QStringLiteral("es_ES")},
      {VariantId::Portuguese, QStringLiteral("Português"),
       QStringLiteral("Click this button to start the Portuguese version."),
       QStringLiteral("&Português"), QStringLiteral("Portugisisk"),
       QStringLiteral("strPortugisiska"), QStringLiteral("strPortugisiska"),
       QStringLiteral("pt_PT")},
      {VariantId::Italian, QStringLiteral("Italiano"),
       QStringLiteral("Click this button to start the Italian version."),
       QStringLiteral("&Italiano"), QStringLiteral("Italiensk"), QStringLiteral("strItalienska"),
       QStringLiteral("strItalienska"), QStringLiteral("it_IT")},
      {VariantId::German, QStringLiteral("Deutsch"),
       QStringLiteral("Click this button to start the German version."), QStringLiteral("&Deutsch"),
       QStringLiteral("Tysk"), QStringLiteral("strTyska"), QStringLiteral("strTyska"),
       QStringLiteral("de_DE")},
  }};
  return table;
}

}  // namespace

std::optional<Variant> variantByIndex(int index) {
  if (index < 0 || index >= kVariantCount) return std::nullopt;
  return variants()[static_cast<std::size_t>(index)];
}

const Variant& variantOf(VariantId id) {
  return variants()[static_cast<std::size_t>(id)];
}

std::optional<Variant> variantByKey(const QString& languageKey) {
  for (const Variant& v : variants())
    if (v.languageKey == languageKey) return v;
  return std::nullopt;
}

std::optional<VariantId> variantByCaption(const QString& caption) {
  for (const Variant& v : variants())
    if (v.startCaption == caption) return v.id;
  return std::nullopt;
}

bool isUsVariant(VariantId id) {
  return id == VariantId::UsMetric || id == VariantId::UsImperial;
}

bool isImperialVariant(VariantId id) {
  return id == VariantId::UsImperial;
}

bool isContinentalVariant(VariantId id) {
  switch (id) {
    case VariantId::French:
    case VariantId::Spanish:
    case VariantId::Portuguese:
    case VariantId::Italian:
    case VariantId::German:
      return true;
    case VariantId::EnglishEuropean:
    case VariantId::UsMetric:
    case VariantId::UsImperial:
      return false;
  }
  return false;
}
