// The technical data table of the chosen hoist, written through PrintTextAt onto the page or the
// sheet window.
#pragma once

#include <QString>

class TextDevice;
#include "configurator/configured_hoist.h"
#include "data/parts_data.h"

// Values the sheets keep between outputs.
struct SheetValues {
  float TechDataTop = 0;   // y of the technical data heading, mm
  QString TechSizeMetric;  // the model's size texts; kept when the model is not in the table
  QString TechSizeInch;
};

// Writes the heading, the eight rows and, for the English-language variants, the US column.
void TechnicalData(const TextCatalogueArray& texts, const ConfiguredHoist& hoist,
                   SheetValues& sheet, TextDevice& device);
