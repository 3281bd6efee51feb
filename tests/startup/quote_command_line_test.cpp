// Quotes from the command line, run as a process of its own: their lists and JSON in the quote's
// language, the printed document, the numbers of the register and repricing. The expected figures
// are the prices of resources/database/parts.sql times the quantities of the lists.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <vector>

#include "commands/command_line.h"
#include "data/parts_data.h"
#include "data/parts_loader.h"
#include "quotes/quote_file.h"
#include "support/pdf_words.h"
#include "support/quote_fixtures.h"
#include "support/test_database.h"

namespace {

struct Ran {
  int status;
  QString out;
  QString err;
};

Ran telmaris(const QStringList& arguments) {
  QProcess process;
  process.start(QStringLiteral(TELMARIS_EXECUTABLE), arguments);
  process.waitForFinished(120000);
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

// A part line of a list: the quantity (pieces or metres), the ordering number, the list price of
// parts.sql per piece or metre, and the descriptions of its German and French columns.
struct Part {
  int quantity;
  const char* number;
  double price;
  const char* german;
  const char* french;
};

// The lists of the three configurations of kesslerQuote() with their discounts.
struct Position {
  int quantity;
  int discountPercent;
  std::vector<Part> parts;
};

const std::vector<Position> kKessler = {
    {1,
     0,
     {{1, "8420 0250 00", 2475.00, "PXH 250 EX Druckluft-Kettenzug 250 kg",
       "PXH 250 EX palan pneumatique 250 kg"},
      {5, "7302 4410 02", 36.90, "Lastkette 7 mm verzinkt, je m",
       "Chaîne de charge 7 mm zinguée, au m"},
      {6, "7302 4430 05", 8.90, "Steuerkette 5 mm, je m", "Chaîne de manœuvre 5 mm, au m"},
      {1, "7302 4710 03", 412.00, "Überlastsicherung, PXH 250", "Limiteur de charge, PXH 250"},
      {1, "7302 4730 07", 26.50, "Kettenanschlag 7 mm", "Butée de chaîne 7 mm"}}},
    {2,
     10,
     {{1, "8420 0250 10", 2775.00, "PXH 250L EX Druckluft-Kettenzug 250 kg",
       "PXH 250L EX palan pneumatique 250 kg"},
      {5, "7302 4410 02", 36.90, "Lastkette 7 mm verzinkt, je m",
       "Chaîne de charge 7 mm zinguée, au m"},
      {1, "7302 4510 21", 298.00, "Steuerschalter 2 Tasten, PXH 200-1000",
       "Boîte à 2 boutons, PXH 200-1000"},
      {3, "7302 4520 26", 12.80, "Steuerschlauch 2 x 6 mm, je m",
       "Tuyau de commande 2 x 6 mm, au m"},
      {1, "7302 4710 03", 412.00, "Überlastsicherung, PXH 250", "Limiteur de charge, PXH 250"},
      {1, "7302 4610 07", 112.00, "Kettenspeicher 7 mm, bis 7 m", "Bac à chaîne 7 mm, jusqu'à 7 m"},
      {1, "7302 4730 07", 26.50, "Kettenanschlag 7 mm", "Butée de chaîne 7 mm"},
      {1, "7302 4720 03", 58.00, "Sicherheitshaken, PXH 200/250",
       "Crochet de sécurité, PXH 200/250"}}},
    {3,
     5,
     // 6 m of lift take 7 m of load chain; 2 m of control, 4 m of pull chain.
     {{1, "8420 0250 00", 2475.00, "PXH 250 EX Druckluft-Kettenzug 250 kg",
       "PXH 250 EX palan pneumatique 250 kg"},
      {7, "7302 4410 02", 36.90, "Lastkette 7 mm verzinkt, je m",
       "Chaîne de charge 7 mm zinguée, au m"},
      {4, "7302 4430 05", 8.90, "Steuerkette 5 mm, je m", "Chaîne de manœuvre 5 mm, au m"}}},
};

double listTotal(const Position& p) {
  double total = 0;
  for (const Part& part : p.parts) total += part.quantity * part.price;
  return total;
}
double listDiscount(const Position& p) {
  return listTotal(p) * p.discountPercent / 100.0;
}

QJsonObject json(const Ran& ran) {
  return QJsonDocument::fromJson(ran.out.toUtf8()).object();
}

// The JSON of the quote against the lists worked out here, with the descriptions of one column.
void expectKesslerJson(const QJsonObject& quote, const char* Part::*description) {
  const QJsonArray positions = quote["positions"].toArray();
  ASSERT_EQ(positions.size(), 3);
  double total = 0, discount = 0;
  for (int n = 0; n < 3; ++n) {
    const Position& expected = kKessler[static_cast<std::size_t>(n)];
    const QJsonObject position = positions[n].toObject();
    EXPECT_EQ(position["number"].toInt(), n + 1);
    EXPECT_EQ(position["quantity"].toInt(), expected.quantity);
    const QJsonArray lines = position["lines"].toArray();
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(expected.parts.size())) << n;
    for (qsizetype i = 0; i < lines.size(); ++i) {
      const Part& part = expected.parts[static_cast<std::size_t>(i)];
      const QJsonObject line = lines[i].toObject();
      EXPECT_EQ(line["orderingNumber"].toString(), part.number);
      EXPECT_EQ(line["quantity"].toInt(), part.quantity);
      EXPECT_NEAR(line["amount"].toDouble(), part.quantity * part.price, 0.005) << part.number;
      EXPECT_EQ(line["description"].toString(), QString::fromUtf8(part.*description));
    }
    const double net = listTotal(expected) - listDiscount(expected);
    EXPECT_NEAR(position["total"].toDouble(), listTotal(expected), 0.005) << n;
    EXPECT_NEAR(position["discount"].toDouble(), listDiscount(expected), 0.005) << n;
    EXPECT_NEAR(position["unitNet"].toDouble(), net, 0.0051) << n;  // to the cent
    EXPECT_NEAR(position["lineNet"].toDouble(), net * expected.quantity, 0.0051) << n;
    total += listTotal(expected) * expected.quantity;
    discount += listDiscount(expected) * expected.quantity;
  }
  // 3151.40 + 2 x 3904.40 + 3 x 2768.90
  EXPECT_NEAR(quote["total"].toDouble(), 19266.9, 0.005);
  EXPECT_NEAR(quote["total"].toDouble(), total, 0.005);
  EXPECT_NEAR(quote["discount"].toDouble(), discount, 0.005);
  EXPECT_NEAR(quote["net"].toDouble(), total - discount, 0.005);
}

const QString kProgram = QStringLiteral(TELMARIS_PROGRAM_DIR);

}  // namespace

