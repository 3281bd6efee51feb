// TEMPORARY stand-in until the quote document lands from its own branch; replaced by it.
#pragma once

#include <QDate>
#include <QImage>
#include <QPrinter>
#include <QString>
#include <stdexcept>
#include <vector>

#include "data/parts_data.h"
#include "page/ordering_page.h"
#include "quotes/quote_labels.h"
#include "quotes/quote_pricing.h"

struct QuoteDocumentPictures {
  PagePictures page;
  std::vector<QImage> windows;
};
inline bool printQuoteDocument(QPrinter&, const PartsData&, const PricedQuote&,
                               const QuoteDocumentPictures&, const QDate&, const QuoteLabels&) {
  return false;
}
inline void writeQuotePdf(const QString&, const PartsData&, const PricedQuote&,
                          const QuoteDocumentPictures&, const QDate&, const QuoteLabels&) {
  throw std::runtime_error("not yet");
}
