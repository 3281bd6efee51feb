// Reading the first worksheet of a workbook in the old binary form (.xls).
#pragma once

#include <QString>

#include "prices/workbook_reader.h"

// The columns 1 to lastColumn of the first worksheet of the .xls workbook. Throws
// PriceReadError when the file cannot be read.
Worksheet readXlsWorksheet(const QString& path, int lastColumn);
