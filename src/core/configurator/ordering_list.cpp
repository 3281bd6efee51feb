// Composition of the ordering list from the configured hoist and the loaded parts, and its
// fixed-width text lines.
#include "configurator/ordering_list.h"

#include <algorithm>
#include <optional>

#include "common/number_format.h"
#include "common/units.h"
#include "configurator/hoist_model.h"
#include "configurator/model_rules.h"

namespace {

constexpr int kPartNumberWidth = 12;
constexpr int kTotalLabelWidth = 22;
constexpr int kStainlessChainPart = 126;

QString blanks(int n) {
  return QString(std::max(n, 0), u' ');
}

class ListBuilder {
 public:
  ListBuilder(const PartsData& data, const ConfiguredHoist& hoist) : data_(data), hoist_(hoist) {
    list_.imperial = hoist.imperial();
    list_.discount = hoist.discount;
    list_.phasedOutNote = data.TextCatalogue[Text::PhasedOut];
  }

  OrderingList take() { return std::move(list_); }

  void line(OrderingLine::Kind kind, const QString& text = {}) {
    OrderingLine l;
    l.kind = kind;
    l.text = text;
    list_.lines.push_back(l);
  }

  // The part a matrix cell names; none for an empty cell or one outside the matrix.
  std::optional<int> matrixPart(int row, int column) const {
    if (!decltype(data_.PartMatrix)::inBounds(row, column)) return std::nullopt;
    const auto& cell = data_.PartMatrix(row, column);
    if (!cell) return std::nullopt;
    return static_cast<int>(*cell);
  }

  bool addPart(std::optional<int> part, int quantity = 1, bool isLength = false) {
    if (!part || !decltype(data_.PartPrice)::inBounds(*part)) return false;
    OrderingLine l;
    l.kind = OrderingLine::Kind::Part;
    l.part = *part;
    l.quantity = quantity;
    l.isLength = isLength;
    l.orderingNumber = data_.PartNumber[*part];
    l.description = data_.PartDescription[*part];
    l.amount = data_.PartPrice[*part].value_or(0.0) * quantity;
    list_.total += l.amount;
    list_.lines.push_back(l);
    return true;
  }

  // "Add row k": the part of the model's column in that row.
  void addRow(int row, int quantity = 1, bool isLength = false) {
    addPart(matrixPart(row, hoist_.modelIndex), quantity, isLength);
  }

  // Rows whose cell may hold part 0, the empty position, are only added for a real part.
  void addRowIfPart(int row) {
    const std::optional<int> part = matrixPart(row, hoist_.modelIndex);
    if (part && *part > 0) addPart(part);
  }

 private:
  const PartsData& data_;
  const ConfiguredHoist& hoist_;
  OrderingList list_;
};

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

}  // namespace

std::vector<const OrderingLine*> OrderingList::parts() const {
  std::vector<const OrderingLine*> result;
  for (const OrderingLine& l : lines)
    if (l.kind == OrderingLine::Kind::Part) result.push_back(&l);
  return result;
}

