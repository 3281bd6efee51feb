// Shared pieces of the program's line art.
#include "pictures/drawing.h"

#include <QLineF>
#include <QTransform>
#include <cmath>

namespace {

QPointF along(QPointF from, QPointF to, double distance) {
  const QLineF line(from, to);
  if (line.length() <= 0) return from;
  return from + (to - from) * (distance / line.length());
}

}  // namespace

QImage whitePicture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

void startLineArt(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

void useOutline(QPainter& painter, const LineStyle& style, const QBrush& fill) {
  painter.setPen(QPen(Qt::black, style.outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(fill);
}

void useThin(QPainter& painter, const LineStyle& style) {
  painter.setPen(QPen(Qt::black, style.thin, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
}

void arrowHead(QPainter& painter, QPointF from, QPointF tip, const LineStyle& style) {
  const QLineF line(tip, from);
  if (line.length() <= 0) return;
  const QPointF back = (from - tip) / line.length();
  const QPointF side(-back.y(), back.x());
  const QPointF base = tip + back * style.arrowLength;
  QPolygonF head;
  head << tip << base + side * style.arrowHalfWidth << base - side * style.arrowHalfWidth;
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  painter.drawPolygon(head);
  painter.restore();
}

void dimensionLine(QPainter& painter, QPointF a, QPointF b, const LineStyle& style) {
  useThin(painter, style);
  // The shaft stops inside the arrowheads, so its square end never shows beside a tip.
  painter.drawLine(along(a, b, style.arrowLength * 0.5), along(b, a, style.arrowLength * 0.5));
  arrowHead(painter, b, a, style);
  arrowHead(painter, a, b, style);
}

void dimensionLineWithGap(QPainter& painter, QPointF a, QPointF b, QPointF gapCentre,
                          double gapHalf, const LineStyle& style) {
  useThin(painter, style);
  const QLineF line(a, b);
  const double length = line.length();
  if (length <= 0) return;
  const QPointF unit = (b - a) / length;
  const double centre = QPointF::dotProduct(gapCentre - a, unit);
  const double gapStart = std::max(centre - gapHalf, style.arrowLength);
  const double gapEnd = std::min(centre + gapHalf, length - style.arrowLength);
  painter.drawLine(along(a, b, style.arrowLength * 0.5), a + unit * gapStart);
  painter.drawLine(a + unit * gapEnd, along(b, a, style.arrowLength * 0.5));
  arrowHead(painter, b, a, style);
  arrowHead(painter, a, b, style);
}

void extensionLine(QPainter& painter, QPointF from, QPointF to, const LineStyle& style) {
  useThin(painter, style);
  painter.drawLine(from, to);
}

void centreLine(QPainter& painter, QPointF a, QPointF b, const LineStyle& style) {
  QPen pen(Qt::black, style.thin, Qt::CustomDashLine, Qt::FlatCap);
  // Long dash, gap, dot, gap: in units of the pen width, about 8, 1.5, 1.5, 1.5 mm on paper.
  const double unit = style.arrowLength / style.thin / 1.6;
  pen.setDashPattern({8 * unit, 1.5 * unit, 1.5 * unit, 1.5 * unit});
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawLine(a, b);
}

QPointF HookShape::bowlCentre() const {
  const double innerFace = tipLeft ? shankX - thickness / 2 : shankX + thickness / 2;
  const double outer = innerRadius + thickness;
  return {tipLeft ? innerFace - innerRadius : innerFace + innerRadius, bottom - outer};
}

QPainterPath HookShape::path() const {
  const QPointF c = bowlCentre();
  const double ri = innerRadius;
  const double ro = innerRadius + thickness;
  const double outerFace = tipLeft ? shankX + thickness / 2 : shankX - thickness / 2;
  const double innerFace = tipLeft ? shankX - thickness / 2 : shankX + thickness / 2;
  const auto rect = [&](double r) { return QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r); };
  const double tip = tipAngle * M_PI / 180;
  const QPointF capCentre = c + QPointF(std::cos(tip), std::sin(tip)) * (ri + ro) / 2;
  const double capRadius = thickness / 2;
  const auto capRect =
      QRectF(capCentre.x() - capRadius, capCentre.y() - capRadius, 2 * capRadius, 2 * capRadius);

  // Built with the tip on the left, then mirrored about the shank when it should be right.
  QPainterPath p;
  p.moveTo(outerFace, shankTop);
  p.lineTo(outerFace, c.y());
  p.arcTo(rect(ro), 0, -tipAngle);
  p.arcTo(capRect, -tipAngle, -180);
  p.arcTo(rect(ri), -tipAngle, tipAngle);
  p.lineTo(innerFace, shankTop);
  p.closeSubpath();
  if (tipLeft) return p;
  QTransform mirror;
  mirror.translate(shankX, 0);
  mirror.scale(-1, 1);
  mirror.translate(-shankX, 0);
  HookShape left = *this;
  left.tipLeft = true;
  return mirror.map(left.path());
}

QPainterPath upsideDown(const QPainterPath& path, double axisY) {
  QTransform flip;
  flip.translate(0, axisY);
  flip.scale(1, -1);
  flip.translate(0, -axisY);
  return flip.map(path);
}

QPainterPath edgeOnHook(double x, double top, double bowlTop, double bottom, double shankWidth,
                        double bowlWidth) {
  QPainterPath p;
  p.addRect(QRectF(x - shankWidth / 2, top, shankWidth, bowlTop - top + bowlWidth / 2));
  QPainterPath bowl;
  bowl.addRoundedRect(QRectF(x - bowlWidth / 2, bowlTop, bowlWidth, bottom - bowlTop),
                      bowlWidth / 2, bowlWidth / 2);
  return p.united(bowl);
}

void drawChain(QPainter& painter, QPointF top, double bottom, double linkWidth, double linkPitch,
               const LineStyle& style) {
  const double wire = linkWidth * 0.3;
  const double linkLength = linkPitch + 2 * wire;
  bool flat = true;
  for (double y = top.y() - wire; y < bottom - wire; y += linkPitch) {
    const double length = std::min(linkLength, bottom - y);
    painter.setPen(QPen(Qt::black, style.thin * 1.4));
    if (flat) {
      painter.setBrush(Qt::NoBrush);
      const QRectF outer(top.x() - linkWidth / 2, y, linkWidth, length);
      painter.drawRoundedRect(outer, linkWidth / 2, linkWidth / 2);
      painter.drawRoundedRect(outer.adjusted(wire, wire, -wire, -wire), linkWidth / 2 - wire,
                              linkWidth / 2 - wire);
    } else {
      painter.setBrush(Qt::white);
      painter.drawRoundedRect(QRectF(top.x() - wire / 2, y, wire, length), wire / 2, wire / 2);
    }
    flat = !flat;
  }
}

void drawRibbedBody(QPainter& painter, const QRectF& body, int ribs, bool ribsAcross,
                    const LineStyle& style) {
  useOutline(painter, style);
  const double round = std::min(body.width(), body.height()) * 0.12;
  painter.drawRoundedRect(body, round, round);
  useThin(painter, style);
  for (int i = 1; i <= ribs; ++i) {
    const double f = static_cast<double>(i) / (ribs + 1);
    if (ribsAcross) {
      const double x = body.left() + body.width() * f;
      painter.drawLine(QPointF(x, body.top() + round), QPointF(x, body.bottom() - round));
    } else {
      const double y = body.top() + body.height() * f;
      painter.drawLine(QPointF(body.left() + round, y), QPointF(body.right() - round, y));
    }
  }
}
