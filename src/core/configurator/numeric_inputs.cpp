// Numeric input rules.
#include "configurator/numeric_inputs.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/number_format.h"

double parseLeadingNumber(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t'))) ++i;
  const qsizetype start = i;
  if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) ++i;
  bool digits = false;
  while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
    ++i;
    digits = true;
  }
  if (i < text.size() && text[i] == QLatin1Char('.')) {
    ++i;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
      ++i;
      digits = true;
    }
  }
  if (!digits) return 0;
  bool ok = false;
  const double value = text.mid(start, i - start).toDouble(&ok);
  return ok && std::isfinite(value) ? value : 0;
}

std::int16_t toInt16(double value) {
  constexpr double lo = std::numeric_limits<std::int16_t>::min();
  constexpr double hi = std::numeric_limits<std::int16_t>::max();
  if (std::isnan(value)) return 0;
  const double rounded = std::nearbyint(value);  // the default rounding mode is half to even
  return static_cast<std::int16_t>(std::clamp(rounded, lo, hi));
}

FieldColour fieldColour(double value, double lower, double upper) {
  constexpr float e = 5e-11f;
  if (value > upper + e) return FieldColour::Red;
  if (value < lower - e) return FieldColour::White;
  return FieldColour::Yellow;
}

int FilterDecimalKey(int key) {
  if (key == 44) return 46;
  if (key == 46) return key;
  return FilterDigitKey(key);
}

int FilterDigitKey(int key) {
  if (key == 8 || key == 13 || (key >= '0' && key <= '9')) return key;
  return 0;
}

QString KommaTillPunkt(const QString& text) {
  const qsizetype comma = text.indexOf(QLatin1Char(','));
  if (comma < 0) return text;
  return text.left(comma) + QLatin1Char('.') + text.mid(comma + 1);
}

int liftHeightLimit(const QString& model) {
  const QString head = model.left(8);
  for (const char* fifty : {"PXH 1000", "PXH 2500", "PXH 3000", "PXH 500-", "PXH 1250"})
    if (head == QLatin1String(fifty)) return 50;
  if (head == QLatin1String("PXH 5000") || head == QLatin1String("PXH 6000")) return 25;
  return 100;
}

double liftHeightUpperBound(int limitMetres, bool imperial) {
  return imperial ? limitMetres / kMetresPerFoot : limitMetres;
}

std::optional<ChainRule> chainRule(int modelIndex) {
  switch (modelIndex) {
    case 1:
    case 2:
    case 3:
    case 7:
    case 11:
    case 12:
    case 16:
      return ChainRule{1, 0.5, 26, Text::NoCollectorAbove25m};
    case 4:
    case 8:
    case 10:
    case 13:
    case 17:
      return ChainRule{2, 0.5, 26, Text::NoCollectorAbove25m};
    case 5:
    case 9:
    case 14:
    case 18:
      return ChainRule{1, 0.6, 19, Text::NoCollectorAbove18m};
    case 6:
    case 15:
      return ChainRule{2, 0.9, 19, Text::NoCollectorAbove18m};
    default:
      return std::nullopt;
  }
}

std::optional<std::int16_t> chainLength(int modelIndex, double liftHeightMetres) {
  const std::optional<ChainRule> rule = chainRule(modelIndex);
  if (!rule) return std::nullopt;
  const double needed = rule->falls * liftHeightMetres + rule->allowance - 0.01;
  return toInt16(std::trunc(needed) + 1);
}

bool chainCollectorBlocked(int modelIndex, int chainLengthMetres) {
  const std::optional<ChainRule> rule = chainRule(modelIndex);
  return rule && chainLengthMetres >= rule->collectorBlockedAt;
}

std::int16_t feetToWholeMetres(std::int16_t feet) {
  return toInt16(feet * kMetresPerFoot);
}

std::array<QString, 2> chooseCaptions(double feet) {
  const double m = std::trunc(feet * kMetresPerFoot);
  // A period whatever the system's decimal separator: the choice is compared with typed text.
  auto feetText = [](double metres) {
    return KommaTillPunkt(FormatNumber(metres / kMetresPerFoot, QStringLiteral("##0.0")));
  };
  return {feetText(m), feetText(m + 1)};
}

std::optional<BeamWidths> beamWidths(const QString& model, bool imperial) {
  auto any = [&](std::initializer_list<const char*> names) {
    for (const char* n : names)
      if (model == QLatin1String(n)) return true;
    return false;
  };
  if (any({"PXH 200 EX", "PXH 250 EX", "PXH 500 EX", "PXH 980 EX", "PXH 1000 EX", "PXH 1000 U EX",
           "PXH 200L EX", "PXH 250L EX", "PXH 500L EX", "PXH 980L EX", "PXH 1000L EX",
           "PXH 1000L U EX"}))
    return imperial ? BeamWidths{QStringLiteral("2-6.3 in"), QStringLiteral("6.3-11 in"), false}
                    : BeamWidths{QStringLiteral("50-160 mm"), QStringLiteral("161-280 mm"), false};
  if (any({"PXH 2500 EX", "PXH 3000 EX", "PXH 2500L EX", "PXH 3000L EX"}))
    return imperial ? BeamWidths{QStringLiteral("2.9-7.1 in"), QStringLiteral("7.1-11.8 in"), false}
                    : BeamWidths{QStringLiteral("74-180 mm"), QStringLiteral("181-300 mm"), false};
  if (any({"PXH 5000 EX", "PXH 6000 EX", "PXH 5000L EX", "PXH 6000L EX"}))
    return imperial ? BeamWidths{{}, QStringLiteral("7.1-11.8 in"), true}
                    : BeamWidths{{}, QStringLiteral("181-300 mm"), true};
  return std::nullopt;
}
