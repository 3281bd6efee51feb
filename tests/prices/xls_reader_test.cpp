// The .xls reader: formula results, the layouts of the compound file and of the workbook, long
// shared string tables, damaged files, and workbooks saved by LibreOffice Calc.
#include "prices/xls_reader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

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

// The detail of the PriceReadError that reading the workbook throws, "" when it reads.
QString refusal(const QString& path) {
  try {
    readPriceWorkbook(path);
  } catch (const PriceReadError& e) {
    return e.problem().what;
  }
  return {};
}

quint32 get32(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<quint32>(bytes.constData() + at);
}
void set32(QByteArray& bytes, qsizetype at, quint32 value) {
  qToLittleEndian(value, bytes.data() + at);
}

// Places in a compound file written by xlsWorkbook, found through its header.
struct Layout {
  explicit Layout(const QByteArray& file)
      : sector(qsizetype(1) << qFromLittleEndian<quint16>(file.constData() + 0x1E)),
        directory(offset(get32(file, 0x30))),
        streamStart(get32(file, directory + 128 + 116)) {}
  qsizetype offset(quint32 sectorNumber) const { return (sectorNumber + 1) * sector; }
  // The FAT entry of a sector among the first the header's first FAT sector covers.
  qsizetype fatEntry(const QByteArray& file, quint32 sectorNumber) const {
    return offset(get32(file, 0x4C)) + 4 * sectorNumber;
  }
  qsizetype entry(int index) const { return directory + 128 * index; }

  qsizetype sector;
  qsizetype directory;
  quint32 streamStart;
};

}  // namespace

TEST(XlsReader, FormulaResultsAreReadInEveryLayoutOfTheFileAndTheWorkbook) {
  const QString description = QStringLiteral("Kettenzug – 3 €");
  const FixtureSheet sheet{{1, 1, QStringLiteral("Item")},
                           {1, 2, QStringLiteral("Ordering No.")},
                           {1, 3, QStringLiteral("Price")},
                           {2, 1, description},
                           {2, 2, formulaText(QStringLiteral("7302 4410 01"))},
                           {2, 3, formulaNumber(3500)},
                           {2, 4, 5.0},  // beyond the columns read
                           {3, 2, formulaNumber(7302441019.0)},
                           {3, 3, formulaText(QStringLiteral("45.5"))},
                           {4, 2, formulaText(QStringLiteral("8420 0250 00"), true, true)},
                           {4, 3, formulaNumber(0.75)},
                           {5, 2, QStringLiteral("7302 0030 01")},
                           {5, 3, formulaText(QStringLiteral("12.5"), true, true)},
                           {6, 1, formulaBoolean(true)},
                           {6, 2, formulaText(QString())},  // an empty text: the last row read
                           {6, 3, formulaNumber(1)},
                           {7, 1, formulaError(0x07)},
                           {7, 2, QStringLiteral("7302 0040 01")},
                           {7, 3, 7.0}};
  const Entries expected{{"Ordering No.", std::nullopt}, {"7302 4410 01", 3500.0f},
                         {"7302 4410 19", 45.5f},        {"8420 0250 00", 0.75f},
                         {"7302 0030 01", 12.5f},        {"  ", 1.0f}};

  XlsOptions mini;
  mini.miniStream = true;
  XlsOptions large;
  large.sectorSize = 4096;
  XlsOptions largeMini = large;
  largeMini.miniStream = true;
  XlsOptions difat;
  difat.fatBeyondHeader = true;
  XlsOptions others;  // a chart sheet, a macro sheet and a dialog sheet before the worksheet
  others.otherSheetsFirst = true;
  others.richText = true;
  XlsOptions biff5;
  biff5.biff5 = true;
  XlsOptions biff5Others = others;
  biff5Others.biff5 = true;
  const std::pair<const char*, XlsOptions> layouts[] = {
      {"default", {}},
      {"mini stream", mini},
      {"4096-byte sectors", large},
      {"4096-byte sectors, mini stream", largeMini},
      {"more than 109 FAT sectors", difat},
      {"other sheets first", others},
      {"BIFF5", biff5},
      {"BIFF5, other sheets first", biff5Others}};

  QTemporaryDir dir;
  for (const auto& [name, options] : layouts) {
    SCOPED_TRACE(name);
    const QString path = dir.filePath(QStringLiteral("prices.xls"));
    writeFile(path, xlsWorkbook(sheet, options));
    ASSERT_EQ(refusal(path), QString());
    const std::vector<PriceEntry> list = readPriceWorkbook(path);
    EXPECT_EQ(numbersAndPrices(list), expected);
    EXPECT_EQ(list.back().source, "Row 6");

    const Worksheet cells = readFirstWorksheet(path, 3);
    EXPECT_EQ(cells.cell(2, 1).text, description);
    EXPECT_EQ(cells.cell(2, 4).kind, SheetCell::Kind::Empty);
    EXPECT_EQ(cells.cell(6, 1).kind, SheetCell::Kind::Text);
    EXPECT_EQ(cells.cell(6, 1).text, "TRUE");
    EXPECT_EQ(cells.cell(7, 1).kind, SheetCell::Kind::Error);
    EXPECT_EQ(cells.cell(7, 1).text, "#DIV/0!");
    EXPECT_EQ(cells.cell(7, 3).number, 7.0);
  }

  PriceProgramDirectory db;
  const QString path = dir.filePath(QStringLiteral("PRICES.XLS"));
  writeFile(path, xlsWorkbook(sheet, others));
  importPrices(db.database(), readPriceWorkbook(path));
  for (const auto& [part, price] : storedPrices(db.database())) {
    if (part == kExamplePart1)
      EXPECT_EQ(price, 3500.0f);
    else if (part == kExamplePart2)
      EXPECT_EQ(price, 45.5f);
    else if (part == kSharedPartA || part == kSharedPartB)
      EXPECT_EQ(price, 0.75f);
    else if (part == 30)
      EXPECT_EQ(price, 12.5f);
    else if (part == kPlaceholderPart)
      EXPECT_EQ(price, syntheticPrice(0));
    else
      EXPECT_EQ(price, 0.0f) << "part " << part;
  }
}

