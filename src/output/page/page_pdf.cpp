// The printed page into a PDF file.
#include "page/page_pdf.h"

#include <QFile>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>

#include "common/file_access.h"
#include "page/ordering_page.h"
#include "sheets/technical_data.h"

namespace {

bool isPdfSpace(char c) {
  return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

// The words of a PDF file read one after another from an offset: what stands between blanks.
class PdfWords {
 public:
  PdfWords(QByteArrayView pdf, qsizetype from) : pdf_(pdf), at_(from) {}
  QByteArrayView next() {
    while (at_ < pdf_.size() && isPdfSpace(pdf_[at_])) ++at_;
    const qsizetype start = at_;
    while (at_ < pdf_.size() && !isPdfSpace(pdf_[at_])) ++at_;
    return pdf_.sliced(start, at_ - start);
  }
  // A whole number of digits only; -1 for anything else.
  qint64 number() {
    const QByteArrayView word = next();
    bool ok = false;
    const qint64 n = word.isEmpty() || word.front() == '+' || word.front() == '-'
                         ? -1
                         : QByteArray(word.data(), word.size()).toLongLong(&ok);
    return ok ? n : -1;
  }

 private:
  QByteArrayView pdf_;
  qsizetype at_;
};

// Whether object `number`, generation `generation`, starts at `offset`: "12 0 obj".
bool objectStartsAt(QByteArrayView pdf, qint64 offset, qint64 number, qint64 generation) {
  if (offset <= 0 || offset >= pdf.size()) return false;
  PdfWords words(pdf, static_cast<qsizetype>(offset));
  return words.number() == number && words.number() == generation && words.next().startsWith("obj");
}

}  // namespace

bool pdfFileComplete(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray content = file.readAll();
  if (content.size() != file.size() || !content.startsWith("%PDF-")) return false;
  const QByteArrayView pdf(content);
  // The tail: "startxref", the offset of the cross-reference table, "%%EOF" and a line end.
  qsizetype end = pdf.size();
  while (end > 0 && isPdfSpace(pdf[end - 1])) --end;
  if (!pdf.first(end).endsWith("%%EOF")) return false;
  const qsizetype startxref = content.lastIndexOf("startxref", end);
  if (startxref < 0) return false;
  PdfWords tail(pdf.first(end), startxref + 9);
  const qint64 table = tail.number();
  if (table <= 0 || table >= startxref || tail.next() != "%%EOF") return false;

  // A cross-reference stream (PDF 1.5 and later) is an object of its own, which must start there.
  PdfWords entries(pdf.first(startxref), static_cast<qsizetype>(table));
  if (entries.next() != "xref") {
    PdfWords stream(pdf, static_cast<qsizetype>(table));
    const qint64 number = stream.number();
    return number > 0 && stream.number() >= 0 && stream.next().startsWith("obj");
  }
  // The table's sections, "first count" and count entries "offset generation n|f", up to the
  // trailer: every object in use starts where its entry says, so a file that lost a piece in the
  // middle is found out as well as one cut short.
  int used = 0;
  while (true) {
    const QByteArrayView word = entries.next();
    if (word == "trailer") break;
    bool ok = false;
    const qint64 first = QByteArray(word.data(), word.size()).toLongLong(&ok);
    const qint64 count = entries.number();
    if (!ok || first < 0 || count < 0) return false;
    for (qint64 i = 0; i < count; ++i) {
      const qint64 offset = entries.number();
      const qint64 generation = entries.number();
      const QByteArrayView kind = entries.next();
      if (offset < 0 || generation < 0 || (kind != "n" && kind != "f")) return false;
      if (kind == "n") {
        if (offset >= table || !objectStartsAt(pdf, offset, first + i, generation)) return false;
        ++used;
      }
    }
  }
  return used > 0;
}

bool printerWritesFile(const QPrinter& printer) {
  // The preview draws its pages through an engine of its own, which writes nothing; the
  // preview's print button then prints through the printer's own engine.
  const QPaintEngine* engine = printer.paintEngine();
  return !printer.outputFileName().isEmpty() &&
         !(engine && engine->type() == QPaintEngine::Picture);
}

void printPdfFileWhole(QPrinter& printer, const QString& output,
                       const std::function<bool(QPrinter&)>& print) {
  FileReplacement replacement(output);
  // A name without the .pdf suffix leaves the printer's output format as it is.
  printer.setOutputFileName(replacement.temporaryPath());
  bool printed = false;
  try {
    printed = print(printer);
  } catch (...) {
    printer.setOutputFileName(output);
    throw;
  }
  printer.setOutputFileName(output);
  // The printer does not report failed writes: the file itself shows whether it is whole.
  replacement.commit(
      [printed](const QString& written) { return printed && pdfFileComplete(written); });
}

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
  printPdfFileWhole(printer, output, [&](QPrinter& into) {
    QPainter painter;
    if (!painter.begin(&into)) return false;
    const double dotsPerMm = into.resolution() / 25.4;
    painter.scale(dotsPerMm, dotsPerMm);
    const QSizeF printable = into.pageLayout().paintRect(QPageLayout::Millimeter).size();
    SheetValues sheet;
    paintOrderingPage(painter, printable, data, hoist, list, sheet, pictures, date);
    return painter.end();
  });
}
