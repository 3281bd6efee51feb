// The one record of settings that every window of the program shares: the variant, the program
// directory and the parts data loaded for the variant. The configuration in progress lives in the
// configurator, the ordering list in the value that builds it. The record lives as long as the
// process; nothing in it is saved.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "data/parts_data.h"
#include "data/program_directory.h"

// The parts data of the variant are the state's own: every window reads them from here.
struct ProgramState : PartsData {
  // Variant and files
  QString LanguageKey;  // "" English European, else "Fransk", "US Metric", "US Imperial", ...
  ProgramDirectory Directory;  // the program directory: database, pictures, help
  QString ProgramDate;         // release date shown in the About box

  // Output
  QString OutputTarget;  // "F2" (screen) or "Printer"
};
