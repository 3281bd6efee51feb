// The quote service run as a process on a free loopback port: each route with lists worked out
// from resources/database/parts.sql, a web page's walk of the steps, refusals in the variant's
// language, many quotes at once, a price import while serving, the tokens, the limits and the
// stop on SIGTERM.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

#include "quotes/quote_file.h"
#include "service_process.h"
#include "support/pdf_words.h"
#include "support/quote_fixtures.h"
#include "support/test_database.h"

namespace {

QJsonObject object(const HttpReply& reply) {
  return QJsonDocument::fromJson(QByteArray::fromStdString(reply.body)).object();
}

std::string exampleFile(const char* name) {
  QFile f(QStringLiteral(TELMARIS_SOURCE_DIR "/examples/") + QLatin1String(name));
  f.open(QIODevice::ReadOnly);
  return f.readAll().toStdString();
}

// A line of a list: quantity, ordering number, amount (the price of parts.sql times the
// quantity) and description.
struct Line {
  double quantity;
  const char* number;
  double amount;
  const char* description;
};

void expectLines(const QJsonObject& list, const std::vector<Line>& expected, double total,
                 double discount) {
  const QJsonArray lines = list["lines"].toArray();
  ASSERT_EQ(lines.size(), static_cast<qsizetype>(expected.size()));
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const QJsonObject line = lines[static_cast<qsizetype>(i)].toObject();
    EXPECT_EQ(line["quantity"].toDouble(), expected[i].quantity) << i;
    EXPECT_EQ(line["orderingNumber"].toString(), expected[i].number) << i;
    EXPECT_DOUBLE_EQ(line["amount"].toDouble(), expected[i].amount) << i;
    EXPECT_EQ(line["description"].toString(), expected[i].description) << i;
  }
  EXPECT_DOUBLE_EQ(list["total"].toDouble(), total);
  EXPECT_DOUBLE_EQ(list["discount"].toDouble(), discount);
  EXPECT_DOUBLE_EQ(list["net"].toDouble(), std::round((total - discount) * 100) / 100);
}

// examples/english-european.telmaris: PXH 250 EX, 4 m lift (5 m of load chain), 3 m pull chain
// (6 m), overload device and chain stop.
const std::vector<Line> kEnglishEuropean = {
    {1, "8420 0250 00", 2475.00, "PXH 250 EX air hoist 250 kg, 1 fall"},
    {5, "7302 4410 02", 5 * 36.90, "Load chain 7 mm, zinc plated, per m"},
    {6, "7302 4430 05", 6 * 8.90, "Pull chain 5 mm, per m"},
    {1, "7302 4710 03", 412.00, "Overload protection device, PXH 250"},
    {1, "7302 4730 07", 26.50, "Chain stop 7 mm"},
};
constexpr double kEnglishEuropeanTotal = 2475.00 + 5 * 36.90 + 6 * 8.90 + 412.00 + 26.50;

class QuoteService : public ::testing::Test {
 protected:
  TestProgramDirectory dir{TestProgramDirectory::Built{}};
};

