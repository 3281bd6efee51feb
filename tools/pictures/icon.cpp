// The program's icon for the desktop's menu: the maker's mark, white on a blue tile.
#include <QLinearGradient>
#include <QPainterPath>

#include "pictures/drawing.h"
#include "pictures/illustrations.h"
#include "pictures/pictures.h"

QImage drawProgramIcon() {
  // 256 pixels square with a transparent surround; the menus scale it down to their own sizes,
  // so the mark fills most of the tile and keeps no fine detail.
  constexpr int kSize = 256;
  QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  startLineArt(p);

  const QRectF tile(8, 8, kSize - 16, kSize - 16);
  QLinearGradient shade(tile.topLeft(), tile.bottomLeft());
  shade.setColorAt(0, QColor(40, 88, 156));
  shade.setColorAt(1, QColor(22, 58, 112));
  p.setPen(Qt::NoPen);
  p.setBrush(shade);
  p.drawRoundedRect(tile, 44, 44);

  drawMakersMark(p, tile.adjusted(34, 34, -34, -34), Qt::white);
  p.end();
  return image;
}
