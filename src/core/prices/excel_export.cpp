// The ordering list's cells and the .xlsx workbook written from them with libxlsxwriter.
#include "prices/excel_export.h"

#include <fcntl.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <charconv>
#include <cstdio>

#include "common/file_access.h"
#include "common/number_format.h"
#include "common/window_title.h"
#include "configurator/ordering_list.h"

double listedFigure(double value) {
  const QByteArray figure = FormatNumber(value, kPricePattern, QStringLiteral(".")).toLatin1();
  double result = 0;
  const auto [end, error] =
      std::from_chars(figure.constData(), figure.constData() + figure.size(), result);
  return error == std::errc() && end == figure.constData() + figure.size() ? result : value;
}

namespace {

// A quantity field such as "  1" is a number to the spreadsheet; "5 m" stays text.
ExportValue quantityValue(const QString& field) {
  static const QRegularExpression number(QStringLiteral("^[+-]?\\d+(\\.\\d+)?$"));
  const QString trimmed = field.trimmed();
  if (number.match(trimmed).hasMatch()) return trimmed.toDouble();
  return trimmed;
}

QString fileNameFrom(const QString& title) {
  static const QRegularExpression unsafe(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
  QString name = withoutAccessKeys(title);
  name.remove(unsafe);
  name = name.trimmed();
  return name.isEmpty() ? QCoreApplication::translate("Export", "Ordering list") : name;
}

// The library reports its failures on standard error as well as in its return values; the
// program says what went wrong in its own words and in the user's language, so the library's
// English lines are kept off the terminal while it writes.
class QuietStandardError {
 public:
  QuietStandardError() {
    std::fflush(stderr);
    saved_ = ::dup(STDERR_FILENO);
    const int sink = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved_ >= 0 && sink >= 0) ::dup2(sink, STDERR_FILENO);
    if (sink >= 0) ::close(sink);
  }
  ~QuietStandardError() {
    std::fflush(stderr);
    if (saved_ < 0) return;
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
  }
  QuietStandardError(const QuietStandardError&) = delete;
  QuietStandardError& operator=(const QuietStandardError&) = delete;

 private:
  int saved_ = -1;
};

// Whether the zip archive at `path` is whole: it ends with the end-of-central-directory record,
// and the central directory that record describes ends right where the record starts.
bool zipFileComplete(const QString& path) {
  QFile file(path);
  const qint64 size = file.size();
  constexpr qint64 kRecord = 22;  // the record without its comment
  if (!file.open(QIODevice::ReadOnly) || size < kRecord) return false;
  const qint64 tailSize = std::min<qint64>(size, kRecord + 0xFFFF);
  if (!file.seek(size - tailSize)) return false;
  const QByteArray tail = file.read(tailSize);
  if (tail.size() != tailSize) return false;
  const auto word = [&tail](qsizetype at, int bytes) {
    quint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | static_cast<quint8>(tail[at + i]);
    return qint64{value};
  };
  const qsizetype record = tail.lastIndexOf(QByteArrayView("PK\x05\x06", 4));
  if (record < 0 || record + kRecord > tail.size()) return false;
  const qint64 recordOffset = size - tailSize + record;
  const qint64 directorySize = word(record + 12, 4);
  const qint64 directoryOffset = word(record + 16, 4);
  return record + kRecord + word(record + 20, 2) == tail.size() &&
         directoryOffset + directorySize == recordOffset;
}

}  // namespace

void ExportSheet::set(int row, int column, const ExportValue& value) {
  if (const QString* text = std::get_if<QString>(&value); text && text->isEmpty())
    cells.erase({row, column});
  else
    cells[{row, column}] = value;
}

ExportSheet orderingListSheet(const TextCatalogueArray& texts, const OrderingList& list) {
  ExportSheet sheet;
  sheet.set(1, 1, QStringLiteral("Quantity"));
  sheet.set(1, 2, QStringLiteral("Ordering No."));
  sheet.set(1, 3, QStringLiteral("Price"));
  sheet.set(1, 4, QStringLiteral("Description"));

  int row = 2;
  for (const OrderingLine* line : list.parts()) {
    sheet.set(row, 1, quantityValue(quantityField(*line, list.imperial)));
    sheet.set(row, 2, line->orderingNumber);
    sheet.set(row, 3, listedFigure(line->amount));
    sheet.set(row, 4, line->description);
    ++row;
  }

  ++row;
  sheet.set(row, 1, texts[Text::Price]);
  sheet.set(row, 3, listedFigure(list.total));
  ++row;
  if (list.discount > 0) {
    sheet.set(row, 1, texts[Text::Discount]);
    sheet.set(row, 3, listedFigure(list.discountAmount()));
    ++row;
    sheet.set(row, 1, texts[Text::NetPrice]);
    sheet.set(row, 3, listedFigure(list.net()));
  }
  return sheet;
}

void writeExportWorkbook(const QString& path, const ExportSheet& sheet) {
  writeExportWorkbook(path, {NamedExportSheet{{}, sheet}});
}

