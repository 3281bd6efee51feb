// Anchored text in millimetres, and the painter and sheet-window surfaces it is written to.
#include "page/print_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace {

constexpr double kMillimetresPerPoint = 25.4 / 72;
// Text is shaped at this pixel size and scaled down to the size asked for, so that measuring and
// drawing agree on every surface and tiny sizes are not distorted by hinting.
constexpr int kReferencePixels = 100;

}  // namespace

void PrintTextAt(TextDevice& device, QString& text, double x, double y, double size, bool bold,
                 int anchor) {
  qsizetype blanks = 0;
  while (blanks < text.size() && text[blanks] == u' ') ++blanks;
  text.remove(0, blanks);

  device.setFont(size, bold);
  const QSizeF extent = device.measure(text);
  const double w = extent.width(), h = extent.height();
  double left = 0, top = 0;
  if (anchor >= 1 && anchor <= 9) {
    const int column = (anchor - 1) / 3;  // 0 left, 1 centre, 2 right
    const int row = (anchor - 1) % 3;     // 0 y + h, 1 y + h/2, 2 y
    left = x - w * column / 2;
    top = y + h * (2 - row) / 2;
  }
  device.drawText(left, top, text);
}

PainterTextDevice::PainterTextDevice(QPainter& painter) : painter_(painter) {
  setFont(painter.font().pointSizeF() > 0 ? painter.font().pointSizeF() : 10, false);
}

void PainterTextDevice::setFont(double pointSize, bool bold) {
  font_ = painter_.font();
  font_.setPixelSize(kReferencePixels);
  font_.setBold(bold);
  font_.setHintingPreference(QFont::PreferNoHinting);
  // A size of zero or less cannot be drawn; such text stays invisible and takes no room.
  scale_ = std::max(pointSize, 0.0) * kMillimetresPerPoint / kReferencePixels;
}

QSizeF PainterTextDevice::measure(const QString& text) {
  const QFontMetricsF metrics(font_);
  return {metrics.horizontalAdvance(text) * scale_, metrics.height() * scale_};
}

void PainterTextDevice::drawText(double x, double top, const QString& text) {
  if (scale_ <= 0 || text.isEmpty()) return;
  const QFontMetricsF metrics(font_);
  painter_.save();
  painter_.translate(x, top);
  painter_.scale(scale_, scale_);
  painter_.setFont(font_);
  painter_.drawText(QPointF(0, metrics.ascent()), text);
  painter_.restore();
}

void SheetWindowTextDevice::setFont(double pointSize, bool bold) {
  inner_.setFont(std::max(pointSize - kSizeReduction, kSmallestSize), bold);
}