TEST_F(QuoteService, VariantsModelsAndHealth) {
  ServiceProcess service(dir.path());
  const HttpReply variants = httpGet(service.port(), "/v1/variants");
  ASSERT_EQ(variants.status, 200);
  EXPECT_EQ(variants.headers.at("content-type"), "application/json");
  const QJsonArray list = object(variants)["variants"].toArray();
  ASSERT_EQ(list.size(), 8);
  const char* expected[8][3] = {{"English European", "en", "European"},
                                {"Français", "fr", "European"},
                                {"US Version Metric", "en", "US Metric"},
                                {"US Version Imperial", "en", "US Imperial"},
                                {"Español", "es", "European"},
                                {"Português", "pt", "European"},
                                {"Italiano", "it", "European"},
                                {"Deutsch", "de", "European"}};
  for (int i = 0; i < 8; ++i) {
    const QJsonObject v = list[i].toObject();
    EXPECT_EQ(v["variant"].toString(), QString::fromUtf8(expected[i][0]));
    EXPECT_EQ(v["language"].toString(), expected[i][1]);
    EXPECT_EQ(v["market"].toString(), expected[i][2]);
    EXPECT_EQ(v["imperial"].toBool(), i == 3);
  }

  // The model lists of the window: the European range, and the US one with the PXH 3000 EX;
  // the variant's name may come as a form sends it.
  const QJsonObject european = object(httpGet(service.port(), "/v1/models?variant=Deutsch"));
  EXPECT_EQ(european["models"].toArray(),
            QJsonArray({"PXH 250 EX", "PXH 500 EX", "PXH 980 EX", "PXH 1000 EX", "PXH 2500 EX",
                        "PXH 5000 EX"}));
  const QJsonObject us =
      object(httpGet(service.port(), "/v1/models?variant=US+Version+Imperial&lubeFree=false"));
  EXPECT_TRUE(us["models"].toArray().contains(QJsonValue("PXH 3000 EX")));
  const QJsonObject lubeFree =
      object(httpGet(service.port(), "/v1/models?variant=English%20European&lubeFree=true"));
  EXPECT_TRUE(lubeFree["lubeFree"].toBool());
  EXPECT_TRUE(lubeFree["models"].toArray().contains(QJsonValue("PXH 250L EX")));

  for (const char* wrong : {"/v1/models?variant=Klingon", "/v1/models?lubeFree=yes",
                            "/v1/models?colour=red", "/v1/variants?x=1"}) {
    const HttpReply r = httpGet(service.port(), wrong);
    EXPECT_EQ(r.status, 400) << wrong;
    EXPECT_FALSE(object(r)["error"].toString().isEmpty()) << wrong;
  }
  EXPECT_EQ(httpGet(service.port(), "/v1/nothing").status, 404);
  const HttpReply method = httpGet(service.port(), "/v1/quote");
  EXPECT_EQ(method.status, 405);
  EXPECT_EQ(method.headers.at("allow"), "POST");

  const QJsonObject health = object(httpGet(service.port(), "/v1/health"));
  EXPECT_TRUE(health["ready"].toBool());
  EXPECT_TRUE(
      QDateTime::fromString(health["pricesChanged"].toString(), Qt::ISODateWithMs).isValid());

  // One line per request: time, method, path, status and microseconds.
  EXPECT_TRUE(service.log().contains(
      QRegularExpression(R"(\n\d{4}-\d\d-\d\dT[\d:.]+Z GET /v1/variants 200 \d+us\n)")))
      << service.log().toStdString();
  EXPECT_EQ(service.terminate(), 0);
}

TEST_F(QuoteService, QuoteGivesTheListsOfTheFileFormat) {
  ServiceProcess service(dir.path());
  // A configuration: its list, as --json gives it.
  const HttpReply plain =
      httpPost(service.port(), "/v1/quote", exampleFile("english-european.telmaris"));
  ASSERT_EQ(plain.status, 200) << plain.body;
  expectLines(object(plain), kEnglishEuropean, kEnglishEuropeanTotal, 0);

  // The same configuration as a quote of two hoists in German, numbered by the dealer's own
  // system: the German descriptions, the same prices, and nothing written into the directory.
  Quote quote;
  quote.madeAsQuote = true;
  quote.header.company = QStringLiteral("Kranbau Nord GmbH");
  quote.header.number = QStringLiteral("D-4711");
  quote.language = VariantId::German;
  quote.positions.push_back(QuotePosition{european250(), 2, QStringLiteral("Halle 1")});
  const HttpReply german = httpPost(service.port(), "/v1/quote", writeQuote(quote).toStdString());
  ASSERT_EQ(german.status, 200) << german.body;
  const QJsonObject q = object(german);
  EXPECT_EQ(q["quote"].toObject()["number"].toString(), "D-4711");
  EXPECT_EQ(q["quote"].toObject()["language"].toString(), "de");
  const QJsonObject position = q["positions"].toArray()[0].toObject();
  EXPECT_EQ(position["quantity"].toInt(), 2);
  EXPECT_EQ(position["lines"].toArray()[1].toObject()["description"].toString(),
            "Lastkette 7 mm verzinkt, je m");
  EXPECT_DOUBLE_EQ(position["lineNet"].toDouble(), 2 * kEnglishEuropeanTotal);
  EXPECT_DOUBLE_EQ(q["net"].toDouble(), 2 * kEnglishEuropeanTotal);

  // ?language= prints in another language the market allows, and names those it allows.
  const HttpReply french =
      httpPost(service.port(), "/v1/quote?language=fr", writeQuote(quote).toStdString());
  EXPECT_EQ(object(french)["positions"]
                .toArray()[0]
                .toObject()["lines"]
                .toArray()[1]
                .toObject()["description"]
                .toString(),
            "Chaîne de charge 7 mm zinguée, au m");
  const HttpReply us =
      httpPost(service.port(), "/v1/quote?language=de", exampleFile("us-imperial-1000.telmaris"));
  EXPECT_EQ(us.status, 400);
  EXPECT_TRUE(object(us)["error"].toString().contains("en")) << us.body;

  // The printed document: a PDF of the summary page and the position's page, with the number
  // the request gives, and still no register.
  const HttpReply pdf = httpPost(service.port(), "/v1/quote.pdf", writeQuote(quote).toStdString());
  ASSERT_EQ(pdf.status, 200) << pdf.body;
  EXPECT_EQ(pdf.headers.at("content-type"), "application/pdf");
  QTemporaryDir out;
  QFile file(out.filePath("quote.pdf"));
  file.open(QIODevice::WriteOnly);
  file.write(QByteArray::fromStdString(pdf.body));
  file.close();
  EXPECT_EQ(pdfPageCount(file.fileName()), 2);
  bool numbered = false;
  for (const PdfWord& w : pdfWords(file.fileName(), 1)) numbered |= w.text == "D-4711";
  EXPECT_TRUE(numbered);
  EXPECT_FALSE(QFile::exists(dir.directory().quoteRegister()));
  // The document came from the desktop program; the service itself has loaded Qt Core alone.
  const QString libraries = service.mappedFiles();
  EXPECT_TRUE(libraries.contains("libQt6Core")) << libraries.toStdString();
  EXPECT_FALSE(libraries.contains("libQt6Gui") || libraries.contains("libQt6Widgets"));
  EXPECT_EQ(service.terminate(), 0);
}

