// The quote's own labels ("Customer", "Valid until", "Unit price"...) in the quote's language,
// which need not be the window's: they are looked up in that language's translation file of the
// program rather than through the translators installed for the window.
#pragma once

#include <QString>
#include <QTranslator>
#include <memory>

#include "common/variants.h"
#include "data/program_directory.h"

enum class QuoteLabel {
  QuoteTitle,   // the summary page's title
  QuoteNumber,  // "Quote no."
  Date,
  Customer,
  Contact,
  YourReference,
  OurReference,
  ValidUntil,
  Note,
  PositionShort,  // the positions table's first column, "Pos."
  Quantity,
  Model,
  UnitPrice,
  LinePrice,
  Total,
  Discounts,
  NetTotal,
  Position,     // "Position %1" on a position's page and in messages
  PageOfPages,  // "%1 / %2"
  Positions,    // the spreadsheet's first sheet
  Language,
  OneDay,  // the validity of one day, "1 day"
  Days,    // the validity in days, "%1 days"
};

// The labels of one language.
class QuoteLabels {
 public:
  // The program's translation file of the variant's language in the program directory's
  // "translations" folder; English (the source texts) for an English variant or without it.
  QuoteLabels(const ProgramDirectory& directory, VariantId variant);
  // English.
  QuoteLabels() = default;

  QString operator[](QuoteLabel label) const;

 private:
  std::shared_ptr<QTranslator> translator_;
};
