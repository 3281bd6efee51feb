// Reading and writing saved configurations.
#include "configurator/configuration_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>

#include "startup/variants.h"

namespace {

const QStringList kTrolleys{"none", "manual-narrow", "manual-wide", "motor-narrow", "motor-wide"};
const QStringList kHoistControls{"pull-chain", "2-button", "twist-rod", "4-button",
                                 "2-button-hook"};
const QStringList kTrolleyControls{"pull-chain", "2-button"};
const QStringList kAccessories{"overload", "chainCollector", "chainStop", "safetyHook",
                               "assembled"};

struct Reader {
  const QJsonObject& object;
  QString error;

  bool wrong(const QString& key, const QString& expected) {
    if (error.isEmpty()) error = QStringLiteral("\"%1\" must be %2.").arg(key, expected);
    return false;
  }

  void boolean(const QJsonObject& from, const QString& key, bool& target, const QString& path) {
    if (!from.contains(key)) return;
    if (!from.value(key).isBool()) return void(wrong(path, QStringLiteral("true or false")));
    target = from.value(key).toBool();
  }

  void text(const QString& key, QString& target) {
    if (!object.contains(key)) return;
    const QJsonValue v = object.value(key);
    if (v.isString())
      target = v.toString();
    else
      wrong(key, QStringLiteral("a text"));
  }

  // A length as the user types it: digits with at most one decimal point or comma. A number
  // of JSON is refused, as its digits are not those the user typed.
  void length(const QString& key, QString& target) {
    if (!object.contains(key)) return;
    static const QRegularExpression typed(QStringLiteral("^[0-9]*([.,][0-9]*)?$"));
    const QJsonValue v = object.value(key);
    if (!v.isString() || !typed.match(v.toString()).hasMatch())
      return void(wrong(key, QStringLiteral("a text of digits with at most one \".\" or \",\"")));
    target = v.toString();
  }

  // One of the names, or null where null is allowed (-1).
  void choice(const QString& key, const QStringList& names, int& target, bool nullable) {
    if (!object.contains(key)) return;
    const QJsonValue v = object.value(key);
    if (nullable && v.isNull()) {
      target = -1;
      return;
    }
    const int index = v.isString() ? static_cast<int>(names.indexOf(v.toString())) : -1;
    if (index < 0)
      return void(wrong(key, QStringLiteral("one of \"%1\"%2")
                                 .arg(names.join(QStringLiteral("\", \"")),
                                      nullable ? QStringLiteral(" or null") : QString())));
    target = index;
  }
};

}  // namespace

std::variant<Configuration, QString> parseConfiguration(const QByteArray& json) {
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
  if (parseError.error != QJsonParseError::NoError)
    return QStringLiteral("The file is no configuration: %1 (at character %2).")
        .arg(parseError.errorString())
        .arg(parseError.offset);
  if (!document.isObject()) return QStringLiteral("The file is no configuration.");
  const QJsonObject object = document.object();
  Configuration c;
  Reader r{object, {}};

  if (object.contains("telmaris") && object.value("telmaris").toInt(-1) != 1)
    r.wrong("telmaris", QStringLiteral("1"));
  if (object.contains("variant")) {
    const QString caption = object.value("variant").toString();
    int index = -1;
    for (int i = 0; i < kVariantCount; ++i)
      if (variantByIndex(i)->startCaption == caption) index = i;
    if (index < 0)
      r.wrong("variant", QStringLiteral("one of the eight variants, such as \"English European\""));
    else
      c.variant = index;
  }
  r.boolean(object, "lubeFree", c.lubeFree, "lubeFree");
  r.text("model", c.model);
  r.boolean(object, "stainlessChain", c.stainlessChain, "stainlessChain");
  r.length("liftHeight", c.liftHeight);
  r.length("controlLength", c.controlLength);
  r.choice("trolley", kTrolleys, c.trolley, true);
  r.choice("hoistControl", kHoistControls, c.hoistControl, true);
  r.boolean(object, "articulation", c.articulation, "articulation");
  r.choice("trolleyControl", kTrolleyControls, c.trolleyControl, true);
  if (object.contains("accessories")) {
    const QJsonValue v = object.value("accessories");
    if (!v.isObject()) {
      r.wrong("accessories", QStringLiteral("an object"));
    } else {
      const QJsonObject accessories = v.toObject();
      for (int i = 0; i < kAccessories.size(); ++i)
        r.boolean(accessories, kAccessories[i], c.accessories[i],
                  QStringLiteral("accessories.") + kAccessories[i]);
    }
  }
  if (object.contains("discount")) {
    const QJsonValue v = object.value("discount");
    const double d = v.toDouble(-1);
    if (!v.isDouble() || d < 0 || d > 99 || d != static_cast<int>(d))
      r.wrong("discount", QStringLiteral("a whole number from 0 to 99"));
    else
      c.discount = static_cast<int>(d);
  }
  if (!r.error.isEmpty()) return r.error;
  return c;
}

QByteArray writeConfiguration(const Configuration& c) {
  QJsonObject accessories;
  for (int i = 0; i < kAccessories.size(); ++i) accessories[kAccessories[i]] = c.accessories[i];
  QJsonObject o;
  o["telmaris"] = 1;
  o["variant"] = variantByIndex(c.variant) ? variantByIndex(c.variant)->startCaption : QString();
  o["lubeFree"] = c.lubeFree;
  o["model"] = c.model;
  o["stainlessChain"] = c.stainlessChain;
  o["liftHeight"] = c.liftHeight;
  o["controlLength"] = c.controlLength;
  o["trolley"] = c.trolley >= 0 ? QJsonValue(kTrolleys[c.trolley]) : QJsonValue();
  o["hoistControl"] =
      c.hoistControl >= 0 ? QJsonValue(kHoistControls[c.hoistControl]) : QJsonValue();
  o["articulation"] = c.articulation;
  o["trolleyControl"] =
      c.trolleyControl >= 0 ? QJsonValue(kTrolleyControls[c.trolleyControl]) : QJsonValue();
  o["accessories"] = accessories;
  o["discount"] = c.discount;
  return QJsonDocument(o).toJson(QJsonDocument::Indented);
}
