// The saved configurations of examples/, listed by the program from the command line: every one
// is listed, and the lists of four are worked out here from the file's answers, the prices of the
// shipped parts list and the variant's texts.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <cmath>
#include <vector>

#include "support/test_database.h"

namespace {

// Texts 61, 120, 62, 63 and 64 of texts.sql by column.
struct Texts {
  const char *heading, *marking, *total, *discount, *net;
};
const Texts kEnglish{"Ordering list", "ATEX marking:", "Price", "Discount",
                     "Net price"};  // strEngelska and strImperial alike
const Texts kFrench{"Liste de commande", "Marquage ATEX :", "Prix", "Remise", "Prix net"};
const Texts kItalian{"Lista d'ordine", "Marcatura ATEX:", "Prezzo", "Sconto", "Prezzo netto"};
const Texts kGerman{"Bestellliste", "ATEX-Kennzeichnung:", "Preis", "Rabatt", "Nettopreis"};

// A part line: quantity, 'm' for the parts sold by the metre, and the part as
// resources/database/parts.sql has it: ordering number, list price (per piece or per metre) and
// the variant's description.
struct Line {
  int quantity;
  char unit;
  const char* number;
  double price;
  const char* description;
};

// An example's list in its three groups, an empty line after each of the first two: the hoist
// with its chain and hoist control, the trolley with its control, and the accessories.
struct Example {
  const char* file;
  Texts texts;
  bool imperial;
  int discountPercent;
  std::vector<Line> hoist, trolley, accessories;
};

QString blanks(int n) {
  return QString(n, u' ');
}

// Tenths of a currency unit as the list shows them: one decimal, a period (the tests run in the C
// locale), right-aligned in eight characters.
QString amountField(long long tenths) {
  return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10).rightJustified(8);
}

// The list line by line as `--list` writes it: one blank of indent, the quantity, the ordering
// number, the amount (price x quantity, in cents so that the figures add up exactly, rounded half
// up to tenths) and the description in a field of 40 characters. The explosion-protection marking
// stands under the hoist's description; then the rule, the total and, with a discount, the
// discount and the net amount. US Imperial shows the lengths in feet as well, and the columns
// stand six characters further right.
QStringList expectedList(const Example& x) {
  const int wider = x.imperial ? 6 : 0;
  QStringList lines{" " + QString::fromUtf8(x.texts.heading), ""};
  long long totalCents = 0;
  for (const std::vector<Line>* group : {&x.hoist, &x.trolley, &x.accessories}) {
    for (const Line& l : *group) {
      QString quantity;
      if (l.unit != 'm') {
        quantity = QString::number(l.quantity).rightJustified(3) + blanks(6 + wider);
      } else {
        quantity = (QString::number(l.quantity) + " m").rightJustified(5);
        const long feet = std::lround(l.quantity / 0.3048);
        quantity += x.imperial ? " (" + (QString::number(feet) + " ft").rightJustified(6) + ") "
                               : blanks(4);
      }
      const long long cents = std::llround(l.price * 100) * l.quantity;
      totalCents += cents;
      lines << " " + quantity + l.number + " " + amountField((cents + 5) / 10) + blanks(2) +
                   QString::fromUtf8(l.description).leftJustified(40);
      if (&l == &x.hoist.front())
        lines << blanks(33 + wider) + QString::fromUtf8(x.texts.marking) +
                     " Ex II 2G T5 II B D100\u00B0C";
    }
    if (group != &x.accessories) lines << QString();
  }
  lines << " " + QString(82, u'_');
  auto total = [&](const char* label, long long tenths) {
    lines << " " + QString::fromUtf8(label).leftJustified(22 + wider) + amountField(tenths);
  };
  total(x.texts.total, (totalCents + 5) / 10);
  if (x.discountPercent > 0) {
    // The discount in hundredths of a cent, rounded half up to tenths of a unit.
    total(x.texts.discount, (totalCents * x.discountPercent + 500) / 1000);
    total(x.texts.net, (totalCents * (100 - x.discountPercent) + 500) / 1000);
  }
  return lines;
}

