// The control devices and the other pictures beside the main window's choices. Each is drawn in
// window pixels (15 twips each) and stored at twice that size, so it stays sharp when shown
// scaled on a high-resolution screen.
#include <QFont>
#include <QPainterPath>
#include <cmath>

#include "pictures/drawing.h"
#include "pictures/illustrations.h"
#include "pictures/pictures.h"
#include "widgets/twips.h"

namespace {

constexpr int kStoredScale = 2;
const LineStyle kWindowStyle{1.2, 0.6, 4, 1.6};

// A picture box of the main window, sized in twips, painted in its window pixels.
class WindowPicture {
 public:
  WindowPicture(int widthTwips, int heightTwips)
      : size_(twipsToPixels(widthTwips), twipsToPixels(heightTwips)),
        image_(whitePicture(size_.width() * kStoredScale, size_.height() * kStoredScale)),
        painter_(&image_) {
    startLineArt(painter_);
    painter_.scale(kStoredScale, kStoredScale);
  }

  QPainter& painter() { return painter_; }
  double width() const { return size_.width(); }
  double height() const { return size_.height(); }

  QImage finish() {
    painter_.end();
    return image_;
  }

 private:
  QSize size_;
  QImage image_;
  QPainter painter_;
};

void lettering(QPainter& p, const QRectF& box, const QString& text, double pixelHeight,
               bool bold = true, const QColor& colour = Qt::black) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelHeight))));
  font.setBold(bold);
  p.save();
  p.setFont(font);
  p.setPen(colour);
  p.drawText(box, Qt::AlignCenter, text);
  p.restore();
}

// A filled triangle pointing up (or down) inside a button.
void buttonArrow(QPainter& p, QPointF centre, double size, double angleDegrees,
                 const QColor& colour) {
  QPolygonF arrow;
  arrow << QPointF(0, -size * 0.55) << QPointF(size * 0.5, size * 0.35)
        << QPointF(-size * 0.5, size * 0.35);
  QTransform t;
  t.translate(centre.x(), centre.y());
  t.rotate(angleDegrees);
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(t.map(arrow));
  p.restore();
}

// The control hose entering the pendant from above, with its strain relief.
void hoseAndGland(QPainter& p, double cx, double glandTop, double glandBottom, double width) {
  useOutline(p, kWindowStyle);
  p.drawRect(QRectF(cx - width * 0.18, 0, width * 0.36, glandTop + 1));
  QPolygonF gland;
  gland << QPointF(cx - width * 0.28, glandTop) << QPointF(cx + width * 0.28, glandTop)
        << QPointF(cx + width * 0.4, glandBottom) << QPointF(cx - width * 0.4, glandBottom);
  p.drawPolygon(gland);
  useThin(p, kWindowStyle);
  for (double y = glandTop + 2; y < glandBottom - 1; y += 2.2) {
    const double f = (y - glandTop) / (glandBottom - glandTop);
    const double half = width * (0.28 + 0.12 * f);
    p.drawLine(QPointF(cx - half, y), QPointF(cx + half, y));
  }
}

void button(QPainter& p, QPointF centre, double radius) {
  useOutline(p, kWindowStyle, QColor(40, 40, 40));
  p.drawEllipse(centre, radius, radius);
  useThin(p, kWindowStyle);
  p.setPen(QPen(QColor(150, 150, 150), 0.6));
  p.drawEllipse(centre, radius - 1.6, radius - 1.6);
}

// A pull cord with its handle, hanging from `top` to the handle at `handleY`.
void pullCord(QPainter& p, double x, double top, double handleY, double handleWidth) {
  useThin(p, kWindowStyle);
  p.setPen(QPen(Qt::black, 0.9));
  p.drawLine(QPointF(x, top), QPointF(x, handleY));
  useOutline(p, kWindowStyle, QColor(250, 210, 40));
  QPainterPath handle;
  handle.addRoundedRect(QRectF(x - handleWidth / 2, handleY, handleWidth, handleWidth * 1.9),
                        handleWidth / 2, handleWidth / 2);
  p.drawPath(handle);
}

}  // namespace

