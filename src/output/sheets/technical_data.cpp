// The technical data table: model figures, their formats and where each text stands.
#include "sheets/technical_data.h"

#include <array>
#include <optional>

#include "common/number_format.h"
#include "common/units.h"
#include "page/print_text.h"

namespace {

constexpr double kKilogramsPerPound = 0.4536;
constexpr double kLitresPerCubicFoot = 28.3168;
constexpr double kLabelX = 100;
constexpr double kUsValueX = 174;
constexpr double kRowPitch = 3.5;
constexpr double kFirstRowOffset = 6;

enum class Sizes { Small, Large, ByTrolley };

struct ModelFigures {
  double capacity = 0, speed = 0, hoistWeight = 0, chainPerMetre = 0, noise = 0, air = 0;
  Sizes sizes = Sizes::Small;
};

std::optional<ModelFigures> figuresOf(const QString& model) {
  auto is = [&](std::initializer_list<const char*> names) {
    for (const char* n : names)
      if (model == QLatin1String(n)) return true;
    return false;
  };
  if (is({"PXH 200 EX"})) return ModelFigures{200, 20.4, 12.7, 0.9, 84, 39, Sizes::Small};
  if (is({"PXH 250 EX", "PXH 250 P2", "PXH 250 P4", "PXH 250 US", "PXH 250L EX"}))
    return ModelFigures{250, 18.6, 12.7, 0.9, 84, 37, Sizes::Small};
  if (is({"PXH 500 EX", "PXH 500 P2", "PXH 500 P4", "PXH 500 US", "PXH 500L EX"}))
    return ModelFigures{500, 12.6, 12.7, 0.9, 83, 38, Sizes::Small};
  if (is({"PXH 980 EX", "PXH 980L EX"}))
    return ModelFigures{980, 6.3, 14.5, 0.9, 83, 38, Sizes::Small};
  if (is({"PXH 1000 U EX", "PXH 1000 P2", "PXH 1000 P4", "PXH 1000L U EX"}))
    return ModelFigures{1000, 6.3, 14.5, 0.9, 83, 38, Sizes::Small};
  if (is({"PXH 1000 EX", "PXH 1000L EX"}))
    return ModelFigures{1000, 6.3, 15, 0.9, 83, 38, Sizes::Small};
  if (is({"PXH 2500 EX", "PXH 2500 P2", "PXH 2500 P4", "PXH 2500L EX"}))
    return ModelFigures{2500, 3.2, 42.5, 2.9, 79, 40, Sizes::ByTrolley};
  if (is({"PXH 3000 EX", "PXH 3000L EX"}))
    return ModelFigures{2721.6, 3.2, 42.5, 2.9, 79, 40, Sizes::ByTrolley};
  if (is({"PXH 5000 EX", "PXH 5000 P2", "PXH 5000 P4", "PXH 6000 EX", "PXH 5000L EX",
          "PXH 6000L EX"}))
    return ModelFigures{5000, 1.6, 65.5, 2.9, 79, 40, Sizes::ByTrolley};
  if (is({"PXH 250-SR"})) return ModelFigures{250, 17, 12.7, 0.9, 83, 45, Sizes::Small};
  if (is({"PXH 500-SR"})) return ModelFigures{500, 8.5, 14.5, 0.9, 83, 45, Sizes::Small};
  if (is({"PXH 1250-SR"})) return ModelFigures{1250, 5, 42.5, 2.9, 79, 50, Sizes::Large};
  return std::nullopt;
}

bool printsUsColumn(const QString& key) {
  for (const char* k : {"Spansk", "Fransk", "Portugisisk", "Italiensk", "Tysk"})
    if (key == QLatin1String(k)) return false;
  return true;
}

void write(TextDevice& device, QString text, double x, double y, double size, bool bold,
           int anchor) {
  PrintTextAt(device, text, x, y, size, bold, anchor);
}

}  // namespace

void TechnicalData(const TextCatalogueArray& texts, const ConfiguredHoist& hoist,
                   SheetValues& sheet, TextDevice& device) {
  const std::optional<ModelFigures> m = figuresOf(hoist.model);
  if (m) {
    const bool large = m->sizes == Sizes::Large ||
                       (m->sizes == Sizes::ByTrolley && (hoist.trolley == Trolley::MotorNarrow ||
                                                         hoist.trolley == Trolley::MotorWide));
    sheet.TechSizeMetric = large ? QStringLiteral("20 mm") : QStringLiteral("12.5 mm");
    sheet.TechSizeInch = large ? QStringLiteral("3/4 in") : QStringLiteral("1/2 in");
  }

  // A model outside the table leaves every number empty, in both columns.
  const ModelFigures f = m.value_or(ModelFigures{});
  const double chainWeight = hoist.chainLength * f.chainPerMetre;
  auto text = [known = m.has_value()](double v, const char* pattern, const char* unit) {
    return (known ? FormatNumber(v, QLatin1StringView(pattern)) : QString()) +
           QLatin1StringView(unit);
  };

  const std::array<QString, 8> metric = {text(f.capacity, "####", " kg"),
                                         text(f.speed, "##.0", " m/min"),
                                         text(f.hoistWeight, "###.0", " kg"),
                                         text(chainWeight, "###.0", " kg"),
                                         text(f.noise, "###", " dB(A)"),
                                         text(f.air, "###", " l/s"),
                                         sheet.TechSizeMetric,
                                         QStringLiteral("1/2 in")};
  const std::array<QString, 8> us = {text(f.capacity / kKilogramsPerPound, "##00", " lb"),
                                     text(f.speed / kMetresPerFoot, "###.#", " ft/min"),
                                     text(f.hoistWeight / kKilogramsPerPound, "###.0", " lb"),
                                     text(chainWeight / kKilogramsPerPound, "###.0", " lb"),
                                     text(f.noise, "###", " dB(A)"),
                                     text(f.air / kLitresPerCubicFoot * 60, "###", " cfm"),
                                     sheet.TechSizeInch,
                                     QStringLiteral("1/2 in")};

  const bool withUs = printsUsColumn(hoist.languageKey);
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
