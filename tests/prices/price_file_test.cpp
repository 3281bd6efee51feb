// Reading price files: the field pairs, the regrouping of ordering numbers, the forms other
// editors save in, and the records that cannot be read.
#include "prices/price_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "prices/price_fixtures.h"
#include "support/special_files.h"

namespace {

std::vector<std::pair<QString, double>> pairs(const QByteArray& text) {
  std::vector<std::pair<QString, double>> out;
  for (const PriceEntry& e : parsePriceFile(text)) out.emplace_back(e.orderingNumber, *e.price);
  return out;
}

// What reading the file says is wrong, place first; "" when it reads.
QString fileFailure(const QString& path) {
  try {
    readPriceFile(path);
  } catch (const PriceReadError& e) {
    return e.problem().describe();
  }
  return {};
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
  const std::vector<std::pair<QString, double>> examples{{"7302 4410 01", 3500.0},
                                                         {"7302 4410 19", 45.5}};
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
  // Other price forms, and the range's ends. More decimals than two are kept as written: 12.345
  // and 31.6 are the doubles nearest to them, not those of single precision.
  EXPECT_EQ(pairs("a,+1e3\nb,.5\nc,\"7.25\"\nd,-0\ne,9999999.99\nf,12.345\ng,31.6"),
            (std::vector<std::pair<QString, double>>{{"a  ", 1000.0},
                                                     {"b  ", 0.5},
                                                     {"c  ", 7.25},
                                                     {"d  ", 0.0},
                                                     {"e  ", 9999999.99},
                                                     {"f  ", 12.345},
                                                     {"g  ", 31.6}}));
  EXPECT_FALSE(std::signbit(*parsePrice("-0")));
  EXPECT_TRUE(parsePriceFile("").empty());
  EXPECT_TRUE(parsePriceFile("\r\n\n  \n").empty());
}

TEST(PriceFile, NamesTheRecordAndLineThatCannotBeRead) {
  const QString comma =
      " fields, which do not make whole records of an ordering number and a price. A price's "
      "decimals follow a period, not a comma (45.5, not 45,5).";
  EXPECT_EQ(failure("\"7302 4410 01\",3500\n\n\"7302 4410 19\"\n"),
            "Record 2 (line 3): the ordering number \"7302 4410 19\" has no price.");
  // A decimal comma gives its line a field too many; so does a line that goes on a record
  // begun on the line before. Records are counted by pairs of fields, lines by line ends.
  EXPECT_EQ(failure("\"7302 4410 01\",35,00\n"), "Record 1 (line 1): the line has 3" + comma);
  EXPECT_EQ(failure("a,1\n\nb,45,5\nc,7\n"), "Record 2 (line 3): the line has 3" + comma);
  EXPECT_EQ(failure("a,1\nb\n2,c,3\n"), "Record 2 (line 3): the line has 3" + comma);
  EXPECT_EQ(failure("a,1,b,2,c\n"), "Record 1 (line 1): the line has 5" + comma);
  // The first problem of the file is the one told.
  EXPECT_EQ(failure("a,x\nb,45,5\n"), "Record 1 (line 1): the price \"x\" is not a number.");
  EXPECT_EQ(failure("a,1\nb,3 500\n"), "Record 2 (line 2): the price \"3 500\" is not a number.");
  // Prices from 0 to 9 999 999.99 only, whether or not the number names a part.
  EXPECT_EQ(failure("a,1\nb,-5\n"),
            "Record 2 (line 2): the price \"-5\" is not between 0 and 9999999.99.");
  EXPECT_EQ(failure("a,1\nb\n1e9\n"),
            "Record 2 (line 3): the price \"1e9\" is not between 0 and 9999999.99.");
  EXPECT_EQ(failure("a,9999999.991\n"),
            "Record 1 (line 1): the price \"9999999.991\" is not between 0 and 9999999.99.");
  EXPECT_EQ(failure("a,-0.001\n"),
            "Record 1 (line 1): the price \"-0.001\" is not between 0 and 9999999.99.");
  EXPECT_EQ(failure("a,\n"), "Record 1 (line 1): the price \"\" is not a number.");
  EXPECT_EQ(failure("a,1e999\n"), "Record 1 (line 1): the price \"1e999\" is not a number.");
  EXPECT_EQ(failure("a,nan\n"), "Record 1 (line 1): the price \"nan\" is not a number.");
  EXPECT_EQ(failure("a,1\n\"7302 4410 01,3500\n"), "Line 2: the closing quote is missing.");
  EXPECT_EQ(failure("\"7302\"4410,1\n"), "Line 1: a comma must follow the closing quote.");
  EXPECT_EQ(failure("73\"02,1\n"), "Line 1: the field \"73\"02\" has a stray quote.");
}

// A price file is read only within what a price list can hold, and only from a regular file:
// the rest is refused at once, naming the file.
TEST(PriceFile, OnlyARegularFileOfAPriceListsSizeIsRead) {
  QTemporaryDir dir;
  // As many records as a price list may have, of the shortest kind, and one more.
  QByteArray records;
  for (int i = 0; i < kMaxPriceRecords; ++i) records += "1,1\n";
  const QString most = dir.filePath("most.dat");
  writeFile(most, records);
  const std::vector<PriceEntry> read = readPriceFile(most);
  EXPECT_EQ(read.size(), 100000u);
  EXPECT_EQ(read.back().source, "Record 100000 (line 100000)");
  EXPECT_THROW(readPriceFile(dir.filePath("missing.dat")), PriceReadError);
  const QString more = dir.filePath("more.dat");
  writeFile(more, records + "\n1,1\n");
  EXPECT_EQ(fileFailure(more), more +
                                   ": Line 100002: the file holds more than 100000 records, and a "
                                   "price list names a few thousand parts. It is no price file.");
  EXPECT_TRUE(failure(records + "1,1").startsWith("Line 100001: the file holds more than"));
  // So do as many on one line, and a line of twice as many fields, however they go on.
  QByteArray line = records;
  line.replace('\n', ',');
  EXPECT_TRUE(failure(line + "1,1").startsWith("Line 1: the file holds more than"));
  EXPECT_TRUE(failure(line + line + "\"").startsWith("Line 1: the file holds more than"));

  // A file larger than any price file is refused before it is read (it need not be written).
  QFile large(dir.filePath("large.dat"));
  ASSERT_TRUE(large.open(QIODevice::WriteOnly));
  ASSERT_TRUE(large.resize(16 * 1024 * 1024 + 1));
  large.close();
  EXPECT_EQ(fileFailure(large.fileName()),
            large.fileName() +
                ": The file is larger than 16 MB, and a price file is a few hundred kilobytes. It "
                "is no price file.");

  const Fifo fifo(dir.filePath("fifo.dat"));
  EXPECT_EQ(fileFailure(fifo.path()),
            fifo.path() + ": This is not a regular file (a device, a pipe or a socket).");
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.dat"));
  EXPECT_EQ(fileFailure(dir.filePath("folder.dat")),
            dir.filePath("folder.dat") + ": This is a folder, not a file.");
}