TEST(XlsReader, AFormulaWithoutAValueOrWithAnErrorIsRefusedNamingTheCell) {
  PriceProgramDirectory db;
  const auto before = storedPrices(db.database());
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("prices.xls"));
  const auto sheetWith = [](int row, int column, const FixtureValue& value) {
    FixtureSheet sheet = priceSheet({{QStringLiteral("7302 4410 01"), 3500},
                                     {QStringLiteral("7302 4410 19"), 45.5},
                                     {QStringLiteral("7302 0030 01"), 3}});
    for (FixtureCell& c : sheet)
      if (c.row == row && c.column == column) c.value = value;
    return sheet;
  };
  const std::pair<FixtureSheet, QString> cases[] = {
      {sheetWith(4, 2, formulaText(QStringLiteral("7302 0030 01"), false)),
       "B4 holds a formula without a value."},
      {sheetWith(3, 2, formulaText(QStringLiteral("7302 4410 19"), false, true)),
       "B3 holds a formula without a value."},
      {sheetWith(3, 3, formulaError(0x2A)), "C3 holds the error value #N/A."},
      {sheetWith(2, 3, formulaError(0x0F)), "C2 holds the error value #VALUE!."}};
  for (const auto& [sheet, message] : cases) {
    writeFile(path, xlsWorkbook(sheet));
    try {
      importPrices(db.database(), readPriceWorkbook(path));
      ADD_FAILURE() << "imported; expected " << message;
    } catch (const PriceReadError& e) {
      EXPECT_EQ(e.problem().what, message);
    }
    EXPECT_EQ(storedPrices(db.database()), before);
  }
}

