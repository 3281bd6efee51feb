// Composition of the printed quote: the summary pages laid out first, so that every page knows
// how many pages the document has, then painted with the positions' ordering pages after them.
#include "quote/quote_document.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <functional>

#include "common/number_format.h"
#include "page/page_pdf.h"
#include "page/print_text.h"
#include "sheets/technical_data.h"

namespace {

// The columns and rows of the summary page, in millimetres from the top left corner of the
// printable area, on the grid of the ordering page: its text starts at 20 and ends at 193.
constexpr double kLeft = 20;
constexpr double kRight = 193;
constexpr double kHeaderTop = 18;
constexpr double kCustomerWidth = 88;  // the address block, from kLeft
constexpr double kFactsLabel = 116;    // the quote's facts at the right: labels...
constexpr double kFactsValue = 148;    // ...and their values up to kRight
constexpr double kPositionRight = 28;  // the position's number, right-aligned
constexpr double kQuantityRight = 46;  // the quantity, right-aligned
constexpr double kModelLeft = 52;      // the model, its description and its note
constexpr double kModelRight = 132;
constexpr double kUnitPriceRight = 160;
constexpr double kTotalsLabel = 116;
constexpr double kRuleWidth = 0.3;
constexpr double kHairlineWidth = 0.1;
constexpr double kTextSize = 10;   // the page's list
constexpr double kSmallSize = 9;   // headings, descriptions, notes of positions
constexpr double kMarginSize = 8;  // the free margins of a page
// The bottom strip of every page, which holds the page number.
constexpr double kFooterHeight = 8;
// The ordering page's text starts under this line; its title stands at its middle, the date
// at its right. The top right corner beside the title is free down to it.
constexpr double kOrderingPageHeading = 14;

const QColor kLabelColour(70, 70, 70);
const QColor kHairlineColour(150, 150, 150);

// A picture rectangle on the 300-dpi design grid of the ordering page, in millimetres.
QRectF gridRect(double left, double top, double right, double bottom) {
  constexpr double mm = 25.4 / 300;
  return QRectF(QPointF(left * mm, top * mm), QPointF(right * mm, bottom * mm));
}
// Where the ordering page draws the logo.
const QRectF kLogoRect = gridRect(80, 0, 1104, 729);

QString amountText(double value) {
  return FormatNumber(value, kPricePattern);
}

QString dateText(const QDate& date) {
  return date.toString(QStringLiteral("yyyy-MM-dd"));
}

// A text typed into a field as one line: every control character, line breaks included, a
// blank.
QString oneLine(const QString& text) {
  QString line = text;
  for (QChar& c : line)
    if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
        c == QChar::ParagraphSeparator)
      c = u' ';
  return line.simplified();
}

// What one summary page holds: texts anchored as PrintTextAt places them, and lines.
struct PageItem {
  QString text;  // empty for a line
  double x = 0, y = 0;
  double size = kTextSize;
  bool bold = false;
  int anchor = 3;
  QColor colour = Qt::black;
  QLineF line;
  double lineWidth = kRuleWidth;
};

using PageItems = std::vector<PageItem>;

// Lays the summary out into pages, measuring with the faces the page prints in.
class SummaryLayout {
 public:
  SummaryLayout(QSizeF printable, const PricedQuote& quote, const QDate& date,
                const QuoteLabels& labels)
      : scratch_(1, 1, QImage::Format_RGB32),
        printable_(printable),
        quote_(quote),
        header_(quote.quote.header),
        date_(date),
        labels_(labels) {
    painter_.begin(&scratch_);
    painter_.setFont(QFont(QStringLiteral("Arial")));
    device_.emplace(painter_);
  }
  ~SummaryLayout() { painter_.end(); }

  std::vector<PageItems> pages() {
    startPage();
    header();
    positions();
    totals();
    note();
    return std::move(pages_);
  }

