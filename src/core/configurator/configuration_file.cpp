// Reading and writing saved configurations.
#include "configurator/configuration_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>

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

struct Reader {
  const QJsonObject& object;
  QString error;
  QString prefix;  // the path of the object in a quote file, "positions[2]."

  bool wrong(const QString& key, const QString& expected) {
    if (error.isEmpty())
      error = QCoreApplication::translate("ConfigurationFiles", "\"%1\" must be %2.")
                  .arg(prefix + key, expected);
    return false;
  }

  void boolean(const QJsonObject& from, const QString& key, bool& target, const QString& path) {
    if (!from.contains(key)) return;
    if (!from.value(key).isBool())
      return void(wrong(path, QCoreApplication::translate("ConfigurationFiles", "true or false")));
    target = from.value(key).toBool();
  }

  void text(const QString& key, QString& target) {
    if (!object.contains(key)) return;
    const QJsonValue v = object.value(key);
    if (v.isString())
      target = v.toString();
    else
      wrong(key, QCoreApplication::translate("ConfigurationFiles", "a text"));
  }

  // A length as the user types it: digits with at most one decimal point or comma. A number
  // of JSON is refused, as its digits are not those the user typed.
  void length(const QString& key, QString& target) {
    if (!object.contains(key)) return;
    static const QRegularExpression typed(QStringLiteral("^[0-9]*([.,][0-9]*)?$"));
    const QJsonValue v = object.value(key);
    if (!v.isString() || !typed.match(v.toString()).hasMatch())
      return void(wrong(
          key, QCoreApplication::translate("ConfigurationFiles",
                                           "a text of digits with at most one \".\" or \",\"")));
    target = v.toString();
  }

  // One of the names, the choice of the same element number; or null, no choice.
  template <typename Choice>
  void choice(const QString& key, const QStringList& names, std::optional<Choice>& target) {
    if (!object.contains(key)) return;
    const QJsonValue v = object.value(key);
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
  // A missing key is an answer not given: the steps wait there. Only the ticks, the discount
  // and the variant have a value without one (false, 0, English European).
  Configuration c;
  c.trolley.reset();
  c.hoistControl.reset();
  Reader r{object, {}, prefix};
  if (object.contains(u"variant")) {
    const std::optional<VariantId> variant = variantByCaption(object.value(u"variant").toString());
    if (!variant)
      r.wrong(QStringLiteral("variant"),
              QCoreApplication::translate(
                  "ConfigurationFiles", "one of the eight variants, such as \"English European\""));
    else
      c.variant = *variant;
  }
  r.boolean(object, QStringLiteral("lubeFree"), c.lubeFree, QStringLiteral("lubeFree"));
  r.text(QStringLiteral("model"), c.model);
  r.boolean(object, QStringLiteral("stainlessChain"), c.stainlessChain,
            QStringLiteral("stainlessChain"));
  r.length(QStringLiteral("liftHeight"), c.liftHeight);
  r.length(QStringLiteral("controlLength"), c.controlLength);
  r.choice(QStringLiteral("trolley"), kTrolleys, c.trolley);
  r.choice(QStringLiteral("hoistControl"), kHoistControls, c.hoistControl);
  r.boolean(object, QStringLiteral("articulation"), c.articulation, QStringLiteral("articulation"));
  r.choice(QStringLiteral("trolleyControl"), kTrolleyControls, c.trolleyControl);
  if (object.contains(u"accessories")) {
    const QJsonValue v = object.value(u"accessories");
    if (!v.isObject()) {
      r.wrong(QStringLiteral("accessories"),
              QCoreApplication::translate("ConfigurationFiles", "an object"));
    } else {
      const QJsonObject accessories = v.toObject();
      for (int i = 0; i < kAccessories.size(); ++i)
        r.boolean(accessories, kAccessories[i], c.accessories[i],
                  QStringLiteral("accessories.") + kAccessories[i]);
    }
  }
  if (object.contains(u"discount")) {
    const QJsonValue v = object.value(u"discount");
    const double d = v.toDouble(-1);
    if (!v.isDouble() || d < 0 || d > 99 || d != static_cast<int>(d))
      r.wrong(QStringLiteral("discount"),
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
