// Quotes without a window: the file format and its limits, a quote priced in another language of
// its market, and the register's numbers, issues and repricing. Expected amounts are worked out
// here from resources/database/parts.sql.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <memory>

#include "configurator/configuration_file.h"
#include "data/parts_data.h"
#include "data/parts_loader.h"
#include "quotes/quote_file.h"
#include "quotes/quote_pricing.h"
#include "quotes/quote_register.h"

namespace {

// The lube-free PXH 250L EX, 4 m of lift, 3 m of control length, the 2-button control, no
// trolley, in the English European window, with the accessories and discount given.
Configuration lubeFree250(std::array<bool, 5> accessories, int discount) {
  Configuration c;
  c.lubeFree = true;
  c.model = "PXH 250L EX";
  c.liftHeight = "4";
  c.controlLength = "3";
  c.trolley = Trolley::None;
  c.hoistControl = HoistControl::TwoButton;
  c.accessories = accessories;
  c.discount = discount;
  return c;
}

Quote threePositions() {
  Quote q;
  q.madeAsQuote = true;
  q.header.company = "Kranbau Nord GmbH";
  q.header.customerReference = "Anfrage 4711";
  q.language = VariantId::German;
  // overload, collector, stop, safety hook; assembled not.
  q.positions = {{lubeFree250({true, true, true, true, false}, 10), 1, "Halle 1"},
                 {lubeFree250({}, 0), 2, {}},
                 {lubeFree250({false, false, true, false, false}, 5), 3, {}}};
  return q;
}

std::unique_ptr<PartsData> partsIn(VariantId variant) {
  auto data = std::make_unique<PartsData>();
  loadPartsDatabase(TELMARIS_PROGRAM_DIR "/Telmaris.mdb", variantOf(variant).languageKey, *data);
  return data;
}

QString problemOf(const QByteArray& json) {
  const Result<Quote> q = parseQuote(json);
  return q ? QString() : q.problem().what;
}

QByteArray positionsJson(int count, const QString& position) {
  QStringList positions;
  for (int i = 0; i < count; ++i) positions << position;
  return ("{\"telmaris\": 2, \"positions\": [" + positions.join(',') + "]}").toUtf8();
}

}  // namespace

TEST(QuoteFiles, AVersionOneFileIsAQuoteOfOnePositionAndIsWrittenBackAsBefore) {
  const Result<Quote> q =
      readQuoteFile(TELMARIS_SOURCE_DIR "/examples/deutsch-250-schmierfrei-rabatt.telmaris");
  ASSERT_TRUE(q) << q.problem().describe().toStdString();
  ASSERT_EQ(q->positions.size(), 1u);
  EXPECT_FALSE(q->isQuote());
  EXPECT_EQ(q->positions[0].quantity, 1);
  EXPECT_EQ(q->positions[0].configuration.model, "PXH 250L EX");
  EXPECT_EQ(q->positions[0].configuration.discount, 10);
  EXPECT_EQ(q->printVariant(), VariantId::German);
  EXPECT_EQ(writeQuote(*q), writeConfiguration(q->positions[0].configuration));
}

TEST(QuoteFiles, AQuoteComesBackAsItWasSavedAndStaysAQuoteWithAnEmptyHeader) {
  Quote q = threePositions();
  q.header.address = {"Hafenstraße 3", "20457 Hamburg", "", ""};
  q.header.number = "Q-2026-0007";
  q.header.date = QDate(2026, 12, 9);
  q.header.validityDays = 60;
  q.header.note = "Zahlung 30 Tage netto.\nLieferung ab Werk.";
  const QByteArray saved = writeQuote(q);
  EXPECT_TRUE(saved.contains("\"telmaris\": 2"));
  const Result<Quote> back = parseQuote(saved);
  ASSERT_TRUE(back) << back.problem().what.toStdString();
  EXPECT_EQ(*back, q);
  EXPECT_EQ(back->header.validUntil(back->header.date), QDate(2027, 2, 7));

  Quote bare;
  bare.madeAsQuote = true;
  bare.positions = {{lubeFree250({}, 0), 1, {}}};
  const Result<Quote> bareBack = parseQuote(writeQuote(bare));
  ASSERT_TRUE(bareBack);
  EXPECT_TRUE(bareBack->isQuote());
}

