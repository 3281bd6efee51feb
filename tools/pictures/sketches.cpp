// The sketches of hoist and trolley with their dimension lines, for the printed page and the
// sheet window. The dimension figures are written over them at run time, so every line is
// placed where its figure will stand.
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "page/print_text.h"
#include "pictures/drawing.h"
#include "pictures/pictures.h"

namespace {

// Both drawings are made in millimetres from the origin their figures are placed from:
// (SheetLeft, SheetTop) for the hoist, (SheetLeft2, SheetTop) for the trolley. The figures'
// points, from those origins:
constexpr QPointF kD1(-7, 27);      // hook to hook, left of the side view
constexpr QPointF kD2(11.5, -0.5);  // width of the side view
constexpr QPointF kD3(44, -0.5);    // width of the front view
constexpr QPointF kD4(33.5, 36);    // opening of the lower hook
constexpr QPointF kT1(-9.3, 7);     // -9.5 for a manual trolley, -9.1 for a motor-driven one
constexpr QPointF kT2(-15, 29.5);   // written right-aligned, ending at x
constexpr QPointF kT3(1, 40);       // width over the side plates ("Beam width +97" at most)
constexpr QPointF kT4(53, 14);      // length of the side view
constexpr QPointF kT5(15, 7);       // from the beam's middle to the end of the drive
constexpr QPointF kT6(37.5, 14);    // overhang of the drive in the side view

// The figures are 8-point text, the longest ("Beam width +97") about 21 mm wide on paper.
constexpr double kFigurePoints = 8;
constexpr double kRightAlignedClear = 0.8;   // a line right of a right-aligned figure
constexpr double kEdgeMargin = 0.3;          // nearest a line comes to a picture's edge
constexpr double kExtensionGap = 0.5;        // between a part and its extension line
constexpr double kExtensionOvershoot = 0.6;  // beyond the dimension line

// The printed page draws its sketches stretched into rectangles of the 300-dpi grid: one grid
// unit is one pixel of the picture.
constexpr double kPageDotsPerMm = 300 / 25.4;
constexpr double kScreenDotsPerMm = 96 / 25.4;
constexpr QRect kPageHoistGrid(200, 1163, 800, 729);
constexpr QRect kPageTrolleyGrid(1150, 1411, 1000, 455);
constexpr QPointF kPageHoistOrigin(23, 98);
constexpr QPointF kPageTrolleyOrigin(115, 110);
// The sheet window draws in millimetres from its top left corner at 96 dpi.
constexpr QSize kSheetSize(660, 350);
constexpr QPointF kSheetHoistOrigin(10, 20);
constexpr QPointF kSheetTrolleyOrigin(102, 32);

const LineStyle kPageStyle{0.3, 0.13, 1.5, 0.42};
const LineStyle kSheetStyle{0.36, 0.2, 1.7, 0.5};

// Where a figure stands relative to its point, as the program's text helper writes it on one
// surface: the middle of its line of text lies `drop` below the point, and the line is `height`
// high. Digits stand from about 0.3 of the height above the middle to as far below it.
struct FigureType {
  double drop = 0;
  double height = 3;

  double lineBelow() const { return 0.3 * height + 0.55; }  // a horizontal line it stands on
  double gapHalf() const { return 0.5 * height + 0.45; }    // a vertical line it interrupts
};

// Records where the text helper puts a figure, measuring it as the real surface does.
class PlacementProbe : public TextDevice {
 public:
  explicit PlacementProbe(TextDevice& surface) : surface_(surface) {}
  void setFont(double pointSize, bool bold) override { surface_.setFont(pointSize, bold); }
  QSizeF measure(const QString& text) override { return size_ = surface_.measure(text); }
  void drawText(double, double top, const QString&) override { top_ = top; }

  FigureType figure() const { return {top_ + size_.height() / 2, size_.height()}; }