TEST_F(QuoteService, RefusalsNameTheStepAndTheCatalogueText) {
  ServiceProcess service(dir.path());
  auto refused = [&](const QJsonObject& configuration) {
    QJsonObject c = configuration;
    c["telmaris"] = 1;
    return httpPost(service.port(), "/v1/quote",
                    QJsonDocument(c).toJson(QJsonDocument::Compact).toStdString());
  };
  QJsonObject c =
      QJsonDocument::fromJson(QByteArray::fromStdString(exampleFile("english-european.telmaris")))
          .object();
  c["liftHeight"] = "";
  HttpReply r = refused(c);
  EXPECT_EQ(r.status, 422);
  EXPECT_EQ(object(r), QJsonObject({{"step", "liftHeight"},
                                    {"textNumber", 13},
                                    {"text", "Please enter the lifting height."}}));

  // In German, text 28 with the model's maximum after it.
  c["variant"] = "Deutsch";
  c["liftHeight"] = "500";
  r = refused(c);
  EXPECT_EQ(r.status, 422);
  EXPECT_EQ(object(r)["textNumber"].toInt(), 28);
  EXPECT_TRUE(object(r)["text"].toString().startsWith(
      "Die Hubhöhe überschreitet den Höchstwert dieses Modells. Max. Hubhöhe [m]: "))
      << r.body;

  // A message of the program's own has no number.
  c["liftHeight"] = "4";
  c["trolley"] = QJsonValue();
  c["variant"] = "English European";
  r = refused(c);
  EXPECT_EQ(r.status, 422);
  EXPECT_EQ(object(r)["step"].toString(), "trolley");
  EXPECT_TRUE(object(r)["textNumber"].isNull());
  EXPECT_EQ(object(r)["text"].toString(), "The trolley is not chosen.");
  // ... in the variant's language, as the window says it.
  c["variant"] = "Deutsch";
  r = refused(c);
  EXPECT_EQ(object(r)["text"].toString(), "Das Fahrwerk ist nicht gewählt.");
  c["variant"] = "Français";
  r = refused(c);
  EXPECT_EQ(object(r)["text"].toString(), "Le chariot n'est pas choisi.");

  // What is not a configuration at all is a 400 that names what is wrong.
  for (const auto& [body, named] : std::vector<std::pair<std::string, QString>>{
           {"", "no configuration"},
           {"{\"telmaris\": 1, \"trolley\": \"flying\"}", "trolley"},
           {"{\"telmaris\": 2, \"positions\": [{\"colour\": 1}]}", "positions[1].colour"},
           {"[1,2]", ""}}) {
    const HttpReply bad = httpPost(service.port(), "/v1/quote", body);
    EXPECT_EQ(bad.status, 400) << body;
    EXPECT_TRUE(object(bad)["error"].toString().contains(named)) << bad.body;
  }
  EXPECT_EQ(service.terminate(), 0);
}

