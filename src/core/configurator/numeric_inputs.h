// The rules behind the lift height, control length and discount boxes: how a text reads as a
// number, the limits by model, the chain length, the whole-metre control lengths and the beam
// widths the trolley options offer.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "common/units.h"
#include "data/text_catalogue.h"

// The longest leading part of the text that reads as a decimal number with a period, after
// leading blanks; 0 when there is none ("1.2.3" gives 1.2).
double parseLeadingNumber(const QString& text);

// A value stored into one of the program's 16-bit fields: rounded half to even and held within
// the field's range, so that a long row of digits can neither wrap nor crash.
std::int16_t toInt16(double value);

// Background of a numeric box: white below the range, light yellow inside, light red above.
enum class FieldColour { White, Yellow, Red };
FieldColour fieldColour(double value, double lower, double upper);

// A key typed into a length box (lengths) or the discount box (digits only): the key that goes
// on to the box, or 0 when it is swallowed (the caller beeps). A comma becomes a period.
int FilterDecimalKey(int key);
int FilterDigitKey(int key);

// The text with its first comma replaced by a period.
QString KommaTillPunkt(const QString& text);

// Greatest lift height of a model in metres: 25, 50 or 100. A name without a record in the table
// of hoist models takes the limit of its class by its first eight characters ("PXH 500-",
// "PXH 1250", "PXH 6000", ...); no model of the catalogue reaches that rule.
int liftHeightLimit(const QString& model);
// The same limit in the units the user types: metres, or feet (not rounded) in US Imperial.
double liftHeightUpperBound(int limitMetres, bool imperial);

// Falls, allowance and chain-collector limit of a model column.
struct ChainRule {
  int falls;
  double allowance;        // metres
  int collectorBlockedAt;  // a chain this long or longer does not fit the collector
  Text message;            // the message that says so
};
std::optional<ChainRule> chainRule(int modelIndex);

// The chain length in whole metres for a lift height, rounded up; a value within 1 cm above a
// whole metre counts as that metre. None for a model column without a chain rule.
std::optional<std::int16_t> chainLength(int modelIndex, double liftHeightMetres);

// True when the chain does not fit the chain collector of the model column.
bool chainCollectorBlocked(int modelIndex, int chainLengthMetres);

// A control length typed in feet, stored in whole metres (rounded half to even).
std::int16_t feetToWholeMetres(std::int16_t feet);

// The feet values of the whole metres just below and just above a length typed in feet,
// with one decimal and a period ("9.8" and "13.1" for 10).
std::array<QString, 2> chooseCaptions(double feet);

// Beam-width ranges offered with the trolleys of a model. Also answers for "PXH 200L EX" and the
// 6000 class, names no model of the catalogue has.
struct BeamWidths {
  QString narrow;  // empty where the model takes no narrow trolley
  QString wide;
  bool onlyMotorWide;  // manual trolleys and the narrow motor trolley are not offered
};
std::optional<BeamWidths> beamWidths(const QString& model, bool imperial);
