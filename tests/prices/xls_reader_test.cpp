// The .xls reader: formula results, the layouts of the compound file and of the workbook, long
// shared string tables, damaged files, and workbooks saved by LibreOffice Calc.
#include "prices/xls_reader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <functional>
#include <stdexcept>

#include "prices/price_fixtures.h"
#include "prices/price_import.h"
#include "prices/workbook_reader.h"

namespace {

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
  const NumbersAndPrices expected{{"Ordering No.", std::nullopt}, {"7302 4410 01", 3500.0},
                                  {"7302 4410 19", 45.5},         {"8420 0250 00", 0.75},
                                  {"7302 0030 01", 12.5},         {"  ", 1.0}};

  const std::pair<const char*, XlsOptions> layouts[] = {
      {"default", {}},
      {"mini stream", {.miniStream = true}},
      {"4096-byte sectors", {.sectorSize = 4096}},
      {"4096-byte sectors, mini stream", {.sectorSize = 4096, .miniStream = true}},
      {"more than 109 FAT sectors", {.fatBeyondHeader = true}},
      // A chart sheet, a macro sheet and a dialog sheet before the worksheet.
      {"other sheets first", {.otherSheetsFirst = true, .richText = true}},
      {"BIFF5", {.biff5 = true}},
      {"BIFF5, other sheets first", {.otherSheetsFirst = true, .richText = true, .biff5 = true}}};

  QTemporaryDir dir;
  for (const auto& [name, options] : layouts) {
    SCOPED_TRACE(name);
    const QString path = dir.filePath(QStringLiteral("prices.xls"));
    writeFile(path, xlsWorkbook(sheet, options));
    ASSERT_EQ(refusal(path), QString());
    const std::vector<PriceEntry> list = readPriceWorkbook(path);
    EXPECT_EQ(numbersAndPricesOf(list), expected);
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
}

TEST(XlsReader, AFormulaWithoutAValueOrWithAnErrorIsRefusedNamingTheCell) {
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
    EXPECT_EQ(refusal(path), message);
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
  const auto numberOf = [](int row) {
    return QStringLiteral("7302 %1 01").arg(row, 4, 10, QLatin1Char('0'));
  };
  for (int row = 2; row <= 130; ++row) {
    sheet.push_back({row, 1, descriptionOf(row)});
    sheet.push_back({row, 2, numberOf(row)});
    sheet.push_back({row, 3, row + 0.25});
  }
  QTemporaryDir dir;
  for (bool richText : {false, true}) {
    SCOPED_TRACE(richText ? "with formatting runs and phonetic guides" : "plain");
    const QString path = dir.filePath(QStringLiteral("long.xls"));
    writeFile(path, xlsWorkbook(sheet, {.richText = richText}));
    const Worksheet cells = readFirstWorksheet(path, 3);
    for (int row = 2; row <= 130; ++row) {
      ASSERT_EQ(cells.cell(row, 1).text, descriptionOf(row)) << "row " << row;
      ASSERT_EQ(cells.cell(row, 2).text, numberOf(row)) << "row " << row;
      ASSERT_EQ(cells.cell(row, 3).number, row + 0.25) << "row " << row;
    }
  }
}

TEST(XlsReader, DamagedFilesAreRefusedCleanly) {
  const FixtureSheet sheet =
      priceSheet({{QStringLiteral("7302 4410 01"), 3500}, {7302441019.0, 45.5}});
  const QByteArray plain = xlsWorkbook(sheet), inMini = xlsWorkbook(sheet, {.miniStream = true}),
                   withDifat = xlsWorkbook(sheet, {.fatBeyondHeader = true});
  const Layout layout(plain);
  const qsizetype stream = layout.offset(layout.streamStart);
  const quint32 directory = get32(plain, 0x30);
  // A record of the workbook stream found by its first bytes.
  const auto recordAt = [stream](const QByteArray& f, const QByteArray& start) {
    const qsizetype at = f.indexOf(start, stream);
    if (at <= 0) throw std::logic_error("the workbook stream has no such record");
    return at;
  };

  // What is damaged, the file it is done to, how, and a part of the message after "cannot be
  // read: ".
  struct Case {
    const char* what;
    const QByteArray& file;
    std::function<void(QByteArray&)> damage;
    const char* why;
  };
  const Case cases[] = {
      {"header only", plain, [](QByteArray& f) { f.truncate(512); }, "cut short"},
      {"cut in the stream", plain, [](QByteArray& f) { f.chop(600); }, "cut short"},
      {"stream chain loops", plain,
       [&](QByteArray& f) {
         set32(f, layout.fatEntry(f, layout.streamStart + 1), layout.streamStart);
       },
       "go round in a loop"},
      {"stream chain leaves the table", plain,
       [&](QByteArray& f) { set32(f, layout.fatEntry(f, layout.streamStart), 0x00FFFFFF); },
       "names a sector it does not have"},
      {"directory chain loops", plain,
       [&](QByteArray& f) { set32(f, layout.fatEntry(f, directory), directory); },
       "go round in a loop"},
      {"directory tree loops", plain, [&](QByteArray& f) { set32(f, layout.entry(1) + 68, 1); },
       "its directory is damaged"},
      {"stream longer than the file", plain,
       [&](QByteArray& f) { set32(f, layout.entry(1) + 120, 0x7FFFFFF0); }, "longer than the file"},
      {"absurd FAT sector count", plain, [](QByteArray& f) { set32(f, 0x2C, 0x40000000); },
       "allocation table is damaged"},
      {"DIFAT chain loops", withDifat,
       [](QByteArray& f) {
         const quint32 first = get32(f, 0x44);
         set32(f, 0x2C, 109 + 300);
         set32(f, Layout(f).offset(first) + 512 - 4, first);
       },
       "damaged"},
      {"mini FAT chain loops", inMini,
       [](QByteArray& f) { set32(f, Layout(f).offset(get32(f, 0x3C)) + 4, 1); },
       "go round in a loop"},
      {"mini stream shorter than its streams", inMini,
       [](QByteArray& f) { set32(f, Layout(f).entry(0) + 120, 64); },
       "past the end of the mini stream"},
      {"no workbook stream", plain,
       [&](QByteArray& f) {
         f.replace(layout.entry(1), 16, QByteArray("W\0o\0r\0d\0D\0o\0c\0s\0", 16));
       },
       "holds no workbook stream"},
      {"password", plain,  // CODEPAGE (1200) replaced by FILEPASS
       [&](QByteArray& f) {
         f.replace(recordAt(f, QByteArray("\x42\x00\x02\x00\xB0\x04", 6)), 6,
                   QByteArray("\x2F\x00\x02\x00\x00\x00", 6));
       },
       "protected by a password"},
      {"sheet position past the stream", plain,
       [&](QByteArray& f) { set32(f, recordAt(f, QByteArray("\x85\x00", 2)) + 4, 0x00FFFFFF); },
       "list of sheets is damaged"},
      {"stream ends in a record", plain,
       [&](QByteArray& f) {
         qToLittleEndian<quint16>(0xFFF0, f.data() + recordAt(f, QByteArray("\xFC\x00", 2)) + 2);
       },
       "ends in the middle of a record"},
  };

  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("damaged.xls"));
  writeFile(path, plain);
  ASSERT_EQ(refusal(path), QString());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QByteArray file = c.file;
    c.damage(file);
    writeFile(path, file);
    const QString message = refusal(path);
    EXPECT_TRUE(message.startsWith(QStringLiteral("The workbook %1 cannot be read: ").arg(path)))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QLatin1String(c.why))) << message.toStdString();
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
  const NumbersAndPrices expected{
      {"Ordering No.", std::nullopt}, {"7302 4410 01", 3500.0}, {"7302 4410 19", 45.5},
      {"7302 0030 01", 3.5},          {"8420 0250 00", 3545.5}, {"7302 0040 01", 60.25},
      {"7302 0041 01", 70.25},        {"7302 0042 01", 80.25},  {"  ", 1.0}};
  for (const char* name : {"libreoffice-formulas.xls", "libreoffice-chart.xls"}) {
    SCOPED_TRACE(name);
    const QString path = QStringLiteral(TELMARIS_SOURCE_DIR "/tests/prices/data/") + name;
    EXPECT_EQ(numbersAndPricesOf(readPriceWorkbook(path)), expected);
    EXPECT_EQ(readFirstWorksheet(path, 3).cell(4, 1).text, QStringLiteral("Träger – 5 t"));
  }
}