// A web page walks the steps as the window does: it sends the answers so far, and the service
// says the next step and what it offers, until the list.
TEST_F(QuoteService, StepsWalkFromNothingToTheList) {
  ServiceProcess service(dir.path());
  QJsonObject answers{{"variant", "English European"}};
  QJsonObject accessories;
  const QJsonObject example =
      QJsonDocument::fromJson(QByteArray::fromStdString(exampleFile("english-european.telmaris")))
          .object();
  QStringList steps;
  QJsonObject last;
  for (int guard = 0; guard < 20; ++guard) {
    const HttpReply r =
        httpPost(service.port(), "/v1/steps", QJsonDocument(answers).toJson().toStdString());
    ASSERT_EQ(r.status, 200) << r.body;
    last = object(r);
    ASSERT_TRUE(last["problem"].isNull()) << r.body;
    const QString step = last["step"].toString();
    const QJsonObject offer = last["offer"].toObject();
    steps << (step == "accessory" ? offer["accessory"].toString() : step);
    if (last["done"].toBool()) break;
    if (step == "model") {
      EXPECT_TRUE(offer["models"].toArray().contains(QJsonValue("PXH 250 EX")));
    } else if (step == "trolley") {
      const QJsonArray trolleys = offer["trolleys"].toArray();
      ASSERT_EQ(trolleys.size(), 5);
      EXPECT_EQ(trolleys[0].toObject()["caption"].toString(), "None");
      const QJsonObject narrow = trolleys[1].toObject();
      EXPECT_EQ(narrow["trolley"].toString(), "manual-narrow");
      EXPECT_TRUE(narrow["caption"].toString().startsWith("Manual, narrow beam "));
      EXPECT_TRUE(narrow["beamWidths"].toString().endsWith("mm")) << r.body;
    } else if (step == "hoistControl") {
      EXPECT_TRUE(offer["hoistControls"].toArray().contains(QJsonValue("pull-chain")));
    }
    if (step == "accessory") {
      const QString key = offer["accessory"].toString();
      accessories[key] = example["accessories"].toObject()[key];
      answers["accessories"] = accessories;
    } else {
      answers[step] = example[step];
    }
  }
  EXPECT_EQ(steps, QStringList({"model", "stainlessChain", "liftHeight", "controlLength", "trolley",
                                "hoistControl", "overload", "chainCollector", "chainStop",
                                "safetyHook", "assembled", "done"}));
  expectLines(last["list"].toObject(), kEnglishEuropean, kEnglishEuropeanTotal, 0);

  // US Imperial: a control length that is no whole number of metres asks for one of the two
  // feet values around it, as the window's prompt does; either goes on to the trolley.
  QJsonObject imperial{{"variant", "US Version Imperial"},
                       {"model", "PXH 1000 EX"},
                       {"stainlessChain", false},
                       {"liftHeight", "20"},
                       {"controlLength", "8"}};
  const QJsonObject prompt =
      object(httpPost(service.port(), "/v1/steps", QJsonDocument(imperial).toJson().toStdString()));
  ASSERT_EQ(prompt["step"].toString(), "feetValue") << QJsonDocument(prompt).toJson().toStdString();
  const QJsonArray feet = prompt["offer"].toObject()["feetValues"].toArray();
  ASSERT_EQ(feet.size(), 2);
  EXPECT_LT(feet[0].toString().toDouble(), 8);
  EXPECT_GT(feet[1].toString().toDouble(), 8);
  imperial["feetValue"] = feet[1];
  EXPECT_EQ(object(httpPost(service.port(), "/v1/steps",
                            QJsonDocument(imperial).toJson().toStdString()))["step"]
                .toString(),
            "trolley");

  // A refused answer stays at its step with the catalogue's text.
  answers["liftHeight"] = "0";
  const QJsonObject refused =
      object(httpPost(service.port(), "/v1/steps", QJsonDocument(answers).toJson().toStdString()));
  EXPECT_EQ(refused["step"].toString(), "liftHeight");
  EXPECT_EQ(refused["problem"].toObject()["textNumber"].toInt(), 13);
  EXPECT_EQ(service.terminate(), 0);
}

