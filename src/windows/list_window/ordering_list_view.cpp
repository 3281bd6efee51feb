// Painting the ordering list.
#include "list_window/ordering_list_view.h"

#include <QPainter>
#include <algorithm>

#include "widgets/twips.h"

OrderingListView::OrderingListView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("OrderingListView"));
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
}

void OrderingListView::setLines(std::vector<ScreenLine> lines) {
  lines_ = std::move(lines);
  updateGeometry();
  update();
}

namespace {

QFont listFont(bool bold) {
  QFont font(QStringLiteral("Courier New"));
  font.setPointSizeF(9.75);
  font.setStyleHint(QFont::TypeWriter);
  font.setBold(bold);
  return font;
}

constexpr int kTopTwips = 120;

}  // namespace

QSize OrderingListView::sizeHint() const {
  int width = 0;
  int height = twipsToPixels(kTopTwips);
  for (const ScreenLine& line : lines_) {
    const QFontMetrics metrics(listFont(line.bold));
    width = std::max(width, metrics.horizontalAdvance(line.text));
    height += metrics.lineSpacing();
  }
  return {width + 4, height + 4};
}

void OrderingListView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  int y = twipsToPixels(kTopTwips);
  for (const ScreenLine& line : lines_) {
    const QFont font = listFont(line.bold);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    painter.drawText(0, y + metrics.ascent(), line.text);
    y += metrics.lineSpacing();
  }
}
