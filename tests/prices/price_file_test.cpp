// Reading price files: the field pairs, the regrouping of ordering numbers, the forms other
// editors save in, and the records that cannot be read.
#include "prices/price_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "prices/price_fixtures.h"

namespace {

std::vector<std::pair<QString, float>> pairs(const QByteArray& text) {
  std::vector<std::pair<QString, float>> out;
  for (const PriceEntry& e : parsePriceFile(text)) out.emplace_back(e.orderingNumber, *e.price);
  return out;
}

QString failure(const QByteArray& text) {
  try {
    parsePriceFile(text);
  } catch (const PriceReadError& e) {
    return e.problem().what;
  }
  return QStringLiteral("<read without error>");
}

}  // namespace

TEST(PriceFile, RegroupsNumbersShorterThanTwelveCharacters) {
  EXPECT_EQ(regroupOrderingNumber("7302441001"), "7302 4410 01");
  EXPECT_EQ(regroupOrderingNumber("7302 4410 01"), "7302 4410 01");
  EXPECT_EQ(regroupOrderingNumber("7302 4410 01 X"), "7302 4410 01 X");
  // Eleven characters are taken as ten; short numbers come out short and match nothing.
  EXPECT_EQ(regroupOrderingNumber("73024410019"), "7302 4410 01");
  EXPECT_EQ(regroupOrderingNumber("12345"), "1234 5 ");
  EXPECT_EQ(regroupOrderingNumber(""), "  ");
}

TEST(PriceFile, ReadsFieldPairsSeparatedByCommasAndLineBreaks) {
  const std::vector<std::pair<QString, float>> examples{{"7302 4410 01", 3500.0f},
                                                        {"7302 4410 19", 45.5f}};
  EXPECT_EQ(pairs("\"7302 4410 01\",3500\n\"7302 4410 19\",45.5\n"), examples);
  // Bare numbers, blanks around fields, a record over two lines, no final line break.
  EXPECT_EQ(pairs("  7302441001 , 3500\n\"7302 4410 19\"\n45.5"), examples);
  // Several records on one line.
  EXPECT_EQ(pairs("\"7302 4410 01\",3500,\"7302 4410 19\",45.5"), examples);
  // Byte-order mark, Windows line ends, blank lines and a DOS end-of-file mark.
  EXPECT_EQ(pairs("\xEF\xBB\xBF\"7302 4410 01\",3500\r\n\r\n   \r\n\"7302 4410 19\",45.5\r\n\x1A"),
            examples);
  // UTF-16 as Notepad saves "Unicode".
  const QString text = QStringLiteral("\"7302 4410 01\",3500\r\n\"7302 4410 19\",45.5\r\n");
  QByteArray utf16("\xFF\xFE", 2);
  utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
  EXPECT_EQ(pairs(utf16), examples);
  // Other price forms.
  EXPECT_EQ(pairs("a,+1e3\nb,.5\nc,\"7.25\"\nd,-2"),
            (std::vector<std::pair<QString, float>>{
                {"a  ", 1000.0f}, {"b  ", 0.5f}, {"c  ", 7.25f}, {"d  ", -2.0f}}));
  EXPECT_TRUE(parsePriceFile("").empty());
  EXPECT_TRUE(parsePriceFile("\r\n\n  \n").empty());
}

TEST(PriceFile, NamesTheRecordAndLineThatCannotBeRead) {
  EXPECT_EQ(failure("\"7302 4410 01\",3500\n\n\"7302 4410 19\"\n"),
            "Record 2 (line 3): the ordering number \"7302 4410 19\" has no price.");
  EXPECT_EQ(failure("\"7302 4410 01\",35,00\n"),
            "Record 2 (line 1): the ordering number \"00\" has no price.");
  EXPECT_EQ(failure("a,1\nb,3 500\n"), "Record 2 (line 2): the price \"3 500\" is not a number.");
  EXPECT_EQ(failure("a,1\nb,45,5\nc,7\n"), "Record 3 (line 3): the price \"c\" is not a number.");
  EXPECT_EQ(failure("a,\n"), "Record 1 (line 1): the price \"\" is not a number.");
  EXPECT_EQ(failure("a,1e999\n"), "Record 1 (line 1): the price \"1e999\" is not a number.");
  EXPECT_EQ(failure("a,nan\n"), "Record 1 (line 1): the price \"nan\" is not a number.");
  EXPECT_EQ(failure("a,1\n\"7302 4410 01,3500\n"), "Line 2: the closing quote is missing.");
  EXPECT_EQ(failure("\"7302\"4410,1\n"), "Line 1: a comma must follow the closing quote.");
  EXPECT_EQ(failure("73\"02,1\n"), "Line 1: the field \"73\"02\" has a stray quote.");
}

TEST(PriceFile, ReadsFilesAndReportsThoseItCannotOpen) {
  QTemporaryDir dir;
  const QString path = dir.filePath("PRICES.DAT");
  writeFile(path, "\"7302 4410 01\",3500\n");
  ASSERT_EQ(readPriceFile(path).size(), 1u);
  EXPECT_EQ(readPriceFile(path)[0].source, "Record 1 (line 1)");
  EXPECT_THROW(readPriceFile(dir.filePath("missing.dat")), PriceReadError);
}
