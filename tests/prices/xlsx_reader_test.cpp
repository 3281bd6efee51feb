// The zipped workbook form (.xlsx): a workbook saved by LibreOffice Calc whose prices are
// formulas, the first worksheet among tabs of other kinds, and formula cells whose result the
// file does not give.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <map>

#include "prices/price_fixtures.h"
#include "prices/price_import.h"
#include "prices/workbook_reader.h"

namespace {

// The cells B and C of a row: an ordering number as an inline string and a price.
QByteArray priceCells(int row, const QByteArray& number, const QByteArray& price) {
  const QByteArray r = QByteArray::number(row);
  return "<c r=\"B" + r + "\" t=\"inlineStr\"><is><t>" + number + "</t></is></c><c r=\"C" + r +
         "\"><v>" + price + "</v></c>";
}

// A price list of two parts at the same price, on a sheet of the given kind.
QByteArray priceList(const QByteArray& price, const QByteArray& root = "worksheet") {
  return sheetXml({{1, priceCells(1, "Ordering No.", "0")},
                   {2, priceCells(2, "7302 4410 01", price)},
                   {3, priceCells(3, "7302 4410 19", price)},
                   {4, priceCells(4, "", "0")}},
                  root);
}

// A chart or dialog sheet: a view, no cells.
QByteArray viewSheet(const QByteArray& root) {
  return "<?xml version=\"1.0\"?>\n<" + root + " xmlns=\"" + kSpreadsheetMain +
         "\"><sheetViews><sheetView workbookViewId=\"0\"/></sheetViews></" + root + ">";
}

}  // namespace

// Made with LibreOffice Calc 7.4 from the flat spreadsheet next to it:
//   cd tests/prices/data
//   soffice --headless -env:UserInstallation=file:///tmp/lo-profile-B --convert-to xlsx
//       calc-formulas.fods
// (one command line). Every ordering number and price is a formula with its result stored:
// text joined with &, CONCATENATE() and TEXT() (t="str"), a ten-digit number, arithmetic,
// ROUND() and SUM() (t="n"); A4 is =1=1 (t="b"). B8 is ="" and ends the list; row 9 lies below.
TEST(XlsxReader, AWorkbookOfFormulasSavedByLibreOfficeCalc) {
  const QString path = QStringLiteral(TELMARIS_SOURCE_DIR "/tests/prices/data/calc-formulas.xlsx");
  const NumbersAndPrices expected{{"Ordering No.", std::nullopt}, {"7302 4410 01", 3500.0},
                                  {"7302 4410 19", 45.5},         {"7302 0030 01", 3.5},
                                  {"8420 0250 00", 3545.5},       {"7302 0040 01", 60.06},
                                  {"7302 0041 01", 70.07},        {"  ", 1.0}};
  EXPECT_EQ(numbersAndPricesOf(readPriceWorkbook(path)), expected);
  const Worksheet sheet = readFirstWorksheet(path, 3);
  EXPECT_EQ(sheet.cell(4, 1).kind, SheetCell::Kind::Text);
  EXPECT_EQ(sheet.cell(4, 1).text, "TRUE");
  EXPECT_EQ(sheet.cell(3, 2).kind, SheetCell::Kind::Number);
  EXPECT_EQ(sheet.cell(3, 2).number, 7302441019.0);
  EXPECT_EQ(sheet.cell(5, 1).text, QStringLiteral("Träger – 5 t"));
}