TEST(QuoteCommandLine, JsonOfAQuoteInItsLanguageAndAnother) {
  QTemporaryDir dir;
  const QString file = writeQuoteFileTo(dir, "kessler.telmaris", kesslerQuote());
  const Ran german = telmaris({"--dir", kProgram, "--date", "2026-12-09", "--json", file});
  ASSERT_EQ(german.status, 0) << german.err.toStdString();
  const QJsonObject quote = json(german);
  expectKesslerJson(quote, &Part::german);
  const QJsonObject header = quote["quote"].toObject();
  EXPECT_EQ(header["language"].toString(), "de");
  EXPECT_EQ(header["company"].toString(), "Maschinenbau Kessler GmbH");
  EXPECT_EQ(header["customerReference"].toString(), "Anfrage 2026/118");
  EXPECT_EQ(header["number"].toString(), "");  // --json never numbers
  EXPECT_TRUE(header["date"].isNull());
  EXPECT_EQ(header["validUntil"].toString(), "2027-01-23");  // 45 days from the --date
  EXPECT_EQ(quote["positions"].toArray()[1].toObject()["note"].toString(),
            "Für die Lackiererei, Zone 1");
  EXPECT_EQ(quote["positions"].toArray()[2].toObject()["model"].toString(), "PXH 250 EX");

  const Ran french = telmaris({"--dir", kProgram, "--language", "fr", "--json", file});
  ASSERT_EQ(french.status, 0) << french.err.toStdString();
  expectKesslerJson(json(french), &Part::french);
  EXPECT_EQ(json(french)["quote"].toObject()["language"].toString(), "fr");

  // --list: the header, each position under its own line, the quote's totals.
  const Ran list = telmaris({"--dir", kProgram, "--date", "2026-12-09", "--list", file});
  ASSERT_EQ(list.status, 0) << list.err.toStdString();
  // The labels of the German translation file; no number and no date before the quote is issued.
  EXPECT_TRUE(
      list.out.startsWith("Angebot\nGültig bis: 2027-01-23\nKunde: Maschinenbau Kessler "
                          "GmbH\nAnsprechpartner: Frau Dr. Ines Kessler\n  Hafenstraße 12\n"))
      << list.out.toStdString();
  EXPECT_TRUE(list.out.contains("\nSprache: de\n")) << list.out.toStdString();
  EXPECT_TRUE(list.out.contains("\nPosition 1: 1 × PXH 250 EX\n")) << list.out.toStdString();
  EXPECT_TRUE(list.out.contains("\nPosition 2: 2 × PXH 250L EX\n"));
  EXPECT_TRUE(list.out.contains("\nPosition 3: 3 × PXH 250 EX\n"));
  EXPECT_TRUE(list.out.contains("   7 m    7302 4410 02    258.3  Lastkette 7 mm verzinkt, je m"))
      << list.out.toStdString();
  // 19266.9 less 2 x 390.44 + 3 x 138.445 = 1196.215 of discounts.
  EXPECT_TRUE(list.out.contains("19266.9\n")) << list.out.toStdString();
  EXPECT_TRUE(list.out.contains("1196.2\n")) << list.out.toStdString();
  EXPECT_TRUE(list.out.contains("18070.7\n")) << list.out.toStdString();
  EXPECT_TRUE(list.err.isEmpty()) << list.err.toStdString();
}

