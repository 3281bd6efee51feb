// A configuration: the user's answers to the steps of the main window. It holds answers, not
// results, so that the same answers give next week's list with next week's prices. Saved
// configurations, the command line and the window all start from this one value.
#pragma once

#include <QString>
#include <array>

// Element numbers of the option groups as the main window numbers them; -1 stands for "no
// choice" (the step was not reached, or nothing is selected).
namespace TrolleyKind {
inline constexpr int None = 0, ManualNarrow = 1, ManualWide = 2, MotorNarrow = 3, MotorWide = 4;
}
namespace HoistControlKind {
inline constexpr int PullChain = 0, TwoButton = 1, TwistRod = 2, FourButton = 3, TwoButtonHook = 4;
}
namespace TrolleyControlKind {
inline constexpr int PullChain = 0, TwoButton = 1;
}

// The Check3D1 element of each entry of Configuration::accessories: overload device, chain
// collector, chain stop, safety hook, accessories assembled (element 4 is the articulation,
// among the hoist controls).
inline constexpr std::array<int, 5> kAccessoryElements{0, 1, 2, 3, 5};

struct Configuration {
  int variant = 0;  // index of the start-up button, 0 English European
  bool lubeFree = false;
  QString model = QStringLiteral("PXH 250 EX");  // the text of the model list
  bool stainlessChain = false;
  QString liftHeight;     // as typed, feet in US Imperial; empty: not reached
  QString controlLength;  // as typed; empty: not reached
  int trolley = 0;        // TrolleyKind; -1 not reached
  int hoistControl = 0;   // HoistControlKind; -1 not reached
  bool articulation = false;
  int trolleyControl = -1;            // TrolleyControlKind; -1 none
  std::array<bool, 5> accessories{};  // by kAccessoryElements
  int discount = 0;                   // percent
  // The D key went down in the model list, which makes the discount step appear. A saved
  // configuration with a discount has it.
  bool discountAsked = false;

  // The same answers to every step.
  friend bool operator==(const Configuration&, const Configuration&) = default;
};
