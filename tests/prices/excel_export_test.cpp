// The ordering list exported to a workbook: its rows, totals, widths, bold heading and centring,
// read back from the written .xlsx, and the button that hands it to the desktop.
#include "prices/excel_export.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "configurator/ordering_list.h"
#include "data/parts_loader.h"
#include "price_window/form2.h"
#include "prices/price_fixtures.h"
#include "prices/workbook_reader.h"
#include "startup/program_state.h"
#include "support/file_size_limit.h"
#include "support/recording_services.h"

namespace {

// The list of a synthetic hoist with a pull-chain control: heading, hoist, marking, load chain,
// pull chain, two empty lines, the rule and the totals.
struct ExportedList {
  explicit ExportedList(int discount) {
    loadPartsDatabase(dir.database(), QString(), data);
    ConfiguredHoist hoist;
    hoist.hoistColumn = hoist.modelIndex = 1;
    hoist.chainLength = 5;
    hoist.controlLength = 3;
    hoist.discount = discount;
    hoist.hoistControl = HoistControl::PullChain;
    list = BuildOrderingList(data, hoist);
  }
  float price(int partRow, int quantity) const {
    return syntheticPrice(*data.PartMatrix(partRow, 1)) * static_cast<float>(quantity);
  }
  PriceProgramDirectory dir;
  ProgramState data;
  OrderingList list;
};

QString text(const Worksheet& sheet, int row, int column) {
  return cellText(sheet.cell(row, column));
}

// The formats of a written sheet: column widths, and per cell whether it is bold and centred.
struct Formats {
  explicit Formats(const QString& path) {
    std::vector<bool> boldFonts;
    std::vector<std::pair<int, bool>> xfs;  // font, centred
    QXmlStreamReader styles(readZipEntry(path, "xl/styles.xml"));
    bool inXfs = false;
    while (!styles.atEnd()) {
      styles.readNext();
      if (styles.isStartElement() && styles.name() == u"font") boldFonts.push_back(false);
      if (styles.isStartElement() && styles.name() == u"b") boldFonts.back() = true;
      if (styles.name() == u"cellXfs") inXfs = styles.isStartElement();
      if (inXfs && styles.isStartElement() && styles.name() == u"xf")
        xfs.push_back({styles.attributes().value("fontId").toInt(), false});
      if (inXfs && styles.isStartElement() && styles.name() == u"alignment")
        xfs.back().second = styles.attributes().value("horizontal") == u"center";
    }
    QXmlStreamReader sheet(readZipEntry(path, "xl/worksheets/sheet1.xml"));
    while (!sheet.atEnd()) {
      sheet.readNext();
      if (!sheet.isStartElement()) continue;
      const QXmlStreamAttributes a = sheet.attributes();
      if (sheet.name() == u"col") widths[a.value("min").toInt()] = a.value("width").toDouble();
      if (sheet.name() == u"c") {
        const auto& [font, centred] = xfs.at(a.value("s").toInt());
        cells[a.value("r").toString()] = {boldFonts.at(font), centred};
      }
    }
  }
  std::map<int, double> widths;
  std::map<QString, std::pair<bool, bool>> cells;  // bold, centred
};

}  // namespace

TEST(ExcelExport, WritesOneRowPerPartLineAndTheTotal) {
  ExportedList list(0);
  ASSERT_EQ(orderingListLines(list.list, 1).size(), 10);
  QTemporaryDir dir;
  const QString path = dir.filePath("list.xlsx");
  writeExportWorkbook(path, orderingListSheet(list.data.TextCatalogue, list.list));
  const Worksheet sheet = readFirstWorksheet(path, 8);

  EXPECT_EQ(text(sheet, 1, 1), "Quantity");
  EXPECT_EQ(text(sheet, 1, 2), "Ordering No.");
  EXPECT_EQ(text(sheet, 1, 3), "Price");
  EXPECT_EQ(text(sheet, 1, 4), "Description");
  const struct {
    int partRow, quantity;
    QString quantityText;
  } parts[] = {{1, 1, "1"}, {40, 5, "5 m"}, {7, 6, "6 m"}};
  int row = 2;
  for (const auto& p : parts) {
    const int part = *list.data.PartMatrix(p.partRow, 1);
    EXPECT_EQ(text(sheet, row, 1), p.quantityText);
    EXPECT_EQ(text(sheet, row, 2), list.data.PartNumber[part]);
    EXPECT_EQ(sheet.cell(row, 3).number, static_cast<double>(list.price(p.partRow, p.quantity)));
    EXPECT_EQ(text(sheet, row, 4), list.data.PartDescription[part]);
    ++row;
  }
  // The heading, the marking, the empty lines and the rule gave no rows; one empty row, then
  // the total and nothing after it.
  for (int c = 1; c <= 8; ++c) EXPECT_EQ(sheet.cell(5, c).kind, SheetCell::Kind::Empty);
  EXPECT_EQ(text(sheet, 6, 1), "Eng62");
  EXPECT_NEAR(sheet.cell(6, 3).number, list.list.total, 0.01);
  EXPECT_EQ(sheet.lastRow(), 6);
  EXPECT_EQ(sheet.size(), 4u * 4 + 2);
}

