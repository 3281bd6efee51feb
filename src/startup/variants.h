// The eight language and market variants, by the index of their start-up button and menu item.
#pragma once

#include <QString>
#include <optional>

struct Variant {
  int index;
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

// The variant of a LanguageKey; none for a key the program does not know.
std::optional<Variant> variantByKey(const QString& languageKey);

// True for the two US variants (the key starts with "US").
bool isUsVariant(const QString& languageKey);
