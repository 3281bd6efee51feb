// A configuration: the user's answers to the steps of the main window. It holds answers, not
// results, so that the same answers give next week's list with next week's prices. Saved
// configurations, the command line and the window all start from this one value.
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "common/variants.h"

// The choices of the option groups; each value is the element number of its option in the main
// window (Opt3DTrolley, Opt3DHoistControl, Opt3DTrolleyControls).
enum class Trolley : int {
  None = 0,
  ManualNarrow = 1,
  ManualWide = 2,
  MotorNarrow = 3,
  MotorWide = 4
};
enum class HoistControl : int {
  PullChain = 0,
  TwoButton = 1,
  TwistRod = 2,
  FourButton = 3,
  TwoButtonHook = 4,  // the hook-mounted 2-button control
};
enum class TrolleyControl : int { PullChain = 0, TwoButton = 1 };
// The check boxes Check3D1 by element number.
enum class Accessory : int {
  OverloadDevice = 0,
  ChainCollector = 1,
  ChainStop = 2,
  SafetyHook = 3,
  Articulation = 4,  // among the hoist controls
  Assembled = 5,     // accessories assembled
};

// The element number of a choice's control.
template <typename Choice>
constexpr int element(Choice c) {
  return static_cast<int>(c);
}

// The accessory of each entry of Configuration::accessories, in order.
inline constexpr std::array<Accessory, 5> kConfiguredAccessories{
    Accessory::OverloadDevice, Accessory::ChainCollector, Accessory::ChainStop,
    Accessory::SafetyHook, Accessory::Assembled};

struct Configuration {
  VariantId variant = VariantId::EnglishEuropean;
  bool lubeFree = false;
  QString model = QStringLiteral("PXH 250 EX");  // the text of the model list
  bool stainlessChain = false;
  QString liftHeight;     // as typed, feet in US Imperial; empty: not reached
  QString controlLength;  // as typed; empty: not reached
  std::optional<Trolley> trolley = Trolley::None;                      // none: not reached
  std::optional<HoistControl> hoistControl = HoistControl::PullChain;  // none: not reached
  bool articulation = false;
  std::optional<TrolleyControl> trolleyControl;  // none: not reached, or nothing chosen
  std::array<bool, 5> accessories{};             // by kConfiguredAccessories
  int discount = 0;                              // percent
  // The D key went down in the model list, which makes the discount step appear. A saved
  // configuration with a discount has it.
  bool discountAsked = false;

  // The same answers to every step.
  friend bool operator==(const Configuration&, const Configuration&) = default;
};
