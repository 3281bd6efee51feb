// The lists of configurations and quotes as JSON: what --json prints and the quote service
// answers.
#include "quotes/quote_json.h"

#include "common/variants.h"
#include "configurator/list_json.h"

namespace {

void writeQuote(JsonWriter& json, const PricedQuote& priced, const QDate& today) {
  const QuoteHeader& h = priced.quote.header;
  json.beginObject();
  json.key("discount").value(jsonAmount(priced.discount));
  json.key("net").value(jsonAmount(priced.net));
  json.key("positions").beginArray();
  for (const PricedPosition& p : priced.positions) {
    json.beginObject();
    json.key("description").value(p.description);
    json.key("discount").value(jsonAmount(p.list.discountAmount()));
    json.key("lineNet").value(jsonAmount(p.lineNet()));
    writeListLines(json, p.list);
    json.key("model").value(p.position.configuration.model);
    json.key("net").value(jsonAmount(p.list.net()));
    json.key("note").value(p.position.note);
    json.key("number").value(p.number);
    json.key("quantity").value(p.position.quantity);
    json.key("total").value(jsonAmount(p.list.total));
    json.key("unitNet").value(jsonAmount(p.unitNet()));
    json.endObject();
  }
  json.endArray();
  json.key("quote").beginObject();
  json.key("address").beginArray();
  for (const QString& line : h.address) json.value(line);
  json.endArray();
  json.key("company").value(h.company);
  json.key("contact").value(h.contact);
  json.key("customerReference").value(h.customerReference);
  if (h.date.isValid())
    json.key("date").value(h.date.toString(Qt::ISODate));
  else
    json.key("date").null();
  json.key("language").value(languageCode(priced.variant));
  json.key("note").value(h.note);
  json.key("number").value(h.number);
  json.key("ourReference").value(h.ourReference);
  json.key("validUntil")
      .value(h.validUntil(h.date.isValid() ? h.date : today).toString(Qt::ISODate));
  json.key("validityDays").value(h.validityDays);
  json.endObject();
  json.key("total").value(jsonAmount(priced.total));
  json.endObject();
}

}  // namespace

std::string pricedJson(const PricedQuote& priced, JsonWriter::Format format, QDate today) {
  if (!priced.quote.isQuote()) return listJson(priced.positions.front().list, format);
  JsonWriter json(format);
  writeQuote(json, priced, today.isValid() ? today : QDate::currentDate());
  return json.take();
}
