// The technical data table of the chosen hoist, written through PrintTextAt onto the page or the
// sheet window.
#pragma once

#include <QString>

class TextDevice;
struct ProgramState;

// Values the sheets take from the main window rather than from the program state.
struct SheetValues {
  int trolley = -1;        // selected Opt3DTrolley element 0..4, -1 none
  float TechDataTop = 0;   // y of the technical data heading, mm
  QString TechSizeMetric;  // the model's size texts; kept when the model is not in the table
  QString TechSizeInch;
};

// Writes the heading, the eight rows and, for the English-language variants, the US column.
// Reads CurrentModel, ChainLength, LanguageKey and the texts from the state.
void TechnicalData(const ProgramState& state, SheetValues& sheet, TextDevice& device);