QImage drawPendant(int buttons, bool us) {
  const bool four = buttons == 4;
  WindowPicture pic(four ? 795 : 495, four ? 1155 : 1005);
  QPainter& p = pic.painter();
  const double w = pic.width();
  const double h = pic.height();
  const double cx = w / 2;
  const double bodyWidth = four ? w * 0.78 : w * 0.72;
  const double bodyTop = h * 0.2;
  const QRectF body(cx - bodyWidth / 2, bodyTop, bodyWidth, h - bodyTop - 1.5);

  hoseAndGland(p, cx, h * 0.06, bodyTop + 1, bodyWidth * 0.6);
  // European pendants are yellow, the US ones orange; the outline carries the shape either way.
  useOutline(p, kWindowStyle, us ? QColor(240, 150, 40) : QColor(250, 210, 40));
  p.drawRoundedRect(body, bodyWidth * 0.28, bodyWidth * 0.28);

  const QColor arrow = Qt::white;
  const double r = four ? bodyWidth * 0.2 : bodyWidth * 0.27;
  if (!four) {
    const QPointF up(cx, bodyTop + body.height() * 0.27);
    const QPointF down(cx, bodyTop + body.height() * 0.53);
    button(p, up, r);
    button(p, down, r);
    buttonArrow(p, up, r * 1.1, 0, arrow);
    buttonArrow(p, down, r * 1.1, 180, arrow);
    if (us) {
      const double lh = 5;
      lettering(p, QRectF(body.left(), up.y() - r - lh - 0.8, bodyWidth, lh), QStringLiteral("UP"),
                lh);
      lettering(p, QRectF(body.left(), down.y() + r + 0.8, bodyWidth, lh), QStringLiteral("DOWN"),
                lh);
      lettering(p, QRectF(body.left(), body.bottom() - 10, bodyWidth, 7), QStringLiteral("USA"),
                6.5);
    }
  } else {
    const double dx = bodyWidth * 0.24;
    const QPointF up(cx - dx, bodyTop + body.height() * 0.3);
    const QPointF down(cx - dx, bodyTop + body.height() * 0.58);
    const QPointF left(cx + dx, bodyTop + body.height() * 0.3);
    const QPointF right(cx + dx, bodyTop + body.height() * 0.58);
    button(p, up, r);
    button(p, down, r);
    button(p, left, r);
    button(p, right, r);
    buttonArrow(p, up, r * 1.1, 0, arrow);
    buttonArrow(p, down, r * 1.1, 180, arrow);
    buttonArrow(p, left, r * 1.1, 270, arrow);
    buttonArrow(p, right, r * 1.1, 90, arrow);
    if (us) {
      const double lh = 5;
      lettering(p, QRectF(up.x() - r - 3, up.y() - r - lh - 1, 2 * r + 6, lh), QStringLiteral("UP"),
                lh);
      lettering(p, QRectF(down.x() - r - 3, down.y() + r + 0.5, 2 * r + 6, lh),
                QStringLiteral("DOWN"), lh);
      lettering(p, QRectF(left.x() - r - 3, left.y() - r - lh - 1, 2 * r + 6, lh),
                QStringLiteral("LEFT"), lh);
      lettering(p, QRectF(right.x() - r - 3, right.y() + r + 0.5, 2 * r + 6, lh),
                QStringLiteral("RIGHT"), lh);
      lettering(p, QRectF(body.left(), body.bottom() - 12, bodyWidth, 8), QStringLiteral("USA"), 7);
    }
  }
  return pic.finish();
}

QImage drawMainWindowHoist() {
  WindowPicture pic(1935, 4245);
  drawHoistFigure(pic.painter(), QRectF(4, 3, pic.width() - 8, pic.height() - 6), kWindowStyle);
  return pic.finish();
}

