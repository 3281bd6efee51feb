// Shared pieces of the program's line art: pens, arrowheads, dimension lines, hooks and chain.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

// Line widths and arrow sizes in the painter's own unit (millimetres on the sketches, pixels
// on the small window pictures), so that every picture keeps its strokes legible at its size.
struct LineStyle {
  double outline = 1;         // visible edges
  double thin = 0.5;          // dimension, extension and centre lines
  double arrowLength = 4;     // from tip to base
  double arrowHalfWidth = 1;  // half the base
};

// A white picture with antialiased black line art painted on it by the caller.
QImage whitePicture(int width, int height);
void startLineArt(QPainter& painter);

void useOutline(QPainter& painter, const LineStyle& style, const QBrush& fill = Qt::white);
void useThin(QPainter& painter, const LineStyle& style);

// A filled arrowhead whose tip touches `tip`, pointing away from `from`.
void arrowHead(QPainter& painter, QPointF from, QPointF tip, const LineStyle& style);

// A dimension line between two measuring points, arrowheads touching both. With a gap the line
// is left open for `gapHalf` on either side of `gapCentre`, where the figure is written.
void dimensionLine(QPainter& painter, QPointF a, QPointF b, const LineStyle& style);
void dimensionLineWithGap(QPainter& painter, QPointF a, QPointF b, QPointF gapCentre,
                          double gapHalf, const LineStyle& style);

// A thin line from near the part to a little beyond the dimension line.
void extensionLine(QPainter& painter, QPointF from, QPointF to, const LineStyle& style);

// The dash-dot line of an axis of symmetry.
void centreLine(QPainter& painter, QPointF a, QPointF b, const LineStyle& style);

// A load hook seen flat: the shank comes down at `shankX` from `shankTop`, the bowl's inner
// circle has `innerRadius`, the hook is `thickness` thick all round, its lowest point lies at
// `bottom`, and the tip ends at `tipAngle` degrees (clockwise from the right, as y points
// down) on the side `tipLeft` says.
struct HookShape {
  double shankX = 0;
  double shankTop = 0;
  double innerRadius = 2;
  double thickness = 1;
  double bottom = 10;
  double tipAngle = 240;
  bool tipLeft = true;

  QPointF bowlCentre() const;
  QPainterPath path() const;
};

// The same hook turned upside down about its own shank top: a suspension hook whose bowl lies
// above the part that carries it.
QPainterPath upsideDown(const QPainterPath& path, double axisY);

// A hook seen from its edge: shank and bowl as one narrow rounded band.
QPainterPath edgeOnHook(double x, double top, double bowlTop, double bottom, double shankWidth,
                        double bowlWidth);

// Link chain hanging from `top` to `bottom`, links seen flat and edge-on by turns.
void drawChain(QPainter& painter, QPointF top, double bottom, double linkWidth, double linkPitch,
               const LineStyle& style);

// A cylinder seen from the side: a rectangle with a few cooling ribs across it.
void drawRibbedBody(QPainter& painter, const QRectF& body, int ribs, bool ribsAcross,
                    const LineStyle& style);
