// The configuration walk as JSON.
#include "configurator/walk_json.h"

#include <QJsonArray>

#include "configurator/configuration_file.h"

namespace {

QJsonValue textNumber(const std::optional<Text>& text) {
  return text ? QJsonValue(static_cast<int>(*text)) : QJsonValue();
}

QJsonObject offerAsJson(const ConfigurationWalk& walk, const TextCatalogueArray& texts) {
  const WalkOffer& offer = walk.offer();
  QJsonObject o;
  switch (walk.step()) {
    case WalkStep::Model:
      o[QLatin1StringView("models")] = QJsonArray::fromStringList(offer.models);
      o[QLatin1StringView("lubeFree")] = offer.lubeFree;
      break;
    case WalkStep::FeetValue:
      o[QLatin1StringView("feetValues")] = QJsonArray{offer.feetValues[0], offer.feetValues[1]};
      break;
    case WalkStep::Trolley: {
      QJsonArray trolleys;
      for (std::size_t i = 0; i < offer.trolleys.size(); ++i) {
        const TrolleyOption& t = offer.trolleys[i];
        QJsonObject option;
        option[QLatin1StringView("trolley")] = trolleyNames()[static_cast<qsizetype>(i)];
        option[QLatin1StringView("caption")] =
            texts[t.caption.value_or(Text::TrolleyNone)] + t.suffix;
        option[QLatin1StringView("beamWidths")] = t.suffix.trimmed();
        option[QLatin1StringView("offered")] = t.offered;
        trolleys.append(option);
      }
      o[QLatin1StringView("trolleys")] = trolleys;
      break;
    }
    case WalkStep::HoistControl: {
      QJsonArray controls;
      for (std::size_t i = 0; i < offer.hoistControls.size(); ++i)
        if (offer.hoistControls[i]) controls.append(hoistControlNames()[static_cast<qsizetype>(i)]);
      o[QLatin1StringView("hoistControls")] = controls;
      if (offer.hoistControl)
        o[QLatin1StringView("selected")] = hoistControlNames()[element(*offer.hoistControl)];
      break;
    }
    case WalkStep::TrolleyControl: {
      QJsonArray controls;
      for (std::size_t i = 0; i < offer.trolleyControls.size(); ++i)
        if (offer.trolleyControls[i])
          controls.append(trolleyControlNames()[static_cast<qsizetype>(i)]);
      o[QLatin1StringView("trolleyControls")] = controls;
      if (offer.trolleyControl)
        o[QLatin1StringView("selected")] = trolleyControlNames()[element(*offer.trolleyControl)];
      break;
    }
    case WalkStep::Accessory:
      if (offer.accessory) {
        for (std::size_t i = 0; i < kConfiguredAccessories.size(); ++i)
          if (kConfiguredAccessories[i] == *offer.accessory)
            o[QLatin1StringView("accessory")] = accessoryKeys()[static_cast<qsizetype>(i)];
        o[QLatin1StringView("ticked")] = offer.accessoryTicked;
        if (*offer.accessory == Accessory::OverloadDevice)
          o[QLatin1StringView("overload")] =
              offer.overload == OverloadOffer::Optional       ? QStringLiteral("optional")
              : offer.overload == OverloadOffer::NotAvailable ? QStringLiteral("not-available")
                                                              : QStringLiteral("standard");
      }
      break;
    case WalkStep::Discount:
      o[QLatin1StringView("discountAsked")] = offer.discountAsked;
      break;
    case WalkStep::StainlessChain:
    case WalkStep::LiftHeight:
    case WalkStep::ControlLength:
    case WalkStep::Articulation:
    case WalkStep::Done:
      break;
  }
  return o;
}

}  // namespace

QString walkStepKey(WalkStep step) {
  switch (step) {
    case WalkStep::Model:
      return QStringLiteral("model");
    case WalkStep::StainlessChain:
      return QStringLiteral("stainlessChain");
    case WalkStep::LiftHeight:
      return QStringLiteral("liftHeight");
    case WalkStep::ControlLength:
      return QStringLiteral("controlLength");
    case WalkStep::FeetValue:
      return QStringLiteral("feetValue");
    case WalkStep::Trolley:
      return QStringLiteral("trolley");
    case WalkStep::HoistControl:
      return QStringLiteral("hoistControl");
    case WalkStep::Articulation:
      return QStringLiteral("articulation");
    case WalkStep::TrolleyControl:
      return QStringLiteral("trolleyControl");
    case WalkStep::Accessory:
      return QStringLiteral("accessory");
    case WalkStep::Discount:
      return QStringLiteral("discount");
    case WalkStep::Done:
      break;
  }
  return QStringLiteral("done");
}

QJsonObject walkAsJson(const ConfigurationWalk& walk, const std::vector<WalkNote>& notes,
                       const TextCatalogueArray& texts) {
  QJsonObject o;
  o[QLatin1StringView("step")] = walkStepKey(walk.step());
  o[QLatin1StringView("done")] = walk.step() == WalkStep::Done;
  o[QLatin1StringView("offer")] = offerAsJson(walk, texts);
  QJsonArray shown;
  for (const WalkNote& note : notes) {
    QJsonObject n;
    n[QLatin1StringView("textNumber")] = textNumber(note.text);
    n[QLatin1StringView("text")] = note.in(&texts);
    shown.append(n);
  }
  o[QLatin1StringView("notes")] = shown;
  o[QLatin1StringView("problem")] =
      walk.problem() ? QJsonValue(refusalAsJson(*walk.problem(), walk.step(), texts))
                     : QJsonValue();
  return o;
}

QJsonObject refusalAsJson(const Problem& problem, WalkStep step, const TextCatalogueArray& texts) {
  QJsonObject o;
  o[QLatin1StringView("step")] = walkStepKey(step);
  o[QLatin1StringView("textNumber")] = textNumber(problem.text);
  o[QLatin1StringView("text")] = problem.whatIn(&texts);
  if (!problem.where.isEmpty()) o[QLatin1StringView("where")] = problem.where;
  return o;
}