// A US Imperial quote lists its lengths in feet with the US descriptions, prints in English only,
// and a quote of hoists of two markets is refused naming the position.
TEST(QuoteCommandLine, AUsImperialQuoteAndItsLanguages) {
  QTemporaryDir dir;
  Quote us;
  us.madeAsQuote = true;
  us.header.company = QStringLiteral("Gulf Coast Rigging LLC");
  us.positions = {{usImperial1000(), 2, {}}};
  const QString file = writeQuoteFileTo(dir, "us.telmaris", us);
  for (const QStringList& language : {QStringList{}, QStringList{"--language", "en"}}) {
    const Ran ran =
        telmaris(QStringList{"--dir", kProgram} + language + QStringList{"--json", file});
    ASSERT_EQ(ran.status, 0) << ran.err.toStdString();
    const QJsonObject quote = json(ran);
    EXPECT_EQ(quote["quote"].toObject()["language"].toString(), "en");
    const QJsonObject position = quote["positions"].toArray()[0].toObject();
    const QJsonArray lines = position["lines"].toArray();
    ASSERT_EQ(lines.size(), 8);
    // 20 ft of lift take 13 m (43 ft) of load chain at 36.90; 9.8 ft of hose, 3 m at 12.80.
    EXPECT_EQ(lines[0].toObject()["description"].toString(),
              "PXH 1000 EX air hoist 2200 lb, 2 falls");
    EXPECT_EQ(lines[1].toObject()["quantity"].toInt(), 13);
    EXPECT_EQ(lines[1].toObject()["feet"].toInt(), 43);
    EXPECT_EQ(lines[1].toObject()["description"].toString(),
              "Load chain 9/32 in, zinc plated, per m");
    EXPECT_EQ(lines[3].toObject()["feet"].toInt(), 10);
    EXPECT_EQ(lines[4].toObject()["description"].toString(),
              "Chain container 9/32 in, up to 59 ft");
    // 3520.00 + 13 x 36.90 + 298.00 + 3 x 12.80 + 172.00 + 26.50 + 104.00 + 85.00
    const double unit = 3520.00 + 13 * 36.90 + 298.00 + 3 * 12.80 + 172.00 + 26.50 + 104.00 + 85.00;
    EXPECT_NEAR(position["unitNet"].toDouble(), unit, 0.005);
    EXPECT_NEAR(position["lineNet"].toDouble(), 2 * unit, 0.005);
    EXPECT_NEAR(quote["net"].toDouble(), 2 * unit, 0.005);
  }
  const Ran german = telmaris({"--dir", kProgram, "--language", "de", "--json", file});
  EXPECT_EQ(german.status, 2);
  EXPECT_TRUE(german.err.contains("en")) << german.err.toStdString();
  EXPECT_FALSE(german.err.contains("fr")) << german.err.toStdString();
  EXPECT_TRUE(german.out.isEmpty());

  Quote mixed = us;
  mixed.positions.push_back({european250(), 1, {}});
  const QString mixedFile = writeQuoteFileTo(dir, "mixed.telmaris", mixed);
  const Ran refused = telmaris({"--dir", kProgram, "--list", mixedFile});
  EXPECT_EQ(refused.status, 3);
  EXPECT_TRUE(refused.err.contains("2")) << refused.err.toStdString();
  EXPECT_TRUE(refused.out.isEmpty());
}

