// Composition of the printed page.
#include "page/ordering_page.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>

#include "common/number_format.h"
#include "common/shown_text.h"
#include "page/picture_fit.h"
#include "page/print_text.h"
#include "pictures/picture_files.h"
#include "sheets/dimension_sheets.h"
#include "sheets/technical_data.h"

namespace {

// The pictures of the page, in the program directory.
const QString kLogoFile = QStringLiteral("KRNLOGO.PCX");
const QString kHoistSketchFile = QStringLiteral("SKISSPXH.PCX");
const QString kTrolleySketchFile = QStringLiteral("SKISSPXK.PCX");

constexpr double kRowPitch = 3.5;   // mm between two rows of the list
constexpr double kRuleWidth = 0.3;  // mm
// A digit of the list's 10-point font is a little under 2 mm wide: a wider amount field moves
// the amounts and the descriptions that far to the right per character.
constexpr double kDigitWidth = 2.0;  // mm

// A picture rectangle on the 300-dpi design grid, in millimetres.
QRectF gridRect(double left, double top, double right, double bottom) {
  constexpr double mm = 25.4 / 300;
  return QRectF(QPointF(left * mm, top * mm), QPointF(right * mm, bottom * mm));
}

void drawPicture(QPainter& painter, const QImage& picture, const QRectF& target) {
  if (!picture.isNull()) painter.drawImage(target, picture);
}

void print(TextDevice& device, QString text, double x, double y, double size, bool bold,
           int anchor) {
  PrintTextAt(device, text, x, y, size, bold, anchor);
}

}  // namespace

PagePictures readPagePictures(const ProgramDirectory& directory) {
  PagePictures p;
  p.logo = loadPictureFile(directory.file(kLogoFile));
  p.hoistSketch = loadPictureFile(directory.file(kHoistSketchFile));
  p.trolleySketch = loadPictureFile(directory.file(kTrolleySketchFile));
  return p;
}

QStringList missingPagePictures(const ProgramDirectory& directory, const PagePictures& pictures,
                                const ConfiguredHoist& hoist) {
  QStringList missing;
  if (pictures.logo.isNull()) missing << directory.file(kLogoFile);
  if (pictures.hoistSketch.isNull()) missing << directory.file(kHoistSketchFile);
  if (!hoist.trolleyDesignation.isEmpty() && pictures.trolleySketch.isNull())
    missing << directory.file(kTrolleySketchFile);
  return missing;
}

QString missingPicturesText(const QStringList& files) {
  QStringList shown;
  for (const QString& file : files) shown << withControlsEscaped(QDir::toNativeSeparators(file));
  return QCoreApplication::translate("Page",
                                     "The page lacks the pictures of these files, which are "
                                     "missing or cannot be read:\n%1")
      .arg(shown.join(QLatin1Char('\n')));
}

void paintOrderingPage(QPainter& painter, QSizeF printableMm, const PartsData& data,
                       const ConfiguredHoist& hoist, const OrderingList& list, SheetValues& sheet,
                       const PagePictures& pictures, const QDate& date) {
  const TextCatalogueArray& texts = data.TextCatalogue;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::black);

  drawPicture(painter, pictures.logo, gridRect(80, 0, 1104, 729));
  drawPicture(painter, pictures.hoistSketch, gridRect(200, 1163, 1000, 1892));
  if (!hoist.trolleyDesignation.isEmpty())
    drawPicture(painter, pictures.trolleySketch, gridRect(1150, 1411, 2150, 1866));

  painter.setFont(QFont(QStringLiteral("Arial")));
  PainterTextDevice page(painter);
  const int s = list.imperial ? 6 : 0;
  const int width = amountFieldWidth(list);
  const int wider = width - kAmountWidth;
  const double amountRight = 81 + s + wider * kDigitWidth;
  const double descriptionLeft = 86 + s + wider * kDigitWidth;

  print(page, texts[Text::ProgramTitle], 100, 0, 16, true, 6);
  print(page, date.toString(QStringLiteral("yyyy-MM-dd")), 193, 0, 10, false, 9);

  print(page, texts[Text::Quantity], 20, 10, 10, true, 1);
  print(page, texts[Text::OrderingNumber], 38 + s, 10, 10, true, 1);
  print(page, texts[Text::Price], amountRight, 10, 10, true, 7);
  print(page, texts[Text::Description], descriptionLeft, 10, 10, true, 1);

  // The rows under the heading down to the rule: a part in its columns, the marking in the
  // description's column, and one blank row between the groups that have parts after them.
  using Kind = OrderingLine::Kind;
  double y = 12;
  const std::vector<OrderingLine>& rows = list.lines;
  for (std::size_t n = 0; n < rows.size() && rows[n].kind != Kind::Rule; ++n) {
    const OrderingLine& row = rows[n];
    const Kind next = n + 1 < rows.size() ? rows[n + 1].kind : Kind::Rule;
    if (row.kind == Kind::Heading) continue;
    if (row.kind == Kind::Blank && next == Kind::Blank) continue;
    if (row.kind == Kind::Blank && next == Kind::Rule) break;
    if (row.kind == Kind::Part) {
      print(page, FormatRight(row.quantity, QStringLiteral("###"), 3), 25, y, 10, false, 7);
      print(page, unitField(row, list.imperial), 26.5, y, 10, false, 1);
      print(page, row.orderingNumber, 38 + s, y, 10, false, 1);
      print(page, FormatRight(row.amount, kPricePattern, width), amountRight, y, 10, false, 7);
      print(page, descriptionField(row, list), descriptionLeft, y, 10, false, 1);
    } else if (row.kind == Kind::Marking) {
      print(page, row.text, descriptionLeft, y, 10, false, 1);
    }
    y += kRowPitch;
  }

  painter.save();
  painter.setPen(QPen(Qt::black, kRuleWidth));
  painter.drawLine(QPointF(19, y + 6), QPointF(174 + s + wider * kDigitWidth, y + 6));
  painter.restore();
  y += 2.5;

  auto total = [&](Text text, double amount, bool bold) {
    print(page, texts[text], 20, y, 10, bold, 1);
    print(page, FormatRight(amount, kPricePattern, width), amountRight, y, 10, bold, 7);
  };
  if (list.discount <= 0) {
    total(Text::Price, list.total, true);
  } else {
    total(Text::Price, list.total, false);
    y += kRowPitch;
    total(Text::Discount, list.discountAmount(), false);
    y += kRowPitch;
    total(Text::NetPrice, list.net(), true);
  }

  painter.setFont(QFont(QStringLiteral("Arial")));
  writeSheets(texts, hoist, sheet, page, kPageSheetOrigins);

  if (!pictures.window.isNull()) {
    const QRectF target = PrintPictureToFitPage(pictures.window.size(), printableMm, 8, 57, 83);
    painter.drawImage(target, pictures.window);
  }
  painter.restore();
}
