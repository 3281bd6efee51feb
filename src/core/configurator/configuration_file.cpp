// Reading and writing saved configurations.
#include "configurator/configuration_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <array>
#include <tuple>

#include "common/file_access.h"
#include "common/variants.h"

namespace {

const QStringList kTrolleys{QStringLiteral("none"), QStringLiteral("manual-narrow"),
                            QStringLiteral("manual-wide"), QStringLiteral("motor-narrow"),
                            QStringLiteral("motor-wide")};
const QStringList kHoistControls{QStringLiteral("pull-chain"), QStringLiteral("2-button"),
                                 QStringLiteral("twist-rod"), QStringLiteral("4-button"),
                                 QStringLiteral("2-button-hook")};
const QStringList kTrolleyControls{QStringLiteral("pull-chain"), QStringLiteral("2-button")};
const QStringList kAccessories{QStringLiteral("overload"), QStringLiteral("chainCollector"),
                               QStringLiteral("chainStop"), QStringLiteral("safetyHook"),
                               QStringLiteral("assembled")};

// The saved name of a choice, by its element number; null for none.
template <typename Choice>
QJsonValue nameOf(const QStringList& names, const std::optional<Choice>& choice) {
  return choice ? QJsonValue(names[element(*choice)]) : QJsonValue();
}

// The values of an object under the keys asked for, by their place in that list; an undefined
// value for a key it lacks. The object is read in one pass: each lookup by key scans it from
// its start, and a configuration asks for a dozen keys.
template <std::size_t N>
std::array<QJsonValue, N> valuesByKey(const QJsonObject& object, const QStringList& keys) {
  std::array<QJsonValue, N> values;
  values.fill(QJsonValue(QJsonValue::Undefined));
  for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
    const qsizetype i = keys.indexOf(it.key());
    if (i >= 0 && static_cast<std::size_t>(i) < N) values[static_cast<std::size_t>(i)] = it.value();
  }
  return values;
}

// The keys of a configuration, in the order of configurationKeys().
enum Key : std::size_t {
  kVariant,
  kLubeFree,
  kModel,
  kStainlessChain,
  kLiftHeight,
  kControlLength,
  kTrolley,
  kHoistControl,
  kArticulation,
  kTrolleyControl,
  kAccessoriesKey,
  kDiscount,
  kKeyCount
};

// A length as the user types it: digits with at most one decimal point or comma.
bool isTypedLength(const QString& text) {
  bool separator = false;
  for (const QChar c : text) {
    if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
      if (separator) return false;
      separator = true;
    } else if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
      return false;
    }
  }
  return true;
}

struct Reader {
  QString error;
  QString prefix;  // the path of the object in a quote file, "positions[2]."

  bool wrong(const QString& key, const QString& expected) {
    if (error.isEmpty())
      error = QCoreApplication::translate("ConfigurationFiles", "\"%1\" must be %2.")
                  .arg(prefix + key, expected);
    return false;
  }

  // `within` is the path of the object that holds the key, "accessories.".
  void boolean(const QJsonValue& v, bool& target, const QString& key, QStringView within = {}) {
    if (v.isUndefined()) return;
    if (!v.isBool())
      return void(wrong(within.toString() + key,
                        QCoreApplication::translate("ConfigurationFiles", "true or false")));
    target = v.toBool();
  }

  void text(const QJsonValue& v, const QString& key, QString& target) {
    if (v.isUndefined()) return;
    if (v.isString())
      target = v.toString();
    else
      wrong(key, QCoreApplication::translate("ConfigurationFiles", "a text"));
  }

  // A length as the user types it. A number of JSON is refused, as its digits are not those
  // the user typed.
  void length(const QJsonValue& v, const QString& key, QString& target) {
    if (v.isUndefined()) return;
    const QString typed = v.toString();
    if (!v.isString() || !isTypedLength(typed))
      return void(wrong(
          key, QCoreApplication::translate("ConfigurationFiles",
                                           "a text of digits with at most one \".\" or \",\"")));
    target = typed;
  }

  // One of the names, the choice of the same element number; or null, no choice.
  template <typename Choice>
  void choice(const QJsonValue& v, const QString& key, const QStringList& names,
              std::optional<Choice>& target) {
    if (v.isUndefined()) return;
    if (v.isNull()) {
      target.reset();
      return;
    }
    const int index = v.isString() ? static_cast<int>(names.indexOf(v.toString())) : -1;
    if (index < 0)
      return void(
          wrong(key, QCoreApplication::translate("ConfigurationFiles", "one of \"%1\" or null")
                         .arg(names.join(QStringLiteral("\", \"")))));
    target = static_cast<Choice>(index);
  }
};

