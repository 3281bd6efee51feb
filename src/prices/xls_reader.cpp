// The first worksheet of a workbook in the old binary form (.xls), through FreeXL.
#include "prices/xls_reader.h"

#include <freexl.h>

#include <QFile>
#include <algorithm>

namespace {

// The largest sheet a spreadsheet program makes.
constexpr int kMaxRows = 1048576;

[[noreturn]] void fail(const QString& path, const QString& why) {
  throw PriceReadError(QStringLiteral("The workbook %1 cannot be read: %2").arg(path, why));
}

class FreeXlBook {
 public:
  ~FreeXlBook() {
    if (handle) freexl_close(handle);
  }
  const void* handle = nullptr;
};

}  // namespace

Worksheet readXlsWorksheet(const QString& path, int lastColumn) {
  const QByteArray name = QFile::encodeName(path);
  FreeXlBook book;
  int rc = freexl_open(name.constData(), &book.handle);
  if (rc != FREEXL_OK) fail(path, QStringLiteral("it is damaged or not a workbook (%1).").arg(rc));

  unsigned int info = 0;
  if (freexl_get_info(book.handle, FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK &&
      info == FREEXL_BIFF_OBFUSCATED)
    fail(path, QStringLiteral("it is protected by a password."));
  if (freexl_get_info(book.handle, FREEXL_BIFF_SHEET_COUNT, &info) != FREEXL_OK || info == 0)
    fail(path, QStringLiteral("it holds no worksheet."));
  if (freexl_select_active_worksheet(book.handle, 0) != FREEXL_OK)
    fail(path, QStringLiteral("its first worksheet cannot be opened."));
  unsigned int rows = 0;
  unsigned short columns = 0;
  if (freexl_worksheet_dimensions(book.handle, &rows, &columns) != FREEXL_OK)
    fail(path, QStringLiteral("the size of its first worksheet cannot be read."));

  Worksheet sheet;
  const unsigned int lastRow = std::min<unsigned int>(rows, kMaxRows);
  const unsigned short lastCol = static_cast<unsigned short>(std::min<int>(columns, lastColumn));
  for (unsigned int r = 0; r < lastRow; ++r) {
    for (unsigned short c = 0; c < lastCol; ++c) {
      FreeXL_CellValue value;
      rc = freexl_get_cell_value(book.handle, r, c, &value);
      if (rc != FREEXL_OK) fail(path, QStringLiteral("a cell cannot be read (%1).").arg(rc));
      SheetCell cell;
      switch (value.type) {
        case FREEXL_CELL_INT:
          cell.kind = SheetCell::Kind::Number;
          cell.number = value.value.int_value;
          break;
        case FREEXL_CELL_DOUBLE:
          cell.kind = SheetCell::Kind::Number;
          cell.number = value.value.double_value;
          break;
        case FREEXL_CELL_TEXT:
        case FREEXL_CELL_SST_TEXT:
        case FREEXL_CELL_DATE:
        case FREEXL_CELL_DATETIME:
        case FREEXL_CELL_TIME:
          cell.kind = SheetCell::Kind::Text;
          cell.text = QString::fromUtf8(value.value.text_value);
          break;
        default:
          continue;
      }
      sheet.set(static_cast<int>(r) + 1, c + 1, std::move(cell));
    }
  }
  return sheet;
}

