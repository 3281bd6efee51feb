// The routes of the quote service.
#include "routes/quote_service.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <QUrlQuery>
#include <variant>

#include "common/variants.h"
#include "configurator/configuration_file.h"
#include "configurator/configuration_walk.h"
#include "configurator/ordering_list.h"
#include "configurator/step_rules.h"
#include "configurator/walk_json.h"
#include "pdf/pdf_documents.h"
#include "quotes/quote.h"
#include "quotes/quote_file.h"
#include "quotes/quote_json.h"
#include "quotes/quote_pricing.h"
#include "routes/request_language.h"

namespace {

HttpResponse json(int status, std::string text) {
  HttpResponse r;
  r.status = status;
  r.body = std::move(text);
  return r;
}

HttpResponse json(int status, const QJsonObject& object) {
  return json(status, QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString());
}

HttpResponse error(int status, const QString& what) {
  HttpResponse r;
  r.status = status;
  r.body = jsonError(what.toStdString());
  return r;
}

QString marketName(QuoteMarket market) {
  switch (market) {
    case QuoteMarket::UsMetric:
      return QStringLiteral("US Metric");
    case QuoteMarket::UsImperial:
      return QStringLiteral("US Imperial");
    case QuoteMarket::European:
      break;
  }
  return QStringLiteral("European");
}

// A request's path and its query parameters, decoded; a form's "+" is a blank.
struct Target {
  QString path;
  QUrlQuery query;

  explicit Target(const std::string& target) {
    const QString text = QString::fromUtf8(target);
    const qsizetype mark = text.indexOf(u'?');
    path = mark < 0 ? text : text.left(mark);
    if (mark >= 0) {
      QString q = text.mid(mark + 1);
      q.replace(u'+', QStringLiteral("%20"));
      query.setQuery(q);
    }
  }
  std::optional<QString> value(const QString& key) const {
    if (!query.hasQueryItem(key)) return std::nullopt;
    return query.queryItemValue(key, QUrl::FullyDecoded);
  }
  // The first parameter not among `known`, for a 400 that names it.
  std::optional<QString> unknownParameter(const QStringList& known) const {
    for (const auto& [key, value] : query.queryItems(QUrl::FullyDecoded))
      if (!known.contains(key)) return key;
    return std::nullopt;
  }
};

HttpResponse unknownParameter(const QString& key, const QStringList& known) {
  return error(
      400, known.isEmpty()
               ? QStringLiteral("the parameter \"%1\" is unknown: this route takes none").arg(key)
               : QStringLiteral("the parameter \"%1\" is unknown; this route takes %2")
                     .arg(key, known.join(QStringLiteral(", "))));
}

HttpResponse variants() {
  QJsonArray list;
  for (int i = 0; i < kVariantCount; ++i) {
    const Variant v = *variantByIndex(i);
    QJsonObject o;
    o[QLatin1StringView("variant")] = v.startCaption;
    o[QLatin1StringView("language")] = languageCode(v.id);
    o[QLatin1StringView("market")] = marketName(marketOf(v.id));
    o[QLatin1StringView("imperial")] = isImperialVariant(v.id);
    list.append(o);
  }
  QJsonObject o;
  o[QLatin1StringView("variants")] = list;
  return json(200, o);
}

// The variant a parameter names; English European when there is none.
std::variant<VariantId, HttpResponse> variantParameter(const Target& t) {
  const std::optional<QString> name = t.value(QStringLiteral("variant"));
  if (!name) return VariantId::EnglishEuropean;
  if (const std::optional<VariantId> id = variantByCaption(*name)) return *id;
  QStringList names;
  for (int i = 0; i < kVariantCount; ++i) names << variantByIndex(i)->startCaption;
  return error(400, QStringLiteral("the variant \"%1\" is unknown; the variants are %2")
                        .arg(name->left(100), names.join(QStringLiteral(", "))));
}

HttpResponse models(const Target& t) {
  const QStringList known{QStringLiteral("variant"), QStringLiteral("lubeFree")};
  if (const auto key = t.unknownParameter(known)) return unknownParameter(*key, known);
  const auto variant = variantParameter(t);
  if (const auto* refused = std::get_if<HttpResponse>(&variant)) return *refused;
  const std::optional<QString> lube = t.value(QStringLiteral("lubeFree"));
  if (lube && *lube != QLatin1String("true") && *lube != QLatin1String("false"))
    return error(400, QStringLiteral("lubeFree must be true or false"));
  ConfigurationWalk walk(std::get<VariantId>(variant));
  walk.lubeFree(lube == QLatin1String("true"));
  QJsonObject o;
  o[QLatin1StringView("variant")] = variantOf(walk.variantId()).startCaption;
  o[QLatin1StringView("lubeFree")] = walk.offer().lubeFree;
  o[QLatin1StringView("models")] = QJsonArray::fromStringList(walk.offer().models);
  return json(200, o);
}

HttpResponse steps(const HttpRequest& r, const Target& t, const EveryVariantData& data) {
  if (const auto key = t.unknownParameter({})) return unknownParameter(*key, {});
  QJsonParseError parse{};
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(r.body), &parse);
  if (parse.error != QJsonParseError::NoError)
    return error(400, QStringLiteral("the body is not JSON: %1 at byte %2")
                          .arg(parse.errorString())
                          .arg(parse.offset));
  if (!document.isObject())
    return error(400, QStringLiteral("the body must be a JSON object of a configuration's keys"));
  const QJsonObject object = document.object();
  if (object.contains(QLatin1StringView("feetValue")) &&
      !object.value(QLatin1StringView("feetValue")).isString())
    return error(400, QStringLiteral("\"feetValue\" must be a text"));
  const Result<Configuration> configuration = configurationFromJson(object);
  if (!configuration) return error(400, configuration.problem().describe());
  // The steps' own messages in the variant's language, as the window says them.
  const RequestLanguage::Scope language(configuration->variant);
  const ConfigurationWalk::Given given = givenAnswers(object);
  std::vector<WalkNote> notes;
  const ConfigurationWalk walk = ConfigurationWalk::answered(*configuration, &given, &notes);
  const PartsData& parts = data.of(configuration->variant);
  std::optional<OrderingList> list;
  if (walk.step() == WalkStep::Done) list = BuildOrderingList(parts, walk.hoist());
  return json(200, walkJson(walk, notes, parts.TextCatalogue, list ? &*list : nullptr,
                            JsonWriter::Format::Compact));
}