// A saved configuration is listed exactly as before quotes: its file is a quote of one position
// only to the program.
TEST(QuoteCommandLine, AConfigurationIsListedAsBefore) {
  const QString english = QStringLiteral(TELMARIS_SOURCE_DIR "/examples/english-european.telmaris");
  const Ran list = telmaris({"--dir", kProgram, "--list", english});
  ASSERT_EQ(list.status, 0) << list.err.toStdString();
  // The lines of examples_test.cpp's English list: 2475.00, 5 x 36.90, 6 x 8.90, 412.00, 26.50.
  EXPECT_EQ(list.out,
            " Ordering list\n"
            "\n"
            "   1      8420 0250 00   2475.0  PXH 250 EX air hoist 250 kg, 1 fall     \n"
            "                                 ATEX marking: Ex II 2G T5 II B D100°C\n"
            "   5 m    7302 4410 02    184.5  Load chain 7 mm, zinc plated, per m     \n"
            "   6 m    7302 4430 05     53.4  Pull chain 5 mm, per m                  \n"
            "\n"
            "\n"
            "   1      7302 4710 03    412.0  Overload protection device, PXH 250     \n"
            "   1      7302 4730 07     26.5  Chain stop 7 mm                         \n"
            " ______________________________________________________________________________"
            "____\n"
            " Price                   3151.4\n");
  const Ran asJson = telmaris({"--dir", kProgram, "--json", english});
  ASSERT_EQ(asJson.status, 0);
  const QJsonObject object = json(asJson);
  EXPECT_EQ(object.keys(), QStringList({"discount", "lines", "net", "total"}));
  EXPECT_NEAR(object["total"].toDouble(), 3151.4, 0.005);
  EXPECT_EQ(object["lines"].toArray().size(), 5);
}