TEST(QuoteFiles, WrongKeysQuantitiesTextsAndCountsAreNamedAndRefused) {
  const QString position = QString::fromUtf8(writeQuote(quoteOf(lubeFree250({}, 0))));
  // A version 1 configuration object as a position, without its version key.
  QString p = position;
  p.replace("\"telmaris\": 1,", "");
  const auto with = [&](const QString& extra) {
    QString changed = p;
    return changed.replace("\"discount\": 0", "\"discount\": 0, " + extra);
  };
  EXPECT_TRUE(problemOf(positionsJson(2, p)).isEmpty()) << problemOf(positionsJson(2, p));
  EXPECT_TRUE(problemOf("{\"telmaris\": 2, \"positions\": [" + p.toUtf8() + "," +
                        with("\"colour\": \"red\"").toUtf8() + "]}")
                  .contains("\"positions[2].colour\""));
  EXPECT_TRUE(
      problemOf(positionsJson(1, with("\"quantity\": 0"))).contains("positions[1].quantity"));
  EXPECT_TRUE(
      problemOf(positionsJson(1, with("\"quantity\": -1"))).contains("positions[1].quantity"));
  EXPECT_TRUE(
      problemOf(positionsJson(1, with("\"quantity\": 1.5"))).contains("positions[1].quantity"));
  EXPECT_TRUE(problemOf(positionsJson(1, with("\"note\": \"" + QString(10000, 'x') + "\"")))
                  .contains("positions[1].note"));
  const QByteArray longCompany = "{\"telmaris\": 2, \"header\": {\"company\": \"" +
                                 QByteArray(10000, 'x') + "\"}, \"positions\": [" + p.toUtf8() +
                                 "]}";
  EXPECT_TRUE(problemOf(longCompany).contains("\"header.company\""));
  EXPECT_TRUE(problemOf(positionsJson(1000, p)).contains("\"positions\""));
  EXPECT_TRUE(problemOf(positionsJson(0, p)).contains("\"positions\""));
  QString number = p;
  number.replace("\"liftHeight\": \"4\"", "\"liftHeight\": 4");
  EXPECT_TRUE(problemOf(positionsJson(1, number)).contains("positions[1].liftHeight"));
  // One market per quote, and a language of that market.
  QString us = p;
  us.replace("English European", "US Version Imperial");
  EXPECT_TRUE(
      problemOf("{\"telmaris\": 2, \"positions\": [" + p.toUtf8() + "," + us.toUtf8() + "]}")
          .contains("positions[2].variant"));
  const QString usLanguage =
      problemOf("{\"telmaris\": 2, \"language\": \"de\", \"positions\": [" + us.toUtf8() + "]}");
  EXPECT_TRUE(usLanguage.contains("\"language\"") && usLanguage.contains("en")) << usLanguage;
  EXPECT_TRUE(problemOf("{\"telmaris\": 3}").contains("\"telmaris\""));
}

TEST(QuotePricing, APositionTheStepsRefuseIsNamed) {
  Quote q = threePositions();
  q.positions[1].configuration.liftHeight.clear();
  const auto data = partsIn(VariantId::German);
  try {
    priceQuote(q, *data);
    FAIL() << "an unfinished position is priced";
  } catch (const Failure& e) {
    EXPECT_EQ(e.problem().kind, Problem::Kind::Refused);
    EXPECT_TRUE(e.problem().where.contains("2")) << e.problem().where.toStdString();
  }
}

class QuoteRegisterTest : public ::testing::Test {
 protected:
  QString file() const { return dir.filePath("Quotes.mdb"); }
  PricedQuote priced(const Quote& q) const { return priceQuote(q, *data); }

  QTemporaryDir dir;
  std::unique_ptr<PartsData> data = partsIn(VariantId::German);
  const QDate today{2026, 12, 9};
};