OrderingList BuildOrderingList(const PartsData& data, const ConfiguredHoist& h) {
  ListBuilder b(data, h);
  using Kind = OrderingLine::Kind;
  b.line(Kind::Heading, data.TextCatalogue[Text::OrderingListHeading]);
  b.line(Kind::Blank);

  // The hoist and its explosion-protection marking, which depends on the hoist's description.
  const std::optional<int> hoist = b.matrixPart(1, h.hoistColumn);
  const bool hoistAdded = b.addPart(hoist);
  const bool sr = hoistAdded && data.PartDescription[*hoist].contains(QLatin1String("SR"));
  b.line(Kind::Marking, data.TextCatalogue[Text::AtexMarking] +
                            (sr ? QStringLiteral(" Ex II 2G T5 II C D100\u00B0C")
                                : QStringLiteral(" Ex II 2G T5 II B D100\u00B0C")));

  // Load chain.
  if (h.chainTypeVisible && h.chainType == 0)
    b.addRow(11, h.chainLength, true);
  else if (h.stainless)
    b.addPart(kStainlessChainPart, h.chainLength, true);
  else
    b.addRow(40, h.chainLength, true);

  // Hoist control.
  const int control = h.controlLength;
  if (h.hoistControl) {
    switch (*h.hoistControl) {
      case HoistControl::PullChain:
        b.addRow(7, 2 * control, true);
        break;
      case HoistControl::TwoButton:
        if (!isP2Model(h.model)) b.addRow(13);
        b.addRow(14, control, true);
        break;
      case HoistControl::TwistRod:
        b.addRow(18);
        if (control >= 3) {
          b.addRow(19);
          if (h.articulation) b.addRow(20);
        }
        break;
      case HoistControl::FourButton:
        if (!isP4Model(h.model)) b.addRow(16);
        b.addRow(17, control, true);
        break;
      case HoistControl::TwoButtonHook:
        b.addRow(21);
        break;
    }
  }
  b.line(Kind::Blank);

  // Trolley and, for a motor-driven one, its control.
  switch (h.trolley.value_or(Trolley::None)) {
    case Trolley::None:
      break;
    case Trolley::ManualNarrow:
      b.addRow(41);
      break;
    case Trolley::ManualWide:
      b.addRow(42);
      break;
    case Trolley::MotorNarrow:
    case Trolley::MotorWide:
      b.addRow(h.trolley == Trolley::MotorNarrow ? 43 : 44);
      if (h.trolleyControl == TrolleyControl::PullChain &&
          h.hoistControl != HoistControl::FourButton)
        b.addRow(7, 2 * control + 1, true);
      if (h.trolleyControl == TrolleyControl::TwoButton) {
        b.addRow(9);
        b.addRow(10, control, true);
      }
      break;
  }
  b.line(Kind::Blank);

  // Accessories in the order of their check boxes.
  if (h.ticked(Accessory::OverloadDevice) && overloadIsOrderedSeparately(h.modelIndex, h.model))
    b.addRow(28);
  if (h.ticked(Accessory::ChainCollector) && h.chainCollectorFlag == 0) {
    if (const auto row = chainCollectorRow(h.modelIndex, h.chainLength)) b.addRowIfPart(*row);
  }
  if (h.ticked(Accessory::ChainStop)) b.addRow(30);
  if (h.ticked(Accessory::SafetyHook)) b.addRowIfPart(29);
  if (h.ticked(Accessory::Assembled)) b.addRow(39);

  b.line(Kind::Rule);
  OrderingList list = b.take();
  const auto totalLine = [&](Text label, double figure) {
    OrderingLine l;
    l.kind = Kind::Total;
    l.text = data.TextCatalogue[label];
    l.label = label;
    l.figure = figure;
    list.lines.push_back(l);
  };
  totalLine(Text::Price, list.total);
  if (list.discount > 0) {
    totalLine(Text::Discount, list.discountAmount());
    totalLine(Text::NetPrice, list.net());
  }
  return list;
}

QString quantityField(const OrderingLine& line, bool imperial) {
  return FormatRight(line.quantity, QStringLiteral("###"), 3) + unitField(line, imperial);
}

QString unitField(const OrderingLine& line, bool imperial) {
  if (!line.isLength) return {};
  QString field = QStringLiteral(" m");
  if (imperial)
    field += QStringLiteral(" (") +
             FormatRight(line.quantity / kMetresPerFoot, QStringLiteral("### ft"), 6) +
             QStringLiteral(")");
  return field;
}

QString descriptionField(const OrderingLine& line, const OrderingList& list) {
  QString field = line.description.leftJustified(kDescriptionWidth);
  if (mentionsPhasedOutModel(line.description))
    field += QStringLiteral(" (") + list.phasedOutNote + QStringLiteral(")");
  return field;
}

int amountFieldWidth(const OrderingList& list) {
  qsizetype width = kAmountWidth;
  for (const OrderingLine& l : list.lines) {
    if (l.kind == OrderingLine::Kind::Part)
      width = std::max(width, FormatNumber(l.amount, kPricePattern).size());
    else if (l.kind == OrderingLine::Kind::Total)
      width = std::max(width, FormatNumber(l.figure, kPricePattern).size());
  }
  return static_cast<int>(width);
}

QStringList orderingListLines(const OrderingList& list, int indent) {
  using Kind = OrderingLine::Kind;
  const bool us = list.imperial;
  const int width = amountFieldWidth(list);
  const int wider = width - kAmountWidth;
  const QString lead = blanks(indent);
  QStringList out;
  for (const OrderingLine& l : list.lines) {
    switch (l.kind) {
      case Kind::Heading:
        out << lead + l.text;
        break;
      case Kind::Blank:
        out << QString();
        break;
      case Kind::Marking:
        out << blanks(indent + (us ? 38 : 32) + wider) + l.text;
        break;
      case Kind::Rule:
        out << lead + QString(82 + wider, u'_');
        break;
      case Kind::Total: {
        // A label longer than its field keeps one blank, so that it never runs into the figure.
        const int gap =
            l.text.size() <= kTotalLabelWidth ? kTotalLabelWidth - int(l.text.size()) : 1;
        out << lead + l.text + blanks(gap) + blanks(us ? 6 : 0) +
                   FormatRight(l.figure, kPricePattern, width);
        break;
      }
      case Kind::Part: {
        const int gap = l.isLength ? (us ? 1 : 4) : (us ? 12 : 6);
        // Ordering numbers are 12 characters; a shorter one is padded so that the amount and
        // the description stay in their columns, which the printed page cuts by position.
        out << lead + quantityField(l, us) + blanks(gap) +
                   l.orderingNumber.leftJustified(kPartNumberWidth) + u' ' +
                   FormatRight(l.amount, kPricePattern, width) + blanks(2) +
                   descriptionField(l, list);
        break;
      }
    }
  }
  return out;
}
