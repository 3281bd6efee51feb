// Reading and writing quote files.
#include "quotes/quote_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "common/file_access.h"
#include "configurator/configuration_file.h"

namespace {

const QStringList kTopKeys{QStringLiteral("telmaris"), QStringLiteral("language"),
                           QStringLiteral("header"), QStringLiteral("positions")};
const QStringList kHeaderKeys{QStringLiteral("company"),      QStringLiteral("contact"),
                              QStringLiteral("address"),      QStringLiteral("customerReference"),
                              QStringLiteral("ourReference"), QStringLiteral("number"),
                              QStringLiteral("date"),         QStringLiteral("validityDays"),
                              QStringLiteral("note")};

Problem wrongFile(const QString& what) {
  return Problem{Problem::Kind::File, {}, what, std::nullopt};
}

Problem wrongKey(const QString& key, const QString& expected) {
  return wrongFile(
      QCoreApplication::translate("ConfigurationFiles", "\"%1\" must be %2.").arg(key, expected));
}

// A key the format does not know: a misspelt key would otherwise be lost without a word.
std::optional<Problem> unknownKey(const QJsonObject& object, const QStringList& keys,
                                  const QString& prefix) {
  for (auto it = object.begin(); it != object.end(); ++it)
    if (!keys.contains(it.key()))
      return wrongFile(QCoreApplication::translate("Quotes", "\"%1\" is no key of a quote file.")
                           .arg(withControlsEscaped(prefix + it.key().left(kMaxQuoteLineText))));
  return std::nullopt;
}

// A text of at most `limit` characters; a longer one is refused here, before anything is kept.
std::optional<Problem> readText(const QJsonObject& object, const QString& key, int limit,
                                const QString& path, QString& target) {
  if (!object.contains(key)) return std::nullopt;
  const QJsonValue v = object.value(key);
  if (!v.isString() || v.toString().size() > limit)
    return wrongKey(
        path, QCoreApplication::translate("Quotes", "a text of at most %1 characters").arg(limit));
  target = v.toString();
  return std::nullopt;
}

std::optional<Problem> readWhole(const QJsonObject& object, const QString& key, int from, int to,
                                 const QString& path, int& target) {
  if (!object.contains(key)) return std::nullopt;
  const QJsonValue v = object.value(key);
  const double d = v.toDouble(from - 1.0);
  if (!v.isDouble() || d < from || d > to || d != static_cast<int>(d))
    return wrongKey(
        path,
        QCoreApplication::translate("Quotes", "a whole number from %1 to %2").arg(from).arg(to));
  target = static_cast<int>(d);
  return std::nullopt;
}

std::optional<Problem> readHeader(const QJsonObject& o, QuoteHeader& h) {
  if (auto p = unknownKey(o, kHeaderKeys, QStringLiteral("header."))) return p;
  const std::pair<const char*, QString*> lines[] = {
      {"company", &h.company},
      {"contact", &h.contact},
      {"customerReference", &h.customerReference},
      {"ourReference", &h.ourReference},
      {"number", &h.number},
  };
  for (const auto& [key, target] : lines)
    if (auto p = readText(o, QLatin1String(key), kMaxQuoteLineText,
                          QStringLiteral("header.") + QLatin1String(key), *target))
      return p;
  if (o.contains(u"address")) {
    const QJsonValue v = o.value(u"address");
    if (!v.isArray() || v.toArray().size() > kQuoteAddressLines)
      return wrongKey(QStringLiteral("header.address"),
                      QCoreApplication::translate("Quotes", "a list of at most %1 texts")
                          .arg(kQuoteAddressLines));
    const QJsonArray given = v.toArray();
    for (qsizetype i = 0; i < given.size(); ++i) {
      const QJsonValue line = given[i];
      const QString path = QStringLiteral("header.address[%1]").arg(i + 1);
      if (!line.isString() || line.toString().size() > kMaxQuoteLineText)
        return wrongKey(path,
                        QCoreApplication::translate("Quotes", "a text of at most %1 characters")
                            .arg(kMaxQuoteLineText));
      h.address[static_cast<std::size_t>(i)] = line.toString();
    }
  }
  if (o.contains(u"date")) {
    const QJsonValue v = o.value(u"date");
    h.date = QDate::fromString(v.toString(), Qt::ISODate);
    if (!v.isString() || !h.date.isValid())
      return wrongKey(QStringLiteral("header.date"),
                      QCoreApplication::translate("Quotes", "a date such as \"2026-12-09\""));
  }
  if (auto p = readWhole(o, QStringLiteral("validityDays"), 1, kMaxValidityDays,
                         QStringLiteral("header.validityDays"), h.validityDays))
    return p;
  return readText(o, QStringLiteral("note"), kMaxQuoteNoteText, QStringLiteral("header.note"),
                  h.note);
}

std::optional<Problem> readPosition(const QJsonObject& o, const QString& prefix,
                                    QuotePosition& position) {
  QStringList keys = configurationKeys();
  keys << QStringLiteral("quantity") << QStringLiteral("note");
  if (auto p = unknownKey(o, keys, prefix)) return p;
  if (o.value(u"accessories").isObject())
    if (auto p = unknownKey(o.value(u"accessories").toObject(), accessoryKeys(),
                            prefix + QStringLiteral("accessories.")))
      return p;
  const Result<Configuration> c = configurationFromJson(o, prefix);
  if (!c) return c.problem();
  position.configuration = *c;
  if (auto p = readWhole(o, QStringLiteral("quantity"), 1, kMaxQuoteQuantity,
                         prefix + QStringLiteral("quantity"), position.quantity))
    return p;
  return readText(o, QStringLiteral("note"), kMaxQuoteNoteText, prefix + QStringLiteral("note"),
                  position.note);
}

Result<Quote> readVersion2(const QJsonObject& object) {
  if (auto p = unknownKey(object, kTopKeys, {})) return *p;
  Quote quote;
  quote.madeAsQuote = true;
  if (object.contains(u"header")) {
    if (!object.value(u"header").isObject())
      return wrongKey(QStringLiteral("header"),
                      QCoreApplication::translate("ConfigurationFiles", "an object"));
    if (auto p = readHeader(object.value(u"header").toObject(), quote.header)) return *p;
  }
  const QJsonValue positions = object.value(u"positions");
  // The count is checked before a position is read: a file of a million positions is refused
  // at once.
  if (!positions.isArray() || positions.toArray().isEmpty() ||
      positions.toArray().size() > kMaxQuotePositions)
    return wrongKey(QStringLiteral("positions"),
                    QCoreApplication::translate("Quotes", "a list of 1 to %1 positions")
                        .arg(kMaxQuotePositions));
  const QJsonArray list = positions.toArray();
  for (qsizetype i = 0; i < list.size(); ++i) {
    const QString prefix = QStringLiteral("positions[%1].").arg(i + 1);
    if (!list[i].isObject())
      return wrongKey(prefix.chopped(1),
                      QCoreApplication::translate("ConfigurationFiles", "an object"));
    QuotePosition position;
    if (auto p = readPosition(list[i].toObject(), prefix, position)) return *p;
    quote.positions.push_back(position);
  }
  if (object.contains(u"language")) {
    const QString code = object.value(u"language").toString();
    quote.language = quoteVariantOf(quote.market(), code);
    if (!quote.language)
      return wrongKey(QStringLiteral("language"),
                      QCoreApplication::translate("Quotes", "one of %1 for this quote's hoists")
                          .arg(allowedLanguageCodes(quote.market())));
  }
  if (auto p = checkQuote(quote)) return *p;
  return quote;
}

}  // namespace