TEST(XlsReader, SharedStringsGoOnAcrossContinueRecords) {
  // A part on every row with a description, and in row 40 a description too long for one record:
  // it starts in two bytes a character and goes on in single bytes.
  FixtureSheet sheet{{1, 2, QStringLiteral("Ordering No.")}, {1, 3, QStringLiteral("Price")}};
  const auto descriptionOf = [](int row) {
    return row == 40 ? QStringLiteral("Ω") + QString(9000, u'x') + QStringLiteral("end")
                     : QStringLiteral("Hoist part on row %1, ÄÖÜ").arg(row);
  };
  std::vector<int> parts;
  for (int part = 1; part <= 130; ++part)
    if (part != kExamplePart1 && part != kExamplePart2 && part != kSharedPartA &&
        part != kSharedPartB)
      parts.push_back(part);
  int row = 2;
  for (int part : parts) {
    sheet.push_back({row, 1, descriptionOf(row)});
    sheet.push_back({row, 2, QStringLiteral("7302 %1 01").arg(part, 4, 10, QLatin1Char('0'))});
    sheet.push_back({row, 3, part + 0.25});
    ++row;
  }
  QTemporaryDir dir;
  for (bool richText : {false, true}) {
    SCOPED_TRACE(richText ? "with formatting runs and phonetic guides" : "plain");
    XlsOptions options;
    options.richText = richText;
    const QString path = dir.filePath(QStringLiteral("long.xls"));
    writeFile(path, xlsWorkbook(sheet, options));
    const Worksheet cells = readFirstWorksheet(path, 3);
    for (int r = 2; r < row; ++r) ASSERT_EQ(cells.cell(r, 1).text, descriptionOf(r)) << "row " << r;

    PriceProgramDirectory db;
    importPrices(db.database(), readPriceWorkbook(path));
    auto prices = storedPrices(db.database());
    for (int part : parts) EXPECT_EQ(prices[part], part + 0.25f) << "part " << part;
    EXPECT_EQ(prices[kExamplePart1], 0.0f);
    EXPECT_EQ(prices[kSharedPartA], 0.0f);
  }
}

TEST(XlsReader, DamagedFilesAreRefusedCleanly) {
  const FixtureSheet sheet =
      priceSheet({{QStringLiteral("7302 4410 01"), 3500}, {7302441019.0, 45.5}});
  XlsOptions mini;
  mini.miniStream = true;
  XlsOptions difat;
  difat.fatBeyondHeader = true;
  const QByteArray plain = xlsWorkbook(sheet), inMini = xlsWorkbook(sheet, mini),
                   withDifat = xlsWorkbook(sheet, difat);
  const Layout layout(plain);
  const qsizetype stream = layout.offset(layout.streamStart);

  struct Case {
    const char* what;
    QByteArray file;
    QString why;  // a part of the message after "cannot be read: "
  };
  std::vector<Case> cases;
  const auto changed = [](QByteArray file, auto change) {
    change(file);
    return file;
  };
  cases.push_back({"header only", plain.left(512), "cut short"});
  cases.push_back({"cut in the stream", plain.left(plain.size() - 600), "cut short"});
  cases.push_back({"stream chain loops",
                   changed(plain,
                           [&](QByteArray& f) {
                             set32(f, layout.fatEntry(f, layout.streamStart + 1),
                                   layout.streamStart);
                           }),
                   "go round in a loop"});
  cases.push_back({"stream chain leaves the table",
                   changed(plain,
                           [&](QByteArray& f) {
                             set32(f, layout.fatEntry(f, layout.streamStart), 0x00FFFFFF);
                           }),
                   "names a sector it does not have"});
  cases.push_back({"directory chain loops",
                   changed(plain,
                           [&](QByteArray& f) {
                             set32(f, layout.fatEntry(f, get32(f, 0x30)), get32(f, 0x30));
                           }),
                   "go round in a loop"});
  cases.push_back({"directory tree loops",
                   changed(plain, [&](QByteArray& f) { set32(f, layout.entry(1) + 68, 1); }),
                   "its directory is damaged"});
  cases.push_back(
      {"stream longer than the file",
       changed(plain, [&](QByteArray& f) { set32(f, layout.entry(1) + 120, 0x7FFFFFF0); }),
       "longer than the file"});
  cases.push_back({"absurd FAT sector count",
                   changed(plain, [&](QByteArray& f) { set32(f, 0x2C, 0x40000000); }),
                   "allocation table is damaged"});
  cases.push_back({"DIFAT chain loops",
                   changed(withDifat,
                           [&](QByteArray& f) {
                             const quint32 first = get32(f, 0x44);
                             set32(f, 0x2C, 109 + 300);
                             set32(f, Layout(f).offset(first) + 512 - 4, first);
                           }),
                   "damaged"});
  cases.push_back(
      {"mini FAT chain loops",
       changed(inMini, [&](QByteArray& f) { set32(f, Layout(f).offset(get32(f, 0x3C)) + 4, 1); }),
       "go round in a loop"});
  cases.push_back({"mini stream shorter than its streams",
                   changed(inMini, [&](QByteArray& f) { set32(f, Layout(f).entry(0) + 120, 64); }),
                   "past the end of the mini stream"});
  cases.push_back({"no workbook stream",
                   changed(plain,
                           [&](QByteArray& f) {
                             f.replace(layout.entry(1), 16,
                                       QByteArray("W\0o\0r\0d\0D\0o\0c\0s\0", 16));
                           }),
                   "holds no workbook stream"});
  // CODEPAGE (1200) replaced by FILEPASS.
  cases.push_back({"password",
                   changed(plain,
                           [&](QByteArray& f) {
                             const qsizetype at =
                                 f.indexOf(QByteArray("\x42\x00\x02\x00\xB0\x04", 6), stream);
                             ASSERT_GT(at, 0);
                             f.replace(at, 6, QByteArray("\x2F\x00\x02\x00\x00\x00", 6));
                           }),
                   "protected by a password"});
  cases.push_back({"sheet position past the stream",
                   changed(plain,
                           [&](QByteArray& f) {
                             const qsizetype at = f.indexOf(QByteArray("\x85\x00", 2), stream);
                             ASSERT_GT(at, 0);
                             set32(f, at + 4, 0x00FFFFFF);
                           }),
                   "list of sheets is damaged"});
  cases.push_back({"stream ends in a record",
                   changed(plain,
                           [&](QByteArray& f) {
                             const qsizetype sst = f.indexOf(QByteArray("\xFC\x00", 2), stream);
                             ASSERT_GT(sst, 0);
                             qToLittleEndian<quint16>(0xFFF0, f.data() + sst + 2);
                           }),
                   "ends in the middle of a record"});

  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("damaged.xls"));
  writeFile(path, plain);
  ASSERT_EQ(refusal(path), QString());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    writeFile(path, c.file);
    const QString message = refusal(path);
    EXPECT_TRUE(message.startsWith(QStringLiteral("The workbook %1 cannot be read: ").arg(path)))
        << message.toStdString();
    EXPECT_TRUE(message.contains(c.why)) << message.toStdString();
  }
}