  // Lines of the text that each fit the width; a word wider than the width is broken where it
  // must be. Line breaks of the text are kept when `paragraphs`; at most `maxLines` lines, the
  // last one cut short with an ellipsis when the text goes on.
  QStringList wrap(const QString& text, double width, double size, bool bold, int maxLines = 0,
                   bool paragraphs = false) {
    device_->setFont(size, bold);
    QStringList lines;
    QStringList blocks;
    if (paragraphs) {
      QString normalised = text;
      normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
      normalised.replace(u'\r', u'\n');
      for (const QString& block : normalised.split(u'\n')) blocks << oneLine(block);
    } else {
      blocks << oneLine(text);
    }
    for (const QString& block : blocks) {
      if (block.isEmpty()) {
        // One blank line between paragraphs, however many were typed.
        if (!lines.isEmpty() && !lines.last().isEmpty()) lines << QString();
        continue;
      }
      QString line;
      for (const QString& word : block.split(u' ', Qt::SkipEmptyParts)) {
        const QString joined = line.isEmpty() ? word : line + u' ' + word;
        if (fits(joined, width)) {
          line = joined;
          continue;
        }
        if (!line.isEmpty()) lines << line;
        line = word;
        // A word wider than the line is broken into pieces that fit.
        while (!fits(line, width)) {
          qsizetype n = line.size() - 1;
          while (n > 1 && !fits(line.left(n), width)) --n;
          lines << line.left(n);
          line = line.mid(n);
        }
      }
      if (!line.isEmpty()) lines << line;
    }
    while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    if (maxLines > 0 && lines.size() > maxLines) {
      lines = lines.first(maxLines);
      lines.last() = elide(lines.last() + QStringLiteral(" …"), width, size, bold);
    }
    return lines;
  }

  QString elide(const QString& text, double width, double size, bool bold) {
    device_->setFont(size, bold);
    if (fits(text, width)) return text;
    const QString ellipsis = QStringLiteral("…");
    QString shown = text;
    while (!shown.isEmpty() && !fits(shown + ellipsis, width)) shown.chop(1);
    return shown.trimmed() + ellipsis;
  }

  double lineHeight(double size, bool bold = false) {
    device_->setFont(size, bold);
    return device_->measure(QStringLiteral("Ág")).height();
  }

 private:
  bool fits(const QString& text, double width) { return device_->measure(text).width() <= width; }

  double bottom() const { return printable_.height() - kFooterHeight; }

  PageItems& page() { return pages_.back(); }

  void text(const QString& text, double x, double y, double size, bool bold, int anchor = 3,
            const QColor& colour = Qt::black) {
    if (text.isEmpty()) return;
    PageItem item;
    item.text = text;
    item.x = x;
    item.y = y;
    item.size = size;
    item.bold = bold;
    item.anchor = anchor;
    item.colour = colour;
    page().push_back(item);
  }
  void line(double x1, double y1, double x2, double y2, double width,
            const QColor& colour = Qt::black) {
    PageItem item;
    item.line = QLineF(x1, y1, x2, y2);
    item.lineWidth = width;
    item.colour = colour;
    page().push_back(item);
  }

  // A new page with the letterhead; on every page after the first the quote number and the
  // customer stand in its top right corner, as on the positions' pages.
  void startPage() {
    pages_.emplace_back();
    y_ = kHeaderTop;
    if (pages_.size() > 1) y_ = kOrderingPageHeading + 4;
  }
  // Room for `height` more millimetres on this page, or a new page.
  bool room(double height) { return y_ + height <= bottom(); }
  void ensure(double height, bool withTableHeading) {
    if (room(height)) return;
    startPage();
    if (withTableHeading) tableHeading();
  }

