// Random, mutated and cut-short input for the price-file reader and the workbook readers. Each
// either refuses with a message or reads, and what it reads is checked: a price file against the
// list it was made from, a workbook against what Debian's own readers (python3-xlrd for .xls,
// python3-openpyxl for .xlsx) find in the same file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <random>
#include <variant>

#include "prices/price_file.h"
#include "prices/price_fixtures.h"
#include "prices/workbook_reader.h"

namespace {

// The sanitizer build reads several times slower: it runs fewer rounds.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kRoundsDivisor = 4;
#else
constexpr int kRoundsDivisor = 1;
#endif
int rounds(int count) {
  return count / kRoundsDivisor;
}

// The entries read, or the refusal's text.
std::variant<NumbersAndPrices, QString> readPrices(const QByteArray& input) {
  try {
    return numbersAndPricesOf(parsePriceFile(input));
  } catch (const PriceReadError& e) {
    return e.problem().describe();
  }
}

// A list read from a changed or cut-short copy of `original` is the original, or its start, with
// at most one entry changed, the last one read when the copy ends early.
void expectAsWrittenOrRefused(const std::variant<NumbersAndPrices, QString>& read,
                              const NumbersAndPrices& original, const QByteArray& input) {
  if (const QString* refusal = std::get_if<QString>(&read)) {
    EXPECT_FALSE(refusal->isEmpty()) << input.toStdString();
    return;
  }
  const NumbersAndPrices& list = std::get<NumbersAndPrices>(read);
  ASSERT_LE(list.size(), original.size()) << input.toStdString();
  std::vector<std::size_t> changed;
  for (std::size_t i = 0; i < list.size(); ++i)
    if (list[i] != original[i]) changed.push_back(i);
  EXPECT_LE(changed.size(), 1u) << input.toStdString();
  if (list.size() < original.size() && !changed.empty()) {
    EXPECT_EQ(changed[0], list.size() - 1) << input.toStdString();
  }
}

// ---- Workbooks beside the independent readers

// A value of column B or C as first_sheet_columns.py gives it.
struct Cell {
  QString kind;  // "" empty, "n" number, "s" text, "b" Boolean, "e" error, "o" other
  QJsonValue value;
};

Cell cellOf(const QJsonValue& json) {
  if (!json.isArray()) return {};
  const QJsonArray a = json.toArray();
  return {a[0].toString(), a[1]};
}

// The price workbook's rules, written out here: the ordering number as a spreadsheet shows the
// cell, regrouped 4, 4 and 2 when shorter than 12 characters; a price from a number, or from a
// text of digits with a period; the list ends after the first row from row 2 on whose number
// has fewer than 10 characters.
QString shownText(const Cell& cell) {
  if (cell.kind == u"s") return cell.value.toString();
  if (cell.kind == u"b") return cell.value.toBool() ? "TRUE" : "FALSE";
  if (cell.kind != u"n") return {};
  const double x = cell.value.toDouble();
  if (std::fabs(x) < 1e15 && x == std::trunc(x)) return QString::number(static_cast<qint64>(x));
  return QString::number(x, 'g', 15);
}

std::optional<double> priceIn(const Cell& cell) {
  if (cell.kind == u"n") return cell.value.toDouble() + 0.0;  // -0 is 0
  if (cell.kind != u"s") return std::nullopt;
  static const QRegularExpression form("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)([eE][+-]?\\d+)?$");
  const QString text = cell.value.toString().trimmed();
  if (!form.match(text).hasMatch()) return std::nullopt;
  bool ok = false;
  const double value = text.startsWith('+') ? text.mid(1).toDouble(&ok) : text.toDouble(&ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value + 0.0;
}

// What the workbook must read as, from the independent reader's cells: its list, "refused" (an
// error value or a price out of range in a row read), or "" when a row read holds a cell the
// comparison leaves aside (a date, a number that is not finite).
std::variant<NumbersAndPrices, QString> expectedList(const QJsonObject& rows) {
  NumbersAndPrices list;
  QString number;
  for (int row = 1;; ++row) {
    if (row > 2 && number.size() < 10) break;
    const QJsonArray cells = rows.value(QString::number(row)).toArray();
    const Cell b = cellOf(cells.at(0)), c = cellOf(cells.at(1));
    if (b.kind == u"e" || c.kind == u"e") return QString("refused");
    if (b.kind == u"o" || c.kind == u"o") return QString();
    const QString shown = shownText(b);
    number =
        shown.size() >= 12 ? shown : shown.left(4) + ' ' + shown.mid(4, 4) + ' ' + shown.mid(8, 2);
    const std::optional<double> price = priceIn(c);
    if (price && !(*price >= 0 && *price <= 9999999.99) && number.size() >= 10)
      return QString("refused");
    list.emplace_back(number, price);
  }
  return list;
}

// Runs first_sheet_columns.py, with Debian's python3 and its python3-xlrd and python3-openpyxl
// (scripts/install-deps.sh), once over the folder. Fails the test when it cannot.
QJsonObject readIndependently(const QString& folder) {
  QProcess python;
  python.start("/usr/bin/python3",
               {TELMARIS_SOURCE_DIR "/tests/prices/first_sheet_columns.py", folder});
  const bool finished = python.waitForFinished(300000);
  const QByteArray errors = python.readAllStandardError();
  EXPECT_TRUE(finished && python.exitStatus() == QProcess::NormalExit && python.exitCode() == 0)
      << "python3 with xlrd and openpyxl is needed: " << errors.toStdString();
  QJsonParseError parseError;
  const QJsonDocument found = QJsonDocument::fromJson(python.readAllStandardOutput(), &parseError);
  EXPECT_EQ(parseError.error, QJsonParseError::NoError) << parseError.errorString().toStdString();
  return found.object();
}

// Reads every workbook of the folder and compares those it reads with the independent reader.
// Returns how many were compared.
int compareWithIndependentReader(const QString& folder) {
  const QJsonObject independent = readIndependently(folder);
  int compared = 0;
  for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name)) {
    SCOPED_TRACE(name.toStdString());
    NumbersAndPrices read;
    try {
      read = numbersAndPricesOf(readPriceWorkbook(QDir(folder).filePath(name)));
    } catch (const PriceReadError& e) {
      EXPECT_FALSE(e.problem().what.isEmpty());
      continue;
    }
    const QJsonObject other = independent.value(name).toObject();
    if (!other.contains("rows")) continue;  // the other reader refused it
    const auto expected = expectedList(other.value("rows").toObject());
    if (const QString* refused = std::get_if<QString>(&expected)) {
      EXPECT_TRUE(refused->isEmpty()) << "read, though it must be refused";
      continue;
    }
    EXPECT_EQ(read, std::get<NumbersAndPrices>(expected));
    ++compared;
  }
  return compared;
}