// What the JSON reader found wrong, in the user's language: Qt's own text for it is English.
QString jsonErrorText(QJsonParseError::ParseError error) {
  const char* text = nullptr;
  switch (error) {
    case QJsonParseError::UnterminatedObject:
      text = QT_TRANSLATE_NOOP("ConfigurationFiles", "an object is not closed");
      break;
    case QJsonParseError::MissingNameSeparator:
      text = QT_TRANSLATE_NOOP("ConfigurationFiles", "a colon is missing after a name");
      break;
    case QJsonParseError::UnterminatedArray:
      text = QT_TRANSLATE_NOOP("ConfigurationFiles", "a list is not closed");
      break;
    case QJsonParseError::MissingValueSeparator:
      text = QT_TRANSLATE_NOOP("ConfigurationFiles", "a comma is missing between two values");
      break;
    case QJsonParseError::IllegalValue:
      text = QT_TRANSLATE_NOOP("ConfigurationFiles", "a value is not valid");
      break;
    case QJsonParseError::TerminationByNumber:
      text = QT_TRANSLATE_NOOP("ConfigurationFiles", "the file ends in a number");
      break;
    case QJsonParseError::IllegalNumber:
      text = QT_TRANSLATE_NOOP("ConfigurationFiles", "a number is not valid");
      break;
    case QJsonParseError::IllegalEscapeSequence:
      text = QT_TRANSLATE_NOOP("ConfigurationFiles", "a text has an invalid escape sequence");
      break;
    case QJsonParseError::IllegalUTF8String:
      text = QT_TRANSLATE_NOOP("ConfigurationFiles", "a text is not valid UTF-8");
      break;
    case QJsonParseError::UnterminatedString:
      text = QT_TRANSLATE_NOOP("ConfigurationFiles", "a text is not closed");
      break;
    case QJsonParseError::MissingObject:
      text = QT_TRANSLATE_NOOP("ConfigurationFiles", "an object is missing after a comma");
      break;
    case QJsonParseError::DeepNesting:
      text = QT_TRANSLATE_NOOP("ConfigurationFiles", "the values are nested too deeply");
      break;
    case QJsonParseError::DocumentTooLarge:
      text = QT_TRANSLATE_NOOP("ConfigurationFiles", "the document is too large");
      break;
    case QJsonParseError::GarbageAtEnd:
      text = QT_TRANSLATE_NOOP("ConfigurationFiles", "more follows the end of the document");
      break;
    default:
      text = QT_TRANSLATE_NOOP("ConfigurationFiles", "its contents cannot be read");
      break;
  }
  return QCoreApplication::translate("ConfigurationFiles", text);
}

}  // namespace

Result<Configuration> parseConfiguration(const QByteArray& json) {
  const auto wrongFile = [](const QString& what) {
    return Problem{Problem::Kind::File, {}, what, std::nullopt};
  };
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
  if (parseError.error != QJsonParseError::NoError)
    return wrongFile(
        QCoreApplication::translate("ConfigurationFiles",
                                    "The file is no configuration: %1 (at character %2).")
            .arg(jsonErrorText(parseError.error))
            .arg(parseError.offset));
  if (!document.isObject())
    return wrongFile(
        QCoreApplication::translate("ConfigurationFiles", "The file is no configuration."));
  const QJsonObject object = document.object();
  if (object.contains(u"telmaris") && object.value(u"telmaris").toInt(-1) != 1)
    return wrongFile(QCoreApplication::translate("ConfigurationFiles", "\"%1\" must be %2.")
                         .arg(QStringLiteral("telmaris"), QStringLiteral("1")));
  return configurationFromJson(object);
}

Result<Configuration> configurationFromJson(const QJsonObject& object, const QString& prefix) {
  const auto wrongFile = [](const QString& what) {
    return Problem{Problem::Kind::File, {}, what, std::nullopt};
  };
  const QStringList& keys = configurationKeys();
  const auto v = valuesByKey<kKeyCount>(object, keys);
  // A missing key is an answer not given: the steps wait there. Only the ticks, the discount
  // and the variant have a value without one (false, 0, English European).
  Configuration c;
  c.trolley.reset();
  c.hoistControl.reset();
  Reader r{{}, prefix};
  if (!v[kVariant].isUndefined()) {
    const std::optional<VariantId> variant = variantByCaption(v[kVariant].toString());
    if (!variant)
      r.wrong(keys[kVariant],
              QCoreApplication::translate(
                  "ConfigurationFiles", "one of the eight variants, such as \"English European\""));
    else
      c.variant = *variant;
  }
  r.boolean(v[kLubeFree], c.lubeFree, keys[kLubeFree]);
  r.text(v[kModel], keys[kModel], c.model);
  r.boolean(v[kStainlessChain], c.stainlessChain, keys[kStainlessChain]);
  r.length(v[kLiftHeight], keys[kLiftHeight], c.liftHeight);
  r.length(v[kControlLength], keys[kControlLength], c.controlLength);
  r.choice(v[kTrolley], keys[kTrolley], kTrolleys, c.trolley);
  r.choice(v[kHoistControl], keys[kHoistControl], kHoistControls, c.hoistControl);
  r.boolean(v[kArticulation], c.articulation, keys[kArticulation]);
  r.choice(v[kTrolleyControl], keys[kTrolleyControl], kTrolleyControls, c.trolleyControl);
  if (!v[kAccessoriesKey].isUndefined()) {
    if (!v[kAccessoriesKey].isObject()) {
      r.wrong(keys[kAccessoriesKey],
              QCoreApplication::translate("ConfigurationFiles", "an object"));
    } else {
      const auto ticks = valuesByKey<std::tuple_size_v<decltype(c.accessories)>>(
          v[kAccessoriesKey].toObject(), kAccessories);
      for (int i = 0; i < kAccessories.size(); ++i)
        r.boolean(ticks[static_cast<std::size_t>(i)], c.accessories[i], kAccessories[i],
                  u"accessories.");
    }
  }
  if (!v[kDiscount].isUndefined()) {
    const double d = v[kDiscount].toDouble(-1);
    if (!v[kDiscount].isDouble() || d < 0 || d > 99 || d != static_cast<int>(d))
      r.wrong(keys[kDiscount],
              QCoreApplication::translate("ConfigurationFiles", "a whole number from 0 to 99"));
    else
      c.discount = static_cast<int>(d);
  }
  if (!r.error.isEmpty()) return wrongFile(r.error);
  return c;
}

