// The one record of settings that every window and procedure of the program shares.
//
// Field names are the program's own. Integers are 16-bit as the program keeps them, singles are
// float, and a field that may be empty or null is a std::optional. The record lives as long as
// the process; nothing in it is saved.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "common/fixed_array.h"

struct ProgramState {
  // Variant and files
  QString LanguageKey;   // "" English European, else "Fransk", "US Metric", "US Imperial", ...
  QString AppPath;       // program directory, made the current directory at start-up
  QString DatabaseFile;  // "Telmaris.mdb", relative to the program directory
  QString ProgramDate;   // release date shown in the About box

  // Data loaded from the parts database
  FixedArray<QString, 1, 150> TextCatalogue;
  FixedMatrix<std::optional<std::int32_t>, 0, 50, 0, 38> PartMatrix;  // part record numbers
  FixedArray<QString, 0, 130> PartDescription;
  FixedArray<QString, 0, 130> PartNumber;
  FixedArray<std::optional<float>, 0, 130> PartPrice;  // null stays null
  std::int16_t PartCount = 0;

  // The configuration in progress
  QString CurrentModel;
  std::int16_t ModelIndex = 0;
  std::int16_t HoistColumn = 0;
  QString CurrentTrolley;
  double LiftHeight = 0;  // metres
  std::int16_t LiftHeightLimit = 0;
  std::int16_t ChainLength = 0;         // whole metres
  std::int16_t ChainCollectorFlag = 0;  // 1 when the chain is too long for the collector
  std::int16_t ControlLength = 0;       // whole metres
  FixedArray<QString, 1, 2> ChooseCaptions;
  std::int16_t Discount = 0;  // percent

  // Flags of the main window's handlers
  std::int16_t LastCheckIndex = 0;
  std::int16_t ComboKeyDownFlag = 0;  // -1 after the D key went down in the model list
  std::int16_t ComboKeyFlag = 0;      // 1 after a cursor key went down in the model list
  std::int16_t MinimizedFlag = 0;     // 1 after the main window was minimised

  // Output
  QString OutputTarget;  // "F2" (screen) or "Printer"
  std::int16_t OutputIndent = 0;
  QString FmtQty, FmtDescr, FmtPrice, FmtMetres;
  FixedArray<QString, 0, 200> OutputLines;
  std::int16_t OutputLineCount = 0;
  float TotalPrice = 0;
  FixedArray<QString, 1, 30> ExportQuantities;
  FixedArray<QString, 1, 30> ExportPartNumbers;
  FixedArray<QString, 1, 30> ExportDescriptions;
  FixedArray<float, 1, 30> ExportPrices;
  float SheetTop = 0, SheetLeft = 0, SheetLeft2 = 0;  // millimetres
};
