// The ordering list: the parts of the configured hoist as fixed-width text lines with the total,
// the discount and the net amount, composed into the program state without touching any device.
#pragma once

#include <QString>
#include <array>
#include <optional>

struct ProgramState;

// What the main window's controls say when the list is built.
struct OrderingChoices {
  int hoistControl = -1;              // selected Opt3DHoistControl element 0..4, -1 none
  int trolley = -1;                   // Opt3DTrolley 0..4, -1 none
  int trolleyControl = -1;            // Opt3DTrolleyControls 0..1, -1 none
  bool articulation = false;          // Check3D1(4)
  std::array<bool, 6> accessories{};  // Check3D1(0..5); element 4 is read from articulation
  bool chainTypeVisible = false;      // fraTypeOfChain visible
  int chainType = 1;                  // optTypeOfChain 0 or 1
  bool stainless = false;             // chkStainless
};

// The width of the description field of a list line.
inline constexpr int kDescriptionWidth = 40;

void SetOutputFormats(ProgramState& state);

// Appends one part line, fills its export element when the line number has one (1..30), and
// books the amount. A null price counts as 0. A part index outside the parts table adds
// nothing, and neither does a full list (200 lines). Returns the new line's number, 0 for none.
int AddPartLine(ProgramState& state, int partIndex, int quantity, std::optional<float> price,
                bool isLength);

// Empties and rebuilds OutputLines 1..OutputLineCount, TotalPrice and the export elements of the
// part lines from the choices and the loaded parts.
void BuildOrderingList(ProgramState& state, const OrderingChoices& choices);
