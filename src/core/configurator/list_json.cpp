// A configuration's ordering list as JSON.
#include "configurator/list_json.h"

#include <cmath>

#include "common/units.h"

double jsonAmount(double value) {
  return std::round(value * 100) / 100;
}

void writeListLines(JsonWriter& json, const OrderingList& list) {
  json.key("lines").beginArray();
  for (const OrderingLine* part : list.parts()) {
    json.beginObject();
    json.key("amount").value(jsonAmount(part->amount));
    json.key("description").value(part->description);
    if (part->isLength && list.imperial)
      json.key("feet").value(std::round(part->quantity / kMetresPerFoot));
    json.key("orderingNumber").value(part->orderingNumber);
    json.key("quantity").value(part->quantity);
    json.key("unit").value(part->isLength ? QStringLiteral("m") : QString());
    json.endObject();
  }
  json.endArray();
}

void writeListJson(JsonWriter& json, const OrderingList& list) {
  json.beginObject();
  json.key("discount").value(jsonAmount(list.discountAmount()));
  writeListLines(json, list);
  json.key("net").value(jsonAmount(list.net()));
  json.key("total").value(jsonAmount(list.total));
  json.endObject();
}

std::string listJson(const OrderingList& list, JsonWriter::Format format) {
  JsonWriter json(format);
  writeListJson(json, list);
  return json.take();
}
