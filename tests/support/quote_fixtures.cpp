// Quotes made for the tests.
#include "support/quote_fixtures.h"

#include <QFile>
#include <QTemporaryDir>

#include "quotes/quote_file.h"

namespace {

Configuration european(const QString& model, const QString& lift, const QString& control) {
  Configuration c;
  c.variant = VariantId::EnglishEuropean;
  c.model = model;
  c.liftHeight = lift;
  c.controlLength = control;
  c.trolley = Trolley::None;
  c.hoistControl = HoistControl::PullChain;
  return c;
}

}  // namespace

Configuration european250() {
  Configuration c =
      european(QStringLiteral("PXH 250 EX"), QStringLiteral("4"), QStringLiteral("3"));
  c.accessories = {true, false, true, false, false};
  return c;
}

Configuration european250L() {
  Configuration c =
      european(QStringLiteral("PXH 250L EX"), QStringLiteral("4"), QStringLiteral("3"));
  c.lubeFree = true;
  c.hoistControl = HoistControl::TwoButton;
  c.accessories = {true, true, true, true, false};
  c.discount = 10;
  c.discountAsked = true;
  return c;
}

Configuration european250Short() {
  Configuration c =
      european(QStringLiteral("PXH 250 EX"), QStringLiteral("6"), QStringLiteral("2"));
  c.discount = 5;
  c.discountAsked = true;
  return c;
}

Configuration european2500MotorTrolley() {
  Configuration c =
      european(QStringLiteral("PXH 2500 EX"), QStringLiteral("4"), QStringLiteral("3"));
  c.trolley = Trolley::MotorNarrow;
  c.trolleyControl = TrolleyControl::PullChain;
  c.accessories = {false, false, true, false, false};
  c.discount = 5;
  c.discountAsked = true;
  return c;
}

Configuration usImperial1000() {
  Configuration c;
  c.variant = VariantId::UsImperial;
  c.model = QStringLiteral("PXH 1000 EX");
  c.liftHeight = QStringLiteral("20");
  c.controlLength = QStringLiteral("9.8");
  c.trolley = Trolley::None;
  c.hoistControl = HoistControl::TwoButton;
  c.accessories = {false, true, true, true, true};
  return c;
}

Quote kesslerQuote() {
  Quote q;
  q.madeAsQuote = true;
  q.language = VariantId::German;
  q.header.company = QStringLiteral("Maschinenbau Kessler GmbH");
  q.header.contact = QStringLiteral("Frau Dr. Ines Kessler");
  q.header.address = {QStringLiteral("Hafenstraße 12"), QStringLiteral("Halle 4"),
                      QStringLiteral("28217 Bremen"), QStringLiteral("Deutschland")};
  q.header.customerReference = QStringLiteral("Anfrage 2026/118");
  q.header.ourReference = QStringLiteral("M. Lindqvist");
  q.header.validityDays = 45;
  q.header.note =
      QStringLiteral("Zahlung 30 Tage netto. Lieferung ab Werk, vier Wochen nach Auftragseingang.");
  q.positions = {{european250(), 1, {}},
                 {european250L(), 2, QStringLiteral("Für die Lackiererei, Zone 1")},
                 {european250Short(), 3, {}}};
  return q;
}

QString writeQuoteFileTo(const QTemporaryDir& dir, const QString& name, const Quote& quote) {
  QFile f(dir.filePath(name));
  f.open(QIODevice::WriteOnly);
  f.write(writeQuote(quote));
  return f.fileName();
}
