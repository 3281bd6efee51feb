// Numeric input rules.
#include "configurator/numeric_inputs.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "common/number_format.h"
#include "configurator/hoist_model.h"

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
  // The characters are ASCII digits by now, read as the C locale reads them.
  std::string ascii;
  ascii.reserve(static_cast<std::size_t>(i - start));
  for (qsizetype k = start; k < i; ++k) {
    if (text[k] != QLatin1Char('+')) ascii += static_cast<char>(text[k].unicode());
  }
  if (ascii.back() == '.') ascii.pop_back();  // "5." is 5
  double value = 0;
  const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  return error == std::errc() && end == ascii.data() + ascii.size() && std::isfinite(value) ? value
                                                                                            : 0;
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
  if (const HoistModel* m = hoistModelNamed(model)) return m->liftLimitMetres;
  // A name without a record takes the limit of the class its first eight characters give. No
  // model of the catalogue reaches this rule; it stays for configurations that name others.
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
  const HoistModel* m = hoistModelByIndex(modelIndex);
  return m ? std::optional<ChainRule>(m->chain) : std::nullopt;
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
  const HoistModel* m = hoistModelNamed(model);
  // Names that no variant recognises: no model of the catalogue reaches these; they stay for
  // configurations that name them.
  if (!m && model == QLatin1String("PXH 200L EX"))
    m = hoistModelNamed(QStringLiteral("PXH 200 EX"));
  if (!m && (model == QLatin1String("PXH 6000 EX") || model == QLatin1String("PXH 6000L EX")))
    m = hoistModelNamed(QStringLiteral("PXH 5000 EX"));
  if (!m || !m->beamWidths) return std::nullopt;
  const BeamWidthTexts& w = *m->beamWidths;
  auto text = [](const char* t) { return t ? QString::fromLatin1(t) : QString(); };
  return imperial ? BeamWidths{text(w.narrowImperial), text(w.wideImperial), w.onlyMotorWide}
                  : BeamWidths{text(w.narrowMetric), text(w.wideMetric), w.onlyMotorWide};
}