// The sheet holds what the list prints, not the binary values behind it: 6 x 8.9 is
// 53.400000000000006 and 6 x 41.8 250.79999999999998. Large amounts keep every digit. A discount
// adds its row and the net amount's below the total, and nothing after them.
TEST(ExcelExport, HoldsTheAmountsAsTheOrderingListPrintsThem) {
  struct Part {
    int quantity;
    bool isLength;
    double price;
  };
  const auto listOf = [](const std::vector<Part>& parts, int discount) {
    OrderingList list;
    list.discount = discount;
    for (const Part& p : parts) {
      OrderingLine line;
      line.kind = OrderingLine::Kind::Part;
      line.quantity = p.quantity;
      line.isLength = p.isLength;
      line.orderingNumber = QStringLiteral("7302 4410 01");
      line.amount = p.price * p.quantity;
      list.total += line.amount;
      list.lines.push_back(line);
    }
    return list;
  };
  const std::vector<Part> parts{{6, false, 8.9}, {6, true, 41.8}, {1, false, 17695.76}};
  TextCatalogueArray texts;
  texts[Text::Price] = QStringLiteral("Total");
  texts[Text::Discount] = QStringLiteral("Discount");
  texts[Text::NetPrice] = QStringLiteral("Net");
  QTemporaryDir dir;
  const QString path = dir.filePath("list.xlsx");
  const struct {
    OrderingList list;
    std::vector<double> figures;  // C2 down to the last amount
  } cases[] = {
      {listOf(parts, 0), {53.4, 250.8, 17695.8, 18000.0}},
      // The discount and the net amount from the total of 17999.96: 15 % of it is
      // 2699.994 and the net 15299.966.
      {listOf(parts, 15), {53.4, 250.8, 17695.8, 18000.0, 2700.0, 15300.0}},
      // From the total of 10.49 and not from the 10.5 shown: 1.049 and 9.441.
      {listOf({{1, false, 10.49}}, 10), {10.5, 10.5, 1.0, 9.4}},
      // 7 m at the price ceiling, 69 999 999.93; 10 % of it 6 999 999.993, the net
      // 62 999 999.937.
      {listOf({{7, true, 9999999.99}}, 10), {69999999.9, 69999999.9, 7000000.0, 62999999.9}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.list.discount);
    writeExportWorkbook(path, orderingListSheet(texts, c.list));
    const Worksheet sheet = readFirstWorksheet(path, 4);
    std::vector<double> figures;
    for (int row = 2; row <= sheet.lastRow(); ++row)
      if (sheet.cell(row, 3).kind == SheetCell::Kind::Number)
        figures.push_back(sheet.cell(row, 3).number);
    EXPECT_EQ(figures, c.figures);
    const int last = sheet.lastRow();
    const QStringList labels =
        c.list.discount ? QStringList{"Total", "Discount", "Net"} : QStringList{"Total"};
    for (int i = 0; i < labels.size(); ++i)
      EXPECT_EQ(text(sheet, last - labels.size() + 1 + i, 1), labels[i]);
    EXPECT_EQ(sheet.cell(last, 4).kind, SheetCell::Kind::Empty);
  }
  OrderingList list = listOf(parts, 0);
  // The list itself, for comparison.
  OrderingLine total;
  total.kind = OrderingLine::Kind::Total;
  total.figure = list.total;
  list.lines.push_back(total);
  const QStringList lines = orderingListLines(list, 0);
  EXPECT_TRUE(lines[0].contains(QStringLiteral("    53.4  "))) << lines[0];
  EXPECT_TRUE(lines[1].contains(QStringLiteral("   250.8  "))) << lines[1];
  EXPECT_TRUE(lines[3].endsWith(QStringLiteral(" 18000.0"))) << lines[3];
}