 private:
  TextDevice& surface_;
  QSizeF size_;
  double top_ = 0;
};

// The figures' placement is taken from the text helper itself, so the drawings follow it.
FigureType measuredFigure(bool sheetWindow) {
  QImage scratch(4, 4, QImage::Format_RGB32);
  QPainter painter(&scratch);
  painter.setFont(QFont(QStringLiteral("Arial")));
  PainterTextDevice page(painter);
  SheetWindowTextDevice sheet(page);
  PlacementProbe probe(sheetWindow ? static_cast<TextDevice&>(sheet) : page);
  QString figure = QStringLiteral("377");
  PrintTextAt(probe, figure, 0, 0, kFigurePoints, false, 5);
  return probe.figure();
}

// One drawing on one picture: the painter works in the drawing's millimetres, shifted down with
// the figures, and `usable` is the part of them the picture covers.
struct Drawing {
  QPainter& painter;
  LineStyle style;
  QRectF usable;
  FigureType figure;

  double clampX(double x) const {
    return std::clamp(x, usable.left() + kEdgeMargin, usable.right() - kEdgeMargin);
  }
  double clampY(double y) const {
    return std::clamp(y, usable.top() + kEdgeMargin, usable.bottom() - kEdgeMargin);
  }
};

double towards(double from, double to, double distance) {
  return from + (to > from ? distance : -distance);
}

void verticalExtension(Drawing& d, double x, double partY, double lineY) {
  extensionLine(d.painter, QPointF(x, towards(partY, lineY, kExtensionGap)),
                QPointF(x, towards(lineY, partY, -kExtensionOvershoot)), d.style);
}

void horizontalExtension(Drawing& d, double y, double partX, double lineX) {
  extensionLine(d.painter, QPointF(towards(partX, lineX, kExtensionGap), y),
                QPointF(towards(lineX, partX, -kExtensionOvershoot), y), d.style);
}

// A horizontal dimension from `a` to `b` (points on the part) whose figure stands on the line.
void horizontalDimension(Drawing& d, QPointF a, QPointF b, QPointF figure) {
  const double y = d.clampY(figure.y() + d.figure.lineBelow());
  verticalExtension(d, a.x(), a.y(), y);
  verticalExtension(d, b.x(), b.y(), y);
  dimensionLine(d.painter, QPointF(a.x(), y), QPointF(b.x(), y), d.style);
}

// A vertical dimension at `x` from `a` to `b`, open where a figure stands across it.
void verticalDimension(Drawing& d, double x, QPointF a, QPointF b, const QPointF* figure) {
  horizontalExtension(d, a.y(), a.x(), x);
  horizontalExtension(d, b.y(), b.x(), x);
  if (figure) {
    dimensionLineWithGap(d.painter, QPointF(x, a.y()), QPointF(x, b.y()), QPointF(x, figure->y()),
                         d.figure.gapHalf(), d.style);
  } else {
    dimensionLine(d.painter, QPointF(x, a.y()), QPointF(x, b.y()), d.style);
  }
}

QPolygonF hexagon(QPointF centre, double radius) {
  QPolygonF p;
  for (int i = 0; i < 6; ++i) {
    const double a = (30 + 60 * i) * M_PI / 180;
    p << centre + QPointF(std::cos(a), std::sin(a)) * radius;
  }
  return p;
}

void nut(Drawing& d, QPointF centre, double radius) {
  useOutline(d.painter, d.style);
  d.painter.drawPolygon(hexagon(centre, radius));
  useThin(d.painter, d.style);
  d.painter.drawEllipse(centre, radius * 0.5, radius * 0.5);
}

void hatch(Drawing& d, const QPainterPath& area, double pitch) {
  d.painter.save();
  d.painter.setClipPath(area, Qt::IntersectClip);
  useThin(d.painter, d.style);
  const QRectF box = area.boundingRect();
  for (double s = box.left() - box.height(); s < box.right(); s += pitch) {
    d.painter.drawLine(QPointF(s, box.bottom()), QPointF(s + box.height(), box.top()));
  }
  d.painter.restore();
}

// ---- The hoist: side view left, front view right, hooks at the same heights in both.

constexpr double kUpperHookTop = kD1.y() - 19;
constexpr double kLowerHookBottom = kD1.y() + 19;
constexpr double kBodyTop = 13.5;
constexpr double kBodyBottom = 30;
constexpr double kUpperHookLength = kBodyTop - 1.2 - kUpperHookTop;
constexpr double kBlockTop = 33;
constexpr double kBlockBottom = 35.3;

// The front view's chain and lower hook hang left of its middle, under the load sheave, so that
// the hook's opening lies beside its figure.
constexpr double kFrontChainX = 37.65;
const HookShape kLowerHook{kFrontChainX, kBlockBottom - 0.2, 2.4, 1.7, kLowerHookBottom, 243, true};

void drawHoistSideView(Drawing& d) {
  QPainter& p = d.painter;
  const double x = kD2.x();
  const double bodyLeft = x - 7.5;
  const double bodyRight = x + 7.5;

  // The suspension hook seen from its edge, bowl up.
  const double upperLength = kUpperHookLength;
  useOutline(p, d.style);
  p.drawPath(upsideDown(edgeOnHook(x, 0, upperLength - 3.6, upperLength, 1.1, 1.9), upperLength / 2)
                 .translated(0, kUpperHookTop));
  p.drawRoundedRect(QRectF(x - 1.7, kBodyTop - 1.2, 3.4, 1.2), 0.3, 0.3);

  p.drawRoundedRect(QRectF(x - 5.5, kBodyTop, 11, 2), 0.6, 0.6);
  drawRibbedBody(p, QRectF(bodyLeft, kBodyTop + 1.6, bodyRight - bodyLeft, 12.4), 4, false,
                 d.style);
  useOutline(p, d.style);
  p.drawRoundedRect(QRectF(x - 4, kBodyTop + 14, 8, kBodyBottom - kBodyTop - 14), 0.8, 0.8);
  // The air inlet on the valve side.
  p.drawRect(QRectF(bodyRight, kBodyTop + 4, 1.4, 2.2));

  drawChain(p, QPointF(x, kBodyBottom), kBlockTop, 1.5, 1.25, d.style);
  useOutline(p, d.style);
  p.drawRoundedRect(QRectF(x - 2, kBlockTop, 4, kBlockBottom - kBlockTop), 0.6, 0.6);
  p.drawPath(edgeOnHook(x, kBlockBottom - 0.2, kBlockBottom + 3, kLowerHookBottom, 1.3, 1.9));

  centreLine(p, QPointF(x, kUpperHookTop - 1), QPointF(x, kLowerHookBottom + 1), d.style);

  horizontalDimension(d, QPointF(bodyLeft, kBodyTop + 1.6), QPointF(bodyRight, kBodyTop + 1.6),
                      kD2);
  verticalDimension(d, d.clampX(kD1.x()), QPointF(x - 1, kUpperHookTop),
                    QPointF(x - 1, kLowerHookBottom), &kD1);
}

void drawHoistFrontView(Drawing& d) {
  QPainter& p = d.painter;
  const double x = kD3.x();
  const double left = x - 16;
  const double right = x + 16;

  // The suspension hook, bowl up, opening to the right.
  const HookShape upper{x, 0, 1.5, 1.1, kUpperHookLength, 235, false};
  useOutline(p, d.style);
  p.drawPath(upsideDown(upper.path(), kUpperHookLength / 2).translated(0, kUpperHookTop));
  p.drawRoundedRect(QRectF(x - 1.7, kBodyTop - 1.2, 3.4, 1.2), 0.3, 0.3);

  // Gear cover left, housing in the middle, ribbed air motor right.
  p.drawRoundedRect(QRectF(left, kBodyTop + 1, 8, 13.5), 1.6, 1.6);
  p.drawEllipse(QPointF(left + 4, kBodyTop + 7.75), 2.2, 2.2);
  p.drawRoundedRect(QRectF(x - 6, kBodyTop, 11, 2), 0.6, 0.6);
  p.drawRoundedRect(QRectF(left + 7, kBodyTop + 1.6, 15.5, 13), 1.2, 1.2);
  drawRibbedBody(p, QRectF(x + 6.5, kBodyTop + 3, right - x - 6.5, 10), 5, true, d.style);
  useOutline(p, d.style);
  p.drawRoundedRect(QRectF(x + 8, kBodyTop + 13, 4, 2.6), 0.4, 0.4);
  p.drawEllipse(QPointF(x + 10, kBodyTop + 16.6), 0.7, 0.7);
  p.drawRoundedRect(QRectF(kFrontChainX - 2.6, kBodyTop + 14.6, 5.2, kBodyBottom - kBodyTop - 14.6),
                    0.8, 0.8);

  drawChain(p, QPointF(kFrontChainX, kBodyBottom), kBlockTop, 1.5, 1.25, d.style);
  useOutline(p, d.style);
  p.drawRoundedRect(QRectF(kFrontChainX - 1.6, kBlockTop, 3.2, kBlockBottom - kBlockTop), 0.5, 0.5);
  p.drawPath(kLowerHook.path());

  centreLine(p, QPointF(x, kUpperHookTop - 1), QPointF(x, kBodyBottom + 1), d.style);

  horizontalDimension(d, QPointF(left, kBodyTop + 1), QPointF(right, kBodyTop + 3), kD3);

  // The hook's opening, from the tip to the shank, with its figure beside the middle.
  const QPointF c = kLowerHook.bowlCentre();
  const double tip = kLowerHook.tipAngle * M_PI / 180;
  const double mid = kLowerHook.innerRadius + kLowerHook.thickness / 2;
  const QPointF capCentre = c + QPointF(std::cos(tip), std::sin(tip)) * mid;
  const QPointF tipEnd = capCentre + QPointF(std::cos(tip + M_PI / 2), std::sin(tip + M_PI / 2)) *
                                         (kLowerHook.thickness / 2);
  const QPointF shank(kFrontChainX - kLowerHook.thickness / 2, kBlockBottom + 1.2);
  dimensionLine(p, tipEnd, shank, d.style);
}

// ---- The trolley: front view with the beam in section left, side view right.

constexpr double kBeamLeft = kT3.x() - 8;
constexpr double kBeamRight = kT3.x() + 8;
constexpr double kBeamTop = 11;
constexpr double kFlangeTop = 20.5;
constexpr double kFlangeBottom = 22;
constexpr double kPlateTop = 17;
constexpr double kPlateBottom = 35;
constexpr double kPlateOuterLeft = kT3.x() - 13;
constexpr double kPlateOuterRight = kT3.x() + 13;
constexpr double kPlateThickness = 1.5;
constexpr double kWheelY = 18.7;
constexpr double kLoadBarY = 30.25;
constexpr double kEyeBottom = 37;
constexpr double kDriveEnd = 29;
constexpr double kSideLeft = 42;  // side plate in the side view
constexpr double kSideRight = 64;
constexpr double kSideDriveLeft = 33;

QPainterPath beamSection() {
  QPainterPath p;
  const double web = 0.7;
  const double flange = 1.5;
  const double m = kT3.x();
  QPolygonF outline;
  outline << QPointF(kBeamLeft, kBeamTop) << QPointF(kBeamRight, kBeamTop)
          << QPointF(kBeamRight, kBeamTop + flange) << QPointF(m + web, kBeamTop + flange)
          << QPointF(m + web, kFlangeTop) << QPointF(kBeamRight, kFlangeTop)
          << QPointF(kBeamRight, kFlangeBottom) << QPointF(kBeamLeft, kFlangeBottom)
          << QPointF(kBeamLeft, kFlangeTop) << QPointF(m - web, kFlangeTop)
          << QPointF(m - web, kBeamTop + flange) << QPointF(kBeamLeft, kBeamTop + flange);
  p.addPolygon(outline);
  p.closeSubpath();
  return p;
}

void drawWheelFront(Drawing& d, bool left) {
  QPainter& p = d.painter;
  const double m = kT3.x();
  // Drawn for the left wheel, mirrored about the beam's middle for the right one.
  p.save();
  if (!left) {
    p.translate(2 * m, 0);
    p.scale(-1, 1);
  }
  const double inner = kPlateOuterLeft + kPlateThickness;
  useOutline(p, d.style);
  p.drawRect(QRectF(inner - 1.3, kWheelY - 0.5, kPlateOuterLeft - inner + 1.3 + 0.1, 1.0));
  p.drawRoundedRect(QRectF(inner + 0.3, kWheelY - 1.8, 5.4, 3.6), 0.5, 0.5);
  p.drawRoundedRect(QRectF(inner + 0.3, kWheelY - 2.2, 1.4, 4.4 + 0.5), 0.4, 0.4);
  p.drawPolygon(hexagon(QPointF(kPlateOuterLeft - 0.5, kWheelY), 0.8));
  p.restore();
}

void drawTrolleyFrontView(Drawing& d) {
  QPainter& p = d.painter;
  const double m = kT3.x();

  const QPainterPath beam = beamSection();
  useOutline(p, d.style);
  p.drawPath(beam);
  hatch(d, beam, 1.1);
  useOutline(p, d.style, Qt::NoBrush);
  p.drawPath(beam);

  // Side plates, load bar with its nuts, suspension eye.
  p.drawRect(QRectF(kPlateOuterLeft, kPlateTop, kPlateThickness, kPlateBottom - kPlateTop));
  p.drawRect(QRectF(kPlateOuterRight - kPlateThickness, kPlateTop, kPlateThickness,
                    kPlateBottom - kPlateTop));
  drawWheelFront(d, true);
  drawWheelFront(d, false);
  useOutline(p, d.style);
  p.drawRect(
      QRectF(kPlateOuterLeft - 1, kLoadBarY - 1.1, kPlateOuterRight - kPlateOuterLeft + 2, 2.2));
  p.drawRect(QRectF(kPlateOuterLeft - 1.1, kLoadBarY - 1.5, 1.1, 3.0));
  p.drawRect(QRectF(kPlateOuterRight, kLoadBarY - 1.5, 1.1, 3.0));
  QPainterPath eye;
  eye.addRoundedRect(QRectF(m - 2, kLoadBarY - 1.6, 4, kEyeBottom - kLoadBarY + 1.6), 2, 2);
  p.drawPath(eye);
  p.drawEllipse(QPointF(m, kEyeBottom - 2.3), 1.0, 1.0);

  // Drive on the right side plate: gearbox and ribbed air motor.
  p.drawRoundedRect(QRectF(kPlateOuterRight, kPlateTop + 1, 3.6, 9), 0.6, 0.6);
  drawRibbedBody(
      p, QRectF(kPlateOuterRight + 3.6, kPlateTop + 2, kDriveEnd - kPlateOuterRight - 3.6, 7), 6,
      true, d.style);
  useOutline(p, d.style);
  p.drawEllipse(QPointF(kPlateOuterRight + 8, kPlateTop + 10), 0.7, 0.7);

  const double upper = d.clampY(kT1.y() + d.figure.lineBelow());
  centreLine(p, QPointF(m, upper - kExtensionOvershoot), QPointF(m, kEyeBottom + 1.5), d.style);

  horizontalDimension(d, QPointF(kPlateOuterLeft, kPlateTop), QPointF(kBeamLeft, kBeamTop), kT1);
  // The drive's dimension starts at the centre line, which serves as its extension line.
  const double driveY = d.clampY(kT5.y() + d.figure.lineBelow());
  verticalExtension(d, kDriveEnd, kPlateTop + 2, driveY);
  dimensionLine(p, QPointF(m, driveY), QPointF(kDriveEnd, driveY), d.style);

  verticalDimension(d, kT2.x() + kRightAlignedClear, QPointF(kBeamLeft, kFlangeBottom),
                    QPointF(m - 2, kEyeBottom), nullptr);
  horizontalDimension(d, QPointF(kPlateOuterLeft, kPlateBottom),
                      QPointF(kPlateOuterRight, kPlateBottom), kT3);
}

void drawTrolleySideView(Drawing& d) {
  QPainter& p = d.painter;
  const double beamLeft = kSideDriveLeft - 1.5;
  const double beamRight = kSideRight + 2.5;
  const double webTop = kFlangeTop - 2.6;

  // The beam along the view, cut off above the flange: the wavy edge marks the break.
  QPainterPath beam;
  beam.moveTo(beamLeft, kFlangeBottom);
  beam.lineTo(beamLeft, webTop);
  const int waves = 8;
  const double step = (beamRight - beamLeft) / waves;
  for (int i = 0; i < waves; ++i) {
    const double x0 = beamLeft + i * step;
    beam.cubicTo(QPointF(x0 + step / 3, webTop - 0.6), QPointF(x0 + 2 * step / 3, webTop + 0.6),
                 QPointF(x0 + step, webTop));
  }
  beam.lineTo(beamRight, kFlangeBottom);
  beam.closeSubpath();
  useOutline(p, d.style);
  p.drawPath(beam);
  useThin(p, d.style);
  p.drawLine(QPointF(beamLeft, kFlangeTop), QPointF(beamRight, kFlangeTop));

  // Side plate with the wheel axles and the load bar, suspension eye below.
  QPolygonF plate;
  plate << QPointF(kSideLeft, kPlateTop) << QPointF(kSideRight, kPlateTop)
        << QPointF(kSideRight, kPlateTop + 9) << QPointF(kSideRight - 6, kPlateBottom)
        << QPointF(kSideLeft + 6, kPlateBottom) << QPointF(kSideLeft, kPlateTop + 9);
  const double c = (kSideLeft + kSideRight) / 2;
  QPainterPath eye;
  eye.addRoundedRect(QRectF(c - 1.2, kPlateBottom - 2, 2.4, kEyeBottom - kPlateBottom + 2), 1.2,
                     1.2);
  useOutline(p, d.style);
  p.drawPath(eye);
  p.drawPolygon(plate);
  useThin(p, d.style);
  p.save();
  p.setPen(QPen(Qt::black, d.style.thin, Qt::DashLine));
  p.drawEllipse(QPointF(kSideLeft + 4.5, kWheelY), 1.8, 1.8);
  p.drawEllipse(QPointF(kSideRight - 4.5, kWheelY), 1.8, 1.8);
  p.restore();
  nut(d, QPointF(kSideLeft + 4.5, kWheelY), 0.9);
  nut(d, QPointF(kSideRight - 4.5, kWheelY), 0.9);
  nut(d, QPointF(c, kLoadBarY), 1.1);

  // The drive, reaching out past the plate's end.
  drawRibbedBody(p, QRectF(kSideDriveLeft, kPlateTop + 2.5, 6, 7), 3, true, d.style);
  useOutline(p, d.style);
  p.drawRoundedRect(QRectF(kSideDriveLeft + 6, kPlateTop + 1.5, 4.5, 9), 0.6, 0.6);
  p.drawEllipse(QPointF(kSideDriveLeft + 8.25, kPlateTop + 6), 1.2, 1.2);

  horizontalDimension(d, QPointF(kSideDriveLeft, kPlateTop + 2.5), QPointF(kSideLeft, kPlateTop),
                      kT6);
  horizontalDimension(d, QPointF(kSideLeft, kPlateTop), QPointF(kSideRight, kPlateTop), kT4);
}

void drawHoist(Drawing& d) {
  drawHoistSideView(d);
  drawHoistFrontView(d);
}

void drawTrolley(Drawing& d) {
  drawTrolleyFrontView(d);
  drawTrolleySideView(d);
}

// A sketch for the printed page: the drawing's millimetres map onto the picture's pixels as
// the page maps them onto its 300-dpi grid.
QImage pageSketch(const QRect& grid, QPointF origin, void (*draw)(Drawing&)) {
  QImage image = whitePicture(grid.width(), grid.height());
  QPainter painter(&image);
  startLineArt(painter);
  QTransform t;
  t.translate(-grid.left(), -grid.top());
  t.scale(kPageDotsPerMm, kPageDotsPerMm);
  const FigureType figure = measuredFigure(false);
  t.translate(origin.x(), origin.y() + figure.drop);
  painter.setTransform(t);
  const QRectF usable = t.inverted().mapRect(QRectF(0, 0, grid.width(), grid.height()));
  Drawing d{painter, kPageStyle, usable, figure};
  draw(d);
  painter.end();
  return image.convertToFormat(QImage::Format_Grayscale8);
}

}  // namespace

QImage drawHoistSketchForPage() {
  return pageSketch(kPageHoistGrid, kPageHoistOrigin, drawHoist);
}

QImage drawTrolleySketchForPage() {
  return pageSketch(kPageTrolleyGrid, kPageTrolleyOrigin, drawTrolley);
}

QImage drawSheetSketch() {
  QImage image = whitePicture(kSheetSize.width(), kSheetSize.height());
  QPainter painter(&image);
  startLineArt(painter);
  const QRectF sheet(QPointF(0, 0), QSizeF(kSheetSize));
  using Draw = void (*)(Drawing&);
  for (const auto& [origin, draw] : {std::pair<QPointF, Draw>{kSheetHoistOrigin, drawHoist},
                                     std::pair<QPointF, Draw>{kSheetTrolleyOrigin, drawTrolley}}) {
    QTransform t;
    t.scale(kScreenDotsPerMm, kScreenDotsPerMm);
    const FigureType figure = measuredFigure(true);
    t.translate(origin.x(), origin.y() + figure.drop);
    painter.setTransform(t);
    Drawing d{painter, kSheetStyle, t.inverted().mapRect(sheet), figure};
    draw(d);
  }
  return image;
}
