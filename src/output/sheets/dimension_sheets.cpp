// Where the hoist and trolley dimension figures of the model column stand on the sketches.
#include "sheets/dimension_sheets.h"

#include <QString>

#include "configurator/hoist_model.h"
#include "page/print_text.h"
#include "sheets/technical_data.h"

namespace {

// Where a figure stands relative to its drawing's origin.
struct Place {
  double dx, dy;
  int anchor;
};

constexpr Figure kEmpty{"", ""};

void writeFigure(TextDevice& device, const Figure& f, bool inches, double x, double y, int anchor) {
  QString text = QString::fromLatin1(inches ? f.in : f.mm);
  PrintTextAt(device, text, x, y, 8, false, anchor);
}

}  // namespace

void MeasuringHoist(const ConfiguredHoist& hoist, const SheetPlace& place, TextDevice& device) {
  // A column without figures still writes its four texts, empty.
  const HoistFigures* figures = hoistFigures(hoist.modelIndex);
  const HoistFigures f = figures ? *figures : HoistFigures{kEmpty, kEmpty, kEmpty, kEmpty};
  const Figure d[4] = {f.d1, f.d2, f.d3, f.d4};
  const Place places[4] = {{-7, 27, 5}, {11.5, -0.5, 5}, {44, -0.5, 5}, {33.5, 36, 5}};
  const bool inches = hoist.imperial();
  for (int i = 0; i < 4; ++i)
    writeFigure(device, d[i], inches, place.left + places[i].dx, place.top + places[i].dy,
                places[i].anchor);
}

void MeasuringTrolley(const ConfiguredHoist& hoist, const SheetPlace& place, TextDevice& device) {
  const Trolley trolley = hoist.trolley.value_or(Trolley::None);
  const bool inches = hoist.imperial();
  auto writeAll = [&](const Figure* figures, const Place* places, int count) {
    for (int i = 0; i < count; ++i)
      writeFigure(device, figures[i], inches, place.left2 + places[i].dx, place.top + places[i].dy,
                  places[i].anchor);
  };

  if (trolley == Trolley::ManualNarrow || trolley == Trolley::ManualWide) {
    const bool wide = trolley == Trolley::ManualWide;
    const ManualTrolleyFigures* figures = manualTrolleyFigures(hoist.modelIndex);
    const ManualTrolleyFigures f =
        figures ? *figures : ManualTrolleyFigures{kEmpty, kEmpty, kEmpty, kEmpty, kEmpty};
    const Figure t[4] = {f.t1, f.t2, wide ? f.t3Wide : f.t3Narrow, f.t4};  // T1, T2, T3, T4
    const Place places[4] = {{-9.5, 7, 5}, {-15, 29.5, 8}, {1, 40, 5}, {53, 14, 5}};
    writeAll(t, places, 4);
  } else if (trolley == Trolley::MotorNarrow || trolley == Trolley::MotorWide) {
    const bool wide = trolley == Trolley::MotorWide;
    const MotorTrolleyFigures* figures = motorTrolleyFigures(hoist.modelIndex);
    const MotorTrolleyFigures f =
        figures ? *figures
                : MotorTrolleyFigures{kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty};
    // T1, T2, T3, T5, T4, T6 in the order they are written
    const Figure t[6] = {f.t1, f.t2, wide ? f.t3Wide : f.t3Narrow, f.t5, f.t4, f.t6};
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
