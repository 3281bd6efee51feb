// The table of variants.
#include "startup/variants.h"

#include <array>

namespace {

const std::array<Variant, kVariantCount>& variants() {
  static const std::array<Variant, kVariantCount> table{{
      {0, "English European", "Click this button to start the English European version.",
       "&English European", "", "strEngelska", "strEngelska", "en_GB"},
      {1, QString::fromUtf8("Français"), "Click this button to start the French version.",
       QString::fromUtf8("&Français"), "Fransk", "strFranska", "strFranska", "fr_FR"},
      {2, "US Version Metric", "Click this button to start the US Version Metric.",
       "&US Version Metric", "US Metric", "strEngelska", "strUSAMetric", "en_US"},
      {3, "US Version Imperial", "Click this button to start the US Version Imperial.",
       "US &Version Imperial", "US Imperial", "strImperial", "strImperial", "en_US"},
      {4, QString::fromUtf8("Español"), "Click this button to start the Spanish version.",
       QString::fromUtf8("E&spañol"), "Spansk", "strSpanska", "strSpanska", "es_ES"},
      {5, QString::fromUtf8("Português"), "Click this button to start the Portuguese version.",
       QString::fromUtf8("&Português"), "Portugisisk", "strPortugisiska", "strPortugisiska",
       "pt_PT"},
      {6, "Italiano", "Click this button to start the Italian version.", "&Italiano", "Italiensk",
       "strItalienska", "strItalienska", "it_IT"},
      {7, "Deutsch", "Click this button to start the German version.", "&Deutsch", "Tysk",
       "strTyska", "strTyska", "de_DE"},
  }};
  return table;
}

}  // namespace

std::optional<Variant> variantByIndex(int index) {
  if (index < 0 || index >= kVariantCount) return std::nullopt;
  return variants()[static_cast<std::size_t>(index)];
}

std::optional<Variant> variantByKey(const QString& languageKey) {
  for (const Variant& v : variants())
    if (v.languageKey == languageKey) return v;
  return std::nullopt;
}

bool isUsVariant(const QString& languageKey) {
  return languageKey.left(2) == QLatin1String("US");
}
