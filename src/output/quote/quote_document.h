// The printed quote: a summary page (or more, for a long quote) with the customer, the positions
// and the totals, then each position's ordering page as a configuration prints it, all in the
// quote's language. Painted once onto any printer, so that printer, PDF file and preview agree.
#pragma once

#include <QDate>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <vector>

#include "common/problem.h"
#include "page/ordering_page.h"
#include "quotes/quote_labels.h"
#include "quotes/quote_pricing.h"

class QPainter;
class QPrinter;

struct QuoteDocumentPictures {
  PagePictures page;            // the logo and the sketches; its window is not used
  std::vector<QImage> windows;  // each position's window image, in order
};

// Paints the document onto the printer: for a quote (Quote::isQuote) first the summary pages,
// then for each position its ordering page exactly as a configuration prints it, with the quote
// number, the customer and the position in the page's free top right corner and the page number
// in its free bottom right corner; a plain configuration prints only its ordering page, as
// before. Returns false when painting cannot start.
bool printQuoteDocument(QPrinter& printer, const PartsData& data, const PricedQuote& quote,
                        const QuoteDocumentPictures& pictures, const QDate& date,
                        const QuoteLabels& labels);

// The same into a PDF file, whole or not at all. Throws Failure of kind File naming the file.
void writeQuotePdf(const QString& output, const PartsData& data, const PricedQuote& quote,
                   const QuoteDocumentPictures& pictures, const QDate& date,
                   const QuoteLabels& labels);

// The document title of the quote's PDF: "Quote Q-2026-0001" in the quote's language, or the
// ordering page's title for a plain configuration.
QString quotePdfTitle(const PartsData& data, const PricedQuote& quote, const QuoteLabels& labels);

// The number of summary pages the quote takes on a printable area of that size; 0 for a plain
// configuration, which has none.
int quoteSummaryPageCount(QSizeF printableMm, const PricedQuote& quote, const QDate& date,
                          const QuoteLabels& labels);
