// The lists of configurations and quotes as JSON, with amounts rounded to the cent: what --json
// prints (indented) and the quote service answers (compact).
#pragma once

#include <QDate>
#include <string>

#include "common/json_writer.h"
#include "quotes/quote_pricing.h"

// A quote: its header, its positions each with its list, unit and line net, and its totals; the
// validity of a quote not yet dated runs from `today` (the current date when none is given). A
// plain configuration (a quote of one position not made as a quote) gives its list alone, as it has
// always been listed.
std::string pricedJson(const PricedQuote& priced, JsonWriter::Format format, QDate today = {});