// --pdf and --xlsx give a quote its number once and write it into the file; a configuration gets
// none. An issued quote prints as issued after a price import, and --reprice names what changed.
TEST(QuoteCommandLine, IssuedQuotesKeepTheirNumberAndTheirPrices) {
  TestProgramDirectory program(TestProgramDirectory::Built{});
  QTemporaryDir dir;
  // Before the first quote the register is not there, and looking at it does not make it.
  const Ran empty = telmaris({"--dir", program.path(), "--quotes"});
  EXPECT_EQ(empty.status, 0);
  EXPECT_EQ(empty.out, "The register holds no quote yet.\n");
  EXPECT_EQ(telmaris({"--dir", program.path(), "--reprice", "Q-2026-0001"}).status, 3);
  EXPECT_FALSE(QFile::exists(program.directory().quoteRegister()));

  const QString file = writeQuoteFileTo(dir, "kessler.telmaris", kesslerQuote());
  const QString pdf = dir.filePath("kessler.pdf");
  const Ran printed =
      telmaris({"--dir", program.path(), "--date", "2026-12-09", "--pdf", pdf, file});
  ASSERT_EQ(printed.status, 0) << printed.err.toStdString();
  EXPECT_EQ(pdfPageCount(pdf), 4);
  const Result<Quote> numbered = readQuoteFile(file);
  ASSERT_TRUE(numbered);
  const QString number = numbered->header.number;
  EXPECT_EQ(number, "Q-2026-0001");
  EXPECT_EQ(numbered->header.date, QDate(2026, 12, 9));
  EXPECT_EQ(numbered->language, VariantId::German);
  EXPECT_EQ(numbered->positions, parseQuote(writeQuote(kesslerQuote()))->positions);
  EXPECT_TRUE(pdfWords(pdf, 2).size() > 0);
  bool onEveryPage = true;
  for (int page = 1; page <= 4; ++page) {
    bool found = false;
    for (const PdfWord& w : pdfWords(pdf, page)) found = found || w.text == number;
    onEveryPage = onEveryPage && found;
  }
  EXPECT_TRUE(onEveryPage);

  // Printed again, and as a workbook: the same number, a file left as it is.
  QFile saved(file);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QByteArray bytes = saved.readAll();
  saved.close();
  EXPECT_EQ(telmaris({"--dir", program.path(), "--date", "2026-12-10", "--pdf", pdf, file}).status,
            0);
  EXPECT_EQ(
      telmaris({"--dir", program.path(), "--xlsx", dir.filePath("kessler.xlsx"), file}).status, 0);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll(), bytes);
  saved.close();
  const Ran listed = telmaris({"--dir", program.path(), "--quotes"});
  ASSERT_EQ(listed.status, 0) << listed.err.toStdString();
  EXPECT_EQ(listed.out.count('\n'), 1) << listed.out.toStdString();
  EXPECT_TRUE(listed.out.startsWith(number)) << listed.out.toStdString();
  for (const char* expected : {"2026-12-09", "Maschinenbau Kessler GmbH", "Anfrage 2026/118",
                               "M. Lindqvist", "  de  ", "18070.7"})
    EXPECT_TRUE(listed.out.contains(QString::fromUtf8(expected))) << expected;
  EXPECT_EQ(telmaris({"--dir", program.path(), "--quotes", "kessler"}).out, listed.out);

  // A configuration prints and exports without a number, and its file stays as it was.
  const QString english = QStringLiteral(TELMARIS_SOURCE_DIR "/examples/english-european.telmaris");
  const QString copy = dir.filePath("english.telmaris");
  ASSERT_TRUE(QFile::copy(english, copy));
  EXPECT_EQ(telmaris({"--dir", program.path(), "--pdf", dir.filePath("e.pdf"), copy}).status, 0);
  EXPECT_EQ(pdfPageCount(dir.filePath("e.pdf")), 1);
  QFile original(english), copied(copy);
  ASSERT_TRUE(original.open(QIODevice::ReadOnly) && copied.open(QIODevice::ReadOnly));
  EXPECT_EQ(copied.readAll(), original.readAll());
  EXPECT_EQ(telmaris({"--dir", program.path(), "--quotes"}).out, listed.out);

  // A new price list: the one of the program directory with the hoist of positions 1 and 3 at
  // 2600.00 instead of 2475.00.
  PartsData data;
  loadPartsDatabase(program.database(), QString(), data);
  const QString prices = dir.filePath("prices.dat");
  QFile list(prices);
  ASSERT_TRUE(list.open(QIODevice::WriteOnly));
  for (int part = 1; part <= 130; ++part) {
    if (data.PartNumber[part].isEmpty() || !data.PartPrice[part]) continue;
    const double price = data.PartNumber[part] == "8420 0250 00" ? 2600.00 : *data.PartPrice[part];
    list.write(
        QStringLiteral("\"%1\",%2\n").arg(data.PartNumber[part]).arg(price, 0, 'f', 2).toUtf8());
  }
  list.close();
  ASSERT_EQ(telmaris({"--dir", program.path(), "--import-prices", prices}).status, 0);

  const QString issued = dir.filePath("issued.pdf");
  const Ran again = telmaris({"--dir", program.path(), "--quote", number, "--pdf", issued});
  ASSERT_EQ(again.status, 0) << again.err.toStdString();
  ASSERT_EQ(pdfPageCount(issued), 4);
  QStringList summary;
  for (const PdfWord& w : pdfWords(issued, 1)) summary << w.text;
  // Position 1 as issued, 3151.4, not 3276.4; the issue date.
  EXPECT_TRUE(summary.contains("3151.4")) << summary.join(' ').toStdString();
  EXPECT_FALSE(summary.contains("3276.4"));
  EXPECT_TRUE(summary.contains("2026-12-09"));
  QStringList page2;
  for (const PdfWord& w : pdfWords(issued, 2)) page2 << w.text;
  EXPECT_TRUE(page2.contains("2475.0")) << page2.join(' ').toStdString();

  const Ran repriced = telmaris({"--dir", program.path(), "--reprice", number});
  ASSERT_EQ(repriced.status, 0) << repriced.err.toStdString();
  EXPECT_TRUE(repriced.out.contains(number)) << repriced.out.toStdString();
  EXPECT_TRUE(repriced.out.contains("8420 0250 00")) << repriced.out.toStdString();
  EXPECT_EQ(repriced.out.count("8420 0250 00"), 2) << repriced.out.toStdString();
  EXPECT_EQ(repriced.out.count("2475.00 -> 2600.00"), 2) << repriced.out.toStdString();
  // The other parts and position 2 kept their prices.
  EXPECT_FALSE(repriced.out.contains("8420 0250 10")) << repriced.out.toStdString();
  EXPECT_FALSE(repriced.out.contains("7302 4410 02")) << repriced.out.toStdString();

  // A quote issued and repriced at once changes nothing, though a part (the pull chain of the
  // hoist and of the motor trolley) stands on two of its lines.
  Quote trolley;
  trolley.madeAsQuote = true;
  trolley.positions = {{european2500MotorTrolley(), 1, {}}};
  const QString trolleyFile = writeQuoteFileTo(dir, "trolley.telmaris", trolley);
  ASSERT_EQ(telmaris({"--dir", program.path(), "--date", "2026-12-11", "--xlsx",
                      dir.filePath("t.xlsx"), trolleyFile})
                .status,
            0);
  const Result<Quote> trolleyIssued = readQuoteFile(trolleyFile);
  ASSERT_TRUE(trolleyIssued);
  EXPECT_EQ(trolleyIssued->header.number, "Q-2026-0002");
  const Ran unchanged =
      telmaris({"--dir", program.path(), "--reprice", trolleyIssued->header.number});
  EXPECT_EQ(unchanged.out, "Quote Q-2026-0002: no amount differs from today's prices.\n");

  // A number the register does not have.
  for (const QStringList& command : {QStringList{"--quote", "Q-2026-0099", "--pdf", issued},
                                     QStringList{"--reprice", "Q-2026-0099"}}) {
    const Ran unknown = telmaris(QStringList{"--dir", program.path()} + command);
    EXPECT_EQ(unknown.status, 3) << command.join(' ').toStdString();
    EXPECT_TRUE(unknown.err.contains("Q-2026-0099")) << unknown.err.toStdString();
  }
}

