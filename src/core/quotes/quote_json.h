// The lists of configurations and quotes as JSON, with amounts rounded to the cent: what --json
// prints and the quote service answers.
#pragma once

#include <QDate>
#include <QJsonObject>

#include "configurator/ordering_list.h"
#include "quotes/quote_pricing.h"

// A list's lines (quantity, unit, feet in US Imperial, ordering number, amount, description) and
// its total, discount and net.
QJsonObject listAsJson(const OrderingList& list);
// A quote's header, its positions each with its list, unit and line net, and its totals; the
// validity runs from `today` for a quote not yet dated.
QJsonObject quoteAsJson(const PricedQuote& priced, const QDate& today);
// A quote as quoteAsJson gives it; a plain configuration (a quote of one position not made as a
// quote) as its list alone, as it has always been listed.
QJsonObject pricedAsJson(const PricedQuote& priced, const QDate& today);