QImage drawSuspensionYoke() {
  WindowPicture pic(1245, 435);
  QPainter& p = pic.painter();
  const double w = pic.width();
  const double h = pic.height();
  // A yoke plate hung from two points, the hoist's hook taken in the middle.
  useOutline(p, kWindowStyle);
  for (double x : {w * 0.14, w * 0.86}) {
    p.drawEllipse(QPointF(x, h * 0.22), h * 0.17, h * 0.17);
    p.drawEllipse(QPointF(x, h * 0.22), h * 0.08, h * 0.08);
  }
  QPainterPath plate;
  plate.addRoundedRect(QRectF(w * 0.05, h * 0.36, w * 0.9, h * 0.3), h * 0.12, h * 0.12);
  p.drawPath(plate);
  for (double x : {w * 0.14, w * 0.86}) p.drawEllipse(QPointF(x, h * 0.51), h * 0.06, h * 0.06);
  p.drawRoundedRect(QRectF(w * 0.44, h * 0.6, w * 0.12, h * 0.36), h * 0.08, h * 0.08);
  p.drawEllipse(QPointF(w * 0.5, h * 0.8), h * 0.07, h * 0.07);
  return pic.finish();
}

QImage drawTrolleyOnBeam() {
  WindowPicture pic(1095, 825);
  drawTrolleyFigure(pic.painter(), QRectF(4, 3, pic.width() - 8, pic.height() - 5), kWindowStyle);
  return pic.finish();
}

QImage drawPullChainControl() {
  WindowPicture pic(525, 1095);
  QPainter& p = pic.painter();
  const double w = pic.width();
  const double h = pic.height();
  // The valve lever at the top, two cords down to their handles: up and down.
  useOutline(p, kWindowStyle);
  p.drawRoundedRect(QRectF(w * 0.15, 2, w * 0.7, h * 0.1), 2, 2);
  p.drawRect(QRectF(w * 0.2, h * 0.1 + 2, w * 0.6, 3));
  pullCord(p, w * 0.3, h * 0.1 + 5, h * 0.62, w * 0.24);
  pullCord(p, w * 0.7, h * 0.1 + 5, h * 0.74, w * 0.24);
  buttonArrow(p, QPointF(w * 0.3, h * 0.62 + w * 0.23), w * 0.16, 0, Qt::black);
  buttonArrow(p, QPointF(w * 0.7, h * 0.74 + w * 0.23), w * 0.16, 180, Qt::black);
  return pic.finish();
}