  void header() {
    // The customer at the left, as a letter's address.
    double left = y_;
    bool customer = !oneLine(header_.company).isEmpty() || !oneLine(header_.contact).isEmpty();
    for (const QString& a : header_.address) customer = customer || !oneLine(a).isEmpty();
    if (customer) {
      text(labels_[QuoteLabel::Customer], kLeft, left, kMarginSize, true, 3, kLabelColour);
      left += lineHeight(kMarginSize, true) + 0.8;
    }
    auto addressLine = [&](const QString& value, bool bold, int maxLines) {
      for (const QString& l : wrap(value, kCustomerWidth, kTextSize, bold, maxLines)) {
        text(l, kLeft, left, kTextSize, bold);
        left += lineHeight(kTextSize, bold);
      }
    };
    addressLine(header_.company, true, 2);
    addressLine(header_.contact, false, 1);
    for (const QString& a : header_.address) addressLine(a, false, 1);

    // The quote's facts at the right: number, date, validity, the references.
    double right = y_;
    const QDate until = header_.validUntil(date_);
    const auto fact = [&](QuoteLabel label, const QString& value, bool bold, int maxLines) {
      if (value.trimmed().isEmpty()) return;
      const QStringList valueLines = wrap(value, kRight - kFactsValue, kTextSize, bold, maxLines);
      const double labelTop = right + (lineHeight(kTextSize) - lineHeight(kSmallSize)) / 2;
      text(elide(labels_[label], kFactsValue - kFactsLabel - 2, kSmallSize, false), kFactsLabel,
           labelTop, kSmallSize, false, 3, kLabelColour);
      for (const QString& l : valueLines) {
        text(l, kFactsValue, right, kTextSize, bold);
        right += lineHeight(kTextSize, bold);
      }
      right += 0.6;
    };
    fact(QuoteLabel::QuoteNumber, header_.number, true, 1);
    fact(QuoteLabel::Date, dateText(date_), false, 1);
    fact(QuoteLabel::ValidUntil, validityText(until), false, 1);
    fact(QuoteLabel::YourReference, header_.customerReference, false, 3);
    fact(QuoteLabel::OurReference, header_.ourReference, false, 3);
    y_ = std::max(left, right) + 7;
  }

  QString validityText(const QDate& until) const {
    const QString days = header_.validityDays == 1
                             ? labels_[QuoteLabel::OneDay]
                             : labels_[QuoteLabel::Days].arg(header_.validityDays);
    return QStringLiteral("%1 (%2)").arg(dateText(until), days);
  }

  void tableHeading() {
    const double size = kSmallSize;
    const QColor c = kLabelColour;
    text(labels_[QuoteLabel::PositionShort], kPositionRight, y_, size, true, 9, c);
    text(elide(labels_[QuoteLabel::Quantity], kQuantityRight - kPositionRight - 2, size, true),
         kQuantityRight, y_, size, true, 9, c);
    text(elide(labels_[QuoteLabel::Model], kModelRight - kModelLeft, size, true), kModelLeft, y_,
         size, true, 3, c);
    text(elide(labels_[QuoteLabel::UnitPrice], kUnitPriceRight - kModelRight - 2, size, true),
         kUnitPriceRight, y_, size, true, 9, c);
    text(elide(labels_[QuoteLabel::LinePrice], kRight - kUnitPriceRight - 3, size, true), kRight,
         y_, size, true, 9, c);
    y_ += lineHeight(size, true) + 0.8;
    line(kLeft - 1, y_, kRight, y_, kRuleWidth);
    y_ += 1.5;
  }

