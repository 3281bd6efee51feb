// The quote's workbook: a sheet of positions, then each position's list.
#include "quotes/quote_export.h"

std::vector<NamedExportSheet> quoteSheets(const TextCatalogueArray& texts, const PricedQuote& quote,
                                          const QuoteLabels& labels) {
  ExportSheet positions;
  const QuoteLabel headings[] = {QuoteLabel::PositionShort, QuoteLabel::Quantity, QuoteLabel::Model,
                                 QuoteLabel::UnitPrice, QuoteLabel::LinePrice};
  for (int c = 0; c < 5; ++c) positions.set(1, c + 1, labels[headings[c]]);
  int row = 2;
  for (const PricedPosition& p : quote.positions) {
    positions.set(row, 1, static_cast<double>(p.number));
    positions.set(row, 2, static_cast<double>(p.position.quantity));
    positions.set(row, 3, p.hoist.model + QStringLiteral(" ") + p.description);
    positions.set(row, 4, listedFigure(p.unitNet()));
    positions.set(row, 5, listedFigure(p.lineNet()));
    ++row;
  }
  ++row;
  const std::pair<QuoteLabel, double> totals[] = {{QuoteLabel::Total, quote.total},
                                                  {QuoteLabel::Discounts, quote.discount},
                                                  {QuoteLabel::NetTotal, quote.net}};
  for (const auto& [label, figure] : totals) {
    positions.set(row, 3, labels[label]);
    positions.set(row, 5, listedFigure(figure));
    ++row;
  }
  std::vector<NamedExportSheet> sheets;
  NamedExportSheet first{labels[QuoteLabel::Positions], positions};
  first.widths = {6, 9, 50, 13, 14};
  sheets.push_back(first);
  for (const PricedPosition& p : quote.positions)
    sheets.push_back(
        {labels[QuoteLabel::Position].arg(p.number), orderingListSheet(texts, p.list)});
  return sheets;
}

void writeQuoteWorkbook(const QString& path, const TextCatalogueArray& texts,
                        const PricedQuote& quote, const QuoteLabels& labels) {
  writeExportWorkbook(path, quoteSheets(texts, quote, labels));
}
