// The printed ordering document: one page with logo, title and date, the ordering list and its
// totals, the sketches with their dimension figures, the technical data and the image of the
// main window. Painted once onto any painter, so that printer, PDF file and preview agree.
#pragma once

#include <QDate>
#include <QImage>
#include <QSizeF>

class QPainter;
struct ProgramState;
struct SheetValues;

struct PagePictures {
  QImage logo;           // "KRNLOGO.PCX"
  QImage hoistSketch;    // "SKISSPXH.PCX"
  QImage trolleySketch;  // "SKISSPXK.PCX"
  QImage window;         // the main window as shown
};

// The logo and the sketches from the program directory; a missing file leaves its picture
// empty, and nothing is printed in its place.
PagePictures readPagePictures();

// Paints the page. The painter's coordinates are millimetres from the top left corner of the
// printable area, whose size is given; the ordering list must have been built with an indent of
// 8. Sets the sheet origins and the technical data's top as the page places them.
void paintOrderingPage(QPainter& painter, QSizeF printableMm, ProgramState& state,
                       SheetValues& sheet, const PagePictures& pictures, const QDate& date);
