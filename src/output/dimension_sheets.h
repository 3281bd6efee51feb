// The dimension figures written next to the dimension lines of the hoist and trolley sketches.
#pragma once

class TextDevice;
struct ProgramState;
struct SheetValues;

// D1 to D4 of the hoist around (SheetLeft, SheetTop), by ModelIndex; inches in US Imperial.
void MeasuringHoist(const ProgramState& state, TextDevice& device);

// The trolley's figures around (SheetLeft2, SheetTop) for the selected trolley; nothing when
// none is chosen.
void MeasuringTrolley(const ProgramState& state, const SheetValues& sheet, TextDevice& device);

// Where the drawings and the technical data stand on a surface, in millimetres.
struct SheetOrigins {
  float top;          // both drawings, as the hoist's figures take it
  float left;         // the hoist drawing
  float left2;        // the trolley drawing
  float trolleyTop;   // the top the trolley's figures take
  float techDataTop;  // the technical data's heading
};
inline constexpr SheetOrigins kPageSheetOrigins{98, 23, 115, 110, 80};
inline constexpr SheetOrigins kScreenSheetOrigins{20, 10, 102, 32, -3};

// The hoist's and the trolley's figures and the technical data at the given origins, leaving
// the origins in the state and the sheet values as the surface used them.
void writeSheets(ProgramState& state, SheetValues& sheet, TextDevice& device,
                 const SheetOrigins& origins);