TEST(QuoteCommandLine, ReadsTheQuoteOptions) {
  const CommandLine issued = parseCommandLine({"--pdf", "out.pdf", "--quote", "Q-2026-0001"});
  EXPECT_EQ(issued.quoteNumber, "Q-2026-0001");
  EXPECT_TRUE(issued.file.isEmpty());
  for (const QStringList& wrong :
       {QStringList{"--pdf", "out.pdf"}, QStringList{"--quote", "Q", "--list", "f"},
        QStringList{"--quote", "Q", "--pdf", "o", "f"}, QStringList{"--reprice"},
        QStringList{"--language", "fr", "--quotes"},
        QStringList{"--language", "fr", "--quote", "Q", "--pdf", "o"},
        QStringList{"--unissued", "--list", "f"},
        QStringList{"--unissued", "--quote", "Q", "--pdf", "o"},
        QStringList{"--listen", "127.0.0.1:1", "--list", "f"},
        QStringList{"--serve", "--threads", "0"}, QStringList{"--serve", "--request-timeout", "x"},
        QStringList{"--serve", "--list", "f"}})
    EXPECT_EQ(parseCommandLine(wrong).kind, CommandLine::Kind::Usage)
        << wrong.join(' ').toStdString();
  const CommandLine serve = parseCommandLine(
      {"--dir", "d", "--serve", "--listen", "[::1]:9000", "--threads", "4", "--tokens", "t"});
  EXPECT_EQ(serve.kind, CommandLine::Kind::Serve);
  EXPECT_EQ(serve.listen, "[::1]:9000");
  EXPECT_EQ(serve.threads, 4);
  EXPECT_EQ(serve.tokens, "t");
  const Ran help = telmaris({"--help"});
  for (const char* option : {"--language CODE", "--quote NUMBER --pdf OUT", "--quotes [TEXT]",
                             "--reprice NUMBER", "--unissued", "--serve"})
    EXPECT_TRUE(help.out.contains(option)) << option;
}

