// TEMPORARY stand-in until the quote's printing lands from its own branch; replaced by it.
#pragma once

#include <QStringList>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include "data/parts_data.h"
#include "data/program_directory.h"
#include "quote/quote_document.h"
#include "quotes/quote.h"
#include "quotes/quote_labels.h"
#include "quotes/quote_pricing.h"

struct PreparedQuoteDocument {
  std::unique_ptr<PartsData> data;
  PricedQuote priced;
  QuoteDocumentPictures pictures;
  QuoteLabels labels;
  QStringList missingPictures;
};
inline PreparedQuoteDocument prepareQuoteDocument(
    const ProgramDirectory&, const Quote&,
    const std::optional<std::vector<OrderingList>>& = std::nullopt) {
  throw std::runtime_error("not yet");
}
