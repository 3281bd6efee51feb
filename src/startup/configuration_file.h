// A saved configuration: the user's answers to the steps of the main window, kept as a small
// JSON document with the extension .telmaris. It holds answers, not results, so that opening
// it next week gives the list with next week's prices.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <variant>

struct SavedConfiguration {
  int variant = 0;  // index of the start-up button, 0 English European
  bool lubeFree = false;
  QString model = QStringLiteral("PXH 250 EX");  // the text of the model list
  bool stainlessChain = false;
  QString liftHeight;     // as typed, feet in US Imperial; empty: not reached
  QString controlLength;  // as typed; empty: not reached
  int trolley = 0;        // Opt3DTrolley element; -1 (null) not reached
  int hoistControl = 0;   // Opt3DHoistControl element; -1 (null) not reached
  bool articulation = false;
  int trolleyControl = -1;  // Opt3DTrolleyControls element; -1 none
  // Overload device, chain collector, chain stop, safety hook, accessories assembled.
  std::array<bool, 5> accessories{};
  int discount = 0;  // above 0: the discount step was asked for
};

// The Check3D1 element of each entry of SavedConfiguration::accessories.
inline constexpr std::array<int, 5> kAccessoryElements{0, 1, 2, 3, 5};

// Reads a configuration; unknown keys are ignored and a missing key keeps its default. The
// error names the key whose type or value is wrong.
std::variant<SavedConfiguration, QString> parseConfiguration(const QByteArray& json);

QByteArray writeConfiguration(const SavedConfiguration& configuration);
