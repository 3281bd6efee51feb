// Larger pictures of hoist and trolley, drawn into any box: the main window's hoist, the
// start-up window's picture and the small trolley pictures share them.
#pragma once

#include <QPainter>
#include <QRectF>

#include "pictures/drawing.h"

// The hoist from the front: suspension hook at the top of `box`, load hook at its bottom, the
// chain taking up whatever height is left.
void drawHoistFigure(QPainter& painter, const QRectF& box, const LineStyle& style);

// A trolley on the lower flange of an I-beam, seen along the beam; the beam's section fills
// the top of `box`. Returns the point the hoist hangs from.
QPointF drawTrolleyFigure(QPainter& painter, const QRectF& box, const LineStyle& style);

// The maker's mark: a hook in a ring, filling `box`.
void drawMakersMark(QPainter& painter, const QRectF& box, const QColor& colour);