TEST(QuoteCommandLine, ABadQuoteFileIsNamedAndNothingIsWritten) {
  TestProgramDirectory program(TestProgramDirectory::Built{});
  QTemporaryDir dir;
  QString good = QString::fromUtf8(writeQuote(kesslerQuote()));
  const auto broken = [&](const QString& from, const QString& to) {
    QString text = good;
    text.replace(text.indexOf(from), from.size(), to);  // the first position only
    QFile f(dir.filePath("bad.telmaris"));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text.toUtf8());
    return f.fileName();
  };
  const struct {
    QString from, to;
    const char* named;
  } cases[] = {
      {"\"quantity\": 1", "\"quantity\": 0", "positions[1].quantity"},
      {"\"quantity\": 1", "\"quantity\": -1", "positions[1].quantity"},
      {"\"quantity\": 1", "\"quantity\": 1, \"colour\": \"red\"", "positions[1].colour"},
      {"\"company\": \"", "\"company\": \"" + QString(10000, 'x'), "header.company"},
  };
  for (const auto& c : cases) {
    const QString file = broken(c.from, c.to);
    const QByteArray before = [&] {
      QFile f(file);
      f.open(QIODevice::ReadOnly);
      return f.readAll();
    }();
    const QString pdf = dir.filePath("bad.pdf");
    const Ran ran = telmaris({"--dir", program.path(), "--pdf", pdf, file});
    EXPECT_EQ(ran.status, 3) << c.named;
    EXPECT_TRUE(ran.err.startsWith(file + ": ") && ran.err.contains(c.named))
        << ran.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_FALSE(QFile::exists(program.directory().quoteRegister()));
    QFile after(file);
    after.open(QIODevice::ReadOnly);
    EXPECT_EQ(after.readAll(), before);
  }
}

// --unissued prints a quote as it stands: its own number or none, no register, and its file as
// it was, which is how the quote service has its documents printed.
TEST(QuoteCommandLine, AnUnissuedDocumentNumbersNothingAndWritesOnlyItsPdf) {
  TestProgramDirectory program(TestProgramDirectory::Built{});
  QTemporaryDir dir;
  Quote quote = kesslerQuote();
  quote.header.number = QStringLiteral("D-4711");
  const QString file = writeQuoteFileTo(dir, "dealer.telmaris", quote);
  const QByteArray before = writeQuote(quote);
  const QString pdf = dir.filePath("dealer.pdf");
  const Ran ran = telmaris({"--dir", program.path(), "--unissued", "--pdf", pdf, file});
  ASSERT_EQ(ran.status, 0) << ran.err.toStdString();
  bool numbered = false;
  for (const PdfWord& w : pdfWords(pdf, 1)) numbered |= w.text == "D-4711";
  EXPECT_TRUE(numbered);
  EXPECT_FALSE(QFile::exists(program.directory().quoteRegister()));
  QFile after(file);
  after.open(QIODevice::ReadOnly);
  EXPECT_EQ(after.readAll(), before);
}
