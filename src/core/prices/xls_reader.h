// Reading the first worksheet of a workbook in the old binary form (.xls).
#pragma once

#include <QString>

#include "prices/workbook_reader.h"

// The columns 1 to lastColumn of the first worksheet of the .xls workbook: the first sheet in
// the order of the tabs that is a worksheet (chart, macro and dialog sheets are passed over).
// Numbers, texts, booleans (as "TRUE" and "FALSE"), error values and the stored results of
// formulas are read; a formula whose result the file does not hold is a NoValue cell. Throws
// PriceReadError when the file is damaged, protected by a password, or holds no worksheet, and
// when it is larger than kMaxWorkbookBytes or holds more than kMaxSharedStrings shared texts.
// The file is read whole, then only its workbook stream is kept; the rows of the format end at
// 65536, below kMaxWorksheetRows.
Worksheet readXlsWorksheet(const QString& path, int lastColumn);