Result<Quote> parseQuote(const QByteArray& json) {
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
  const QJsonValue version =
      document.isObject() ? document.object().value(u"telmaris") : QJsonValue();
  // Version 1, and a file that is no JSON object at all, read as configurations have always
  // been read, with the same messages.
  if (parseError.error != QJsonParseError::NoError || !document.isObject() ||
      version.toInt(-1) != 2) {
    if (document.isObject() && !version.isUndefined() && version.toInt(-1) != 1)
      return wrongKey(QStringLiteral("telmaris"), QStringLiteral("1 or 2"));
    // A configuration read once: the document is parsed again only to say what is wrong with it.
    const Result<Configuration> c =
        document.isObject() ? configurationFromJson(document.object()) : parseConfiguration(json);
    if (!c) return c.problem();
    return quoteOf(*c);
  }
  return readVersion2(document.object());
}

QByteArray writeQuote(const Quote& quote) {
  if (!quote.isQuote() && quote.positions.size() == 1)
    return writeConfiguration(quote.positions.front().configuration);
  const QuoteHeader& h = quote.header;
  QJsonObject header;
  const std::pair<const char*, const QString*> lines[] = {
      {"company", &h.company},
      {"contact", &h.contact},
      {"customerReference", &h.customerReference},
      {"ourReference", &h.ourReference},
      {"number", &h.number},
  };
  for (const auto& [key, text] : lines) header[QLatin1String(key)] = *text;
  QJsonArray address;
  for (const QString& line : h.address) address.append(line);
  header[QStringLiteral("address")] = address;
  if (h.date.isValid()) header[QStringLiteral("date")] = h.date.toString(Qt::ISODate);
  header[QStringLiteral("validityDays")] = h.validityDays;
  header[QStringLiteral("note")] = h.note;

  QJsonArray positions;
  for (const QuotePosition& p : quote.positions) {
    QJsonObject o = configurationToJson(p.configuration);
    o[QStringLiteral("quantity")] = p.quantity;
    o[QStringLiteral("note")] = p.note;
    positions.append(o);
  }
  QJsonObject o;
  o[QStringLiteral("telmaris")] = 2;
  if (quote.language) o[QStringLiteral("language")] = languageCode(*quote.language);
  o[QStringLiteral("header")] = header;
  o[QStringLiteral("positions")] = positions;
  return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

Result<Quote> readQuoteFile(const QString& file) {
  QByteArray json;
  try {
    json = readRegularFile(
        file, kMaxQuoteFileBytes,
        QCoreApplication::translate("Quotes",
                                    "The file is larger than %1 KB, more than a quote of %2 "
                                    "positions takes. It is no configuration or quote.")
            .arg(kMaxQuoteFileBytes / 1024)
            .arg(kMaxQuotePositions));
  } catch (const Failure& e) {
    return e.problem();
  }
  // A file larger than any configuration that is no quote either is refused as configurations
  // always were, for its size.
  if (json.size() > kMaxConfigurationBytes) {
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject() || document.object().value(u"telmaris").toInt(-1) != 2) {
      const Result<Configuration> configuration = readConfigurationFile(file);
      if (!configuration) return configuration.problem();
    }
  }
  Result<Quote> parsed = parseQuote(json);
  if (!parsed)
    return Problem{Problem::Kind::File, QDir::toNativeSeparators(withControlsEscaped(file)),
                   parsed.problem().what, std::nullopt};
  return parsed;
}
