// The printed page into a PDF file.
#include "page/page_pdf.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

#include "page/ordering_page.h"
#include "sheets/technical_data.h"

void setUpPdfPrinter(QPrinter& printer, const QString& output) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(output);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageMargins(
      QMarginsF(kCommandPdfMargin, kCommandPdfMargin, kCommandPdfMargin, kCommandPdfMargin),
      QPageLayout::Millimeter);
}

void writePagePdf(const QString& output, const PartsData& data, const ConfiguredHoist& hoist,
                  const OrderingList& list, const PagePictures& pictures, const QDate& date) {
  QPrinter printer(QPrinter::HighResolution);
  setUpPdfPrinter(printer, output);
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