QByteArray writeConfiguration(const Configuration& c) {
  QJsonObject o = configurationToJson(c);
  o[QStringLiteral("telmaris")] = 1;
  return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

QJsonObject configurationToJson(const Configuration& c) {
  QJsonObject accessories;
  for (int i = 0; i < kAccessories.size(); ++i) accessories[kAccessories[i]] = c.accessories[i];
  QJsonObject o;
  o[QStringLiteral("variant")] = variantOf(c.variant).startCaption;
  o[QStringLiteral("lubeFree")] = c.lubeFree;
  o[QStringLiteral("model")] = c.model;
  o[QStringLiteral("stainlessChain")] = c.stainlessChain;
  o[QStringLiteral("liftHeight")] = c.liftHeight;
  o[QStringLiteral("controlLength")] = c.controlLength;
  o[QStringLiteral("trolley")] = nameOf(kTrolleys, c.trolley);
  o[QStringLiteral("hoistControl")] = nameOf(kHoistControls, c.hoistControl);
  o[QStringLiteral("articulation")] = c.articulation;
  o[QStringLiteral("trolleyControl")] = nameOf(kTrolleyControls, c.trolleyControl);
  o[QStringLiteral("accessories")] = accessories;
  o[QStringLiteral("discount")] = c.discount;
  return o;
}

const QStringList& configurationKeys() {
  static const QStringList keys{QStringLiteral("variant"),      QStringLiteral("lubeFree"),
                                QStringLiteral("model"),        QStringLiteral("stainlessChain"),
                                QStringLiteral("liftHeight"),   QStringLiteral("controlLength"),
                                QStringLiteral("trolley"),      QStringLiteral("hoistControl"),
                                QStringLiteral("articulation"), QStringLiteral("trolleyControl"),
                                QStringLiteral("accessories"),  QStringLiteral("discount")};
  return keys;
}

const QStringList& trolleyNames() {
  return kTrolleys;
}
const QStringList& hoistControlNames() {
  return kHoistControls;
}
const QStringList& trolleyControlNames() {
  return kTrolleyControls;
}

ConfigurationWalk::Given givenAnswers(const QJsonObject& object) {
  ConfigurationWalk::Given given;
  given.model = object.contains(QStringLiteral("model"));
  given.stainlessChain = object.contains(QStringLiteral("stainlessChain"));
  given.articulation = object.contains(QStringLiteral("articulation"));
  const QJsonObject accessories = object.value(QStringLiteral("accessories")).toObject();
  for (std::size_t i = 0; i < given.accessories.size(); ++i)
    given.accessories[i] = accessories.contains(kAccessories[static_cast<qsizetype>(i)]);
  given.feetValue = object.value(QStringLiteral("feetValue")).toString();
  return given;
}

const QStringList& accessoryKeys() {
  return kAccessories;
}

Result<Configuration> readConfigurationFile(const QString& file) {
  QByteArray json;
  try {
    json = readRegularFile(
        file, kMaxConfigurationBytes,
        QCoreApplication::translate("ConfigurationFiles",
                                    "The file is larger than %1 KB, and a configuration is about "
                                    "half a kilobyte. It is no configuration.")
            .arg(kMaxConfigurationBytes / 1024));
  } catch (const Failure& e) {
    return e.problem();
  }
  Result<Configuration> parsed = parseConfiguration(json);
  if (!parsed)
    return Problem{Problem::Kind::File, QDir::toNativeSeparators(withControlsEscaped(file)),
                   parsed.problem().what, std::nullopt};
  return parsed;
}