  void positions() {
    ensure(lineHeight(kSmallSize, true) + 3 + 2 * lineHeight(kTextSize), false);
    tableHeading();
    const double text10 = lineHeight(kTextSize);
    const double text9 = lineHeight(kSmallSize);
    for (std::size_t n = 0; n < quote_.positions.size(); ++n) {
      const PricedPosition& p = quote_.positions[n];
      const QStringList description =
          wrap(p.description, kModelRight - kModelLeft, kSmallSize, false, 2);
      const QStringList note =
          wrap(p.position.note, kRight - kModelLeft, kSmallSize, false, 0, true);
      // The row, its description and the first line of its note stay on one page.
      const double rowHeight = text10 + description.size() * text9 + (note.isEmpty() ? 0 : text9);
      ensure(rowHeight + 1, true);
      text(QString::number(p.number), kPositionRight, y_, kTextSize, false, 9);
      text(QString::number(p.position.quantity), kQuantityRight, y_, kTextSize, false, 9);
      text(
          elide(oneLine(p.position.configuration.model), kModelRight - kModelLeft, kTextSize, true),
          kModelLeft, y_, kTextSize, true, 3);
      text(amountText(p.unitNet()), kUnitPriceRight, y_, kTextSize, false, 9);
      text(amountText(p.lineNet()), kRight, y_, kTextSize, false, 9);
      y_ += text10;
      for (const QString& l : description) {
        text(l, kModelLeft, y_, kSmallSize, false, 3);
        y_ += text9;
      }
      for (const QString& l : note) {
        ensure(text9, true);
        text(l, kModelLeft, y_, kSmallSize, false, 3, kLabelColour);
        y_ += text9;
      }
      y_ += 1.2;
      if (n + 1 < quote_.positions.size()) {
        line(kModelLeft, y_, kRight, y_, kHairlineWidth, kHairlineColour);
        y_ += 1.5;
      }
    }
    line(kLeft - 1, y_, kRight, y_, kRuleWidth);
    y_ += 2;
  }

  void totals() {
    const double h = lineHeight(kTextSize, true) + 0.4;
    const bool discounted = quoteAmountDiffers(quote_.discount, 0);
    ensure((discounted ? 3 : 1) * h, false);
    const auto total = [&](QuoteLabel label, double amount, bool bold) {
      text(elide(labels_[label], kUnitPriceRight - kTotalsLabel, kTextSize, bold), kTotalsLabel, y_,
           kTextSize, bold, 3);
      text(amountText(amount), kRight, y_, kTextSize, bold, 9);
      y_ += h;
    };
    if (discounted) {
      total(QuoteLabel::Total, quote_.total, false);
      total(QuoteLabel::Discounts, quote_.discount, false);
      total(QuoteLabel::NetTotal, quote_.net, true);
    } else {
      total(QuoteLabel::NetTotal, quote_.net, true);
    }
    y_ += 5;
    ensure(lineHeight(kTextSize), false);
    const QString validity = labels_[QuoteLabel::ValidUntil] + QStringLiteral(": ") +
                             validityText(header_.validUntil(date_));
    for (const QString& l : wrap(validity, kRight - kLeft, kTextSize, false)) {
      text(l, kLeft, y_, kTextSize, false, 3);
      y_ += lineHeight(kTextSize);
    }
    y_ += 3;
  }

  void note() {
    const QStringList lines = wrap(header_.note, kRight - kLeft, kTextSize, false, 0, true);
    if (lines.isEmpty()) return;
    const double h = lineHeight(kTextSize);
    ensure(lineHeight(kTextSize, true) + 0.8 + h, false);
    text(labels_[QuoteLabel::Note], kLeft, y_, kTextSize, true, 3);
    y_ += lineHeight(kTextSize, true) + 0.8;
    for (const QString& l : lines) {
      ensure(h, false);
      text(l, kLeft, y_, kTextSize, false, 3);
      y_ += h;
    }
  }

  static bool quoteAmountDiffers(double a, double b) { return std::abs(a - b) >= 0.005; }

  QImage scratch_;
  QPainter painter_;
  std::optional<PainterTextDevice> device_;
  QSizeF printable_;
  const PricedQuote& quote_;
  const QuoteHeader& header_;
  QDate date_;
  const QuoteLabels& labels_;
  std::vector<PageItems> pages_;
  double y_ = 0;
};

