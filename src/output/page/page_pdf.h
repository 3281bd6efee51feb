// The printed page written into a PDF file, as the command line's --pdf writes it.
#pragma once

#include <QDate>
#include <QImage>
#include <QString>

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

// Writes the A4 page with the pictures given, the window image among them. Throws Failure when
// the file cannot be written.
void writePagePdf(const QString& output, const PartsData& data, const ConfiguredHoist& hoist,
                  const OrderingList& list, const PagePictures& pictures, const QDate& date);
