// Composition of the ordering list from the window's choices and the loaded parts.
#include "configurator/ordering_list.h"

#include <algorithm>
#include <initializer_list>

#include "common/number_format.h"
#include "common/units.h"
#include "configurator/model_rules.h"
#include "startup/program_state.h"

namespace {

constexpr int kPartNumberWidth = 12;
constexpr int kTotalLabelWidth = 22;
constexpr int kStainlessChainPart = 126;

// Texts of the catalogue used by the list.
constexpr int kTextHeading = 61, kTextTotal = 62, kTextDiscount = 63, kTextNet = 64;
constexpr int kTextMarking = 120, kTextPhasedOut = 129;

bool isUsImperial(const ProgramState& s) {
  return s.LanguageKey == QLatin1String("US Imperial");
}

QString blanks(int n) {
  return QString(std::max(n, 0), u' ');
}

QString indent(const ProgramState& s) {
  return blanks(s.OutputIndent);
}

// The line number of the appended line, 0 when the list is full.
int appendLine(ProgramState& s, const QString& line) {
  if (s.OutputLineCount >= decltype(s.OutputLines)::upper) return 0;
  const int r = ++s.OutputLineCount;
  s.OutputLines[r] = line;
  return r;
}

bool isPartIndex(long long part) {
  return decltype(ProgramState::PartPrice)::inBounds(part);
}

// The part a matrix cell names; none for an empty cell or one outside the matrix.
std::optional<int> matrixPart(const ProgramState& s, int row, int column) {
  if (!decltype(s.PartMatrix)::inBounds(row, column)) return std::nullopt;
  const auto& cell = s.PartMatrix(row, column);
  if (!cell) return std::nullopt;
  return static_cast<int>(*cell);
}

int addPart(ProgramState& s, std::optional<int> part, int quantity, bool isLength) {
  if (!part || !isPartIndex(*part)) return 0;
  return AddPartLine(s, *part, quantity, s.PartPrice[*part], isLength);
}

// "Add row k": the part of the model's column in that row.
int addRow(ProgramState& s, int row, int quantity = 1, bool isLength = false) {
  return addPart(s, matrixPart(s, row, s.ModelIndex), quantity, isLength);
}

// Rows whose cell may hold part 0, the empty position, are only added for a real part.
void addRowIfPart(ProgramState& s, int row) {
  const std::optional<int> part = matrixPart(s, row, s.ModelIndex);
  if (part && *part > 0) addPart(s, part, 1, false);
}

// The chain-collector row for the chain length; none where the collector cannot take the chain.
std::optional<int> chainCollectorRow(int modelIndex, int chainLength) {
  const int L = chainLength;
  if (isLightGroup(modelIndex)) {
    if (L <= 4) return 22;
    if (L <= 7) return 24;
    if (L <= 12) return 25;
    if (L <= 18) return 26;
    if (L <= 26) return 27;
  } else if (isHeavyGroup(modelIndex)) {
    if (L <= 7) return 23;
    if (L <= 12) return 25;
    if (L <= 18) return 26;
  }
  return std::nullopt;
}

bool takesOverloadDevice(const ProgramState& s) {
  return overloadIsOrderedSeparately(s.ModelIndex, s.CurrentModel);
}

// A total line: the label, then the figure under the amounts of the part lines.
template <typename Amount>
void appendTotalLine(ProgramState& s, int text, Amount amount) {
  const QString label = s.TextCatalogue[text];
  // A label longer than its field keeps one blank, so that it never runs into the figure.
  const int gap = label.size() <= kTotalLabelWidth ? kTotalLabelWidth - label.size() : 1;
  appendLine(s, indent(s) + label + blanks(gap) + blanks(isUsImperial(s) ? 6 : 0) +
                    FormatRight(amount, s.FmtPrice, 8));
}

}  // namespace

void SetOutputFormats(ProgramState& state) {
  state.FmtQty = QStringLiteral("###");
  state.FmtDescr = u'\\' + blanks(kDescriptionWidth - 2) + u'\\';
  state.FmtPrice = QStringLiteral("#####0.0");
  state.FmtMetres = QStringLiteral("### m");
}