// The quote of a request's body, in the language of its parameter, each position walked to its
// end; or the answer that refuses it: 400 for a body that is no configuration or quote, 422 for
// an answer the steps refuse or a configuration that stops before the output.
std::variant<PricedQuote, HttpResponse> pricedQuote(const HttpRequest& r, const Target& t,
                                                    const EveryVariantData& data) {
  const QStringList known{QStringLiteral("language")};
  if (const auto key = t.unknownParameter(known)) return unknownParameter(*key, known);
  const Result<Quote> read = parseQuote(QByteArray::fromStdString(r.body));
  if (!read) return error(400, read.problem().describe());
  Quote quote = *read;
  if (const std::optional<QString> language = t.value(QStringLiteral("language"))) {
    const std::optional<VariantId> variant = quoteVariantOf(quote.market(), *language);
    if (!variant)
      return error(400, QStringLiteral("the hoists of this quote print in %1 only")
                            .arg(allowedLanguageCodes(quote.market())));
    quote.language = *variant;
  }
  const VariantId variant = quote.printVariant();
  const TextCatalogueArray& texts = data.of(variant).TextCatalogue;
  const RequestLanguage::Scope language(variant);
  try {
    return priceQuote(quote, data.of(variant));
  } catch (const Failure& e) {
    if (e.problem().kind != Problem::Kind::Refused) return error(400, e.problem().describe(&texts));
  }
  // A position was refused: its walk says at which step.
  for (std::size_t i = 0; i < quote.positions.size(); ++i) {
    Configuration c = quote.positions[i].configuration;
    c.variant = variant;
    const ConfigurationWalk walk = ConfigurationWalk::answered(c, nullptr);
    if (walk.step() == WalkStep::Done) continue;
    Problem p = walk.problem().value_or(Problem{Problem::Kind::Refused,
                                                {},
                                                missingAnswerText(MissingAnswer::OutputNotReached),
                                                std::nullopt});
    if (quote.isQuote()) p.where = QStringLiteral("Position %1").arg(i + 1);
    return json(422, refusalJson(p, walk.step(), texts, JsonWriter::Format::Compact));
  }
  return error(422, QStringLiteral("the quote is refused"));
}

