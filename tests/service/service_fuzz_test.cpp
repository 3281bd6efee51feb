// A bounded fuzz run of the quote service (CI runs it on the sanitizer build): request bodies
// mutated from the shipped examples and a quote, answered in the process, and request heads
// mutated from a valid request, sent to the service over its socket. No answer may be a 5xx, and
// /v1/quote may say 200 only for a body the quote file reader accepts.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <random>
#include <thread>

#include "data/price_data.h"
#include "quotes/quote_file.h"
#include "routes/quote_service.h"
#include "service_process.h"
#include "support/quote_fixtures.h"
#include "support/test_database.h"

namespace {

std::vector<std::string> seeds() {
  std::vector<std::string> s;
  for (const QFileInfo& f : QDir(QStringLiteral(TELMARIS_SOURCE_DIR "/examples"))
                                .entryInfoList({"*.telmaris"}, QDir::Files, QDir::Name)) {
    QFile file(f.filePath());
    file.open(QIODevice::ReadOnly);
    s.push_back(file.readAll().toStdString());
  }
  s.push_back(writeQuote(kesslerQuote()).toStdString());
  s.push_back(R"({"variant":"US Version Imperial","model":"PXH 1000 EX","stainlessChain":false,)"
              R"("liftHeight":"20","controlLength":"9.8","feetValue":"13"})");
  return s;
}

// Pieces of JSON and of the file format that a mutation puts in.
const std::vector<std::string> kPieces = {"{",
                                          "}",
                                          "[",
                                          "]",
                                          ":",
                                          ",",
                                          "\"",
                                          "null",
                                          "true",
                                          "false",
                                          "-1",
                                          "0",
                                          "1e999",
                                          "-0.5",
                                          "99999999999",
                                          "\"positions\"",
                                          "\"telmaris\"",
                                          "2",
                                          "\"quantity\"",
                                          "\"liftHeight\"",
                                          "\"trolley\"",
                                          "\"motor-wide\"",
                                          "\"accessories\"",
                                          "\"language\"",
                                          "\"de\"",
                                          "\\u0000",
                                          "\\ud800",
                                          "\xff\xfe",
                                          "\"header\"",
                                          "\"discount\"",
                                          "100",
                                          std::string(5000, 'a')};

std::string mutated(const std::vector<std::string>& from, std::mt19937& random) {
  std::string s = from[random() % from.size()];
  const int changes = 1 + static_cast<int>(random() % 4);
  for (int i = 0; i < changes; ++i) {
    const std::size_t at = s.empty() ? 0 : random() % (s.size() + 1);
    switch (random() % 5) {
      case 0:
        if (!s.empty() && at < s.size()) s[at] = static_cast<char>(random() % 256);
        break;
      case 1:
        s.insert(at, kPieces[random() % kPieces.size()]);
        break;
      case 2:
        s.erase(at, random() % 40);
        break;
      case 3: {
        const std::string& other = from[random() % from.size()];
        const std::size_t start = random() % (other.size() + 1);
        s.insert(at, other.substr(start, random() % 200));
        break;
      }
      default:
        if (at < s.size()) s.insert(at, s.substr(at, random() % 100));
        break;
    }
  }
  return s;
}

TEST(QuoteServiceFuzz, BodiesGetNoServerErrorAnd200OnlyWhenTheReaderAcceptsThem) {
  PriceData prices(ProgramDirectory(QStringLiteral(TELMARIS_PROGRAM_DIR)).database());
  QuoteService service(prices, AccessTokens(), nullptr);
  const std::vector<std::string> from = seeds();
  std::mt19937 random(20261209);
  int accepted = 0;
  for (int i = 0; i < 8000; ++i) {
    HttpRequest request;
    request.method = "POST";
    request.target =
        i % 3 == 0 ? "/v1/steps" : (i % 3 == 1 ? "/v1/quote" : "/v1/quote?language=de");
    request.body = mutated(from, random);
    const HttpResponse r = service.answer(request);
    ASSERT_LT(r.status, 500) << request.target << '\n' << request.body << '\n' << r.body;
    if (request.target.starts_with("/v1/quote") && r.status == 200) {
      ASSERT_TRUE(bool(parseQuote(QByteArray::fromStdString(request.body)))) << request.body;
      ++accepted;
    }
  }
  // The mutations leave some bodies whole enough to be priced.
  EXPECT_GT(accepted, 0);

  // Query strings of every kind.
  const std::vector<std::string> targets = {"/v1/models?variant=",
                                            "/v1/models?variant=%",
                                            "/v1/models?variant=%ZZ&lubeFree=%00",
                                            "/v1/models?variant=Deutsch&variant=Fran%C3%A7ais",
                                            "/v1/models?&&&=&",
                                            "/v1/models?lubeFree=true&lubeFree=false",
                                            "/v1/variants?%FF",
                                            "/v1/quote?language=%E2%82"};
  for (const std::string& t : targets) {
    HttpRequest request;
    request.method = t.starts_with("/v1/quote") ? "POST" : "GET";
    request.target = t;
    EXPECT_LT(service.answer(request).status, 500) << t;
  }
}

TEST(QuoteServiceFuzz, HeadsGetNoServerErrorAndTheServiceGoesOn) {
  TestProgramDirectory dir{TestProgramDirectory::Built{}};
  ServiceProcess service(dir.path(), {"--request-timeout", "1", "--threads", "2"});
  const std::string body = seeds().front();
  const std::string valid =
      "POST /v1/quote HTTP/1.1\r\nHost: test\r\nContent-Type: "
      "application/json\r\nContent-Length: " +
      std::to_string(body.size()) + "\r\n\r\n" + body;
  std::vector<std::string> requests = {
      "POST /v1/quote HTTP/1.1\r\nContent-Length: -1\r\n\r\n",
      "POST /v1/quote HTTP/1.1\r\nContent-Length: abc\r\n\r\n",
      "POST /v1/quote HTTP/1.1\r\nContent-Length: 99999999999999999999999\r\n\r\n",
      "POST /v1/quote HTTP/1.1\r\nContent-Length: 3\r\nContent-Length: 4\r\n\r\nabcd",
      "POST /v1/quote HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\nabc\r\n0\r\n\r\n",
      "POST /v1/quote HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n3\r\n{}}\r\n0\r\n\r\n",
      "GET /v1/variants HTTP/9.9\r\n\r\n",
      "GET http://elsewhere/v1/variants HTTP/1.1\r\n\r\n",
      "GET /v1/variants\r\n\r\n",
      std::string("GET /v1/\0variants HTTP/1.1\r\n\r\n", 31),
      "GET /v1/variants HTTP/1.1\r\nX: " + std::string(20000, 'x') + "\r\n\r\n",
      "\r\n\r\n\r\n",
      "BREW /v1/quote HTTP/1.1\r\n\r\n",
      "GET " + std::string(9000, '/') + " HTTP/1.1\r\n\r\n",
  };
  std::mt19937 random(9122026);
  for (int i = 0; i < 200; ++i) {
    std::string r = valid;
    const std::size_t headEnd = r.find("\r\n\r\n") + 4;
    for (int k = 0; k < 1 + static_cast<int>(random() % 3); ++k) {
      const std::size_t at = random() % headEnd;
      if (random() % 2)
        r[at] = static_cast<char>(random() % 256);
      else
        r.insert(at, kPieces[random() % kPieces.size()].substr(0, 50));
    }
    requests.push_back(r);
  }
  // Many at once: a request that stops short waits out the one-second deadline.
  int answered = 0;
  for (std::size_t first = 0; first < requests.size(); first += 40) {
    std::vector<std::thread> clients;
    std::vector<int> statuses(std::min<std::size_t>(40, requests.size() - first));
    for (std::size_t k = 0; k < statuses.size(); ++k)
      clients.emplace_back(
          [&, k] { statuses[k] = httpExchange(service.port(), requests[first + k], 5000).status; });
    for (std::thread& t : clients) t.join();
    for (std::size_t k = 0; k < statuses.size(); ++k) {
      EXPECT_LT(statuses[k], 500) << requests[first + k];
      answered += statuses[k] > 0;
    }
  }
  // Most are answered (400, 413, 431, or 200 where the change left the request whole); the
  // rest the service closes.
  EXPECT_GT(answered, 150);
  EXPECT_EQ(httpGet(service.port(), "/v1/health").status, 200);
  EXPECT_EQ(httpPost(service.port(), "/v1/quote", body).status, 200);
  EXPECT_EQ(service.terminate(), 0);
}

}  // namespace
