// The eight language and market variants, by the index of their start-up button and menu item.
#pragma once

#include <QString>
#include <optional>

// The eight variants, by the order of their start-up buttons and menu items.
enum class VariantId : int {
  EnglishEuropean = 0,
  French = 1,
  UsMetric = 2,
  UsImperial = 3,
  Spanish = 4,
  Portuguese = 5,
  Italian = 6,
  German = 7,
};

struct Variant {
  VariantId id;
  QString startCaption;  // button of the start-up window
  QString startTooltip;
  QString menuCaption;        // item of the language menu
  QString languageKey;        // the program state's LanguageKey
  QString textColumn;         // column of tblSprak
  QString descriptionColumn;  // column of tblDetaljPr
  QString locale;             // the language's rules for sorting its texts, as "fr_FR"
};

inline constexpr int kVariantCount = 8;

// The variant of an index 0 to 7; none for any other index.
std::optional<Variant> variantByIndex(int index);
// The variant itself.
const Variant& variantOf(VariantId id);

// The variant of a LanguageKey; none for a key the program does not know.
std::optional<Variant> variantByKey(const QString& languageKey);

// The variant of its name in saved configurations, that of its start-up button ("English
// European", "US Version Imperial"); none for any other text.
std::optional<VariantId> variantByCaption(const QString& caption);

// True for the two US variants, US Metric and US Imperial, whose hoist models and technical data
// are the US ones.
bool isUsVariant(VariantId id);
// True for US Imperial, which types, lists and measures lengths in feet and inches.
bool isImperialVariant(VariantId id);
// True for the five continental languages (French, Spanish, Portuguese, Italian, German), whose
// longer captions need more room and whose technical data has no US column.
bool isContinentalVariant(VariantId id);