// LibreOffice Calc saves a chart sheet it has read as a worksheet with the chart on it, so the
// workbooks with tabs of other kinds are written here part by part.
TEST(XlsxReader, TheFirstWorksheetIsTheFirstTabThatIsAWorksheet) {
  QTemporaryDir dir;
  const QString path = dir.filePath("tabs.xlsx");
  const XlsxTab chart{"Chart1", "chartsheet", "chartsheets/sheet1.xml", viewSheet("chartsheet")};
  const XlsxTab dialog{"Dialog1", "dialogsheet", "dialogsheets/sheet1.xml",
                       viewSheet("dialogsheet")};
  // Macro sheets hold cells as worksheets do: each has a price list of its own.
  writeXlsxParts(
      path, {chart,
             {"Macro1", "xlMacrosheet", "macrosheets/sheet1.xml", priceList("1", "macrosheet")},
             {"Macro2", "xlIntlMacrosheet", "macrosheets/sheet2.xml", priceList("2", "macrosheet")},
             dialog,
             {"Prices", "worksheet", "worksheets/sheet2.xml", priceList("3500")},
             {"Old prices", "worksheet", "worksheets/sheet1.xml", priceList("99")}});
  EXPECT_EQ(
      numbersAndPricesOf(readPriceWorkbook(path)),
      (NumbersAndPrices{
          {"Ordering No.", 0.0}, {"7302 4410 01", 3500.0}, {"7302 4410 19", 3500.0}, {"  ", 0.0}}));

  // Tabs of other kinds only: no price list at all rather than one that sets every price to 0.
  writeXlsxParts(path, {chart, dialog});
  EXPECT_EQ(refusal(path),
            QStringLiteral("The workbook %1 cannot be read: it holds no worksheet.").arg(path));
}

TEST(XlsxReader, AFormulaWithoutAStoredResultOrWithAnErrorIsRefusedNamingTheCell) {
  QTemporaryDir dir;
  const QString path = dir.filePath("formulas.xlsx");
  // Row 3 holds formulas with their results; C3 is part of a shared formula, whose text only
  // the first cell gives.
  const std::map<int, QByteArray> list{
      {1, priceCells(1, "Ordering No.", "0")},
      {2, priceCells(2, "7302 4410 01", "3500")},
      {3,
       "<c r=\"B3\" t=\"str\"><f>\"7302 4410 \"&amp;\"19\"</f><v>7302 4410 19</v></c>"
       "<c r=\"C3\"><f t=\"shared\" si=\"0\"/><v>45.5</v></c>"},
      {5, priceCells(5, "", "0")}};
  const QByteArray b4 = "<c r=\"B4\" t=\"inlineStr\"><is><t>7302 0030 01</t></is></c>";
  const QByteArray c4 = "<c r=\"C4\"><v>300</v></c>";
  const struct {
    QByteArray row4;
    int column;
    SheetCell::Kind kind;
    QString detail;
  } cases[] = {
      {"<c r=\"B4\" t=\"str\"><f>\"7302 0030 \"&amp;\"01\"</f></c>" + c4, 2,
       SheetCell::Kind::NoValue, "B4 holds a formula without a value."},
      // A stored value that is empty is none either.
      {b4 + "<c r=\"C4\"><f>C2*2</f><v></v></c>", 3, SheetCell::Kind::NoValue,
       "C4 holds a formula without a value."},
      {b4 + "<c r=\"C4\" t=\"n\"><f>C2*2</f><v/></c>", 3, SheetCell::Kind::NoValue,
       "C4 holds a formula without a value."},
      {b4 + "<c r=\"C4\" t=\"e\"><f>C2/0</f><v>#DIV/0!</v></c>", 3, SheetCell::Kind::Error,
       "C4 holds the error value #DIV/0!."},
      {"<c r=\"B4\" t=\"e\"><f>VLOOKUP(1,A1:A2,2)</f><v>#N/A</v></c>" + c4, 2,
       SheetCell::Kind::Error, "B4 holds the error value #N/A."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.detail.toStdString());
    std::map<int, QByteArray> rows = list;
    rows[4] = c.row4;
    writeXlsxParts(path, {{"Prices", "worksheet", "worksheets/sheet1.xml", sheetXml(rows)}});
    const Worksheet sheet = readFirstWorksheet(path, 3);
    EXPECT_EQ(sheet.cell(3, 2).text, "7302 4410 19");
    EXPECT_EQ(sheet.cell(3, 3).number, 45.5);
    EXPECT_EQ(sheet.cell(4, c.column).kind, c.kind);
    EXPECT_EQ(refusal(path), c.detail);
  }
  // The error's name is the cell's text.
  EXPECT_EQ(readFirstWorksheet(path, 3).cell(4, 2).text, "#N/A");

  // Below the end of the list such cells do no harm.
  std::map<int, QByteArray> rows = list;
  rows[4] = priceCells(4, "", "0");
  rows[5] = "<c r=\"B5\" t=\"str\"><f>\"7302 0030 \"&amp;\"01\"</f></c>" + c4;
  rows[5].replace("C4", "C5");
  writeXlsxParts(path, {{"Prices", "worksheet", "worksheets/sheet1.xml", sheetXml(rows)}});
  EXPECT_EQ(
      numbersAndPricesOf(readPriceWorkbook(path)),
      (NumbersAndPrices{
          {"Ordering No.", 0.0}, {"7302 4410 01", 3500.0}, {"7302 4410 19", 45.5}, {"  ", 0.0}}));
}