QByteArray fileContents(const QString& path) {
  QFile in(path);
  if (!in.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
  return in.readAll();
}

}  // namespace

TEST(PriceFile, FuzzedFilesReadAsWrittenOrAreRefused) {
  std::mt19937 random(20240611);
  const char* tokens[] = {
      "\"",       ",",    "\n",      "\r\n",
      " ",        "7302", "4410 01", ".",
      "-",        "3500", "\x1A",    "\xEF\xBB\xBF",
      "\xFF\xFE", "\xC3", "1e308",   "9999999999999999999999999999999999999999"};
  int readCount = 0;
  for (int round = 0; round < rounds(3000); ++round) {
    QByteArray input;
    const int length = static_cast<int>(random() % 300);
    for (int i = 0; i < length; ++i) {
      if (round % 2 == 0) {
        input.append(static_cast<char>(random() & 0xFF));
      } else {
        input.append(tokens[random() % std::size(tokens)]);
      }
    }
    const auto read = readPrices(input);
    if (const QString* refusal = std::get_if<QString>(&read)) {
      EXPECT_FALSE(refusal->isEmpty());
      continue;
    }
    ++readCount;
    for (const auto& [number, price] : std::get<NumbersAndPrices>(read))
      EXPECT_TRUE(price && *price >= 0 && *price <= kMaxPrice) << input.toStdString();
  }
  EXPECT_GT(readCount, 0);  // the token soup does form valid lists now and then

  QByteArray file("\xEF\xBB\xBF");
  NumbersAndPrices original;
  for (int i = 0; i < 200; ++i) {
    const QByteArray number = "7302 " + QByteArray::number(4400 + i) + " 01";
    file += "\"" + number + "\"," + QByteArray::number(i * 1.25) + (i % 3 ? "\r\n" : "\n\n");
    original.emplace_back(QString::fromLatin1(number), i * 1.25);
  }
  ASSERT_EQ(readPrices(file), (std::variant<NumbersAndPrices, QString>(original)));
  for (qsizetype n = 0; n <= file.size(); n += 1 + kRoundsDivisor / 2)
    expectAsWrittenOrRefused(readPrices(file.left(n)), original, file.left(n));
  for (int round = 0; round < rounds(2000); ++round) {
    QByteArray changed = file;
    changed[random() % changed.size()] = static_cast<char>(random() & 0xFF);
    expectAsWrittenOrRefused(readPrices(changed), original, changed);
  }
  EXPECT_TRUE(std::holds_alternative<QString>(readPrices(QByteArray(4 * 1024 * 1024, '"'))));
}