HttpResponse health(const PriceData& prices) {
  const std::shared_ptr<const LoadedPrices> loaded = prices.current();
  QJsonObject o;
  o[QLatin1StringView("ready")] = loaded && loaded->data != nullptr;
  o[QLatin1StringView("pricesChanged")] = loaded->changed.toString(Qt::ISODateWithMs);
  o[QLatin1StringView("loaded")] = loaded->loaded.toString(Qt::ISODateWithMs);
  if (const std::optional<QString> problem = prices.problem())
    o[QLatin1StringView("reloadProblem")] = *problem;
  return json(200, o);
}

struct Route {
  const char* path;
  const char* method;
};
constexpr Route kRoutes[] = {
    {"/v1/variants", "GET"}, {"/v1/models", "GET"},     {"/v1/steps", "POST"},
    {"/v1/quote", "POST"},   {"/v1/quote.pdf", "POST"}, {"/v1/health", "GET"},
};

// The route's method, or none for a path the service does not have.
std::optional<std::string> methodOf(const QString& path) {
  for (const Route& route : kRoutes)
    if (path == QLatin1String(route.path)) return std::string(route.method);
  return std::nullopt;
}

}  // namespace

QuoteService::QuoteService(PriceData& prices, AccessTokens tokens, PdfDocuments* documents)
    : prices_(prices), tokens_(std::move(tokens)), documents_(documents) {}

HttpResponse QuoteService::answer(const HttpRequest& request) {
  const Target target(request.target);
  if (target.path == QLatin1String("/v1/health") && request.method == "GET") return health(prices_);
  if (!tokens_.admits(request.authorization)) {
    HttpResponse r =
        error(401, QStringLiteral("this service needs the header "
                                  "\"Authorization: Bearer TOKEN\" with a dealer's token"));
    r.wwwAuthenticate = "Bearer realm=\"telmaris\"";
    return r;
  }
  const std::optional<std::string> method = methodOf(target.path);
  if (!method)
    return error(404, QStringLiteral("there is no route %1; the routes are under /v1")
                          .arg(target.path.left(200)));
  if (request.method != *method) {
    HttpResponse r = error(
        405, QStringLiteral("%1 takes %2 only").arg(target.path, QString::fromStdString(*method)));
    r.allow = *method;
    return r;
  }
  if (target.path == QLatin1String("/v1/variants")) {
    if (const auto key = target.unknownParameter({})) return unknownParameter(*key, {});
    return variants();
  }
  if (target.path == QLatin1String("/v1/models")) return models(target);
  // One value for the whole request: an import swapped in meanwhile is not seen by it.
  const std::shared_ptr<const LoadedPrices> loaded = prices_.current();
  if (target.path == QLatin1String("/v1/steps")) return steps(request, target, *loaded->data);
  auto priced = pricedQuote(request, target, *loaded->data);
  if (auto* refused = std::get_if<HttpResponse>(&priced)) return std::move(*refused);
  return json(200, pricedJson(std::get<PricedQuote>(priced), JsonWriter::Format::Compact));
}

void QuoteService::handle(const HttpRequest& request,
                          const std::function<void(HttpResponse)>& respond) {
  const Target target(request.target);
  if (target.path != QLatin1String("/v1/quote.pdf") || request.method != "POST" ||
      !tokens_.admits(request.authorization))
    return respond(answer(request));
  // The document is checked here first, so that a refusal is as quick as that of /v1/quote.
  const std::shared_ptr<const LoadedPrices> loaded = prices_.current();
  auto priced = pricedQuote(request, target, *loaded->data);
  if (auto* refused = std::get_if<HttpResponse>(&priced)) return respond(std::move(*refused));
  if (!documents_) return respond(error(501, QStringLiteral("this service prints no documents")));
  PdfJob job;
  job.quoteFile = QByteArray::fromStdString(request.body);
  job.language = target.value(QStringLiteral("language")).value_or(QString());
  job.done = [respond](Result<QByteArray> pdf) {
    if (!pdf) return respond(error(500, pdf.problem().describe()));
    HttpResponse r;
    r.contentType = "application/pdf";
    r.body = pdf->toStdString();
    respond(std::move(r));
  };
  if (!documents_->make(std::move(job))) {
    HttpResponse busy = error(503, QStringLiteral("too many documents are being printed; "
                                                  "try again in a moment"));
    respond(std::move(busy));
  }
}