int AddPartLine(ProgramState& state, int partIndex, int quantity, std::optional<float> price,
                bool isLength) {
  if (!isPartIndex(partIndex)) return 0;
  const int r = appendLine(state, QString());
  if (r == 0) return 0;

  const bool us = isUsImperial(state);
  const float amount = price.value_or(0.0f) * static_cast<float>(quantity);
  const QString& description = state.PartDescription[partIndex];
  const QString& number = state.PartNumber[partIndex];

  QString quantityField;
  int gap;
  if (isLength) {
    quantityField = FormatRight(quantity, state.FmtMetres, 5);
    if (us) quantityField += " (" + FormatRight(quantity / kMetresPerFoot, "### ft", 6) + ")";
    gap = us ? 1 : 4;
  } else {
    quantityField = FormatRight(quantity, state.FmtQty, 3);
    gap = us ? 12 : 6;
  }
  // Ordering numbers are 12 characters; a shorter one is padded so that the amount and the
  // description stay in their columns, which the printed page cuts by position.
  QString line = indent(state) + quantityField + blanks(gap) +
                 number.leftJustified(kPartNumberWidth) + u' ' +
                 FormatRight(amount, state.FmtPrice, 8) + blanks(2) +
                 description.leftJustified(kDescriptionWidth);
  if (line.contains(QLatin1String("PXH 1000L U EX")) ||
      line.contains(QLatin1String("PXH 1000 U EX")))
    line += " (" + state.TextCatalogue[kTextPhasedOut] + ")";
  state.OutputLines[r] = line;

  if (decltype(state.ExportPrices)::inBounds(r)) {
    state.ExportQuantities[r] = quantityField;
    state.ExportPartNumbers[r] = number;
    state.ExportPrices[r] = amount;
    state.ExportDescriptions[r] = description;
  }
  state.TotalPrice += amount;
  return r;
}

void BuildOrderingList(ProgramState& state, const OrderingChoices& choices) {
  ProgramState& s = state;
  SetOutputFormats(s);
  for (int r = 1; r <= decltype(s.OutputLines)::upper; ++r) s.OutputLines[r].clear();
  s.OutputLineCount = 0;

  appendLine(s, indent(s) + s.TextCatalogue[kTextHeading]);
  appendLine(s, QString());
  s.TotalPrice = 0;

  // The hoist and its explosion-protection marking, which depends on the hoist's description.
  const std::optional<int> hoist = matrixPart(s, 1, s.HoistColumn);
  const bool hoistAdded = addPart(s, hoist, 1, false) > 0;
  const bool sr = hoistAdded && s.PartDescription[*hoist].contains(QLatin1String("SR"));
  const QString marking = sr ? QStringLiteral(" Ex II 2G T5 II C D100\u00B0C")
                             : QStringLiteral(" Ex II 2G T5 II B D100\u00B0C");
  appendLine(s, blanks(s.OutputIndent + (isUsImperial(s) ? 38 : 32)) +
                    s.TextCatalogue[kTextMarking] + marking);

  // Load chain.
  if (choices.chainTypeVisible && choices.chainType == 0)
    addRow(s, 11, s.ChainLength, true);
  else if (choices.stainless)
    addPart(s, kStainlessChainPart, s.ChainLength, true);
  else
    addRow(s, 40, s.ChainLength, true);

  // Hoist control.
  const int control = s.ControlLength;
  switch (choices.hoistControl) {
    case 0:
      addRow(s, 7, 2 * control, true);
      break;
    case 1:
      if (!s.CurrentModel.endsWith(QLatin1String("P2"))) addRow(s, 13);
      addRow(s, 14, control, true);
      break;
    case 2:
      addRow(s, 18);
      if (control >= 3) {
        addRow(s, 19);
        if (choices.articulation) addRow(s, 20);
      }
      break;
    case 3:
      if (!s.CurrentModel.endsWith(QLatin1String("P4"))) addRow(s, 16);
      addRow(s, 17, control, true);
      break;
    case 4:
      addRow(s, 21);
      break;
    default:
      break;
  }
  appendLine(s, QString());

  // Trolley and, for a motor-driven one, its control.
  switch (choices.trolley) {
    case 1:
      addRow(s, 41);
      break;
    case 2:
      addRow(s, 42);
      break;
    case 3:
    case 4:
      addRow(s, choices.trolley == 3 ? 43 : 44);
      if (choices.trolleyControl == 0 && choices.hoistControl != 3)
        addRow(s, 7, 2 * control + 1, true);
      if (choices.trolleyControl == 1) {
        addRow(s, 9);
        addRow(s, 10, control, true);
      }
      break;
    default:
      break;
  }
  appendLine(s, QString());

  // Accessories in the order of their check boxes.
  const auto& ticked = choices.accessories;
  if (ticked[0] && takesOverloadDevice(s)) addRow(s, 28);
  if (ticked[1] && s.ChainCollectorFlag == 0) {
    if (const auto row = chainCollectorRow(s.ModelIndex, s.ChainLength)) addRowIfPart(s, *row);
  }
  if (ticked[2]) addRow(s, 30);
  if (ticked[3]) addRowIfPart(s, 29);
  if (ticked[5]) addRow(s, 39);

  appendLine(s, indent(s) + QString(82, u'_'));
  appendTotalLine(s, kTextTotal, s.TotalPrice);
  if (s.Discount > 0) {
    const double total = s.TotalPrice;
    appendTotalLine(s, kTextDiscount, total * s.Discount / 100.0);
    appendTotalLine(s, kTextNet, total * (1.0 - s.Discount / 100.0));
  }
}
