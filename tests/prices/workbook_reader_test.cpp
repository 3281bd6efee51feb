// Price workbooks: the first sheet of both forms, the rows that are read, and the stop rule.
#include "prices/workbook_reader.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "prices/price_fixtures.h"
#include "support/special_files.h"

namespace {

using Writer = void (*)(const QString&, const FixtureSheet&);

// The sheet written by each writer, read back as a price list.
std::vector<std::vector<PriceEntry>> readAllForms(const FixtureSheet& sheet) {
  QTemporaryDir dir;
  const std::pair<Writer, const char*> forms[] = {
      {writeXls, "a.xls"}, {writeXlsx, "b.xlsx"}, {writeXlsxByHand, "C.XLSX"}};
  std::vector<std::vector<PriceEntry>> lists;
  for (const auto& [write, name] : forms) {
    write(dir.filePath(name), sheet);
    lists.push_back(readPriceWorkbook(dir.filePath(name)));
  }
  return lists;
}

std::vector<std::pair<QString, std::optional<double>>> numbersAndPrices(
    const std::vector<PriceEntry>& list) {
  std::vector<std::pair<QString, std::optional<double>>> out;
  for (const PriceEntry& e : list) out.emplace_back(e.orderingNumber, e.price);
  return out;
}

}  // namespace

TEST(PriceWorkbook, EveryFormOfTheSameSheetGivesTheSameList) {
  const FixtureSheet sheet = priceSheet({{QStringLiteral("7302 4410 01"), 3500},
                                         {7302441019.0, 45.5},
                                         {QStringLiteral("Préis & <Co>"), 1.25},
                                         {QStringLiteral("ab"), 2}});
  const auto lists = readAllForms(sheet);
  const std::vector<std::pair<QString, std::optional<double>>> expected{
      {"Ordering No.", std::nullopt},  // the heading's price is text: no price
      {"7302 4410 01", 3500.0},
      {"7302 4410 19", 45.5},  // ten digits typed as a number
      {"Préis & <Co>", 1.25},
      {"ab  ", 2.0}};  // shorter than 10 once regrouped: the last row read
  for (const auto& list : lists) {
    EXPECT_EQ(numbersAndPrices(list), expected);
    EXPECT_EQ(list.back().source, "Row 5");
  }
}

TEST(PriceWorkbook, ReadsDownToTheFirstShortNumberFromRowTwoOn) {
  // A heading, parts in rows 2 to 40, an empty row 41 and a part below it.
  std::vector<std::pair<std::variant<QString, double>, double>> rows;
  for (int r = 2; r <= 40; ++r)
    rows.push_back({QStringLiteral("7302 %1 01").arg(r, 4, 10, QLatin1Char('0')), r});
  FixtureSheet sheet = priceSheet(rows);
  sheet.push_back({42, 2, QStringLiteral("7302 4410 01")});
  sheet.push_back({42, 3, 99.0});
  for (const auto& list : readAllForms(sheet)) {
    ASSERT_EQ(list.size(), 41u);
    EXPECT_EQ(list[39].orderingNumber, "7302 0040 01");
    EXPECT_EQ(list[40].orderingNumber, "  ");
  }

  // An empty B2 ends the list after row 2, even when rows follow.
  const FixtureSheet emptyB2{
      {1, 2, QStringLiteral("Ordering No.")}, {3, 2, QStringLiteral("7302 4410 01")}, {3, 3, 1.0}};
  for (const auto& list : readAllForms(emptyB2)) EXPECT_EQ(list.size(), 2u);
  // An empty row 1 does not end it.
  const FixtureSheet emptyRow1{{2, 2, QStringLiteral("7302 4410 01")}, {2, 3, 7.0}};
  for (const auto& list : readAllForms(emptyRow1)) {
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1].price, 7.0);
  }
}

// A price below 0 or above 9 999 999.99 on a row that can name a part is refused naming its
// cell; the row that ends the list may hold any figure, a total say.
TEST(PriceWorkbook, APriceOutOfRangeIsRefusedNamingTheCell) {
  QTemporaryDir dir;
  const std::pair<Writer, const char*> forms[] = {
      {writeXls, "a.xls"}, {writeXlsx, "b.xlsx"}, {writeXlsxByHand, "C.XLSX"}};
  const struct {
    double price;
    QString refusal;  // empty: read
  } cases[] = {
      {-5, "C3: the price \"-5\" is not between 0 and 9999999.99."},
      {1e9, "C3: the price \"1000000000\" is not between 0 and 9999999.99."},
      {9999999.991, "C3: the price \"9999999.991\" is not between 0 and 9999999.99."},
      {9999999.99, ""},
      {0.125, ""},
  };
  for (const auto& c : cases) {
    FixtureSheet sheet =
        priceSheet({{QStringLiteral("7302 4410 01"), 3500}, {7302441019.0, c.price}});
    sheet.push_back({4, 3, 12e9});  // the total, beside an empty B4 that ends the list
    for (const auto& [write, name] : forms) {
      SCOPED_TRACE(std::string(name) + " " + std::to_string(c.price));
      write(dir.filePath(name), sheet);
      EXPECT_EQ(refusal(dir.filePath(name)), c.refusal);
      if (c.refusal.isEmpty()) {
        EXPECT_EQ(readPriceWorkbook(dir.filePath(name))[2].price, c.price);
      }
    }
  }
}

// Only a regular file is read as a workbook: a FIFO or a folder is refused at once, naming it.
TEST(PriceWorkbook, OnlyARegularFileIsRead) {
  QTemporaryDir dir;
  for (const char* name : {"fifo.xls", "fifo.xlsx"}) {
    const Fifo fifo(dir.filePath(name));
    EXPECT_EQ(refusal(fifo.path()),
              fifo.path() + ": This is not a regular file (a device, a pipe or a socket).");
  }
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.xlsx"));
  EXPECT_EQ(refusal(dir.filePath("folder.xlsx")),
            dir.filePath("folder.xlsx") + ": This is a folder, not a file.");
}
