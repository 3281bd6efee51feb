// The lists of configurations and quotes as JSON: what --json prints and the quote service
// answers.
#include "quotes/quote_json.h"

#include <QJsonArray>
#include <cmath>

#include "common/units.h"
#include "common/variants.h"

namespace {

// An amount as the list shows it, without the noise of single precision.
double amount(double value) {
  return std::round(value * 100) / 100;
}

}  // namespace

QJsonObject listAsJson(const OrderingList& list) {
  QJsonArray lines;
  for (const OrderingLine* part : list.parts()) {
    QJsonObject line;
    line[QLatin1StringView("quantity")] = part->quantity;
    line[QLatin1StringView("unit")] = part->isLength ? QStringLiteral("m") : QString();
    if (part->isLength && list.imperial)
      line[QLatin1StringView("feet")] = std::round(part->quantity / kMetresPerFoot);
    line[QLatin1StringView("orderingNumber")] = part->orderingNumber;
    line[QLatin1StringView("amount")] = amount(part->amount);
    line[QLatin1StringView("description")] = part->description;
    lines.append(line);
  }
  QJsonObject object;
  object[QLatin1StringView("lines")] = lines;
  object[QLatin1StringView("total")] = amount(list.total);
  object[QLatin1StringView("discount")] = amount(list.discountAmount());
  object[QLatin1StringView("net")] = amount(list.net());
  return object;
}

QJsonObject quoteAsJson(const PricedQuote& priced, const QDate& today) {
  const QuoteHeader& h = priced.quote.header;
  QJsonObject header;
  header[QLatin1StringView("company")] = h.company;
  header[QLatin1StringView("contact")] = h.contact;
  QJsonArray address;
  for (const QString& line : h.address) address.append(line);
  header[QLatin1StringView("address")] = address;
  header[QLatin1StringView("customerReference")] = h.customerReference;
  header[QLatin1StringView("ourReference")] = h.ourReference;
  header[QLatin1StringView("number")] = h.number;
  header[QLatin1StringView("date")] =
      h.date.isValid() ? QJsonValue(h.date.toString(Qt::ISODate)) : QJsonValue();
  header[QLatin1StringView("validityDays")] = h.validityDays;
  header[QLatin1StringView("validUntil")] =
      h.validUntil(h.date.isValid() ? h.date : today).toString(Qt::ISODate);
  header[QLatin1StringView("note")] = h.note;
  header[QLatin1StringView("language")] = languageCode(priced.variant);

  QJsonArray positions;
  for (const PricedPosition& p : priced.positions) {
    QJsonObject position = listAsJson(p.list);
    position[QLatin1StringView("number")] = p.number;
    position[QLatin1StringView("quantity")] = p.position.quantity;
    position[QLatin1StringView("note")] = p.position.note;
    position[QLatin1StringView("model")] = p.position.configuration.model;
    position[QLatin1StringView("description")] = p.description;
    position[QLatin1StringView("unitNet")] = amount(p.unitNet());
    position[QLatin1StringView("lineNet")] = amount(p.lineNet());
    positions.append(position);
  }
  QJsonObject object;
  object[QLatin1StringView("quote")] = header;
  object[QLatin1StringView("positions")] = positions;
  object[QLatin1StringView("total")] = amount(priced.total);
  object[QLatin1StringView("discount")] = amount(priced.discount);
  object[QLatin1StringView("net")] = amount(priced.net);
  return object;
}

QJsonObject pricedAsJson(const PricedQuote& priced, const QDate& today) {
  return priced.quote.isQuote() ? quoteAsJson(priced, today)
                                : listAsJson(priced.positions.front().list);
}
