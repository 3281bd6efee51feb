// The technical data table: the model's figures in their formats, and where each text stands.
#include "sheets/technical_data.h"

#include <array>
#include <optional>

#include "common/number_format.h"
#include "common/units.h"
#include "common/variants.h"
#include "configurator/hoist_model.h"
#include "page/print_text.h"

namespace {

constexpr double kKilogramsPerPound = 0.4536;
constexpr double kLitresPerCubicFoot = 28.3168;
constexpr double kLabelX = 100;
constexpr double kUsValueX = 174;
constexpr double kRowPitch = 3.5;
constexpr double kFirstRowOffset = 6;

void write(TextDevice& device, QString text, double x, double y, double size, bool bold,
           int anchor) {
  PrintTextAt(device, text, x, y, size, bold, anchor);
}

}  // namespace

void TechnicalData(const TextCatalogueArray& texts, const ConfiguredHoist& hoist,
                   SheetValues& sheet, TextDevice& device) {
  const std::optional<TechnicalFigures> m = technicalFigures(hoist.model);
  if (m) {
    const bool large =
        m->sizes == ChainSizes::Large ||
        (m->sizes == ChainSizes::ByTrolley &&
         (hoist.trolley == Trolley::MotorNarrow || hoist.trolley == Trolley::MotorWide));
    sheet.TechSizeMetric = large ? QStringLiteral("20 mm") : QStringLiteral("12.5 mm");
    sheet.TechSizeInch = large ? QStringLiteral("3/4 in") : QStringLiteral("1/2 in");
  }

  // A model outside the table leaves every number empty, in both columns.
  const TechnicalFigures f = m.value_or(TechnicalFigures{});
  const double chainWeight = hoist.chainLength * f.chainKgPerMetre;
  auto text = [known = m.has_value()](double v, const char* pattern, const char* unit) {
    return (known ? FormatNumber(v, QLatin1StringView(pattern)) : QString()) +
           QLatin1StringView(unit);
  };

  const std::array<QString, 8> metric = {text(f.capacityKg, "####", " kg"),
                                         text(f.speedMetresPerMinute, "##.0", " m/min"),
                                         text(f.hoistWeightKg, "###.0", " kg"),
                                         text(chainWeight, "###.0", " kg"),
                                         text(f.noiseDbA, "###", " dB(A)"),
                                         text(f.airLitresPerSecond, "###", " l/s"),
                                         sheet.TechSizeMetric,
                                         QStringLiteral("1/2 in")};
  const std::array<QString, 8> us = {
      text(f.capacityKg / kKilogramsPerPound, "##00", " lb"),
      text(f.speedMetresPerMinute / kMetresPerFoot, "###.#", " ft/min"),
      text(f.hoistWeightKg / kKilogramsPerPound, "###.0", " lb"),
      text(chainWeight / kKilogramsPerPound, "###.0", " lb"),
      text(f.noiseDbA, "###", " dB(A)"),
      text(f.airLitresPerSecond / kLitresPerCubicFoot * 60, "###", " cfm"),
      sheet.TechSizeInch,
      QStringLiteral("1/2 in")};

  const bool withUs = !isContinentalVariant(hoist.variant);
  const double valueX = withUs ? 155 : 165;
  const double top = sheet.TechDataTop;
  auto rowY = [&](int i) { return top + kFirstRowOffset + kRowPitch * i; };

  if (withUs)
    for (int i = 0; i < 8; ++i) write(device, us[i], kUsValueX, rowY(i), 8, false, 7);
  write(device, texts[Text::TechnicalData], kLabelX, top, 10, true, 1);
  // Row 0 is labelled with the catalogue's capacity text; text 5 is a menu caption.
  const Text labels[8] = {Text::Capacity,        Text::LiftingSpeed,      Text::HoistWeight,
                          Text::LoadChainWeight, Text::NoiseLevel,        Text::AirConsumption,
                          Text::AirSupplyHose,   Text::AirInletConnection};
  for (int i = 0; i < 8; ++i) {
    write(device, texts[labels[i]], kLabelX, rowY(i), 8, false, 1);
    write(device, metric[i], valueX, rowY(i), 8, false, 7);
  }
}
