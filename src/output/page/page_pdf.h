// The printed page written into a PDF file, as the command line's --pdf writes it.
#pragma once

#include <QDate>
#include <QImage>
#include <QString>
#include <functional>

#include "common/problem.h"
#include "configurator/ordering_list.h"
#include "page/ordering_page.h"

// The border, in millimetres, that the page keeps around the printed area, as a printer keeps
// one it cannot print on.
inline constexpr double kCommandPdfMargin = 5;

class QPrinter;

// A printer that writes an A4 page with that border into the PDF file `output`.
void setUpPdfPrinter(QPrinter& printer, const QString& output, const QString& title);

// The document title of the page's PDF: the list's title in the variant's language and the
// model, "Bestellliste PXH 250 EX".
QString pagePdfTitle(const TextCatalogueArray& texts, const QString& model);

// Whether the PDF file at `path` is whole: it starts with the PDF header, ends with the trailer's
// startxref and %%EOF, and the cross-reference table startxref points at finds every object it
// lists where it says. A write that stopped short (a full disk) or lost a piece fails this.
bool pdfFileComplete(const QString& path);

// Whether a page printed on `printer` goes into a file (Export as PDF, or printing to a file
// chosen in the print dialog or the preview) rather than to a printer or onto the preview.
bool printerWritesFile(const QPrinter& printer);

// Prints with `print` into the printer's PDF file `output` whole or not at all: the printer writes
// into a temporary file beside it, which takes the file's place once `print` returned true and
// pdfFileComplete() holds. Throws Failure of kind File naming the file; a previous file of that
// name is then as it was, and no temporary file is left.
void printPdfFileWhole(QPrinter& printer, const QString& output,
                       const std::function<bool(QPrinter&)>& print);

// Writes the A4 page with the pictures given, the window image among them, whole or not at all.
// Throws Failure of kind File naming the file when it cannot be written.
void writePagePdf(const QString& output, const PartsData& data, const ConfiguredHoist& hoist,
                  const OrderingList& list, const PagePictures& pictures, const QDate& date);