TEST_F(QuoteService, TwoHundredQuotesAtOnceAreAllRight) {
  ServiceProcess service(dir.path(), {"--threads", "4"});
  const std::string body = exampleFile("english-european.telmaris");
  std::vector<std::unique_ptr<Connection>> connections;
  for (int i = 0; i < 200; ++i) connections.push_back(std::make_unique<Connection>(service.port()));
  const std::string request =
      "POST /v1/quote HTTP/1.1\r\nHost: test\r\nContent-Length: " + std::to_string(body.size()) +
      "\r\n\r\n" + body;
  std::vector<std::thread> clients;
  std::atomic<int> right{0};
  for (auto& c : connections)
    clients.emplace_back([&, connection = c.get()] {
      connection->send(request);
      const HttpReply r = connection->reply();
      if (r.status == 200 && std::abs(object(r)["net"].toDouble() - kEnglishEuropeanTotal) < 0.005)
        ++right;
    });
  for (std::thread& t : clients) t.join();
  EXPECT_EQ(right, 200);
  EXPECT_EQ(service.terminate(), 0);
}

// An import into the served directory is taken up without a restart, and no answer mixes the
// old prices with the new.
TEST_F(QuoteService, AnImportWhileServingGivesAllOldOrAllNewPrices) {
  ServiceProcess service(dir.path(), {"--threads", "2"});
  const std::string body = exampleFile("english-european.telmaris");
  const std::vector<double> before = {2475.00, 5 * 36.90, 6 * 8.90, 412.00, 26.50};
  const std::vector<double> after = {3000.00, 5 * 40.00, 6 * 10.00, 500.00, 30.00};
  QTemporaryDir files;
  QFile prices(files.filePath("prices.dat"));
  prices.open(QIODevice::WriteOnly);
  prices.write(
      "\"8420 0250 00\",3000.00\n\"7302 4410 02\",40.00\n\"7302 4430 05\",10.00\n"
      "\"7302 4710 03\",500.00\n\"7302 4730 07\",30.00\n");
  prices.close();

  std::atomic<bool> stop{false};
  std::atomic<int> oldAnswers{0}, newAnswers{0}, mixed{0};
  std::vector<std::thread> clients;
  for (int i = 0; i < 4; ++i)
    clients.emplace_back([&] {
      while (!stop) {
        const HttpReply r = httpPost(service.port(), "/v1/quote", body);
        const QJsonArray lines = object(r)["lines"].toArray();
        std::vector<double> amounts;
        for (const QJsonValue& l : lines) amounts.push_back(l.toObject()["amount"].toDouble());
        auto same = [&](const std::vector<double>& expected) {
          if (amounts.size() != expected.size()) return false;
          for (std::size_t k = 0; k < amounts.size(); ++k)
            if (std::abs(amounts[k] - expected[k]) > 0.005) return false;
          return true;
        };
        if (same(before))
          ++oldAnswers;
        else if (same(after))
          ++newAnswers;
        else
          ++mixed;
      }
    });
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  QProcess import;
  import.start(QStringLiteral(TELMARIS_EXECUTABLE),
               {"--dir", dir.path(), "--import-prices", prices.fileName()});
  ASSERT_TRUE(import.waitForFinished(60000));
  EXPECT_EQ(import.exitCode(), 0) << import.readAllStandardError().toStdString();
  // The service looks at the file twice a second.
  for (int i = 0; i < 100 && newAnswers < 20; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  stop = true;
  for (std::thread& t : clients) t.join();
  EXPECT_GT(oldAnswers, 0);
  EXPECT_GE(newAnswers, 20);
  EXPECT_EQ(mixed, 0);
  EXPECT_EQ(service.terminate(), 0);
}

TEST_F(QuoteService, TokensGuardEveryRouteButHealth) {
  QTemporaryDir files;
  QFile tokens(files.filePath("tokens"));
  tokens.open(QIODevice::WriteOnly);
  tokens.write("# one per dealer\nhaller-kran-7f3a9c\n\n  nordhebetechnik-21b8e0  \n");
  tokens.close();
  ServiceProcess service(dir.path(), {"--tokens", tokens.fileName()});
  EXPECT_EQ(httpGet(service.port(), "/v1/health").status, 200);
  const HttpReply none = httpGet(service.port(), "/v1/variants");
  EXPECT_EQ(none.status, 401);
  EXPECT_EQ(none.headers.at("www-authenticate").rfind("Bearer", 0), 0u);
  for (const char* wrong : {"Bearer haller-kran-7f3a9", "Bearer haller-kran-7f3a9c0",
                            "Basic haller-kran-7f3a9c", "Bearer # one per dealer", "Bearer "})
    EXPECT_EQ(
        httpGet(service.port(), "/v1/variants", std::string("Authorization: ") + wrong + "\r\n")
            .status,
        401)
        << wrong;
  for (const char* right : {"Bearer haller-kran-7f3a9c", "Bearer nordhebetechnik-21b8e0"})
    EXPECT_EQ(
        httpGet(service.port(), "/v1/variants", std::string("Authorization: ") + right + "\r\n")
            .status,
        200)
        << right;
  EXPECT_EQ(service.terminate(), 0);

  // A file without a token would shut everyone out: the service does not start.
  tokens.open(QIODevice::WriteOnly);
  tokens.write("# nobody yet\n");
  tokens.close();
  EXPECT_THROW(ServiceProcess(dir.path(), {"--tokens", tokens.fileName()}), std::runtime_error);
}

TEST_F(QuoteService, LimitsCutOffLargeAndSlowRequests) {
  ServiceProcess service(dir.path(), {"--request-timeout", "1"});
  // A body beyond 256 KiB is refused from its Content-Length.
  const HttpReply large = httpPost(service.port(), "/v1/quote", std::string(300 * 1024, ' '));
  EXPECT_EQ(large.status, 413);
  EXPECT_TRUE(object(large)["error"].toString().contains("262144")) << large.body;

  // Headers sent a byte every 100 ms would take 4 s: the whole request has one deadline of 1 s,
  // so the service closes the connection while they come.
  Connection slow(service.port());
  const std::string head =
      "GET /v1/variants HTTP/1.1\r\nHost: test\r\nX-Padding: " + std::string(10, 'x') + "\r\n\r\n";
  bool cut = false;
  for (std::size_t i = 0; i < head.size() && !cut; ++i) {
    cut = !slow.send(head.substr(i, 1)) || slow.closedWithin(100);
  }
  EXPECT_TRUE(cut);
  // The service goes on answering others.
  EXPECT_EQ(httpGet(service.port(), "/v1/health").status, 200);
  EXPECT_EQ(service.terminate(), 0);
}

// SIGTERM: the request in flight is answered, an idle connection is closed, and the service
// exits with 0 once it has.
TEST_F(QuoteService, TerminateFinishesTheRequestsInFlight) {
  ServiceProcess service(dir.path());
  const std::string body = exampleFile("english-european.telmaris");
  Connection idle(service.port());
  ASSERT_TRUE(idle.send("GET /v1/health HTTP/1.1\r\nHost: test\r\n\r\n"));
  ASSERT_EQ(idle.reply().status, 200);  // and kept alive

  Connection inFlight(service.port());
  ASSERT_TRUE(inFlight.send("POST /v1/quote HTTP/1.1\r\nHost: test\r\nContent-Length: " +
                            std::to_string(body.size()) + "\r\n\r\n" + body.substr(0, 20)));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  service.signalTerminate();
  EXPECT_TRUE(idle.closedWithin(5000));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  ASSERT_TRUE(inFlight.send(body.substr(20)));
  const HttpReply answered = inFlight.reply();
  EXPECT_EQ(answered.status, 200);
  EXPECT_EQ(answered.headers.at("connection"), "close");
  EXPECT_DOUBLE_EQ(object(answered)["net"].toDouble(), kEnglishEuropeanTotal);
  ASSERT_TRUE(service.waitForExit(10000));
  EXPECT_EQ(service.exitCode(), 0);
  EXPECT_TRUE(service.log().contains("POST /v1/quote 200"));
}

}  // namespace