QImage drawTrolleyPullChain() {
  WindowPicture pic(525, 1095);
  QPainter& p = pic.painter();
  const double w = pic.width();
  const double h = pic.height();
  // The hand chain wheel seen from its face, the endless hand chain hanging from it.
  const QPointF wheel(w / 2, h * 0.16);
  const double r = w * 0.36;
  useOutline(p, kWindowStyle);
  p.drawEllipse(wheel, r, r);
  p.drawEllipse(wheel, r * 0.72, r * 0.72);
  p.drawEllipse(wheel, r * 0.18, r * 0.18);
  useThin(p, kWindowStyle);
  for (int i = 0; i < 6; ++i) {
    const double a = i * M_PI / 3;
    p.drawLine(wheel + QPointF(std::cos(a), std::sin(a)) * r * 0.18,
               wheel + QPointF(std::cos(a), std::sin(a)) * r * 0.72);
  }
  const double bottom = h - w * 0.2;
  drawChain(p, QPointF(wheel.x() - r, wheel.y()), bottom, 4, 3.6, kWindowStyle);
  drawChain(p, QPointF(wheel.x() + r, wheel.y()), bottom, 4, 3.6, kWindowStyle);
  QPainterPath loop;
  loop.moveTo(wheel.x() - r, bottom);
  loop.cubicTo(QPointF(wheel.x() - r, h - 1), QPointF(wheel.x() + r, h - 1),
               QPointF(wheel.x() + r, bottom));
  p.setPen(QPen(Qt::black, 2.2, Qt::DotLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(loop);
  return pic.finish();
}

QImage drawTwistRod() {
  WindowPicture pic(765, 1605);
  QPainter& p = pic.painter();
  const double w = pic.width();
  const double h = pic.height();
  const double cx = w / 2;
  // Valve housing at the top, the rod, the grip and the arrows of its two turning directions.
  useOutline(p, kWindowStyle);
  p.drawRoundedRect(QRectF(cx - w * 0.3, 2, w * 0.6, h * 0.1), 3, 3);
  p.drawRect(QRectF(cx - 2, h * 0.1 + 2, 4, h * 0.58));
  QPainterPath grip;
  grip.addRoundedRect(QRectF(cx - w * 0.14, h * 0.68, w * 0.28, h * 0.28), w * 0.1, w * 0.1);
  useOutline(p, kWindowStyle, QColor(250, 210, 40));
  p.drawPath(grip);
  useThin(p, kWindowStyle);
  for (double y = h * 0.71; y < h * 0.94; y += 3.2) {
    p.drawLine(QPointF(cx - w * 0.1, y), QPointF(cx + w * 0.1, y));
  }
  p.setPen(QPen(Qt::black, 1.2));
  const QRectF arc(cx - w * 0.36, h * 0.56, w * 0.72, h * 0.1);
  p.drawArc(arc, 200 * 16, 140 * 16);
  buttonArrow(p, QPointF(cx + w * 0.33, h * 0.615), 6, 60, Qt::black);
  buttonArrow(p, QPointF(cx - w * 0.33, h * 0.615), 6, -60, Qt::black);
  return pic.finish();
}

QImage drawHookMountedControl() {
  WindowPicture pic(1215, 1305);
  QPainter& p = pic.painter();
  const double w = pic.width();
  const double h = pic.height();
  // Bottom block and load hook, the small two-button valve mounted on the block's side.
  const double cx = w * 0.38;
  drawChain(p, QPointF(cx, 0), h * 0.18, 5, 4.4, kWindowStyle);
  useOutline(p, kWindowStyle);
  p.drawRoundedRect(QRectF(cx - 13, h * 0.18, 26, h * 0.16), 3, 3);
  const HookShape hook{cx, h * 0.34 - 1, 10, 7, h - 2, 240, true};
  p.drawPath(hook.path());
  useOutline(p, kWindowStyle, QColor(250, 210, 40));
  const QRectF valve(cx + 16, h * 0.16, w * 0.34, h * 0.42);
  p.drawRoundedRect(valve, 5, 5);
  button(p, QPointF(valve.center().x(), valve.top() + valve.height() * 0.3), 6.5);
  button(p, QPointF(valve.center().x(), valve.top() + valve.height() * 0.7), 6.5);
  buttonArrow(p, QPointF(valve.center().x(), valve.top() + valve.height() * 0.3), 7, 0, Qt::white);
  buttonArrow(p, QPointF(valve.center().x(), valve.top() + valve.height() * 0.7), 7, 180,
              Qt::white);
  useThin(p, kWindowStyle);
  p.setPen(QPen(Qt::black, 1.6));
  p.drawLine(QPointF(cx + 13, h * 0.25), QPointF(cx + 16, h * 0.25));
  return pic.finish();
}

QImage drawSafetyHook() {
  WindowPicture pic(525, 795);
  QPainter& p = pic.painter();
  const double w = pic.width();
  const double h = pic.height();
  // A load hook whose opening is closed by a sprung latch.
  const double cx = w * 0.64;
  useOutline(p, kWindowStyle);
  p.drawEllipse(QPointF(cx, h * 0.1), w * 0.13, w * 0.13);
  p.drawEllipse(QPointF(cx, h * 0.1), w * 0.06, w * 0.06);
  const HookShape hook{cx, h * 0.1 + w * 0.12, w * 0.17, w * 0.14, h - 2, 245, true};
  p.drawPath(hook.path());
  const QPointF c = hook.bowlCentre();
  const QPointF tip = c + QPointF(std::cos(245 * M_PI / 180), std::sin(245 * M_PI / 180)) *
                              (hook.innerRadius + hook.thickness / 2);
  p.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(cx - hook.thickness / 2, h * 0.38), tip + QPointF(1.5, -1));
  return pic.finish();
}

QImage drawChainStop() {
  WindowPicture pic(495, 765);
  QPainter& p = pic.painter();
  const double w = pic.width();
  const double h = pic.height();
  // A clamp on the slack end of the chain that stops it running out of the hoist.
  drawChain(p, QPointF(w / 2, 0), h, 6, 5.4, kWindowStyle);
  useOutline(p, kWindowStyle, QColor(220, 220, 220));
  const QRectF clamp(w * 0.2, h * 0.45, w * 0.6, h * 0.2);
  p.drawRoundedRect(clamp, 3, 3);
  useThin(p, kWindowStyle);
  p.drawLine(QPointF(clamp.left(), clamp.center().y()), QPointF(clamp.right(), clamp.center().y()));
  useOutline(p, kWindowStyle);
  for (double x : {clamp.left() + 4, clamp.right() - 4}) {
    p.drawEllipse(QPointF(x, clamp.center().y()), 1.8, 1.8);
  }
  return pic.finish();
}

QImage drawChainCollector() {
  WindowPicture pic(855, 1275);
  QPainter& p = pic.painter();
  const double w = pic.width();
  const double h = pic.height();
  // A chain bag hung from its bracket, the slack chain running into it.
  useOutline(p, kWindowStyle);
  p.drawRoundedRect(QRectF(w * 0.2, 2, w * 0.6, h * 0.08), 2, 2);
  drawChain(p, QPointF(w * 0.5, h * 0.08), h * 0.3, 5, 4.4, kWindowStyle);
  useOutline(p, kWindowStyle);
  p.drawLine(QPointF(w * 0.22, h * 0.08), QPointF(w * 0.08, h * 0.26));
  p.drawLine(QPointF(w * 0.78, h * 0.08), QPointF(w * 0.92, h * 0.26));
  QPainterPath bag;
  bag.moveTo(w * 0.06, h * 0.26);
  bag.lineTo(w * 0.94, h * 0.26);
  bag.cubicTo(QPointF(w * 0.98, h * 0.7), QPointF(w * 0.9, h * 0.98), QPointF(w * 0.5, h - 2));
  bag.cubicTo(QPointF(w * 0.1, h * 0.98), QPointF(w * 0.02, h * 0.7), QPointF(w * 0.06, h * 0.26));
  useOutline(p, kWindowStyle, QColor(235, 235, 235));
  p.drawPath(bag);
  p.drawRoundedRect(QRectF(w * 0.03, h * 0.25, w * 0.94, h * 0.05), 2, 2);
  useThin(p, kWindowStyle);
  p.drawLine(QPointF(w * 0.3, h * 0.4), QPointF(w * 0.35, h * 0.85));
  p.drawLine(QPointF(w * 0.72, h * 0.42), QPointF(w * 0.64, h * 0.86));
  return pic.finish();
}

QImage drawOverloadDevice() {
  WindowPicture pic(585, 1065);
  QPainter& p = pic.painter();
  const double w = pic.width();
  const double h = pic.height();
  const double cx = w / 2;
  // A spring-loaded valve body in section: the spring sets the load at which the air is cut.
  useOutline(p, kWindowStyle, QColor(225, 225, 225));
  p.drawRoundedRect(QRectF(cx - w * 0.28, h * 0.12, w * 0.56, h * 0.62), 4, 4);
  useOutline(p, kWindowStyle);
  p.drawRect(QRectF(cx - w * 0.18, h * 0.18, w * 0.36, h * 0.46));
  QPainterPath spring;
  const int turns = 7;
  const double top = h * 0.22;
  const double bottom = h * 0.52;
  spring.moveTo(cx, top);
  for (int i = 0; i < turns; ++i) {
    const double y0 = top + (bottom - top) * i / turns;
    const double step = (bottom - top) / turns;
    spring.lineTo(cx - w * 0.13, y0 + step * 0.25);
    spring.lineTo(cx + w * 0.13, y0 + step * 0.75);
  }
  spring.lineTo(cx, bottom);
  p.setBrush(Qt::NoBrush);
  p.drawPath(spring);
  p.setBrush(QColor(90, 90, 90));
  p.drawRect(QRectF(cx - w * 0.15, bottom, w * 0.3, h * 0.05));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(cx - 2, bottom + h * 0.05, 4, h * 0.08));
  // The adjusting screw on top, the air connections below.
  p.drawRect(QRectF(cx - 3, 2, 6, h * 0.1));
  p.drawRect(QRectF(cx - 7, 2, 14, 3));
  for (double x : {cx - w * 0.16, cx + w * 0.16}) {
    p.drawRect(QRectF(x - 4, h * 0.74, 8, h * 0.1));
    p.drawRoundedRect(QRectF(x - 5.5, h * 0.84, 11, h * 0.06), 1.5, 1.5);
  }
  useThin(p, kWindowStyle);
  p.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(cx - w * 0.16, h * 0.92), QPointF(cx - w * 0.16, h - 2));
  p.drawLine(QPointF(cx + w * 0.16, h * 0.92), QPointF(cx + w * 0.16, h - 2));
  return pic.finish();
}

