// A quote priced: each position walked through the steps in the quote's variant, with its
// ordering list, its unit and line net prices, and the quote's totals. The summary page, the
// position pages, the spreadsheet, --list, --json and the register all format this one value.
#pragma once

#include <QString>
#include <vector>

#include "configurator/configured_hoist.h"
#include "configurator/ordering_list.h"
#include "data/parts_data.h"
#include "quotes/quote.h"

struct PricedPosition {
  int number = 0;          // from 1
  QuotePosition position;  // its configuration in the quote's variant
  ConfiguredHoist hoist;
  OrderingList list;
  QString description;  // the model's short description: that of the list's first part line

  // The list's net amount for one hoist, and for the position's quantity.
  double unitNet() const { return list.net(); }
  double lineNet() const { return list.net() * position.quantity; }
  double lineTotal() const { return list.total * position.quantity; }
  double lineDiscount() const { return list.discountAmount() * position.quantity; }
};

struct PricedQuote {
  Quote quote;
  VariantId variant = VariantId::EnglishEuropean;  // the variant it prints in
  std::vector<PricedPosition> positions;
  double total = 0;     // the lists' totals times the quantities
  double discount = 0;  // the discounts times the quantities
  double net = 0;       // total less discount
};

// Walks every position through the steps in the quote's print variant and builds its list from
// `data`, which must be loaded in that variant. Throws Failure: the problem of checkQuote, or a
// refused or unfinished position as the steps say it, with "Position N" in front. A position that
// stops before the output is refused, as the window would not print it.
PricedQuote priceQuote(const Quote& quote, const PartsData& data);

// The same quote with lists given (those of the register, as issued): the hoists are walked
// again for the pages' sketches and data, the lists and amounts are the ones given. Throws
// Failure as priceQuote does, and when the number of lists is not that of the positions.
PricedQuote pricedWithLists(const Quote& quote, const PartsData& data,
                            std::vector<OrderingList> lists);

// Rounds an amount to the cents, as every total of a quote is stated.
double quoteAmount(double value);
