// The JSON writer against Qt's own: --json has always printed QJsonDocument's layout, and users'
// scripts read it, so the writer must give the same text for every kind of value it writes.
#include "common/json_writer.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// One object of every kind of member, nested, with the texts that need escaping.
QJsonObject expected() {
  return QJsonObject{
      {"address", QJsonArray{}},
      {"amounts",
       QJsonArray{2475.0, 184.5, 0.1, 1000000.0, 1500000.0, 0.0001, 0.00001, -3.25, 0.001, 0.015,
                  123456.5, 1e15 + 0.5, 9.99e14 + 0.25, 1e22, 3151.4, 0.30000000000000004}},
      {"company", QString::fromUtf8("Kranbau \"Nord\" GmbH\\Hamburg \t\n\r\b\f \x01\x1f ü € 😀")},
      {"date", QJsonValue()},
      {"empty", QJsonObject{}},
      {"lines", QJsonArray{QJsonObject{{"quantity", 5}, {"unit", "m"}}, QJsonObject{}}},
      {"ticked", true},
      {"validityDays", 30},
  };
}

void write(JsonWriter& json) {
  json.beginObject();
  json.key("address").beginArray().endArray();
  json.key("amounts").beginArray();
  for (double d : {2475.0, 184.5, 0.1, 1000000.0, 1500000.0, 0.0001, 0.00001, -3.25, 0.001, 0.015,
                   123456.5, 1e15 + 0.5, 9.99e14 + 0.25, 1e22, 3151.4, 0.30000000000000004})
    json.value(d);
  json.endArray();
  json.key("company").value(
      QString::fromUtf8("Kranbau \"Nord\" GmbH\\Hamburg \t\n\r\b\f \x01\x1f ü € 😀"));
  json.key("date").null();
  json.key("empty").beginObject().endObject();
  json.key("lines").beginArray();
  json.beginObject().key("quantity").value(5).key("unit").value(QStringLiteral("m")).endObject();
  json.beginObject().endObject();
  json.endArray();
  json.key("ticked").value(true);
  json.key("validityDays").value(30);
  json.endObject();
}

TEST(JsonWriter, WritesWhatQJsonDocumentWritesCompactAndIndented) {
  for (const auto& [format, qt] :
       {std::pair{JsonWriter::Format::Compact, QJsonDocument::Compact},
        std::pair{JsonWriter::Format::Indented, QJsonDocument::Indented}}) {
    JsonWriter json(format);
    write(json);
    EXPECT_EQ(json.take(), QJsonDocument(expected()).toJson(qt).toStdString());
  }
}

}  // namespace
