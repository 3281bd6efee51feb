// The zipped workbook form (.xlsx): a workbook saved by LibreOffice Calc whose prices are
// formulas, the first worksheet among tabs of other kinds, and formula cells whose result the
// file does not give.
#include <gtest/gtest.h>
#include <zip.h>

#include <QFile>
#include <QTemporaryDir>
#include <map>
#include <stdexcept>

#include "prices/price_fixtures.h"
#include "prices/price_import.h"
#include "prices/workbook_reader.h"

namespace {

using Entries = std::vector<std::pair<QString, std::optional<float>>>;

Entries numbersAndPrices(const std::vector<PriceEntry>& list) {
  Entries out;
  for (const PriceEntry& e : list) out.emplace_back(e.orderingNumber, e.price);
  return out;
}

// ---- Workbooks written part by part, for the kinds of tabs and cells no writer at hand makes

constexpr char kMain[] = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr char kRelationships[] =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

// One tab of a workbook: the end of its relationship type ("worksheet", "chartsheet", ...), its
// part under xl/ and the part's XML.
struct Tab {
  QByteArray name, type, part, xml;
};

void addEntry(zipFile zip, const QByteArray& name, const QByteArray& data) {
  zip_fileinfo info{};
  if (zipOpenNewFileInZip(zip, name.constData(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                          Z_DEFAULT_COMPRESSION) != ZIP_OK ||
      zipWriteInFileInZip(zip, data.constData(), static_cast<unsigned>(data.size())) != ZIP_OK ||
      zipCloseFileInZip(zip) != ZIP_OK)
    throw std::runtime_error("cannot write a zip entry");
}

// The tabs in their order. The relationships are listed the other way round, with the ids
// counting down, so that neither their order nor the parts' names tell the first tab.
void writeWorkbook(const QString& path, const std::vector<Tab>& tabs) {
  const QByteArray xmlHead = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
  const QByteArray relsHead = xmlHead +
                              "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/"
                              "2006/relationships\">";
  QByteArray sheets, rels;
  for (std::size_t i = 0; i < tabs.size(); ++i) {
    const QByteArray id = "rId" + QByteArray::number(static_cast<int>(tabs.size() - i));
    sheets += "<sheet name=\"" + tabs[i].name + "\" sheetId=\"" +
              QByteArray::number(static_cast<int>(i + 1)) + "\" r:id=\"" + id + "\"/>";
    rels.prepend("<Relationship Id=\"" + id + "\" Type=\"" + kRelationships + "/" + tabs[i].type +
                 "\" Target=\"" + tabs[i].part + "\"/>");
  }
  zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
  if (!zip) throw std::runtime_error("cannot create " + path.toStdString());
  addEntry(zip, "[Content_Types].xml",
           xmlHead +
               "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
               "<Default Extension=\"rels\" ContentType=\"application/"
               "vnd.openxmlformats-package.relationships+xml\"/>"
               "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>");
  addEntry(zip, "_rels/.rels",
           relsHead + "<Relationship Id=\"rId1\" Type=\"" + kRelationships +
               "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>");
  addEntry(zip, "xl/workbook.xml",
           xmlHead + "<workbook xmlns=\"" + kMain + "\" xmlns:r=\"" + kRelationships +
               "\"><sheets>" + sheets + "</sheets></workbook>");
  addEntry(zip, "xl/_rels/workbook.xml.rels", relsHead + rels + "</Relationships>");
  for (const Tab& tab : tabs) addEntry(zip, "xl/" + tab.part, tab.xml);
  if (zipClose(zip, nullptr) != ZIP_OK) throw std::runtime_error("cannot close the zip");
}

// A sheet part with the rows given as the XML of their cells, by row number.
QByteArray sheetXml(const std::map<int, QByteArray>& rows, const QByteArray& root = "worksheet") {
  QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<" + root + " xmlns=\"" + kMain +
                   "\"><sheetData>";
  for (const auto& [r, cells] : rows)
    xml += "<row r=\"" + QByteArray::number(r) + "\">" + cells + "</row>";
  return xml + "</sheetData></" + root + ">";
}

// The cells B and C of a row: an ordering number as an inline string and a price.
QByteArray priceCells(int row, const QByteArray& number, const QByteArray& price) {
  const QByteArray r = QByteArray::number(row);
  return "<c r=\"B" + r + "\" t=\"inlineStr\"><is><t>" + number + "</t></is></c><c r=\"C" + r +
         "\"><v>" + price + "</v></c>";
}

QByteArray priceList(const QByteArray& price) {
  return sheetXml({{1, priceCells(1, "Ordering No.", "0")},
                   {2, priceCells(2, "7302 4410 01", price)},
                   {3, priceCells(3, "7302 4410 19", price)},
                   {4, priceCells(4, "", "0")}});
}

// A chart or dialog sheet: a view, no cells.
QByteArray viewSheet(const QByteArray& root) {
  return "<?xml version=\"1.0\"?>\n<" + root + " xmlns=\"" + kMain +
         "\"><sheetViews><sheetView workbookViewId=\"0\"/></sheetViews></" + root + ">";
}
const QByteArray kChartSheet = viewSheet("chartsheet"), kDialogSheet = viewSheet("dialogsheet");

QString refusal(const QString& path) {
  try {
    readPriceWorkbook(path);
  } catch (const PriceReadError& e) {
    return e.problem().describe();
  }
  return {};
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
  const Entries expected{{"Ordering No.", std::nullopt}, {"7302 4410 01", 3500.0f},
                         {"7302 4410 19", 45.5f},        {"7302 0030 01", 3.5f},
                         {"8420 0250 00", 3545.5f},      {"7302 0040 01", 60.06f},
                         {"7302 0041 01", 70.07f},       {"  ", 1.0f}};
  EXPECT_EQ(numbersAndPrices(readPriceWorkbook(path)), expected);
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
  // Macro sheets hold cells as worksheets do: each has a price list of its own.
  writeWorkbook(
      path, {{"Chart1", "chartsheet", "chartsheets/sheet1.xml", kChartSheet},
             {"Macro1", "xlMacrosheet", "macrosheets/sheet1.xml",
              sheetXml({{1, priceCells(1, "No.", "0")}, {2, priceCells(2, "7302 4410 01", "1")}},
                       "macrosheet")},
             {"Macro2", "xlIntlMacrosheet", "macrosheets/sheet2.xml",
              sheetXml({{1, priceCells(1, "No.", "0")}, {2, priceCells(2, "7302 4410 01", "2")}},
                       "macrosheet")},
             {"Dialog1", "dialogsheet", "dialogsheets/sheet1.xml", kDialogSheet},
             {"Prices", "worksheet", "worksheets/sheet2.xml", priceList("3500")},
             {"Old prices", "worksheet", "worksheets/sheet1.xml", priceList("99")}});
  const Entries expected{
      {"Ordering No.", 0.0f}, {"7302 4410 01", 3500.0f}, {"7302 4410 19", 3500.0f}, {"  ", 0.0f}};
  EXPECT_EQ(numbersAndPrices(readPriceWorkbook(path)), expected);

  // The same when the worksheet's part is the first of its folder and the chart sheet's is not.
  writeWorkbook(path, {{"Chart1", "chartsheet", "chartsheets/sheet2.xml", kChartSheet},
                       {"Prices", "worksheet", "worksheets/sheet1.xml", priceList("3500")}});
  EXPECT_EQ(numbersAndPrices(readPriceWorkbook(path)), expected);

  // Tabs of other kinds only: no price list at all rather than one that sets every price to 0.
  writeWorkbook(path, {{"Chart1", "chartsheet", "chartsheets/sheet1.xml", kChartSheet},
                       {"Dialog1", "dialogsheet", "dialogsheets/sheet1.xml", kDialogSheet}});
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
      {b4 + "<c r=\"C4\" t=\"e\"><f>C2/0</f><v>#DIV/0!</v></c>", 3, SheetCell::Kind::Error,
       "C4 holds the error value #DIV/0!."},
      {"<c r=\"B4\" t=\"e\"><f>VLOOKUP(1,A1:A2,2)</f><v>#N/A</v></c>" + c4, 2,
       SheetCell::Kind::Error, "B4 holds the error value #N/A."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.detail.toStdString());
    std::map<int, QByteArray> rows = list;
    rows[4] = c.row4;
    writeWorkbook(path, {{"Prices", "worksheet", "worksheets/sheet1.xml", sheetXml(rows)}});
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
  writeWorkbook(path, {{"Prices", "worksheet", "worksheets/sheet1.xml", sheetXml(rows)}});
  EXPECT_EQ(numbersAndPrices(readPriceWorkbook(path)), (Entries{{"Ordering No.", 0.0f},
                                                                {"7302 4410 01", 3500.0f},
                                                                {"7302 4410 19", 45.5f},
                                                                {"  ", 0.0f}}));
}
