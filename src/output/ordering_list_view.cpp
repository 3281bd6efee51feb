// Painting the ordering list.
#include "output/ordering_list_view.h"

#include <QPainter>

#include "common/twips.h"

OrderingListView::OrderingListView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("OrderingListView"));
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
}

void OrderingListView::setLines(std::vector<ScreenLine> lines) {
  lines_ = std::move(lines);
  update();
}

void OrderingListView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QFont font(QStringLiteral("Courier New"));
  font.setPointSizeF(9.75);
  font.setStyleHint(QFont::TypeWriter);
  int y = twipsToPixels(120);
  for (const ScreenLine& line : lines_) {
    font.setBold(line.bold);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    painter.drawText(0, y + metrics.ascent(), line.text);
    y += metrics.lineSpacing();
  }
}