// The shipped workbooks of LibreOffice Calc with bytes of their workbook stream changed, mostly
// in the records of values, or cut short: what the reader reads is what xlrd finds.
TEST(XlsReader, FuzzedWorkbooksReadAsXlrdReadsThemOrAreRefused) {
  QTemporaryDir dir;
  std::mt19937 random(7);
  const QByteArray sources[] = {
      fileContents(TELMARIS_SOURCE_DIR "/tests/prices/data/libreoffice-formulas.xls"),
      fileContents(TELMARIS_SOURCE_DIR "/tests/prices/data/libreoffice-chart.xls")};
  const int count = rounds(240);
  for (int round = 0; round < count; ++round) {
    QByteArray bytes = sources[round % 2];
    // The workbook stream starts with the BOF record of the globals, BIFF8; the bodies of the
    // records that hold values (FORMULA, NUMBER, RK, LABELSST, STRING, SST) follow it.
    const qsizetype stream = bytes.indexOf(QByteArray("\x09\x08\x10\x00\x00\x06\x05\x00", 8));
    ASSERT_GT(stream, 0);
    std::vector<std::pair<qsizetype, qsizetype>> values;
    for (qsizetype at = stream; at + 4 <= bytes.size();) {
      const quint16 type = qFromLittleEndian<quint16>(bytes.constData() + at);
      const quint16 length = qFromLittleEndian<quint16>(bytes.constData() + at + 2);
      if (type == 0 || at + 4 + length > bytes.size()) break;
      if ((type == 0x0006 || type == 0x0203 || type == 0x027E || type == 0x00FD || type == 0x0207 ||
           type == 0x00FC) &&
          length > 0)
        values.emplace_back(at + 4, length);
      at += 4 + length;
    }
    ASSERT_GT(values.size(), 10u);
    if (round % 10 == 9) {
      bytes.truncate(stream + static_cast<qsizetype>(random() % (bytes.size() - stream)));
    } else {
      for (int n = 1 + static_cast<int>(random() % 3); n > 0; --n) {
        // Mostly a value, now and then anything after the stream's start.
        const auto [from, length] = random() % 4 ? values[random() % values.size()]
                                                 : std::pair(stream, bytes.size() - stream);
        char& b = bytes[from + static_cast<qsizetype>(random() % length)];
        const unsigned how = random() % 4;
        b = how == 0   ? static_cast<char>(b + 1)
            : how == 1 ? static_cast<char>(b - 1)
                       : static_cast<char>(random());
      }
    }
    writeFile(dir.filePath(QString("%1.xls").arg(round, 4, 10, QChar('0'))), bytes);
  }
  EXPECT_GE(compareWithIndependentReader(dir.path()), count / 4);
}

// The shipped workbook of LibreOffice Calc with its sheet or shared strings changed, zipped
// again, or with bytes of the zip changed: what the reader reads is what openpyxl finds.
TEST(XlsxReader, FuzzedWorkbooksReadAsOpenpyxlReadsThemOrAreRefused) {
  QTemporaryDir dir;
  std::mt19937 random(5);
  const ZipEntries source = zipEntries(TELMARIS_SOURCE_DIR "/tests/prices/data/calc-formulas.xlsx");
  const char* tokens[] = {"0",    "1",   "9",  ".", "-",     "e",         "E",       "<",
                          ">",    "/",   "\"", "=", " ",     "s",         "n",       "b",
                          "str",  "t",   "v",  "r", "&amp;", "inlineStr", "C2",      "B7",
                          "</c>", "<c>", "&#", ";", "x",     "<v>12</v>", "\xC3\xA4"};
  const int count = rounds(200);
  for (int round = 0; round < count; ++round) {
    ZipEntries entries = source;
    for (auto& [name, data] : entries) {
      if (name != (round % 3 ? "xl/worksheets/sheet1.xml" : "xl/sharedStrings.xml")) continue;
      // Changes inside the sheet's data, or in the strings.
      const qsizetype from = std::max<qsizetype>(0, data.indexOf("<sheetData>"));
      for (int n = 1 + static_cast<int>(random() % 3); n > 0; --n) {
        const qsizetype at = from + static_cast<qsizetype>(random() % (data.size() - from));
        const unsigned how = random() % 8;
        if (how < 4) {
          // Another value: a character of a value or a text changed to one of a number.
          const qsizetype value = data.indexOf('>', at);
          if (value < 0 || value + 1 >= data.size() || data[value + 1] == '<') continue;
          data[value + 1] = "0123456789.-eE +"[random() % 16];
        } else if (how == 4) {
          data.remove(at, 1 + static_cast<qsizetype>(random() % 8));
        } else {
          data.replace(at, how == 5 ? 1 : 0, tokens[random() % std::size(tokens)]);
        }
      }
    }
    const QString path = dir.filePath(QString("%1.xlsx").arg(round, 4, 10, QChar('0')));
    writeZip(path, entries);
    if (round % 10 == 9) {
      QByteArray bytes = fileContents(path);
      bytes[random() % bytes.size()] = static_cast<char>(random());
      writeFile(path, bytes);
    }
  }
  EXPECT_GE(compareWithIndependentReader(dir.path()), count / 4);
}