TEST_F(QuoteRegisterTest, NumbersFollowOneAnotherAndAnUnchangedQuoteKeepsItsIssue) {
  QuoteRegister reg = QuoteRegister::open(file());
  const Quote a = reg.issue(priced(threePositions()), today);
  Quote second = threePositions();
  second.header.company = "Hafenkran AG";
  const Quote b = reg.issue(priced(second), today.addDays(1));
  EXPECT_EQ(a.header.number, "Q-2026-0001");
  EXPECT_EQ(a.header.date, today);
  EXPECT_EQ(b.header.number, "Q-2026-0002");

  // Printed again as it stands: the same number, date and issue.
  EXPECT_EQ(reg.issue(priced(a), today.addDays(5)), a);
  ASSERT_EQ(reg.list().size(), 2u);
  EXPECT_EQ(reg.list()[0].number, "Q-2026-0002");  // newest first
  EXPECT_EQ(reg.list()[1].revision, 1);

  // Changed: a new issue of the same number.
  Quote changed = a;
  changed.positions[1].quantity = 4;
  const Quote c = reg.issue(priced(changed), today.addDays(6));
  EXPECT_EQ(c.header.number, "Q-2026-0001");
  EXPECT_EQ(c.header.date, today.addDays(6));
  const std::vector<RegisteredQuote> listed = reg.list("kranbau");
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_EQ(listed[0].revision, 2);
  EXPECT_EQ(listed[0].positions, 3);
  EXPECT_EQ(listed[0].variant, VariantId::German);
  EXPECT_EQ(reg.list("ANFRAGE 4711").size(), 2u);
  EXPECT_EQ(reg.list("0002").size(), 1u);
  EXPECT_TRUE(reg.list("nobody").empty());

  // A number from another register moves the counter past it.
  Quote foreign = second;
  foreign.header.number = "Q-2026-0041";
  reg.issue(priced(foreign), today);
  EXPECT_EQ(reg.issue(priced(second), today).header.number, "Q-2026-0042");
}

TEST_F(QuoteRegisterTest, AProgramKilledWhileNumberingNeverGivesANumberTwice) {
  // Killed inside the transaction, after the counter moved: nothing was issued.
  const auto inChild = [&](bool killBeforeCommit) {
    const pid_t child = fork();
    if (child == 0) {
      QuoteRegister reg = QuoteRegister::open(file());
      if (killBeforeCommit) reg.setBeforeCommit([] { raise(SIGKILL); });
      reg.issue(priced(threePositions()), today);
      raise(SIGKILL);  // killed before the number reaches the quote's file
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
  };
  ASSERT_TRUE(inChild(false));  // Q-2026-0001 issued, then killed
  ASSERT_TRUE(inChild(true));   // killed while numbering
  QuoteRegister reg = QuoteRegister::open(file());
  EXPECT_EQ(reg.list().size(), 1u);
  EXPECT_EQ(reg.issue(priced(threePositions()), today).header.number, "Q-2026-0002");
  ASSERT_TRUE(inChild(false));  // Q-2026-0003
  EXPECT_EQ(QuoteRegister::open(file()).issue(priced(threePositions()), today).header.number,
            "Q-2026-0004");
}

TEST_F(QuoteRegisterTest, AnIssuedQuoteKeepsItsAmountsAndRepricingNamesWhatChanged) {
  const Quote issued = QuoteRegister::open(file()).issue(priced(threePositions()), today);
  // A new price list: the lube-free hoist (part 102) dearer.
  data->PartPrice[102] = 2800.00;
  const std::optional<IssuedQuote> found = QuoteRegister::open(file()).find(issued.header.number);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->quote, issued);
  EXPECT_EQ(found->entry.issued, today);
  const PricedQuote asIssued = pricedWithLists(found->quote, *data, found->lists);
  // 3904.40 - 10 %, 2 x 3295.90, 3 x (3322.40 - 5 %): the prices of parts.sql for part 102, 5 m
  // of load chain, the 2-button pendant with 3 m of hose and the accessories of a PXH 250.
  EXPECT_DOUBLE_EQ(asIssued.net, 19574.60);
  EXPECT_DOUBLE_EQ(found->entry.net, 19574.60);

  const PricedQuote now = priceQuote(found->quote, *data);
  const std::vector<RepricedAmount> changes = repricedAmounts(asIssued, now);
  // The hoist line of each position, then the three totals: 6 x 25.00 more, less the discounts
  // (10 % of 25 once, 5 % of 25 three times).
  ASSERT_EQ(changes.size(), 6u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(changes[i].position, i + 1);
    EXPECT_EQ(changes[i].orderingNumber, "8420 0250 10");
    EXPECT_DOUBLE_EQ(changes[i].issued, 2775.00);
    EXPECT_DOUBLE_EQ(changes[i].today, 2800.00);
  }
  EXPECT_DOUBLE_EQ(changes[3].today, 20463.40 + 150.00);
  EXPECT_DOUBLE_EQ(changes[4].today, 888.80 + 2.50 + 3.75);
  EXPECT_DOUBLE_EQ(changes[5].today, 19574.60 + 150.00 - 6.25);
  const QString report = repricingReport(issued.header.number, changes);
  EXPECT_TRUE(report.contains("8420 0250 10") && report.contains("2775.00 -> 2800.00"))
      << report.toStdString();
  EXPECT_FALSE(QuoteRegister::open(file()).find("Q-2026-0999"));
}
