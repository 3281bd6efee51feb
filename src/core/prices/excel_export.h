// The ordering list as a new spreadsheet workbook: a heading row, one row per part line, the
// total and, with a discount, the discount and the net amount.
#pragma once

#include <QString>
#include <iterator>
#include <map>
#include <utility>
#include <variant>
#include <vector>

struct OrderingList;
#include "common/problem.h"
#include "data/parts_data.h"

// A cell's value: text or a number. Writing empty text empties the cell, as in a spreadsheet.
using ExportValue = std::variant<QString, double>;

// The cells of the exported sheet by row and column, both counted from 1.
struct ExportSheet {
  std::map<std::pair<int, int>, ExportValue> cells;
  void set(int row, int column, const ExportValue& value);
};

// Column widths in the spreadsheet's character units, columns A to D.
inline constexpr double kExportColumnWidths[4] = {13, 13.7, 8.4, 41};
// The heading row is bold over A1:D1; A1:C30 is centred.
inline constexpr int kExportBoldLastColumn = 4;
inline constexpr int kExportCentredLastColumn = 3;
inline constexpr int kExportCentredLastRow = 30;

// An amount as the ordering list prints it, one decimal and rounded as the list rounds, so that
// the sheet holds 53.4 where the list shows 53.4 and not the binary value behind it.
double listedFigure(double value);

// The cells of the ordering list: one row per part line, then the total and, with a discount,
// the discount and the net amount labelled with the texts 62 to 64. Every amount is the figure
// the ordering list prints, with its one decimal.
ExportSheet orderingListSheet(const TextCatalogueArray& texts, const OrderingList& list);

// A workbook that cannot be written: a problem of kind File.
class ExportError : public Failure {
 public:
  explicit ExportError(const QString& message)
      : Failure(Problem{Problem::Kind::File, {}, message, std::nullopt}) {}
};

// Writes the sheet as an .xlsx workbook with the widths, the bold heading and the centring.
// Throws ExportError.
void writeExportWorkbook(const QString& path, const ExportSheet& sheet);

// A sheet of a workbook of several: its name on the tab, and its cells laid out as the ordering
// list's sheet (widths, bold heading row, centring).
struct NamedExportSheet {
  QString name;
  ExportSheet sheet;
  // The column widths, in the spreadsheet's character units, from column A.
  std::vector<double> widths{std::begin(kExportColumnWidths), std::end(kExportColumnWidths)};
};

// Writes the sheets, in order, as one workbook, whole or not at all. A name the spreadsheet
// refuses (too long, or with []:*?/\) is shortened and cleaned; a name taken is numbered.
// Throws ExportError.
void writeExportWorkbook(const QString& path, const std::vector<NamedExportSheet>& sheets);

// Writes the ordering list into a new workbook in a new folder under `folder` and returns the
// workbook's path. The file is named after the ordering list's title in the active language.
// Throws ExportError.
QString exportOrderingList(const TextCatalogueArray& texts, const OrderingList& list,
                           const QString& folder);
