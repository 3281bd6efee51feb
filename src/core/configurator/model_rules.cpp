// Model rules.
#include "configurator/model_rules.h"

#include <initializer_list>

namespace {

bool oneOf(int value, std::initializer_list<int> values) {
  for (int v : values)
    if (v == value) return true;
  return false;
}

bool named(const QString& model, std::initializer_list<const char*> names) {
  for (const char* n : names)
    if (model == QLatin1String(n)) return true;
  return false;
}

}  // namespace

bool isLightGroup(int modelIndex) {
  return oneOf(modelIndex, {1, 2, 3, 4, 7, 8, 10, 11, 12, 13, 16, 17});
}

bool isHeavyGroup(int modelIndex) {
  return oneOf(modelIndex, {5, 6, 9, 14, 15, 18});
}

bool isStandardOverloadGroup(int modelIndex) {
  return oneOf(modelIndex, {5, 6, 9, 10, 13, 14, 15, 18});
}

bool offersStainlessChain(int modelIndex) {
  return oneOf(modelIndex, {2, 3, 11, 12});
}

bool offersSafetyHook(int modelIndex) {
  return modelIndex < 5 || oneOf(modelIndex, {10, 11, 12, 13});
}

bool overloadIsOrderedSeparately(int modelIndex, const QString& model) {
  return oneOf(modelIndex, {1, 2, 3, 4, 7, 8, 11, 12, 16, 17}) ||
         named(model, {"PXH 3000 EX", "PXH 3000L EX"});
}

OverloadOffer overloadOffer(int modelIndex, const QString& model) {
  const QString head = model.left(7);
  if (isStandardOverloadGroup(modelIndex)) {
    if (head == QLatin1String("PXH 300")) return OverloadOffer::Optional;
    if (head == QLatin1String("PXH 980")) return OverloadOffer::NotAvailable;
    return OverloadOffer::IncludedAsStandard;
  }
  if (head == QLatin1String("PXH 980")) return OverloadOffer::NotAvailable;
  return OverloadOffer::Optional;
}

std::optional<QString> trolleyDesignation(const QString& model, bool motorDriven) {
  if (named(model, {"PXH 200 EX", "PXH 250 EX", "PXH 500 EX", "PXH 980 EX", "PXH 1000 U EX",
                    "PXH 1000 EX", "PXH 250 P2", "PXH 250 P4", "PXH 500 P2", "PXH 500 P4",
                    "PXH 1000 P2", "PXH 1000 P4", "PXH 250 US", "PXH 500 US", "PXH 250L EX",
                    "PXH 500L EX", "PXH 980L EX", "PXH 1000L EX", "PXH 1000L U EX"}))
    return motorDriven ? QStringLiteral("PXK 1000M") : QStringLiteral("PXK 1000");
  if (named(model, {"PXH 2500 EX", "PXH 2500 P2", "PXH 2500 P4", "PXH 2500L EX"}))
    return motorDriven ? QStringLiteral("PXK 2500M") : QStringLiteral("PXK 2500");
  if (named(model, {"PXH 250-SR", "PXH 500-SR"}))
    return motorDriven ? QStringLiteral("PXK 1000M-SR") : QStringLiteral("PXK 1000-SR");
  if (named(model, {"PXH 1250-SR"}))
    return motorDriven ? QStringLiteral("PXK 2500M-SR") : QStringLiteral("PXK 2500-SR");
  if (named(model, {"PXH 3000 EX", "PXH 3000L EX"}))
    return motorDriven ? QStringLiteral("PXK 3000M") : QStringLiteral("WXK 3000");
  if (named(model, {"PXH 5000 EX", "PXH 5000 P2", "PXH 5000 P4", "PXH 5000L EX"}))
    return motorDriven ? std::optional<QString>(QStringLiteral("PXK 5000M")) : std::nullopt;
  if (named(model, {"PXH 6000 EX", "PXH 6000L EX"}))
    return motorDriven ? std::optional<QString>(QStringLiteral("PXK 6000M")) : std::nullopt;
  return std::nullopt;
}

bool isP2Model(const QString& model) {
  return model.right(2) == QLatin1String("P2");
}
bool isP4Model(const QString& model) {
  return model.right(2) == QLatin1String("P4");
}