// A zipped part may unpack to a thousand times its size: what is unpacked, the shared texts and
// the rows of the cells kept are bounded by what a price workbook holds, and a workbook beyond
// them is refused, naming it.
TEST(XlsxReader, AWorkbookBeyondWhatAPriceWorkbookHoldsIsRefusedNamingIt) {
  QTemporaryDir dir;
  const QByteArray sheet =
      sheetXml({{2, "<c r=\"B2\" t=\"s\"><v>0</v></c><c r=\"C2\"><v>1</v></c>"}});
  const QByteArray head = "<sst xmlns=\"" + QByteArray(kSpreadsheetMain) + "\">";
  const QByteArray number = "<si><t>7302 4410 01</t></si>";
  const QString most = dir.filePath("most.xlsx");
  writeXlsxWithSharedStrings(most, sheet, head + number, "<si/>", kMaxSharedStrings - 1, "</sst>");
  EXPECT_EQ(numbersAndPricesOf(readPriceWorkbook(most)),
            (NumbersAndPrices{{"  ", std::nullopt}, {"7302 4410 01", 1.0}, {"  ", std::nullopt}}));
  const QString more = dir.filePath("more.xlsx");
  writeXlsxWithSharedStrings(more, sheet, head + number, "<si/>", kMaxSharedStrings, "</sst>");
  EXPECT_EQ(refusal(more), more +
                               ": The workbook holds more than 1000000 shared texts, and a price "
                               "workbook holds a few thousand. It is no price workbook.");
  // 33 MB of blanks after the texts, packed to a few hundred kilobytes.
  const QString packed = dir.filePath("packed.xlsx");
  writeXlsxWithSharedStrings(packed, sheet, head + number, QByteArray(1024, ' '), 33 * 1024,
                             "</sst>");
  EXPECT_EQ(refusal(packed),
            packed +
                ": The workbook's part xl/sharedStrings.xml unpacks to more than 32 MB, and the "
                "parts of a price workbook are far smaller. It is no price workbook.");

  // A cell of the columns read below the last row a price list may have; one in a later column
  // is not read.
  const QString deep = dir.filePath("deep.xlsx");
  writeXlsxParts(deep, {{"Prices", "worksheet", "worksheets/sheet1.xml",
                         sheetXml({{2, priceCells(2, "7302 4410 01", "1")},
                                   {100000, "<c r=\"D100000\"><v>1</v></c>"},
                                   {100001, "<c r=\"D100001\"><v>1</v></c>"}})}});
  EXPECT_EQ(refusal(deep), QString());
  writeXlsxParts(deep, {{"Prices", "worksheet", "worksheets/sheet1.xml",
                         sheetXml({{2, priceCells(2, "7302 4410 01", "1")},
                                   {100001, "<c r=\"C100001\"><v>1</v></c>"}})}});
  EXPECT_EQ(refusal(deep), deep +
                               ": The first worksheet has the cell C100001 below row 100000, and a "
                               "price list ends long before. It is no price workbook.");
}
