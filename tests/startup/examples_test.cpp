// The saved configurations of examples/, listed by the program from the command line: each list
// is worked out here from the file's answers, the prices of the shipped parts list and the
// variant's texts.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <cmath>
#include <functional>
#include <map>

#include "support/test_database.h"

namespace {

// A part as resources/database/parts.sql has it: ordering number and list price (per piece, or
// per metre for the parts sold by length).
struct Part {
  const char* number;
  double price;
};

QString blanks(int n) {
  return QString(n, u' ');
}

// Tenths of a currency unit as the list shows them: one decimal, a period (the tests run in the C
// locale), right-aligned in eight characters.
QString amountField(long long tenths) {
  return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10).rightJustified(8);
}

// Half away from zero, from hundredths to tenths.
long long centsToTenths(long long cents) {
  return (cents + 5) / 10;
}

// The list of one configuration, line by line as `--list` writes it: one blank of indent, the
// quantity, the ordering number, the amount and the description in a field of 40 characters.
class ExpectedList {
 public:
  struct Texts {
    QString heading, marking, total, discount, net;  // texts 61, 120, 62, 63, 64
  };

  ExpectedList(const Texts& texts, bool imperial) : texts_(texts), imperial_(imperial) {
    lines_ << QStringLiteral(" ") + texts.heading << QString();
  }

  // The hoist and the explosion-protection marking under the description column.
  ExpectedList& hoist(const Part& part, const QString& description) {
    pieces(1, part, description);
    lines_ << blanks(1 + (imperial_ ? 38 : 32)) + texts_.marking +
                  QStringLiteral(" Ex II 2G T5 II B D100\u00B0C");
    return *this;
  }

  ExpectedList& pieces(int count, const Part& part, const QString& description) {
    const QString quantity = QString::number(count).rightJustified(3);
    return partLine(count, quantity + blanks(imperial_ ? 12 : 6), part, description);
  }

  ExpectedList& metres(int length, const Part& part, const QString& description) {
    QString quantity = (QString::number(length) + QStringLiteral(" m")).rightJustified(5);
    if (imperial_) {
      const long feet = std::lround(length / 0.3048);
      quantity += QStringLiteral(" (") +
                  (QString::number(feet) + QStringLiteral(" ft")).rightJustified(6) +
                  QStringLiteral(") ");
    } else {
      quantity += blanks(4);
    }
    return partLine(length, quantity, part, description);
  }

  ExpectedList& blank() {
    lines_ << QString();
    return *this;
  }

  // The rule, the total and, with a discount, the discount and the net amount.
  QStringList finish(int discountPercent = 0) {
    lines_ << QStringLiteral(" ") + QString(82, u'_');
    totalLine(texts_.total, centsToTenths(totalCents_));
    if (discountPercent > 0) {
      // The discount in hundredths of a cent, rounded half up to tenths of a unit.
      totalLine(texts_.discount, (totalCents_ * discountPercent + 500) / 1000);
      totalLine(texts_.net, (totalCents_ * (100 - discountPercent) + 500) / 1000);
    }
    return lines_;
  }

 private:
  ExpectedList& partLine(int quantity, const QString& quantityField, const Part& part,
                         const QString& description) {
    // price x quantity, in cents so that the figures add up exactly.
    const long long cents = std::llround(part.price * 100) * quantity;
    totalCents_ += cents;
    lines_ << QStringLiteral(" ") + quantityField + QLatin1String(part.number) +
                  QStringLiteral(" ") + amountField(centsToTenths(cents)) + blanks(2) +
                  description.leftJustified(40);
    return *this;
  }

  void totalLine(const QString& label, long long tenths) {
    lines_ << QStringLiteral(" ") + label + blanks(22 - int(label.size())) +
                  blanks(imperial_ ? 6 : 0) + amountField(tenths);
  }

  Texts texts_;
  bool imperial_;
  long long totalCents_ = 0;
  QStringList lines_;
};

// Texts 61, 120, 62, 63 and 64 of texts.sql by column.
const ExpectedList::Texts kEnglish{"Ordering list", "ATEX marking:", "Price", "Discount",
                                   "Net price"};  // strEngelska and strImperial alike
const ExpectedList::Texts kFrench{"Liste de commande", "Marquage ATEX :", "Prix", "Remise",
                                  "Prix net"};
const ExpectedList::Texts kSpanish{"Lista de pedido", "Marcado ATEX:", "Precio", "Descuento",
                                   "Precio neto"};
const ExpectedList::Texts kPortuguese{"Lista de encomenda", "Marcação ATEX:", "Preço", "Desconto",
                                      "Preço líquido"};