// Made with LibreOffice Calc 7.4 from the flat spreadsheets next to them, in tests/prices/data,
// with this command on one line:
//   soffice --headless -env:UserInstallation=file:///tmp/lo-profile-A --convert-to xls
//   libreoffice-formulas.fods libreoffice-chart.fods
// Every ordering number and price is a formula: text joined with &, TEXT(), CONCATENATE(), a
// ten-digit number, arithmetic, ROUND() and SUM(); rows 6 to 8 hold the same formulas, which
// Calc writes as shared formulas. Row 9 holds ="" and ends the list; row 10 lies below it. The
// second tab, Notes, is the active one and holds another list. The small workbook stream of
// libreoffice-formulas.xls lies in the mini stream; libreoffice-chart.xls has a chart on the
// price sheet, in a substream of the sheet's own.
TEST(XlsReader, WorkbooksSavedByLibreOfficeCalc) {
  const Entries expected{
      {"Ordering No.", std::nullopt}, {"7302 4410 01", 3500.0f}, {"7302 4410 19", 45.5f},
      {"7302 0030 01", 3.5f},         {"8420 0250 00", 3545.5f}, {"7302 0040 01", 60.25f},
      {"7302 0041 01", 70.25f},       {"7302 0042 01", 80.25f},  {"  ", 1.0f}};
  for (const char* name : {"libreoffice-formulas.xls", "libreoffice-chart.xls"}) {
    SCOPED_TRACE(name);
    const QString path = QStringLiteral(TELMARIS_SOURCE_DIR "/tests/prices/data/") + name;
    EXPECT_EQ(numbersAndPrices(readPriceWorkbook(path)), expected);
    EXPECT_EQ(readFirstWorksheet(path, 3).cell(4, 1).text, QStringLiteral("Träger – 5 t"));

    PriceProgramDirectory db;
    importPrices(db.database(), readPriceWorkbook(path));
    auto prices = storedPrices(db.database());
    EXPECT_EQ(prices[kExamplePart1], 3500.0f);
    EXPECT_EQ(prices[kExamplePart2], 45.5f);
    EXPECT_EQ(prices[30], 3.5f);
    EXPECT_EQ(prices[kSharedPartA], 3545.5f);
    EXPECT_EQ(prices[kSharedPartB], 3545.5f);
    EXPECT_EQ(prices[40], 60.25f);
    EXPECT_EQ(prices[41], 70.25f);
    EXPECT_EQ(prices[42], 80.25f);
    EXPECT_EQ(prices[50], 0.0f);  // below the end of the list
    EXPECT_EQ(prices[kPlaceholderPart], syntheticPrice(0));
  }
}
