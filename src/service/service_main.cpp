// The quote service's start: the parts data, the tokens, the document printer and the server.
#include "service_main.h"

#include <QCoreApplication>
#include <QDir>
#include <csignal>
#include <cstdio>
#include <thread>

#include "data/price_data.h"
#include "http/http_server.h"
#include "pdf/pdf_documents.h"
#include "routes/access_tokens.h"
#include "routes/quote_service.h"
#include "routes/request_language.h"

namespace {

void say(const QString& text) {
  std::fprintf(stderr, "telmaris: %s\n", text.toLocal8Bit().constData());
  std::fflush(stderr);
}

// "127.0.0.1:8080", "[::1]:8080"; none for a text without a port from 0 to 65535.
std::optional<std::pair<std::string, std::uint16_t>> listenAddress(const QString& text) {
  const qsizetype colon = text.lastIndexOf(u':');
  if (colon <= 0) return std::nullopt;
  QString host = text.left(colon);
  if (host.startsWith(u'[') && host.endsWith(u']')) host = host.mid(1, host.size() - 2);
  bool ok = false;
  const uint port = text.mid(colon + 1).toUInt(&ok);
  if (!ok || port > 65535 || host.isEmpty()) return std::nullopt;
  return std::pair{host.toStdString(), static_cast<std::uint16_t>(port)};
}

}  // namespace

int runService(const ServiceOptions& options) {
  // A log whose reader has gone (telmaris --serve 2>&1 | head) must not end the service: the
  // line is lost, the answers go on.
  std::signal(SIGPIPE, SIG_IGN);
  const auto address = listenAddress(options.listen);
  if (!address) {
    say(QStringLiteral("--listen %1: give ADDRESS:PORT, such as 127.0.0.1:8080")
            .arg(options.listen));
    return 2;
  }
  AccessTokens tokens;
  if (!options.tokens.isEmpty()) {
    Result<AccessTokens> read =
        AccessTokens::read(QDir::current().absoluteFilePath(options.tokens));
    if (!read) {
      say(read.problem().describe());
      return 3;
    }
    tokens = *read;
  }
  std::unique_ptr<PriceData> prices;
  try {
    prices = std::make_unique<PriceData>(options.directory.database());
  } catch (const Failure& e) {
    say(e.problem().describe());
    return 3;
  }

  const int processors = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  HttpServerSettings settings;
  settings.address = address->first;
  settings.port = address->second;
  settings.threads = options.threads > 0 ? options.threads : processors;
  settings.requestDeadline = std::chrono::seconds(options.requestTimeoutSeconds);
  // Documents take a desktop program each: as many at once as there are processors.
  PdfDocuments documents(options.desktopProgram, options.directory, processors, 64,
                         std::chrono::seconds(60));
  // The steps' own messages in each request's language.
  RequestLanguage language(options.directory);
  QCoreApplication::installTranslator(&language);
  QuoteService service(*prices, tokens, &documents);
  std::unique_ptr<HttpServer> server;
  try {
    server = std::make_unique<HttpServer>(
        settings,
        [&service](const HttpRequest& request, std::function<void(HttpResponse)> respond) {
          service.handle(request, respond);
        });
  } catch (const std::exception& e) {
    say(QString::fromLocal8Bit(e.what()));
    return 2;
  }
  // A price import into the directory is taken up within a second.
  PriceWatch watch(*prices, std::chrono::milliseconds(500));
  // One substitution of all the values: a folder's name may hold a "%1" of its own.
  say(QStringLiteral("serving %1 on http://%2:%3/v1/ with %4 %5%6")
          .arg(QDir::toNativeSeparators(options.directory.path()),
               QString::fromStdString(address->first), QString::number(server->port()),
               QString::number(settings.threads),
               settings.threads == 1 ? QStringLiteral("thread") : QStringLiteral("threads"),
               tokens.required() ? QStringLiteral(", tokens required") : QString()));
  server->run();
  say(QStringLiteral("stopped"));
  return 0;
}