const ExpectedList::Texts kItalian{"Lista d'ordine", "Marcatura ATEX:", "Prezzo", "Sconto",
                                   "Prezzo netto"};
const ExpectedList::Texts kGerman{"Bestellliste", "ATEX-Kennzeichnung:", "Preis", "Rabatt",
                                  "Nettopreis"};

// The expected list of every example, by file name. Beside each part: "part N" is the record of
// tblDetaljPr, "row R: N" the row of the part matrix whose cell in the model's column names
// part N. Chain lengths: integer part of (falls x lift height + allowance - 0.01) + 1; pull
// chain 2 x control length, trolley pull chain 2 x control length + 1, control hoses one
// control length.
std::map<QString, std::function<QStringList()>> expectedLists() {
  std::map<QString, std::function<QStringList()>> lists;

  // PXH 250 EX (columns 2, 2): 4 m, 1 fall: chain int(4.49) + 1 = 5 m; control 3 m: pull chain
  // 6 m; no trolley; overload protection and chain stop.
  lists["english-european.telmaris"] = [] {
    return ExpectedList(kEnglish, false)
        .hoist({"8420 0250 00", 2475.00}, "PXH 250 EX air hoist 250 kg, 1 fall")    // part 2
        .metres(5, {"7302 4410 02", 36.90}, "Load chain 7 mm, zinc plated, per m")  // row 40: 12
        .metres(6, {"7302 4430 05", 8.90}, "Pull chain 5 mm, per m")                // row 7: 15
        .blank()
        .blank()
        .pieces(1, {"7302 4710 03", 412.00}, "Overload protection device, PXH 250")  // row 28: 43
        .pieces(1, {"7302 4730 07", 26.50}, "Chain stop 7 mm")                       // row 30: 50
        .finish();
  };

  // PXH 500 EX (3, 3) with the stainless-steel chain: 3.5 m gives int(3.99) + 1 = 4 m; twist rod
  // with 3 m: rod, extension and articulation; manual trolley, narrow; overload protection,
  // chain collector for 4 m (row 22) and safety hook.
  lists["espanol-500-acero-inoxidable.telmaris"] = [] {
    return ExpectedList(kSpanish, false)
        .hoist({"8420 0500 00", 2760.00}, "PXH 500 EX polipasto neumático 500 kg")    // part 3
        .metres(4, {"7302 4410 09", 118.40}, "Cadena de carga 7 mm inox., por m")     // part 126
        .pieces(1, {"7302 4530 01", 248.00}, "Varilla giratoria, PXH 200-1000")       // row 18: 26
        .pieces(1, {"7302 4530 11", 92.00}, "Prolongación de varilla, PXH 200-1000")  // 19: 28
        .pieces(1, {"7302 4530 21", 68.00}, "Articulación de varilla, PXH 200-1000")  // 20: 30
        .blank()
        .pieces(1, {"7310 1000 01", 665.00}, "PXK 1000 carro manual, estrecho")  // row 41: 54
        .blank()
        .pieces(1, {"7302 4710 05", 438.00}, "Limitador de sobrecarga, PXH 500")    // row 28: 44
        .pieces(1, {"7302 4610 04", 94.00}, "Recogedor de cadena 7 mm, hasta 4 m")  // 22: 34
        .pieces(1, {"7302 4720 05", 72.00}, "Gancho de seguridad, PXH 500")         // row 29: 48
        .finish();
  };

  // PXH 2500 EX (5, 5): 6 m, 1 fall, 0.6 m: int(6.59) + 1 = 7 m; 2-button control with 4 m of
  // hose; motor trolley, narrow, with the 2-button trolley control and 4 m of its hose; the
  // overload protection is built in (nothing listed); chain collector for 7 m of a heavy model
  // (row 23), chain stop, assembly.
  lists["francais-2500-chariot-motorise.telmaris"] = [] {
    return ExpectedList(kFrench, false)
        .hoist({"8420 2500 00", 6480.00}, "PXH 2500 EX palan pneumatique 2500 kg")   // part 5
        .metres(7, {"7302 4420 02", 73.50}, "Chaîne de charge 10 mm zinguée, au m")  // 40: 14
        .pieces(1, {"7302 4510 22", 342.00}, "Boîte à 2 boutons, PXH 1250-5000")     // 13: 18
        .metres(4, {"7302 4520 26", 12.80}, "Tuyau de commande 2 x 6 mm, au m")      // 14: 19
        .blank()
        .pieces(1, {"7310 2501 01", 4290.00}, "PXK 2500M chariot motorisé, étroit")      // 43: 60
        .pieces(1, {"7302 4510 61", 286.00}, "Boîte à 2 boutons pour chariot motorisé")  // 9: 23
        .metres(4, {"7302 4520 28", 15.20}, "Tuyau de commande 2 x 8 mm, au m")  // row 10: 25
        .blank()
        .pieces(1, {"7302 4620 07", 198.00}, "Bac à chaîne 10 mm, jusqu'à 7 m")  // row 23: 39
        .pieces(1, {"7302 4730 10", 44.00}, "Butée de chaîne 10 mm")             // row 30: 51
        .pieces(1, {"7302 4790 02", 140.00}, "Montage des accessoires, PXH 1250-5000")  // 39: 53
        .finish();
  };

  // PXH 5000 EX (6, 6): 12 m, 2 falls, 0.9 m: int(24.89) + 1 = 25 m, too long for the collector
  // (a note, the walk goes on); pull chain 2 x 11 = 22 m; motor trolley, wide, with the trolley
  // pull chain 2 x 11 + 1 = 23 m; chain stop, assembly; 12 % discount.
  lists["italiano-5000-sconto.telmaris"] = [] {
    return ExpectedList(kItalian, false)
        .hoist({"8420 5000 00", 10240.00}, "PXH 5000 EX paranco pneumatico 5000 kg")  // part 6
        .metres(25, {"7302 4420 02", 73.50}, "Catena di carico 10 mm zincata, al m")  // 40: 14
        .metres(22, {"7302 4430 06", 11.40}, "Catena di comando 6 mm, al m")          // 7: 16
        .blank()
        .pieces(1, {"7310 5001 02", 7680.00}, "PXK 5000M carrello a motore, largo")  // 44: 66
        .metres(23, {"7302 4430 06", 11.40}, "Catena di comando 6 mm, al m")         // 7: 16
        .blank()
        .pieces(1, {"7302 4730 10", 44.00}, "Fermo catena 10 mm")                   // 30: 51
        .pieces(1, {"7302 4790 02", 140.00}, "Montaggio accessori, PXH 1250-5000")  // 39: 53
        .finish(12);
  };

  // PXH 980 EX (4, hoist column 37: part 120): 5 m, 2 falls: int(10.49) + 1 = 11 m; 4-button
  // control with 6 m of hose; motor trolley, wide, and no trolley control beside the 4-button
  // one; no overload protection for the 980; chain collector for 11 m (row 25), chain stop,
  // safety hook, assembly.
  lists["portugues-980-quatro-botoes.telmaris"] = [] {
    return ExpectedList(kPortuguese, false)
        .hoist({"8420 0980 00", 3350.00}, "PXH 980 EX talha pneumática 980 kg")        // part 120
        .metres(11, {"7302 4410 02", 36.90}, "Corrente de carga 7 mm zincada, por m")  // 40: 12
        .pieces(1, {"7302 4510 41", 468.00}, "Botoneira de 4 botões, PXH 200-1000")    // 16: 20
        .metres(6, {"7302 4520 46", 19.60}, "Mangueira de comando 4 x 6 mm, por m")    // 17: 22
        .blank()
        .pieces(1, {"7310 1001 02", 3010.00}, "PXK 1000M trole motorizado, largo")  // 44: 57
        .blank()
        .pieces(1, {"7302 4610 12", 139.00}, "Recolhedor de corrente 7 mm, até 12 m")  // 25: 36
        .pieces(1, {"7302 4730 07", 26.50}, "Batente de corrente 7 mm")                // 30: 50
        .pieces(1, {"7302 4720 10", 104.00}, "Gancho de segurança, PXH 980/1000")      // 29: 49
        .pieces(1, {"7302 4790 01", 85.00}, "Montagem dos acessórios, PXH 200-1000")   // 39: 52
        .finish();
  };

  // US Imperial, PXH 1000 EX (13, hoist column 10): 20 ft = 6.096 m, 2 falls:
  // int(12.682) + 1 = 13 m; control 9.8 ft, a whole-metre value: 10 ft, 3 m; 2-button control
  // with 3 m of hose; no trolley; the overload protection is built in; chain collector for 13 m
  // (row 26), chain stop, safety hook, assembly. Lengths show their feet, the columns stand six
  // characters further right.
  lists["us-imperial-1000.telmaris"] = [] {
    return ExpectedList(kEnglish, true)
        .hoist({"8420 1000 00", 3520.00}, "PXH 1000 EX air hoist 2200 lb, 2 falls")     // part 10
        .metres(13, {"7302 4410 02", 36.90}, "Load chain 9/32 in, zinc plated, per m")  // 40: 12
        .pieces(1, {"7302 4510 21", 298.00}, "2-button pendant, PXH 250-1000")          // 13: 17
        .metres(3, {"7302 4520 26", 12.80}, "Control hose 2 x 1/4 in, per m")           // 14: 19
        .blank()
        .blank()
        .pieces(1, {"7302 4610 18", 172.00}, "Chain container 9/32 in, up to 59 ft")  // 26: 37
        .pieces(1, {"7302 4730 07", 26.50}, "Chain stop 9/32 in")                     // 30: 50
        .pieces(1, {"7302 4720 10", 104.00}, "Safety hook, PXH 980/1000")             // 29: 49
        .pieces(1, {"7302 4790 01", 85.00}, "Accessory assembly, PXH 250-1000")       // 39: 52
        .finish();
  };

  // US Metric, PXH 3000 EX (14, hoist column 24: part 90): 8 m, 1 fall, 0.6 m: int(8.59) + 1 =
  // 9 m; pull chain 10 m; manual trolley, wide; the overload protection is optional for the
  // 3000 and listed; chain collector for 9 m of a heavy model (row 25), chain stop.
  lists["us-metric-3000-manual-trolley.telmaris"] = [] {
    return ExpectedList(kEnglish, false)
        .hoist({"8420 3000 00", 7150.00}, "PXH 3000 EX air hoist 3000 kg, 1 fall")   // part 90
        .metres(9, {"7302 4420 02", 73.50}, "Load chain 10 mm, zinc plated, per m")  // 40: 14
        .metres(10, {"7302 4430 06", 11.40}, "Pull chain 6 mm, per m")               // 7: 16
        .blank()
        .pieces(1, {"7310 3000 02", 1345.00}, "PXK 2500/WXK 3000 plain trolley, wide")  // 42: 63
        .blank()
        .pieces(1, {"7302 4710 30", 842.00}, "Overload protection device, PXH 3000")  // 28: 46
        .pieces(1, {"7302 4620 12", 254.00}, "Chain container 10 mm, up to 12 m")     // 25: 40
        .pieces(1, {"7302 4730 10", 44.00}, "Chain stop 10 mm")                       // 30: 51
        .finish();
  };

  // Lube-free PXH 250L EX (2, hoist column 29: part 102): 4 m: 5 m of chain; 2-button control
  // with 3 m of hose; no trolley; overload protection, chain collector for 5 m (row 24), chain
  // stop, safety hook; 10 % discount.
  lists["deutsch-250-schmierfrei-rabatt.telmaris"] = [] {
    return ExpectedList(kGerman, false)
        .hoist({"8420 0250 10", 2775.00}, "PXH 250L EX Druckluft-Kettenzug 250 kg")    // part 102
        .metres(5, {"7302 4410 02", 36.90}, "Lastkette 7 mm verzinkt, je m")           // 40: 12
        .pieces(1, {"7302 4510 21", 298.00}, "Steuerschalter 2 Tasten, PXH 200-1000")  // 13: 17
        .metres(3, {"7302 4520 26", 12.80}, "Steuerschlauch 2 x 6 mm, je m")           // 14: 19
        .blank()
        .blank()
        .pieces(1, {"7302 4710 03", 412.00}, "Überlastsicherung, PXH 250")    // row 28: 43
        .pieces(1, {"7302 4610 07", 112.00}, "Kettenspeicher 7 mm, bis 7 m")  // row 24: 35
        .pieces(1, {"7302 4730 07", 26.50}, "Kettenanschlag 7 mm")            // row 30: 50
        .pieces(1, {"7302 4720 03", 58.00}, "Sicherheitshaken, PXH 200/250")  // row 29: 47
        .finish(10);
  };

  return lists;
}

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
  const ProgramDirectory directory(ProgramDirectory::Built{});
  const QDir examples(QStringLiteral(TELMARIS_SOURCE_DIR "/examples"));
  const QStringList files = examples.entryList(QDir::Files, QDir::Name);
  const auto lists = expectedLists();
  ASSERT_EQ(files.size(), static_cast<qsizetype>(lists.size()));
  for (const QString& name : files) {
    SCOPED_TRACE(name.toStdString());
    const auto expected = lists.find(name);
    ASSERT_NE(expected, lists.end()) << "no list worked out for this example";
    const Listed run = listOf(directory.path(), examples.filePath(name));
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.lines, expected->second());
  }
}
