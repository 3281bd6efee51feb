// The ordering list: the parts of the configured hoist with quantity, ordering number, amount and
// description, the total, the discount and the net amount. Built as a value from the parts data
// and the configured hoist; the screen, the page, the spreadsheet and the command line each
// format that one value.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "configurator/configured_hoist.h"
#include "data/parts_data.h"

struct OrderingLine {
  enum class Kind { Heading, Blank, Part, Marking, Rule, Total };
  Kind kind = Kind::Blank;
  QString text;  // the heading, the marking, or a total line's label

  // Part lines
  int part = -1;
  int quantity = 0;  // pieces, or whole metres
  bool isLength = false;
  QString orderingNumber;
  QString description;
  double amount = 0;  // price × quantity

  // Total lines: the figure, and the text of the label (price, discount or net price)
  double figure = 0;
  Text label = Text::Price;
};

struct OrderingList {
  std::vector<OrderingLine> lines;
  double total = 0;  // the sum of the amounts
  int discount = 0;  // percent
  bool imperial = false;
  QString phasedOutNote;  // Text::PhasedOut, added to the lines of the U models

  double discountAmount() const { return total * discount / 100.0; }
  double net() const { return total * (1.0 - discount / 100.0); }
  // The part lines only, in order.
  std::vector<const OrderingLine*> parts() const;
};

// The width of the description field of a list line.
inline constexpr int kDescriptionWidth = 40;
// The pattern of every amount of the list.
inline const QString kPricePattern = QStringLiteral("#####0.0");
// The width of the amount fields that every list has had; amounts up to 999999.9 fit.
inline constexpr int kAmountWidth = 8;

// The width of the list's amount fields: kAmountWidth, or, for a list with a larger figure, the
// width of its widest amount or total, so that no figure runs into the description.
int amountFieldWidth(const OrderingList& list);

// The parts of the hoist in list order. A null price counts as 0; an empty matrix cell, or one
// that names a part outside the parts table, adds nothing.
OrderingList BuildOrderingList(const PartsData& data, const ConfiguredHoist& hoist);

// The quantity field of a part line: "  5 m", in US Imperial with the feet "  5 m (    16 ft)",
// or the count right-aligned in three characters.
QString quantityField(const OrderingLine& line, bool imperial);
// What follows the count of a length: " m", in US Imperial " m ( 16 ft)"; empty for pieces.
QString unitField(const OrderingLine& line, bool imperial);
// The description field of a part line: the description in its 40 characters, and after them
// the note of a model being phased out.
QString descriptionField(const OrderingLine& line, const OrderingList& list);

// The list as fixed-width text lines, each starting with `indent` blanks: the ordering number
// 9 characters after the indent (15 in US Imperial), the amount 22 (28), the description 32 (38);
// a wider amount field (amountFieldWidth) moves the description and the marking to the right.
QStringList orderingListLines(const OrderingList& list, int indent);