// The date the document states: the quote's issue date, or for one not issued the date given.
QDate documentDate(const PricedQuote& quote, const QDate& date) {
  return quote.quote.header.date.isValid() ? quote.quote.header.date : date;
}

void drawItems(QPainter& painter, const PageItems& items) {
  PainterTextDevice device(painter);
  for (const PageItem& item : items) {
    if (item.text.isEmpty()) {
      painter.save();
      painter.setPen(QPen(item.colour, item.lineWidth));
      painter.drawLine(item.line);
      painter.restore();
      continue;
    }
    painter.setPen(item.colour);
    QString text = item.text;
    PrintTextAt(device, text, item.x, item.y, item.size, item.bold, item.anchor);
  }
  painter.setPen(Qt::black);
}

// The letterhead of a summary page: the logo, the title and the date where the ordering page has
// them.
void paintLetterhead(QPainter& painter, const QuoteDocumentPictures& pictures,
                     const QuoteLabels& labels, const QDate& date) {
  if (!pictures.page.logo.isNull()) painter.drawImage(kLogoRect, pictures.page.logo);
  PainterTextDevice device(painter);
  QString title = labels[QuoteLabel::QuoteTitle];
  PrintTextAt(device, title, 100, 0, 16, true, 6);
  QString shown = dateText(date);
  PrintTextAt(device, shown, kRight, 0, kTextSize, false, 9);
}

// The top right corner beside the title, which the ordering page leaves free: the quote
// number, the customer and, on a position's page, the position and its quantity, each cut
// short to the room there is.
void paintQuoteMargin(QPainter& painter, const PartsData& data, const PricedQuote& quote,
                      const QuoteLabels& labels, const PricedPosition* position) {
  const QuoteHeader& header = quote.quote.header;
  PainterTextDevice device(painter);
  // The title of either page, centred at 100 mm, ends here.
  device.setFont(16, true);
  const double titleRight =
      100 + std::max(device.measure(data.TextCatalogue[Text::ProgramTitle].trimmed()).width(),
                     device.measure(labels[QuoteLabel::QuoteTitle]).width()) /
                2;
  device.setFont(kTextSize, false);
  const double dateBottom = device.measure(QStringLiteral("0")).height();
  const double room = kRight - std::max(titleRight + 3, 120.0);

  QStringList lines;
  QList<bool> bold;
  if (!header.number.isEmpty()) {
    lines << labels[QuoteLabel::QuoteNumber] + u' ' + oneLine(header.number);
    bold << true;
  }
  if (!oneLine(header.company).isEmpty() || !oneLine(header.contact).isEmpty()) {
    lines << oneLine(header.company.trimmed().isEmpty() ? header.contact : header.company);
    bold << false;
  }
  if (position) {
    lines << labels[QuoteLabel::Position].arg(position->number) + QStringLiteral(" · ") +
                 labels[QuoteLabel::Quantity] + QStringLiteral(": ") +
                 QString::number(position->position.quantity);
    bold << false;
  }
  double y = dateBottom + 0.4;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    device.setFont(kMarginSize, bold[i]);
    QString shown = lines[i];
    const QString ellipsis = QStringLiteral("…");
    if (device.measure(shown).width() > room) {
      while (!shown.isEmpty() && device.measure(shown + ellipsis).width() > room) shown.chop(1);
      shown = shown.trimmed() + ellipsis;
    }
    PrintTextAt(device, shown, kRight, y, kMarginSize, bold[i], 9);
    y += device.measure(shown).height();
  }
}

// "1 / 4" in the bottom right corner, under the window image and the text of every page.
void paintPageNumber(QPainter& painter, QSizeF printable, const QuoteLabels& labels, int page,
                     int pages) {
  PainterTextDevice device(painter);
  QString text = labels[QuoteLabel::PageOfPages].arg(page).arg(pages);
  device.setFont(kMarginSize, false);
  const double height = device.measure(text).height();
  PrintTextAt(device, text, kRight, printable.height() - height, kMarginSize, false, 9);
}

}  // namespace

