// The parts data of the active variant as the load reads them from the parts database: the text
// catalogue, the part matrix and the parts. Read-only for everything but the load.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "common/fixed_array.h"
#include "data/text_catalogue.h"

struct PartsData {
  TextCatalogueArray TextCatalogue;
  FixedMatrix<std::optional<std::int32_t>, 0, 50, 0, 38> PartMatrix;  // part record numbers
  FixedArray<QString, 0, 130> PartDescription;
  FixedArray<QString, 0, 130> PartNumber;
  FixedArray<std::optional<double>, 0, 130> PartPrice;  // as stored; null stays null
  std::int16_t PartCount = 0;
};