TEST(ExcelExport, SetsTheWidthsTheBoldHeadingAndTheCentring) {
  ExportedList list(0);
  QTemporaryDir dir;
  const QString path = dir.filePath("list.xlsx");
  writeExportWorkbook(path, orderingListSheet(list.data.TextCatalogue, list.list));
  const Formats f(path);
  // A width is stored in whole pixels of 7 to a digit, with 5 pixels of cell padding added.
  const double widths[] = {13, 13.7, 8.4, 41};
  for (int c = 1; c <= 4; ++c)
    EXPECT_EQ(std::lround(f.widths.at(c) * 7) - 5, std::lround(widths[c - 1] * 7)) << c;
  const std::pair<bool, bool> boldCentred{true, true}, bold{true, false}, centred{false, true};
  EXPECT_EQ(f.cells.at("A1"), boldCentred);
  EXPECT_EQ(f.cells.at("C1"), boldCentred);
  EXPECT_EQ(f.cells.at("D1"), bold);
  EXPECT_EQ(f.cells.at("A2"), centred);
  EXPECT_EQ(f.cells.at("C30"), centred);  // empty, but inside the centred range
  EXPECT_EQ(f.cells.at("D2"), std::make_pair(false, false));
  EXPECT_FALSE(f.cells.contains("A31"));
}

TEST(ExcelExport, TheButtonHandsANewWorkbookToTheDesktop) {
  ExportedList list(0);
  RecordingServices services;
  QMainWindow main;
  Form2 form;
  form.attach(list.data, services, &main);
  form.showOrderingList(QStringLiteral("Eng111"), list.list);
  form.cmdExcelFile_Click();
  form.cmdExcelFile_Click();
  ASSERT_EQ(services.opened.size(), 2u);
  const QFileInfo first(services.opened[0].toLocalFile()), second(services.opened[1].toLocalFile());
  EXPECT_EQ(first.fileName(), "Eng111.xlsx");
  EXPECT_NE(first.absolutePath(), second.absolutePath());
  EXPECT_EQ(text(readFirstWorksheet(first.filePath(), 4), 6, 1), "Eng62");
  EXPECT_TRUE(services.messages.empty());

  // Without a spreadsheet program the workbook is offered for saving: OK and a place write it
  // there, and the temporary workbook goes; Cancel lets it go as well.
  services.openAnswer = false;
  QTemporaryDir chosen;
  services.saveAnswer = chosen.filePath("quote.xlsx");
  form.cmdExcelFile_Click();
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].buttons, MsgButtons::OkCancel);
  EXPECT_TRUE(
      services.messages[0].text.startsWith("No spreadsheet program could open the ordering list."));
  ASSERT_EQ(services.fileDialogs.size(), 1u);
  EXPECT_EQ(QFileInfo(services.fileDialogs[0].startFolder).fileName(), "Eng111.xlsx");
  EXPECT_EQ(services.fileDialogs[0].filters, QStringList{"Excel workbooks (*.xlsx)"});
  EXPECT_EQ(text(readFirstWorksheet(chosen.filePath("quote.xlsx"), 4), 6, 1), "Eng62");
  EXPECT_FALSE(QFileInfo::exists(QFileInfo(services.opened[2].toLocalFile()).absolutePath()));
  services.answers = {MsgAnswer::Cancel};
  form.cmdExcelFile_Click();
  EXPECT_EQ(services.fileDialogs.size(), 1u);
  EXPECT_FALSE(QFileInfo::exists(QFileInfo(services.opened[3].toLocalFile()).absolutePath()));
  services.messages.clear();
  services.opened.resize(2);  // the folders of the first two stay for the end

  // A workbook that cannot be written whole (a full disk) is said, and leaves no folder behind.
  QTemporaryDir temporary;
  const QByteArray tmpdir = qgetenv("TMPDIR");
  qputenv("TMPDIR", QFile::encodeName(temporary.path()));
  {
    const FileSizeLimit full(0);
    form.cmdExcelFile_Click();
  }
  tmpdir.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", tmpdir);
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_TRUE(services.messages[0].text.contains(temporary.path()))
      << services.messages[0].text.toStdString();
  EXPECT_EQ(services.opened.size(), 2u);
  EXPECT_TRUE(
      QDir(temporary.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
  for (const QUrl& url : services.opened)
    QDir(QFileInfo(url.toLocalFile()).absolutePath()).removeRecursively();
}
