// Pricing a quote: every position through the steps and into its list.
#include "quotes/quote_pricing.h"

#include <QCoreApplication>
#include <cmath>

#include "configurator/configuration_walk.h"

namespace {

// The position walked in the quote's variant. Throws Failure naming the position.
ConfiguredHoist walkPosition(const QuotePosition& position, std::size_t index) {
  const Result<ConfiguredHoist> walked = ConfigurationWalk::apply(position.configuration);
  if (walked) return *walked;
  Problem p = walked.problem();
  p.where = QCoreApplication::translate("Quotes", "Position %1").arg(index + 1);
  throw Failure(p);
}

PricedQuote priced(const Quote& quote, const PartsData& data, std::vector<OrderingList>* lists) {
  if (const std::optional<Problem> p = checkQuote(quote)) throw Failure(*p);
  if (lists && lists->size() != quote.positions.size())
    throw Failure(Problem{Problem::Kind::Database,
                          {},
                          QCoreApplication::translate(
                              "Quotes", "The quote has %1 positions but %2 lists were issued.")
                              .arg(quote.positions.size())
                              .arg(lists->size()),
                          std::nullopt});
  PricedQuote result;
  result.quote = quote;
  result.variant = quote.printVariant();
  for (std::size_t i = 0; i < quote.positions.size(); ++i) {
    PricedPosition p;
    p.number = static_cast<int>(i) + 1;
    p.position = quote.positions[i];
    // The same hoist in the quote's language: the European variants share their models and
    // their price list, and differ in texts and descriptions only.
    p.position.configuration.variant = result.variant;
    p.hoist = walkPosition(p.position, i);
    p.list = lists ? std::move((*lists)[i]) : BuildOrderingList(data, p.hoist);
    const std::vector<const OrderingLine*> parts = p.list.parts();
    p.description = parts.empty() ? QString() : parts.front()->description.trimmed();
    result.total += p.lineTotal();
    result.discount += p.lineDiscount();
    result.positions.push_back(std::move(p));
  }
  result.total = quoteAmount(result.total);
  result.discount = quoteAmount(result.discount);
  result.net = quoteAmount(result.total - result.discount);
  return result;
}

}  // namespace

double quoteAmount(double value) {
  return std::round(value * 100) / 100;
}

PricedQuote priceQuote(const Quote& quote, const PartsData& data) {
  return priced(quote, data, nullptr);
}

PricedQuote pricedWithLists(const Quote& quote, const PartsData& data,
                            std::vector<OrderingList> lists) {
  return priced(quote, data, &lists);
}
