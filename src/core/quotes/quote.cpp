// Quotes: their markets and languages, and what a sound quote may hold.
#include "quotes/quote.h"

#include <QCoreApplication>

namespace {

// The European variants in the order of their language codes.
constexpr VariantId kEuropean[] = {VariantId::EnglishEuropean, VariantId::French,
                                   VariantId::Spanish,         VariantId::Portuguese,
                                   VariantId::Italian,         VariantId::German};

Problem wrong(const QString& key, const QString& what) {
  return Problem{Problem::Kind::File,
                 {},
                 QCoreApplication::translate("Quotes", "\"%1\" must be %2.").arg(key, what),
                 std::nullopt};
}

QString positionKey(std::size_t index, const char* key) {
  return QStringLiteral("positions[%1].%2").arg(index + 1).arg(QLatin1String(key));
}

}  // namespace

QuoteMarket marketOf(VariantId variant) {
  if (variant == VariantId::UsMetric) return QuoteMarket::UsMetric;
  if (variant == VariantId::UsImperial) return QuoteMarket::UsImperial;
  return QuoteMarket::European;
}

std::vector<VariantId> quoteVariants(QuoteMarket market) {
  switch (market) {
    case QuoteMarket::UsMetric:
      return {VariantId::UsMetric};
    case QuoteMarket::UsImperial:
      return {VariantId::UsImperial};
    case QuoteMarket::European:
      break;
  }
  return {std::begin(kEuropean), std::end(kEuropean)};
}

QString languageCode(VariantId variant) {
  return variantOf(variant).locale.left(2);
}

std::optional<VariantId> quoteVariantOf(QuoteMarket market, const QString& code) {
  for (VariantId v : quoteVariants(market))
    if (languageCode(v) == code) return v;
  return std::nullopt;
}

QString allowedLanguageCodes(QuoteMarket market) {
  QStringList codes;
  for (VariantId v : quoteVariants(market)) codes << languageCode(v);
  return codes.join(QStringLiteral(", "));
}

bool QuoteHeader::isEmpty() const {
  for (const QString& line : address)
    if (!line.trimmed().isEmpty()) return false;
  return company.trimmed().isEmpty() && contact.trimmed().isEmpty() &&
         customerReference.trimmed().isEmpty() && ourReference.trimmed().isEmpty() &&
         number.isEmpty() && !date.isValid() && note.trimmed().isEmpty();
}

QuoteMarket Quote::market() const {
  return positions.empty() ? marketOf(language.value_or(VariantId::EnglishEuropean))
                           : marketOf(positions.front().configuration.variant);
}

VariantId Quote::printVariant() const {
  if (language) return *language;
  return positions.empty() ? VariantId::EnglishEuropean : positions.front().configuration.variant;
}

Quote quoteOf(const Configuration& configuration) {
  Quote q;
  q.positions.push_back(QuotePosition{configuration, 1, {}});
  return q;
}

std::optional<Problem> checkQuote(const Quote& quote) {
  if (quote.positions.empty())
    return wrong(QStringLiteral("positions"),
                 QCoreApplication::translate("Quotes", "a list of at least one position"));
  if (quote.positions.size() > static_cast<std::size_t>(kMaxQuotePositions))
    return wrong(QStringLiteral("positions"),
                 QCoreApplication::translate("Quotes", "a list of at most %1 positions")
                     .arg(kMaxQuotePositions));
  const QuoteHeader& h = quote.header;
  const auto tooLong = [](const QString& text, int limit) { return text.size() > limit; };
  const std::pair<const char*, const QString*> lines[] = {
      {"company", &h.company},
      {"contact", &h.contact},
      {"customerReference", &h.customerReference},
      {"ourReference", &h.ourReference},
      {"number", &h.number},
  };
  const QString atMost = QCoreApplication::translate("Quotes", "a text of at most %1 characters");
  for (const auto& [key, text] : lines)
    if (tooLong(*text, kMaxQuoteLineText))
      return wrong(QLatin1String(key), atMost.arg(kMaxQuoteLineText));
  for (std::size_t i = 0; i < h.address.size(); ++i)
    if (tooLong(h.address[i], kMaxQuoteLineText))
      return wrong(QStringLiteral("address[%1]").arg(i + 1), atMost.arg(kMaxQuoteLineText));
  if (tooLong(h.note, kMaxQuoteNoteText))
    return wrong(QStringLiteral("note"), atMost.arg(kMaxQuoteNoteText));
  if (h.validityDays < 1 || h.validityDays > kMaxValidityDays)
    return wrong(
        QStringLiteral("validityDays"),
        QCoreApplication::translate("Quotes", "a whole number from 1 to %1").arg(kMaxValidityDays));

  const QuoteMarket market = marketOf(quote.positions.front().configuration.variant);
  for (std::size_t i = 0; i < quote.positions.size(); ++i) {
    const QuotePosition& p = quote.positions[i];
    if (p.quantity < 1 || p.quantity > kMaxQuoteQuantity)
      return wrong(positionKey(i, "quantity"),
                   QCoreApplication::translate("Quotes", "a whole number from 1 to %1")
                       .arg(kMaxQuoteQuantity));
    if (tooLong(p.note, kMaxQuoteNoteText))
      return wrong(positionKey(i, "note"), atMost.arg(kMaxQuoteNoteText));
    if (marketOf(p.configuration.variant) != market)
      return wrong(positionKey(i, "variant"),
                   QCoreApplication::translate(
                       "Quotes",
                       "a variant of the same market as the first position's (%1): one quote "
                       "holds hoists of one price list")
                       .arg(variantOf(quote.positions.front().configuration.variant).startCaption));
  }
  if (quote.language && marketOf(*quote.language) != market)
    return wrong(QStringLiteral("language"),
                 QCoreApplication::translate("Quotes", "one of %1 for this quote's hoists")
                     .arg(allowedLanguageCodes(market)));
  return std::nullopt;
}
