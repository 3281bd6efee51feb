// What the printed quote needs from the windows: each position's configuration walked in a
// hidden main window of the quote's language, for the image of the window on its page. The
// command line's --pdf and the window's print commands share it.
#pragma once

#include <QDate>
#include <QImage>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "configurator/configuration.h"
#include "configurator/configured_hoist.h"
#include "configurator/ordering_list.h"
#include "data/parts_data.h"
#include "data/program_directory.h"
#include "quote/quote_document.h"
#include "quotes/quote.h"
#include "quotes/quote_labels.h"
#include "quotes/quote_pricing.h"

class Configurator;

// A configuration walked by the step driver of a hidden main window on parts data read for the
// variant: the window's image and the configured hoist of the same walk.
struct WalkedWindow {
  ConfiguredHoist hoist;
  QImage image;
};

// Walks the configuration (in its own variant, whose parts data `data` must be) in a hidden main
// window and takes the window's image. Throws Failure for a refused or missing answer, and when
// the window cannot load. The language of the program's own texts is as it was afterwards.
WalkedWindow walkInHiddenWindow(const ProgramDirectory& directory, const PartsData& data,
                                const Configuration& configuration);

struct PreparedQuoteDocument {
  // In the quote's print variant; empty when the caller gave the data (see below).
  std::unique_ptr<PartsData> data;
  PricedQuote priced;
  QuoteDocumentPictures pictures;
  QuoteLabels labels;           // in the quote's language
  QStringList missingPictures;  // the picture files the pages lack, each named once
};

// Loads the parts data in the quote's print variant, prices the quote (or, with `issuedLists`,
// takes the lists of the quote as it was issued) and walks each position in a hidden main window
// of that variant for its window image, so that the image is in the quote's language. Throws
// Failure: a problem of the data, or of a position, which it names.
//
// A plain configuration (not Quote::isQuote, in its own variant) is walked by the window's steps
// alone, and refused in their words, as its page always was.
PreparedQuoteDocument prepareQuoteDocument(
    const ProgramDirectory& directory, const Quote& quote,
    const std::optional<std::vector<OrderingList>>& issuedLists = std::nullopt);

// The same on parts data the caller has read in the quote's print variant, so that the database
// is read once; the document is to be printed with `data`, and the result's own data stays
// empty.
PreparedQuoteDocument prepareQuoteDocument(
    const ProgramDirectory& directory, const Quote& quote, const PartsData& data,
    const std::optional<std::vector<OrderingList>>& issuedLists = std::nullopt);
