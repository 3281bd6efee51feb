// The dimension figures written next to the dimension lines of the hoist and trolley sketches.
#pragma once

class TextDevice;
struct SheetValues;

#include "configurator/configured_hoist.h"
#include "data/parts_data.h"

// Where a drawing's figures are placed from, in millimetres.
struct SheetPlace {
  float top;
  float left;
  float left2;
};

// D1 to D4 of the hoist around (left, top), by ModelIndex; inches in US Imperial.
void MeasuringHoist(const ConfiguredHoist& hoist, const SheetPlace& place, TextDevice& device);

// The trolley's figures around (left2, top) for the selected trolley; nothing when none is
// chosen.
void MeasuringTrolley(const ConfiguredHoist& hoist, const SheetPlace& place, TextDevice& device);

// Where the drawings and the technical data stand on a surface, in millimetres.
struct SheetOrigins {
  float top;          // both drawings, as the hoist's figures take it
  float left;         // the hoist drawing
  float left2;        // the trolley drawing
  float trolleyTop;   // the top the trolley's figures take
  float techDataTop;  // the technical data's heading
};
inline constexpr SheetOrigins kPageSheetOrigins{98, 23, 115, 110, 80};
inline constexpr SheetOrigins kScreenSheetOrigins{20, 10, 102, 32, -2.5};

// The hoist's and the trolley's figures and the technical data at the given origins, leaving
// the sheet values as the surface used them.
void writeSheets(const TextCatalogueArray& texts, const ConfiguredHoist& hoist, SheetValues& sheet,
                 TextDevice& device, const SheetOrigins& origins);
