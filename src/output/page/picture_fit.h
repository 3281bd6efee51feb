// Where a picture goes when it is printed scaled to the printable area of a page.
#pragma once

#include <QRectF>
#include <QSizeF>

// The rectangle, in the units of the printable size, that a picture of the given size takes:
// fitted to the printable width (or, for a relatively taller picture, to its height), placed at
// left and top percent of the printable area and scaled to size percent of the fitted size.
QRectF PrintPictureToFitPage(QSizeF picture, QSizeF printable, double leftPercent,
                             double topPercent, double sizePercent);
