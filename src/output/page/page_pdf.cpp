// The printed page into a PDF file.
#include "page/page_pdf.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

#include "page/ordering_page.h"
#include "sheets/technical_data.h"

QString pagePdfTitle(const TextCatalogueArray& texts, const QString& model) {
  return texts[Text::OrderingListTitle].trimmed() + QLatin1Char(' ') + model;
}

void setUpPdfPrinter(QPrinter& printer, const QString& output, const QString& title) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(output);
  // The title and the maker a PDF viewer shows in its title bar and document properties.
  printer.setDocName(title);
  printer.setCreator(QStringLiteral("Velmora Telmaris"));
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageMargins(
      QMarginsF(kCommandPdfMargin, kCommandPdfMargin, kCommandPdfMargin, kCommandPdfMargin),
      QPageLayout::Millimeter);
}

void writePagePdf(const QString& output, const PartsData& data, const ConfiguredHoist& hoist,
                  const OrderingList& list, const PagePictures& pictures, const QDate& date) {
  QPrinter printer(QPrinter::HighResolution);
  setUpPdfPrinter(printer, output, pagePdfTitle(data.TextCatalogue, hoist.model));
  QPainter painter;
  const auto unwritable = [&output] {
    return Failure(Problem{Problem::Kind::File, output,
                           QStringLiteral("the file cannot be written"), std::nullopt});
  };
  if (!painter.begin(&printer)) throw unwritable();
  const double dotsPerMm = printer.resolution() / 25.4;
  painter.scale(dotsPerMm, dotsPerMm);
  const QSizeF printable = printer.pageLayout().paintRect(QPageLayout::Millimeter).size();
  SheetValues sheet;
  paintOrderingPage(painter, printable, data, hoist, list, sheet, pictures, date);
  if (!painter.end() || !QFileInfo::exists(output)) throw unwritable();
}
