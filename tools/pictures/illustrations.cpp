// Larger pictures of hoist and trolley and the maker's mark.
#include "pictures/illustrations.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>

void drawHoistFigure(QPainter& p, const QRectF& box, const LineStyle& style) {
  // Proportions of a small air hoist; the body's width sets the scale.
  const double w = box.width();
  const double u = w / 110;
  const double cx = box.left() + w * 0.46;
  const double top = box.top();
  const double hookLength = 18 * u;
  const double bodyTop = top + hookLength + 3 * u;
  const double bodyBottom = bodyTop + 62 * u;

  const HookShape upper{cx, 0, 4.2 * u, 3.4 * u, hookLength, 235, false};
  useOutline(p, style);
  p.drawPath(upsideDown(upper.path(), hookLength / 2).translated(0, top));
  p.drawRoundedRect(QRectF(cx - 6 * u, bodyTop - 3.5 * u, 12 * u, 3.5 * u), u, u);

  // Gear cover, housing, ribbed motor with the control valve beneath.
  const double left = box.left() + 2 * u;
  p.drawRoundedRect(QRectF(left, bodyTop + 5 * u, 25 * u, 52 * u), 5 * u, 5 * u);
  p.drawEllipse(QPointF(left + 12.5 * u, bodyTop + 31 * u), 7 * u, 7 * u);
  p.drawEllipse(QPointF(left + 12.5 * u, bodyTop + 31 * u), 2 * u, 2 * u);
  p.drawRoundedRect(QRectF(cx - 22 * u, bodyTop, 50 * u, 62 * u), 4 * u, 4 * u);
  p.drawRoundedRect(QRectF(cx - 16 * u, bodyTop + 6 * u, 38 * u, 24 * u), 2 * u, 2 * u);
  drawRibbedBody(p, QRectF(cx + 28 * u, bodyTop + 10 * u, box.right() - cx - 30 * u, 38 * u), 6,
                 true, style);
  useOutline(p, style);
  p.drawRoundedRect(QRectF(cx + 33 * u, bodyTop + 48 * u, 14 * u, 10 * u), u, u);
  p.drawEllipse(QPointF(cx + 40 * u, bodyTop + 61 * u), 2.5 * u, 2.5 * u);

  // Chain down to the bottom block and the load hook.
  const double chainX = cx - 8 * u;
  const HookShape lower{chainX, 0, 7 * u, 5.5 * u, 0, 240, true};
  const double hookHeight = 2 * (lower.innerRadius + lower.thickness) + 6 * u;
  const double hookTop = box.bottom() - hookHeight;
  const double blockTop = hookTop - 10 * u;
  p.drawRoundedRect(QRectF(chainX - 9 * u, bodyBottom, 18 * u, 5 * u), 1.5 * u, 1.5 * u);
  drawChain(p, QPointF(chainX, bodyBottom + 5 * u), blockTop, 5 * u, 4.6 * u, style);
  useOutline(p, style);
  p.drawRoundedRect(QRectF(chainX - 7 * u, blockTop, 14 * u, 10 * u), 2 * u, 2 * u);
  HookShape hook = lower;
  hook.shankTop = hookTop - 0.5 * u;
  hook.bottom = box.bottom() - style.outline;
  p.drawPath(hook.path());
  // The latch across the hook's opening.
  const QPointF c = hook.bowlCentre();
  useThin(p, style);
  p.setPen(QPen(Qt::black, style.outline * 0.8));
  p.drawLine(QPointF(chainX - hook.thickness / 2, c.y() - 6 * u),
             QPointF(c.x() - hook.innerRadius - hook.thickness * 0.4, c.y() - 2 * u));
}

QPointF drawTrolleyFigure(QPainter& p, const QRectF& box, const LineStyle& style) {
  // Seen from the side: the beam runs across the top, the trolley's near side plate hangs in
  // front of it with the wheels riding on the lower flange.
  const double w = box.width();
  const double u = w / 100;
  const double m = box.center().x();
  const double top = box.top();
  const double flange = 4 * u;
  const double flangeTop = top + 22 * u;
  const double flangeBottom = flangeTop + flange;

  useOutline(p, style, QColor(225, 225, 225));
  p.drawRect(QRectF(box.left(), top, w, flangeBottom - top));
  useThin(p, style);
  p.drawLine(QPointF(box.left(), top + flange), QPointF(box.right(), top + flange));
  p.drawLine(QPointF(box.left(), flangeTop), QPointF(box.right(), flangeTop));

  const double wheelRadius = 10 * u;
  const double wheelY = flangeTop - wheelRadius;
  for (int side : {-1, 1}) {
    const QPointF wheel(m + side * 23 * u, wheelY);
    useOutline(p, style);
    p.drawEllipse(wheel, wheelRadius, wheelRadius);
  }

  const double plateTop = wheelY - 3 * u;
  const double plateBottom = box.bottom() - 16 * u;
  QPolygonF plate;
  plate << QPointF(m - 38 * u, plateTop) << QPointF(m + 38 * u, plateTop)
        << QPointF(m + 38 * u, flangeBottom + 3 * u) << QPointF(m + 16 * u, plateBottom)
        << QPointF(m - 16 * u, plateBottom) << QPointF(m - 38 * u, flangeBottom + 3 * u);
  useOutline(p, style);
  QPainterPath eye;
  eye.addRoundedRect(
      QRectF(m - 6 * u, plateBottom - 6 * u, 12 * u, box.bottom() - plateBottom + 6 * u), 6 * u,
      6 * u);
  p.drawPath(eye);
  p.drawPolygon(plate);
  const auto nut = [&](QPointF c, double r) {
    QPolygonF hex;
    for (int i = 0; i < 6; ++i) {
      const double a = (30 + 60 * i) * M_PI / 180;
      hex << c + QPointF(std::cos(a), std::sin(a)) * r;
    }
    p.drawPolygon(hex);
    p.drawEllipse(c, r * 0.45, r * 0.45);
  };
  nut(QPointF(m - 23 * u, wheelY), 4 * u);
  nut(QPointF(m + 23 * u, wheelY), 4 * u);
  nut(QPointF(m, plateBottom - 9 * u), 5 * u);
  const QPointF hole(m, box.bottom() - 6 * u);
  p.drawEllipse(hole, 3 * u, 3 * u);
  return hole;
}

void drawMakersMark(QPainter& p, const QRectF& box, const QColor& colour) {
  const double s = std::min(box.width(), box.height());
  const QPointF c = box.center();
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  QPainterPath ring;
  ring.addEllipse(c, s / 2, s / 2);
  ring.addEllipse(c, s * 0.41, s * 0.41);
  p.drawPath(ring);
  // A hook inside the ring, cut out of a solid disc so that it reads at any size.
  QPainterPath disc;
  disc.addEllipse(c, s * 0.34, s * 0.34);
  const HookShape hook{
      c.x() + s * 0.04, c.y() - s * 0.36, s * 0.09, s * 0.085, c.y() + s * 0.22, 225, true};
  QPainterPath eye;
  eye.addEllipse(QPointF(c.x() + s * 0.04, c.y() - s * 0.2), s * 0.07, s * 0.07);
  p.drawPath(disc.subtracted(hook.path().united(eye)));
  p.restore();
}