// The expected lists. Beside each part: "part N" is the record of tblDetaljPr,
// "row R: N" the row of the part matrix whose cell in the model's column names part N. Chain
// lengths: integer part of (falls x lift height + allowance - 0.01) + 1; pull chain 2 x control
// length, trolley pull chain 2 x control length + 1, control hoses one control length.
const Example kExamples[] = {
    // PXH 2500 EX (5, 5): 6 m, 1 fall, 0.6 m: int(6.59) + 1 = 7 m; 2-button control with 4 m of
    // hose; motor trolley, narrow, with the 2-button trolley control and 4 m of its hose; the
    // overload protection is built in (nothing listed); chain collector for 7 m of a heavy model
    // (row 23), chain stop, assembly.
    {"francais-2500-chariot-motorise.telmaris",
     kFrench,
     false,
     0,
     {{1, 0, "8420 2500 00", 6480.00, "PXH 2500 EX palan pneumatique 2500 kg"},    // part 5
      {7, 'm', "7302 4420 02", 73.50, "Chaîne de charge 10 mm zinguée, au m"},     // 40: 14
      {1, 0, "7302 4510 22", 342.00, "Boîte à 2 boutons, PXH 1250-5000"},          // 13: 18
      {4, 'm', "7302 4520 26", 12.80, "Tuyau de commande 2 x 6 mm, au m"}},        // 14: 19
     {{1, 0, "7310 2501 01", 4290.00, "PXK 2500M chariot motorisé, étroit"},       // 43: 60
      {1, 0, "7302 4510 61", 286.00, "Boîte à 2 boutons pour chariot motorisé"},   // 9: 23
      {4, 'm', "7302 4520 28", 15.20, "Tuyau de commande 2 x 8 mm, au m"}},        // row 10: 25
     {{1, 0, "7302 4620 07", 198.00, "Bac à chaîne 10 mm, jusqu'à 7 m"},           // row 23: 39
      {1, 0, "7302 4730 10", 44.00, "Butée de chaîne 10 mm"},                      // row 30: 51
      {1, 0, "7302 4790 02", 140.00, "Montage des accessoires, PXH 1250-5000"}}},  // 39: 53

    // PXH 5000 EX (6, 6): 12 m, 2 falls, 0.9 m: int(24.89) + 1 = 25 m, too long for the
    // collector (a note, the walk goes on); pull chain 2 x 11 = 22 m; motor trolley, wide, with
    // the trolley pull chain 2 x 11 + 1 = 23 m; chain stop, assembly; 12 % discount.
    {"italiano-5000-sconto.telmaris",
     kItalian,
     false,
     12,
     {{1, 0, "8420 5000 00", 10240.00, "PXH 5000 EX paranco pneumatico 5000 kg"},  // part 6
      {25, 'm', "7302 4420 02", 73.50, "Catena di carico 10 mm zincata, al m"},    // 40: 14
      {22, 'm', "7302 4430 06", 11.40, "Catena di comando 6 mm, al m"}},           // 7: 16
     {{1, 0, "7310 5001 02", 7680.00, "PXK 5000M carrello a motore, largo"},       // 44: 66
      {23, 'm', "7302 4430 06", 11.40, "Catena di comando 6 mm, al m"}},           // 7: 16
     {{1, 0, "7302 4730 10", 44.00, "Fermo catena 10 mm"},                         // 30: 51
      {1, 0, "7302 4790 02", 140.00, "Montaggio accessori, PXH 1250-5000"}}},      // 39: 53

    // US Imperial, PXH 1000 EX (13, hoist column 10): 20 ft = 6.096 m, 2 falls:
    // int(12.682) + 1 = 13 m; control 9.8 ft, a whole-metre value: 10 ft, 3 m; 2-button control
    // with 3 m of hose; no trolley; the overload protection is built in; chain collector for
    // 13 m (row 26), chain stop, safety hook, assembly.
    {"us-imperial-1000.telmaris",
     kEnglish,
     true,
     0,
     {{1, 0, "8420 1000 00", 3520.00, "PXH 1000 EX air hoist 2200 lb, 2 falls"},   // part 10
      {13, 'm', "7302 4410 02", 36.90, "Load chain 9/32 in, zinc plated, per m"},  // 40: 12
      {1, 0, "7302 4510 21", 298.00, "2-button pendant, PXH 250-1000"},            // 13: 17
      {3, 'm', "7302 4520 26", 12.80, "Control hose 2 x 1/4 in, per m"}},          // 14: 19
     {},
     {{1, 0, "7302 4610 18", 172.00, "Chain container 9/32 in, up to 59 ft"},  // 26: 37
      {1, 0, "7302 4730 07", 26.50, "Chain stop 9/32 in"},                     // 30: 50
      {1, 0, "7302 4720 10", 104.00, "Safety hook, PXH 980/1000"},             // 29: 49
      {1, 0, "7302 4790 01", 85.00, "Accessory assembly, PXH 250-1000"}}},     // 39: 52

    // Lube-free PXH 250L EX (2, hoist column 29: part 102): 4 m: 5 m of chain; 2-button control
    // with 3 m of hose; no trolley; overload protection, chain collector for 5 m (row 24), chain
    // stop, safety hook; 10 % discount.
    {"deutsch-250-schmierfrei-rabatt.telmaris",
     kGerman,
     false,
     10,
     {{1, 0, "8420 0250 10", 2775.00, "PXH 250L EX Druckluft-Kettenzug 250 kg"},  // part 102
      {5, 'm', "7302 4410 02", 36.90, "Lastkette 7 mm verzinkt, je m"},           // 40: 12
      {1, 0, "7302 4510 21", 298.00, "Steuerschalter 2 Tasten, PXH 200-1000"},    // 13: 17
      {3, 'm', "7302 4520 26", 12.80, "Steuerschlauch 2 x 6 mm, je m"}},          // 14: 19
     {},
     {{1, 0, "7302 4710 03", 412.00, "Überlastsicherung, PXH 250"},      // row 28: 43
      {1, 0, "7302 4610 07", 112.00, "Kettenspeicher 7 mm, bis 7 m"},    // row 24: 35
      {1, 0, "7302 4730 07", 26.50, "Kettenanschlag 7 mm"},              // row 30: 50
      {1, 0, "7302 4720 03", 58.00, "Sicherheitshaken, PXH 200/250"}}},  // row 29: 47
};

struct Listed {
  int status;
  QStringList lines;
  QString err;
};

Listed listOf(const QString& programDirectory, const QString& file) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(TELMARIS_EXECUTABLE),
                {QStringLiteral("--dir"), programDirectory, QStringLiteral("--list"), file});
  if (!process.waitForFinished(60000)) process.kill();
  QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();  // after the last line
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, lines,
          QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

TEST(Examples, EveryExampleListsItsParts) {
  const TestProgramDirectory directory(TestProgramDirectory::Built{});
  const QDir examples(QStringLiteral(TELMARIS_SOURCE_DIR "/examples"));
  const QStringList files = examples.entryList(QDir::Files, QDir::Name);
  ASSERT_EQ(files.size(), 8);
  int worked = 0;
  for (const QString& file : files) {
    SCOPED_TRACE(file.toStdString());
    const Listed run = listOf(directory.path(), examples.filePath(file));
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    for (const Example& x : kExamples) {
      if (file != QLatin1String(x.file)) continue;
      ++worked;
      EXPECT_EQ(run.lines, expectedList(x));
    }
  }
  EXPECT_EQ(worked, 4);
}
