// The hoist and trolley dimension figures by model column, and where each one stands.
#include "sheets/dimension_sheets.h"

#include <QString>
#include <initializer_list>

#include "page/print_text.h"
#include "sheets/technical_data.h"

namespace {

// One figure in millimetres and in inches.
struct Figure {
  const char* mm = "";
  const char* in = "";
};

// Where a figure stands relative to its drawing's origin.
struct Place {
  double dx, dy;
  int anchor;
};

bool oneOf(int value, std::initializer_list<int> set) {
  for (int v : set)
    if (v == value) return true;
  return false;
}

void writeFigure(TextDevice& device, const Figure& f, bool inches, double x, double y, int anchor) {
  QString text = QString::fromLatin1(inches ? f.in : f.mm);
  PrintTextAt(device, text, x, y, 8, false, anchor);
}

}  // namespace

void MeasuringHoist(const ConfiguredHoist& hoist, const SheetPlace& place, TextDevice& device) {
  const int m = hoist.modelIndex;
  Figure d[4];
  if (oneOf(m, {1, 2, 3, 7, 11, 12, 16, 4, 8, 13, 17, 10})) {
    d[0] = oneOf(m, {4, 8, 13, 17}) ? Figure{"445", "17.5"}
           : m == 10                ? Figure{"495", "19.4"}
                                    : Figure{"377", "14.8"};
    d[1] = {"122", "4.8"};
    d[2] = {"390", "15.4"};
    d[3] = {"29", "1.1"};
  } else if (oneOf(m, {5, 9, 14, 18})) {
    d[0] = {"575", "22.6"};
    d[1] = {"212", "8.3"};
    d[2] = {"546", "21.5"};
    d[3] = {"50", "2.0"};
  } else if (oneOf(m, {6, 15})) {
    d[0] = {"785", "30.9"};
    d[1] = {"249", "9.8"};
    d[2] = {"546", "21.5"};
    d[3] = {"60", "2.4"};
  }
  const Place places[4] = {{-7, 27, 5}, {11.5, -0.5, 5}, {44, -0.5, 5}, {33.5, 36, 5}};
  const bool inches = hoist.imperial();
  for (int i = 0; i < 4; ++i)
    writeFigure(device, d[i], inches, place.left + places[i].dx, place.top + places[i].dy,
                places[i].anchor);
}

void MeasuringTrolley(const ConfiguredHoist& hoist, const SheetPlace& place, TextDevice& device) {
  const int m = hoist.modelIndex;
  const Trolley trolley = hoist.trolley.value_or(Trolley::None);
  const bool inches = hoist.imperial();
  auto writeAll = [&](const Figure* figures, const Place* places, int count) {
    for (int i = 0; i < count; ++i)
      writeFigure(device, figures[i], inches, place.left2 + places[i].dx, place.top + places[i].dy,
                  places[i].anchor);
  };

  if (trolley == Trolley::ManualNarrow || trolley == Trolley::ManualWide) {
    const bool wide = trolley == Trolley::ManualWide;
    Figure t[4];  // T1, T2, T3, T4
    if (oneOf(m, {1, 2, 3, 4, 7, 8, 10, 11, 12, 13, 16, 17})) {
      t[0] = {"26", "1.1"};
      t[1] = {"52", "2.0"};
      t[2] = wide ? Figure{"Beam width +57", "Beam width +2.3"} : Figure{"212", "8.3"};
      t[3] = {"264", "10.4"};
    } else if (oneOf(m, {5, 9, 14, 18})) {
      t[0] = {"35", "1.4"};
      t[1] = {"78", "3.1"};
      t[2] = wide ? Figure{"Beam width +89", "Beam width +3.5"} : Figure{"262", "10.3"};
      t[3] = {"384", "15.2"};
    }
    const Place places[4] = {{-9.5, 7, 5}, {-15, 29.5, 8}, {1, 40, 5}, {53, 14, 5}};
    writeAll(t, places, 4);
  } else if (trolley == Trolley::MotorNarrow || trolley == Trolley::MotorWide) {
    const bool wide = trolley == Trolley::MotorWide;
    Figure t[6];  // T1, T2, T3, T5, T4, T6 in the order they are written
    if (oneOf(m, {1, 2, 3, 4, 10, 11, 12, 13})) {
      t[0] = {"24", "1.0"};
      t[1] = {"52", "2.0"};
      t[2] = wide ? Figure{"Beam width +57", "Beam width +2.3"} : Figure{"212", "8.3"};
      t[3] = {"225", "8.9"};
      t[4] = {"264", "10.4"};
    } else if (oneOf(m, {5, 9, 14, 18})) {
      t[0] = {"37", "1.5"};
      t[1] = {"78", "3.1"};
      t[2] = wide ? Figure{"Beam width +89", "Beam width +3.5"} : Figure{"262", "10.3"};
      t[3] = {"148", "5.9"};
      t[4] = {"380", "15.0"};
      t[5] = {"94", "3.7"};
    } else if (oneOf(m, {6, 15})) {
      t[0] = {"41", "1.6"};
      t[1] = {"93", "3.7"};
      t[2] = {"Beam width +97", "Beam width +3.8"};
      t[3] = {"166", "6.6"};
      t[4] = {"437", "17.2"};
      t[5] = {"59", "2.4"};
    }
    const Place places[6] = {{-9.1, 7, 5}, {-15, 29.5, 8}, {1, 40, 5},
                             {15, 7, 5},   {53, 14, 5},    {37.5, 14, 5}};
    writeAll(t, places, 6);
  }
}

void writeSheets(const TextCatalogueArray& texts, const ConfiguredHoist& hoist, SheetValues& sheet,
                 TextDevice& device, const SheetOrigins& origins) {
  MeasuringHoist(hoist, {origins.top, origins.left, origins.left2}, device);
  MeasuringTrolley(hoist, {origins.trolleyTop, origins.left, origins.left2}, device);
  sheet.TechDataTop = origins.techDataTop;
  TechnicalData(texts, hoist, sheet, device);
}
