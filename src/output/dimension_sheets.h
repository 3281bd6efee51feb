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
