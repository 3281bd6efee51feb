// A quote as a spreadsheet workbook: a sheet of positions (number, quantity, model, unit and line
// net prices, the totals) and one sheet per position with its ordering list, numbers as numbers.
#pragma once

#include <QString>

#include "data/parts_data.h"
#include "prices/excel_export.h"
#include "quotes/quote_labels.h"
#include "quotes/quote_pricing.h"

// The sheets of the workbook, in order, with their names.
// The catalogue's texts and the labels are those of the quote's language.
std::vector<NamedExportSheet> quoteSheets(const TextCatalogueArray& texts, const PricedQuote& quote,
                                          const QuoteLabels& labels = {});

// Writes the workbook whole or not at all. Throws ExportError.
void writeQuoteWorkbook(const QString& path, const TextCatalogueArray& texts,
                        const PricedQuote& quote, const QuoteLabels& labels = {});