QImage drawScreenButton() {
  WindowPicture pic(645, 660);
  QPainter& p = pic.painter();
  const double w = pic.width();
  const double h = pic.height();
  // A monitor with a few lines of a list on it.
  useOutline(p, kWindowStyle, QColor(235, 242, 250));
  const QRectF screen(w * 0.12, h * 0.14, w * 0.76, h * 0.52);
  p.drawRoundedRect(screen, 2, 2);
  useThin(p, kWindowStyle);
  for (int i = 0; i < 4; ++i) {
    const double y = screen.top() + screen.height() * (0.22 + 0.18 * i);
    p.drawLine(QPointF(screen.left() + 5, y), QPointF(screen.right() - (i % 2 ? 12 : 5), y));
  }
  useOutline(p, kWindowStyle);
  p.drawLine(QPointF(w * 0.5, screen.bottom()), QPointF(w * 0.5, h * 0.78));
  p.drawLine(QPointF(w * 0.3, h * 0.8), QPointF(w * 0.7, h * 0.8));
  return pic.finish();
}

QImage drawPrinterButton() {
  WindowPicture pic(645, 660);
  QPainter& p = pic.painter();
  const double w = pic.width();
  const double h = pic.height();
  // A printer with a sheet coming out of it.
  useOutline(p, kWindowStyle);
  p.drawRect(QRectF(w * 0.28, h * 0.12, w * 0.44, h * 0.22));
  useOutline(p, kWindowStyle, QColor(225, 225, 225));
  p.drawRoundedRect(QRectF(w * 0.12, h * 0.32, w * 0.76, h * 0.3), 2, 2);
  useOutline(p, kWindowStyle);
  const QRectF sheet(w * 0.28, h * 0.52, w * 0.44, h * 0.34);
  p.drawRect(sheet);
  useThin(p, kWindowStyle);
  for (int i = 0; i < 3; ++i) {
    const double y = sheet.top() + sheet.height() * (0.35 + 0.22 * i);
    p.drawLine(QPointF(sheet.left() + 3, y), QPointF(sheet.right() - 3, y));
  }
  return pic.finish();
}
