// Times the quote route in the process, without the network: reading the file format, the walk
// and the prices, the JSON of the lists, and the route's whole answer. Prints each median in
// microseconds.
//   telmaris_bench_quote_route [FILE] [repetitions]
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench_timing.h"
#include "data/program_directory.h"
#include "quotes/quote_file.h"
#include "quotes/quote_json.h"
#include "quotes/quote_pricing.h"
#include "routes/quote_service.h"

namespace {

template <typename F>
double medianMicroseconds(int repetitions, F&& work) {
  std::vector<double> times;
  times.reserve(static_cast<std::size_t>(repetitions));
  for (int i = 0; i < repetitions; ++i) {
    const auto start = BenchClock::now();
    work();
    times.push_back(std::chrono::duration<double, std::micro>(BenchClock::now() - start).count());
  }
  return median(times);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const auto [file, repetitions] = fileAndRepetitions(argc, argv, 20000);
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", qPrintable(file));
    return 1;
  }
  const QByteArray body = in.readAll();
  const ProgramDirectory directory(QStringLiteral(TELMARIS_PROGRAM_DIR));
  PriceData prices(directory.database());
  QuoteService service(prices, AccessTokens(), nullptr);
  const std::shared_ptr<const LoadedPrices> loaded = prices.current();

  const Result<Quote> quote = parseQuote(body);
  if (!quote) {
    std::fprintf(stderr, "%s\n", qPrintable(quote.problem().describe()));
    return 1;
  }
  const VariantId variant = quote->printVariant();
  const PricedQuote priced = priceQuote(*quote, loaded->data->of(variant));

  HttpRequest request;
  request.method = "POST";
  request.target = "/v1/quote";
  request.body = body.toStdString();
  if (service.answer(request).status != 200) return 1;

  const double read = medianMicroseconds(repetitions, [&] { (void)parseQuote(body); });
  const double document =
      medianMicroseconds(repetitions, [&] { (void)QJsonDocument::fromJson(body); });
  const double price =
      medianMicroseconds(repetitions, [&] { (void)priceQuote(*quote, loaded->data->of(variant)); });
  const double json = medianMicroseconds(
      repetitions, [&] { (void)pricedJson(priced, JsonWriter::Format::Compact); });
  const double whole = medianMicroseconds(repetitions, [&] { (void)service.answer(request); });
  std::printf(
      "read %.2f µs (of which Qt's JSON reader %.2f), walk and price %.2f µs, JSON %.2f µs, "
      "whole answer %.2f µs\n",
      read, document, price, json, whole);
  return 0;
}
