// A quote: a header that says whom it is for and until when it holds, and one or more positions,
// each a configuration with a quantity of hoists. It holds answers, not prices, like a
// configuration: the prices come from the parts data when it is priced, or from the register
// when it has been issued.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "common/problem.h"
#include "common/variants.h"
#include "configurator/configuration.h"

// The price lists and model ranges a quote can be made for. The six European variants share one
// price list and one range of models, and print in any of their six languages; each US variant
// prints in its own.
enum class QuoteMarket { European, UsMetric, UsImperial };

QuoteMarket marketOf(VariantId variant);
// The variants a quote of the market may print in, in the order of their language codes.
std::vector<VariantId> quoteVariants(QuoteMarket market);
// The language code of a variant: en, fr, es, pt, it or de (both US variants are "en").
QString languageCode(VariantId variant);
// The variant of the market that prints in the language `code`; none for a language the market
// does not allow.
std::optional<VariantId> quoteVariantOf(QuoteMarket market, const QString& code);
// The language codes a market allows, "en, fr, es, pt, it, de".
QString allowedLanguageCodes(QuoteMarket market);

// What a quote may hold. A file beyond any of these is refused with the key or position named;
// the window's fields take no more.
inline constexpr int kMaxQuotePositions = 100;
inline constexpr int kMaxQuoteQuantity = 9999;
inline constexpr int kMaxQuoteLineText = 200;   // a header field, an address line
inline constexpr int kMaxQuoteNoteText = 2000;  // the header's note, a position's note
inline constexpr int kMaxValidityDays = 365;
inline constexpr int kDefaultValidityDays = 30;
inline constexpr int kQuoteAddressLines = 4;

struct QuoteHeader {
  QString company;
  QString contact;
  std::array<QString, kQuoteAddressLines> address{};
  QString customerReference;
  QString ourReference;  // the salesperson
  QString number;        // given when the quote is first issued; empty before
  QDate date;            // the issue date; invalid before the quote is issued
  int validityDays = kDefaultValidityDays;
  QString note;  // payment, delivery

  // No customer, reference, number, date or note: nothing that makes a configuration a quote.
  // The validity alone does not count, as it has a default.
  bool isEmpty() const;
  // The date the quote holds until: `issued` (its date, or today for one not yet issued) and
  // the validity.
  QDate validUntil(const QDate& issued) const { return issued.addDays(validityDays); }
  friend bool operator==(const QuoteHeader&, const QuoteHeader&) = default;
};

struct QuotePosition {
  Configuration configuration;
  int quantity = 1;
  QString note;
  friend bool operator==(const QuotePosition&, const QuotePosition&) = default;
};

struct Quote {
  QuoteHeader header;
  std::vector<QuotePosition> positions;
  // The variant the quote prints in; none: that of its first position.
  std::optional<VariantId> language;
  // Made with New Quote, or read from a quote file: a quote even with an empty header and one
  // position.
  bool madeAsQuote = false;

  // A quote is numbered, registered and saved as a quote file; a plain configuration is none
  // of these.
  bool isQuote() const { return madeAsQuote || !header.isEmpty() || positions.size() > 1; }
  // The market of the positions (that of the first; checkQuote refuses a mixture).
  QuoteMarket market() const;
  // The variant it prints in: the language chosen, or the first position's variant.
  VariantId printVariant() const;
  friend bool operator==(const Quote&, const Quote&) = default;
};

// A quote of one position: the configuration as it was before quotes.
Quote quoteOf(const Configuration& configuration);

// What is wrong with a quote: no position, too many, positions of different markets, a quantity,
// a text or a validity beyond the limits, a language its market does not allow. The problem (of
// kind File, without a place) names the key or the position ("positions[2].quantity"). None for
// a sound quote.
std::optional<Problem> checkQuote(const Quote& quote);