// Every string of the shared strings takes three bytes at least: a file of a few megabytes can
// hold millions of empty ones, each kept as a text. More than a price workbook can use are
// refused, and so is a file larger than any price workbook, before it is read.
TEST(XlsReader, AWorkbookBeyondWhatAPriceWorkbookHoldsIsRefusedNamingIt) {
  QTemporaryDir dir;
  const FixtureSheet sheet = priceSheet({{QStringLiteral("7302 4410 01"), 3500}});
  // The sheets' own texts: the heading's three, the number, and the other sheet's number.
  const QString most = dir.filePath("most.xls");
  writeFile(most, xlsWorkbook(sheet, {.extraSharedStrings = kMaxSharedStrings - 5}));
  EXPECT_EQ(refusal(most), QString());
  const QString more = dir.filePath("more.xls");
  writeFile(more, xlsWorkbook(sheet, {.extraSharedStrings = kMaxSharedStrings - 4}));
  EXPECT_EQ(refusal(more), more +
                               ": The workbook holds more than 1000000 shared texts, and a price "
                               "workbook holds a few thousand. It is no price workbook.");

  QFile large(dir.filePath("large.xls"));
  ASSERT_TRUE(large.open(QIODevice::WriteOnly));
  large.write(xlsWorkbook(sheet));
  ASSERT_TRUE(large.resize(32 * 1024 * 1024 + 1));
  large.close();
  EXPECT_EQ(refusal(large.fileName()),
            large.fileName() +
                ": The file is larger than 32 MB, and a price workbook is a few "
                "hundred kilobytes. It is no price workbook.");
}
