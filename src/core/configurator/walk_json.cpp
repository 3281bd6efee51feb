// The configuration walk as JSON.
#include "configurator/walk_json.h"

#include "common/variants.h"
#include "configurator/configuration_file.h"
#include "configurator/list_json.h"

namespace {

void writeTextNumber(JsonWriter& json, const std::optional<Text>& text) {
  json.key("textNumber");
  if (text)
    json.value(static_cast<int>(*text));
  else
    json.null();
}

void writeOffer(JsonWriter& json, const ConfigurationWalk& walk, const TextCatalogueArray& texts) {
  const WalkOffer& offer = walk.offer();
  json.beginObject();
  switch (walk.step()) {
    case WalkStep::Model:
      json.key("lubeFree").value(offer.lubeFree);
      json.key("models").beginArray();
      for (const QString& model : offer.models) json.value(model);
      json.endArray();
      break;
    case WalkStep::FeetValue:
      json.key("feetValues").beginArray().value(offer.feetValues[0]).value(offer.feetValues[1]);
      json.endArray();
      break;
    case WalkStep::Trolley:
      json.key("trolleys").beginArray();
      for (std::size_t i = 0; i < offer.trolleys.size(); ++i) {
        const TrolleyOption& t = offer.trolleys[i];
        json.beginObject();
        json.key("beamWidths").value(t.suffix.trimmed());
        json.key("caption").value(texts[t.caption.value_or(Text::TrolleyNone)] + t.suffix);
        json.key("offered").value(t.offered);
        json.key("trolley").value(trolleyNames()[static_cast<qsizetype>(i)]);
        json.endObject();
      }
      json.endArray();
      break;
    case WalkStep::HoistControl:
      json.key("hoistControls").beginArray();
      for (std::size_t i = 0; i < offer.hoistControls.size(); ++i)
        if (offer.hoistControls[i]) json.value(hoistControlNames()[static_cast<qsizetype>(i)]);
      json.endArray();
      if (offer.hoistControl)
        json.key("selected").value(hoistControlNames()[element(*offer.hoistControl)]);
      break;
    case WalkStep::TrolleyControl:
      if (offer.trolleyControl)
        json.key("selected").value(trolleyControlNames()[element(*offer.trolleyControl)]);
      json.key("trolleyControls").beginArray();
      for (std::size_t i = 0; i < offer.trolleyControls.size(); ++i)
        if (offer.trolleyControls[i]) json.value(trolleyControlNames()[static_cast<qsizetype>(i)]);
      json.endArray();
      break;
    case WalkStep::Accessory:
      if (offer.accessory) {
        for (std::size_t i = 0; i < kConfiguredAccessories.size(); ++i)
          if (kConfiguredAccessories[i] == *offer.accessory)
            json.key("accessory").value(accessoryKeys()[static_cast<qsizetype>(i)]);
        if (*offer.accessory == Accessory::OverloadDevice)
          json.key("overload")
              .value(offer.overload == OverloadOffer::Optional ? QStringLiteral("optional")
                     : offer.overload == OverloadOffer::NotAvailable
                         ? QStringLiteral("not-available")
                         : QStringLiteral("standard"));
        json.key("ticked").value(offer.accessoryTicked);
      }
      break;
    case WalkStep::Discount:
      json.key("discountAsked").value(offer.discountAsked);
      break;
    case WalkStep::StainlessChain:
    case WalkStep::LiftHeight:
    case WalkStep::ControlLength:
    case WalkStep::Articulation:
    case WalkStep::Done:
      break;
  }
  json.endObject();
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

std::string walkJson(const ConfigurationWalk& walk, const std::vector<WalkNote>& notes,
                     const TextCatalogueArray& texts, const OrderingList* list,
                     JsonWriter::Format format) {
  JsonWriter json(format);
  json.beginObject();
  json.key("done").value(walk.step() == WalkStep::Done);
  if (list) {
    json.key("list");
    writeListJson(json, *list);
  }
  json.key("notes").beginArray();
  for (const WalkNote& note : notes) {
    json.beginObject();
    json.key("text").value(note.in(&texts));
    writeTextNumber(json, note.text);
    json.endObject();
  }
  json.endArray();
  json.key("offer");
  writeOffer(json, walk, texts);
  json.key("problem");
  if (walk.problem())
    writeRefusalJson(json, *walk.problem(), walk.step(), texts);
  else
    json.null();
  json.key("step").value(walkStepKey(walk.step()));
  json.key("variant").value(variantOf(walk.variantId()).startCaption);
  json.endObject();
  return json.take();
}

void writeRefusalJson(JsonWriter& json, const Problem& problem, WalkStep step,
                      const TextCatalogueArray& texts) {
  json.beginObject();
  json.key("step").value(walkStepKey(step));
  json.key("text").value(problem.whatIn(&texts));
  writeTextNumber(json, problem.text);
  if (!problem.where.isEmpty()) json.key("where").value(problem.where);
  json.endObject();
}

std::string refusalJson(const Problem& problem, WalkStep step, const TextCatalogueArray& texts,
                        JsonWriter::Format format) {
  JsonWriter json(format);
  writeRefusalJson(json, problem, step, texts);
  return json.take();
}