int quoteSummaryPageCount(QSizeF printableMm, const PricedQuote& quote, const QDate& date,
                          const QuoteLabels& labels) {
  if (!quote.quote.isQuote()) return 0;
  return static_cast<int>(
      SummaryLayout(printableMm, quote, documentDate(quote, date), labels).pages().size());
}

QString quotePdfTitle(const PartsData& data, const PricedQuote& quote, const QuoteLabels& labels) {
  if (!quote.quote.isQuote()) {
    const QString model = quote.positions.empty() ? QString() : quote.positions.front().hoist.model;
    return pagePdfTitle(data.TextCatalogue, model);
  }
  const QString number = oneLine(quote.quote.header.number);
  return number.isEmpty() ? labels[QuoteLabel::QuoteTitle]
                          : labels[QuoteLabel::QuoteTitle] + u' ' + number;
}

bool printQuoteDocument(QPrinter& printer, const PartsData& data, const PricedQuote& quote,
                        const QuoteDocumentPictures& pictures, const QDate& date,
                        const QuoteLabels& labels) {
  printer.setPageOrientation(QPageLayout::Portrait);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  // Millimetres from the top left corner of the printable area, as the ordering page is drawn.
  const double dotsPerMm = printer.resolution() / 25.4;
  painter.scale(dotsPerMm, dotsPerMm);
  const QSizeF printable = printer.pageLayout().paintRect(QPageLayout::Millimeter).size();
  const QDate shownDate = documentDate(quote, date);

  auto positionPictures = [&](std::size_t n) {
    PagePictures p = pictures.page;
    p.window = n < pictures.windows.size() ? pictures.windows[n] : QImage();
    return p;
  };
  auto orderingPage = [&](std::size_t n) {
    const PricedPosition& position = quote.positions[n];
    SheetValues sheet;
    paintOrderingPage(painter, printable, data, position.hoist, position.list, sheet,
                      positionPictures(n), shownDate);
  };

  if (!quote.quote.isQuote()) {
    // A configuration prints the one page it always has.
    if (!quote.positions.empty()) orderingPage(0);
    return painter.end();
  }

  std::vector<PageItems> summary = SummaryLayout(printable, quote, shownDate, labels).pages();
  const int pages = static_cast<int>(summary.size() + quote.positions.size());
  int page = 0;
  for (std::size_t s = 0; s < summary.size(); ++s) {
    if (page++ > 0) printer.newPage();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(QFont(QStringLiteral("Arial")));
    painter.setPen(Qt::black);
    paintLetterhead(painter, pictures, labels, shownDate);
    if (s > 0) paintQuoteMargin(painter, data, quote, labels, nullptr);
    drawItems(painter, summary[s]);
    paintPageNumber(painter, printable, labels, page, pages);
    painter.restore();
  }
  for (std::size_t n = 0; n < quote.positions.size(); ++n) {
    if (page++ > 0) printer.newPage();
    orderingPage(n);
    painter.save();
    painter.setFont(QFont(QStringLiteral("Arial")));
    painter.setPen(Qt::black);
    paintQuoteMargin(painter, data, quote, labels, &quote.positions[n]);
    paintPageNumber(painter, printable, labels, page, pages);
    painter.restore();
  }
  return painter.end();
}

void writeQuotePdf(const QString& output, const PartsData& data, const PricedQuote& quote,
                   const QuoteDocumentPictures& pictures, const QDate& date,
                   const QuoteLabels& labels) {
  QPrinter printer(QPrinter::HighResolution);
  setUpPdfPrinter(printer, output, quotePdfTitle(data, quote, labels));
  printPdfFileWhole(printer, output, [&](QPrinter& into) {
    return printQuoteDocument(into, data, quote, pictures, date, labels);
  });
}
