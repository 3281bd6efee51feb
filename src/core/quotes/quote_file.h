// Quote files: a saved configuration (version 1 of .telmaris) is a quote of one position; version
// 2 holds a quote's header, its language and its positions, each position the keys of version 1
// with its quantity and note.
#pragma once

#include <QByteArray>
#include <QString>

#include "common/problem.h"
#include "quotes/quote.h"

// A quote file of many positions is larger than a configuration; a file beyond this is refused
// before it is read. A hundred positions with their notes fit well within it.
inline constexpr qint64 kMaxQuoteFileBytes = 1024 * 1024;

// Reads version 1 (a configuration: a quote of one position with an empty header, not made as
// a quote) or version 2. In version 2 every key must be one of the format's: an unknown key is
// refused by its path ("positions[1].colour"), as is a value of the wrong type or beyond the
// limits (checkQuote). The problem is of kind File, without a place.
Result<Quote> parseQuote(const QByteArray& json);

// Version 2 for a quote (Quote::isQuote), version 1, as before, for a plain configuration.
QByteArray writeQuote(const Quote& quote);

// Reads and parses a configuration or quote file: a regular file of at most kMaxQuoteFileBytes.
// The problem names the file.
Result<Quote> readQuoteFile(const QString& file);
