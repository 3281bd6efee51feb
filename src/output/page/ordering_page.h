// The printed ordering document: one page with logo, title and date, the ordering list and its
// totals, the sketches with their dimension figures, the technical data and the image of the
// main window. Painted once onto any painter, so that printer, PDF file and preview agree.
#pragma once

#include <QDate>
#include <QImage>
#include <QSizeF>
#include <QStringList>

class QPainter;
struct SheetValues;

#include "configurator/ordering_list.h"
#include "data/program_directory.h"

struct PagePictures {
  QImage logo;           // "KRNLOGO.PCX"
  QImage hoistSketch;    // "SKISSPXH.PCX"
  QImage trolleySketch;  // "SKISSPXK.PCX"
  QImage window;         // the main window as shown
};

// The logo and the sketches from the program directory; a missing file leaves its picture
// empty, and nothing is printed in its place.
PagePictures readPagePictures(const ProgramDirectory& directory);

// The files of the pictures the page draws for this hoist (the logo, the hoist's sketch, and the
// trolley's sketch with a trolley) that were missing or could not be read, as paths in the
// directory's folder. The page prints without them; the user is to be told which they are.
QStringList missingPagePictures(const ProgramDirectory& directory, const PagePictures& pictures,
                                const ConfiguredHoist& hoist);
// What the user is told of those files, in the variant's language.
QString missingPicturesText(const QStringList& files);

// Paints the page. The painter's coordinates are millimetres from the top left corner of the
// printable area, whose size is given. Sets the technical data's top as the page places it.
void paintOrderingPage(QPainter& painter, QSizeF printableMm, const PartsData& data,
                       const ConfiguredHoist& hoist, const OrderingList& list, SheetValues& sheet,
                       const PagePictures& pictures, const QDate& date);