namespace {

// A sheet name the spreadsheet takes: at most 31 characters, none of []:*?/\, not taken.
QByteArray sheetName(const QString& wanted, std::vector<QString>& taken) {
  QString name = wanted;
  static const QRegularExpression refused(QStringLiteral("[\\[\\]:*?/\\\\]"));
  name.replace(refused, QStringLiteral(" "));
  name = name.trimmed().left(31);
  if (name.isEmpty()) name = QStringLiteral("Sheet");
  const QString base = name;
  for (int n = 2; std::find_if(taken.begin(), taken.end(),
                               [&](const QString& t) {
                                 return t.compare(name, Qt::CaseInsensitive) == 0;
                               }) != taken.end();
       ++n) {
    const QString suffix = QStringLiteral(" (%1)").arg(n);
    name = base.left(31 - suffix.size()) + suffix;
  }
  taken.push_back(name);
  return name.toUtf8();
}

}  // namespace

void writeExportWorkbook(const QString& path, const std::vector<NamedExportSheet>& sheets) {
  // The workbook is written beside its place under a name of its own and takes the place only
  // once whole: a failed export leaves the file that was there before.
  FileReplacement partial(path);
  const QByteArray name = QFile::encodeName(partial.temporaryPath());
  QuietStandardError quiet;
  lxw_workbook* book = workbook_new(name.constData());
  if (!book)
    throw ExportError(
        QCoreApplication::translate("Export", "The workbook %1 cannot be created.").arg(path));
  lxw_format* bold = workbook_add_format(book);
  format_set_bold(bold);
  lxw_format* centred = workbook_add_format(book);
  format_set_align(centred, LXW_ALIGN_CENTER);
  lxw_format* boldCentred = workbook_add_format(book);
  format_set_bold(boldCentred);
  format_set_align(boldCentred, LXW_ALIGN_CENTER);

  auto formatOf = [&](int row, int column) -> lxw_format* {
    const bool isBold = row == 1 && column <= kExportBoldLastColumn;
    const bool isCentred = row <= kExportCentredLastRow && column <= kExportCentredLastColumn;
    if (isBold && isCentred) return boldCentred;
    if (isBold) return bold;
    if (isCentred) return centred;
    return nullptr;
  };

  // The first failure is kept; the workbook is closed in any case, which frees it.
  lxw_error error = LXW_NO_ERROR;
  auto check = [&](lxw_error e) {
    if (error == LXW_NO_ERROR) error = e;
  };
  std::vector<QString> taken;
  // The names live until the workbook is closed.
  std::vector<QByteArray> names;
  names.reserve(sheets.size());
  for (const NamedExportSheet& named : sheets) {
    names.push_back(named.name.isEmpty() ? QByteArray() : sheetName(named.name, taken));
    lxw_worksheet* ws =
        workbook_add_worksheet(book, named.name.isEmpty() ? nullptr : names.back().constData());
    if (!ws) {
      check(LXW_ERROR_SHEETNAME_ALREADY_USED);
      continue;
    }
    const ExportSheet& sheet = named.sheet;
    for (std::size_t c = 0; c < named.widths.size(); ++c)
      check(worksheet_set_column(ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                 named.widths[c], nullptr));
    // The formats belong to the ranges, so the empty cells of the ranges carry them too.
    for (int r = 1; r <= kExportCentredLastRow; ++r)
      for (int c = 1; c <= std::max(kExportCentredLastColumn, r == 1 ? kExportBoldLastColumn : 0);
           ++c)
        if (!sheet.cells.contains({r, c}))
          check(worksheet_write_blank(ws, static_cast<lxw_row_t>(r - 1),
                                      static_cast<lxw_col_t>(c - 1), formatOf(r, c)));
    for (const auto& [position, value] : sheet.cells) {
      const auto [r, c] = position;
      const auto row = static_cast<lxw_row_t>(r - 1);
      const auto col = static_cast<lxw_col_t>(c - 1);
      if (const QString* text = std::get_if<QString>(&value))
        check(worksheet_write_string(ws, row, col, text->toUtf8().constData(), formatOf(r, c)));
      else
        check(worksheet_write_number(ws, row, col, std::get<double>(value), formatOf(r, c)));
    }
  }
  const lxw_error closed = workbook_close(book);
  if (error == LXW_NO_ERROR) error = closed;
  if (error != LXW_NO_ERROR)
    throw ExportError(QCoreApplication::translate("Export", "The workbook %1 cannot be written: %2")
                          .arg(path, QString::fromUtf8(lxw_strerror(error))));
  partial.commit(zipFileComplete);
}

QString exportOrderingList(const TextCatalogueArray& texts, const OrderingList& list,
                           const QString& folder) {
  // A folder of its own for each export: the name stays readable, and a workbook still open in
  // the spreadsheet program is never overwritten by the next export.
  QTemporaryDir dir(QDir(folder).filePath(QStringLiteral("telmaris-export-XXXXXX")));
  if (!dir.isValid())
    throw ExportError(
        QCoreApplication::translate("Export", "No folder for the workbook can be made in %1: %2")
            .arg(folder, dir.errorString()));
  const QString path =
      dir.filePath(fileNameFrom(texts[Text::OrderingListTitle]) + QStringLiteral(".xlsx"));
  writeExportWorkbook(path, orderingListSheet(texts, list));
  // The folder stays for the spreadsheet program once it holds the whole workbook.
  dir.setAutoRemove(false);
  return path;
}
