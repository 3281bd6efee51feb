// The maker's logo on the printed page and the two pictures of the start-up window.
#include <QFont>
#include <QFontMetricsF>

#include "pictures/drawing.h"
#include "pictures/illustrations.h"
#include "pictures/pictures.h"

namespace {

const QColor kMakersBlue(22, 58, 112);

// The word mark with its cap height `capHeight`, its baseline at `baseline`; returns its width.
double wordMark(QPainter& p, QPointF baseline, double capHeight, const QString& text,
                const QColor& colour, double spacing = 104) {
  QFont font(QStringLiteral("Arial"));
  font.setBold(true);
  font.setPixelSize(100);
  const double scale = capHeight / QFontMetricsF(font).capHeight();
  font.setPixelSize(static_cast<int>(100 * scale));
  font.setLetterSpacing(QFont::PercentageSpacing, spacing);
  p.save();
  p.setFont(font);
  p.setPen(colour);
  p.drawText(baseline, text);
  p.restore();
  return QFontMetricsF(font).horizontalAdvance(text);
}

}  // namespace

QImage drawPageLogo() {
  // The page stretches this picture over 1024 x 729 units of its 300-dpi grid from 6.77 mm left.
  // Only the top left corner carries the logo: the title, the column headings and the ordering
  // list are printed over the rest, so it stays white. The mark ends left of the quantities
  // (20 mm); the word mark stays above the headings (5.3 mm).
  QImage image = whitePicture(1024, 729);
  QPainter p(&image);
  startLineArt(p);
  drawMakersMark(p, QRectF(4, 4, 140, 140), kMakersBlue);
  wordMark(p, QPointF(168, 62), 56, QStringLiteral("VELMORA"), kMakersBlue);
  return image;
}

QImage drawStartLogo() {
  QImage image = whitePicture(720, 120);
  QPainter p(&image);
  startLineArt(p);
  drawMakersMark(p, QRectF(14, 10, 100, 100), kMakersBlue);
  const double width = wordMark(p, QPointF(138, 72), 54, QStringLiteral("VELMORA"), kMakersBlue);
  p.setPen(Qt::NoPen);
  p.setBrush(kMakersBlue);
  p.drawRect(QRectF(138, 84, width, 3));
  QFont small(QStringLiteral("Arial"));
  small.setPixelSize(17);
  small.setLetterSpacing(QFont::PercentageSpacing, 118);
  p.setFont(small);
  p.setPen(Qt::black);
  p.drawText(QPointF(139, 108), QStringLiteral("PNEUMATIC CHAIN HOISTS"));
  return image;
}

QImage drawStartHoist() {
  QImage image = whitePicture(320, 410);
  QPainter p(&image);
  startLineArt(p);
  const LineStyle style{1.6, 0.8, 6, 2};
  const QPointF eye = drawTrolleyFigure(p, QRectF(90, 6, 140, 92), style);
  // The hoist's suspension hook takes the trolley's eye.
  drawHoistFigure(p, QRectF(eye.x() - 0.46 * 190 + 2, eye.y() - 8, 190, 410 - eye.y() + 2), style);
  return image;
}
