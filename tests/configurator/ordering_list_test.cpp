// The ordering list built from a small hand-made parts table: lines, columns, totals, part fields.
#include "configurator/ordering_list.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

constexpr int kLight = 2;  // ModelIndex of PXH 250 EX
constexpr int kHeavy = 5;  // ModelIndex of PXH 2500 EX

class OrderingListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const Text texts[] = {Text::OrderingListHeading, Text::Price,    Text::Discount, Text::NetPrice,
                          Text::AtexMarking,         Text::PhasedOut};
    const char* words[] = {"Ordering list", "Price",         "Discount",
                           "Net price",     "ATEX marking:", "Model being phased out"};
    for (int i = 0; i < 6; ++i) data.TextCatalogue[texts[i]] = QString::fromUtf8(words[i]);
    // Matrix row r of both columns names part 60 + r, ordering number "7300 00rr 00".
    for (int r = 1; r <= 44; ++r) {
      part(60 + r, QString("Part of row %1").arg(r), 1.0, r);
      data.PartMatrix(r, kLight) = data.PartMatrix(r, kHeavy) = 60 + r;
    }
    part(61, "PXH 250 EX Air hoist 250 kg", 2500.0, 1);
    part(100, "Load chain", 12.5, 40);
    part(67, "Pull chain", 3.25, 7);
    part(126, "Stainless load chain", 40.0, 126);
  }

  void part(int k, const QString& description, std::optional<double> price, int row) {
    data.PartDescription[k] = description;
    data.PartNumber[k] = QString("7300 %1 00").arg(row, 4, 10, QChar('0'));
    data.PartPrice[k] = price;
  }

  // The choice of an option's element number, -1 for none.
  template <typename Choice>
  static std::optional<Choice> option(int e) {
    return e < 0 ? std::nullopt : std::optional<Choice>(static_cast<Choice>(e));
  }

  // PXH 250 EX, a 5 m chain, 3 m of control length, with the choices by element number.
  ConfiguredHoist hoist(int hoistControl = 0, int trolley = 0, int trolleyControl = -1) const {
    ConfiguredHoist h;
    h.model = "PXH 250 EX";
    h.modelIndex = h.hoistColumn = kLight;
    h.chainLength = 5;
    h.controlLength = 3;
    h.hoistControl = option<HoistControl>(hoistControl);
    h.trolley = option<Trolley>(trolley);
    h.trolleyControl = option<TrolleyControl>(trolleyControl);
    return h;
  }

  OrderingList build(const ConfiguredHoist& h) const { return BuildOrderingList(data, h); }
  QStringList lines(const ConfiguredHoist& h, int indent = 8) const {
    return orderingListLines(build(h), indent);
  }

  // The matrix rows of the part lines after the hoist, in list order, e.g. "40 7 44".
  QString rows(const ConfiguredHoist& h) const {
    const OrderingList list = build(h);
    QStringList out;
    const std::vector<const OrderingLine*> parts = list.parts();
    for (std::size_t p = 1; p < parts.size(); ++p)
      out << QString::number(parts[p]->orderingNumber.mid(5, 4).toInt());
    return out.join(' ');
  }

  PartsData data;
};

QString field(const QString& description) {
  return description.leftJustified(40);
}

}  // namespace

TEST_F(OrderingListTest, MinimalListTotalsDiscountAndIndent) {
  const QString i(8, ' ');
  const QStringList expected = {
      i + "Ordering list",
      "",
      i + "  1      7300 0001 00   2500.0  " + field("PXH 250 EX Air hoist 250 kg"),
      QString(40, ' ') + "ATEX marking: Ex II 2G T5 II B D100\u00B0C",
      i + "  5 m    7300 0040 00     62.5  " + field("Load chain"),
      i + "  6 m    7300 0007 00     19.5  " + field("Pull chain"),
      "",
      "",
      i + QString(82, '_'),
      i + "Price" + QString(17, ' ') + "  2582.0"};
  EXPECT_EQ(lines(hoist()), expected);
  EXPECT_DOUBLE_EQ(build(hoist()).total, 2582.0);

  ConfiguredHoist discounted = hoist();
  discounted.discount = 10;
  const QStringList withDiscount = lines(discounted);
  ASSERT_EQ(withDiscount.size(), 12);
  EXPECT_EQ(withDiscount[10], i + "Discount" + QString(14, ' ') + "   258.2");
  EXPECT_EQ(withDiscount[11], i + "Net price" + QString(13, ' ') + "  2323.8");
  EXPECT_NEAR(build(discounted).net(), 2323.8, 0.01);

  const QStringList screen = lines(hoist(), 1);
  EXPECT_EQ(screen[0], " Ordering list");
  EXPECT_TRUE(screen[2].startsWith("   1      7300"));
  EXPECT_EQ(screen[3], QString(33, ' ') + "ATEX marking: Ex II 2G T5 II B D100\u00B0C");
}

TEST_F(OrderingListTest, MarkingChainAndPhasedOutNote) {
  data.PartDescription[61] = "PXH 250-SR Air hoist";
  EXPECT_TRUE(lines(hoist())[3].endsWith(" Ex II 2G T5 II C D100\u00B0C"));
  data.PartDescription[61] = "Hoist sr";  // the test is case-sensitive
  EXPECT_TRUE(lines(hoist())[3].endsWith(" Ex II 2G T5 II B D100\u00B0C"));

  ConfiguredHoist h = hoist();
  h.stainless = true;
  EXPECT_EQ(rows(h), "126 7");
  h.chainTypeVisible = true;
  h.chainType = 0;  // "Standard (Oilpolished)" wins over stainless
  EXPECT_EQ(rows(h), "11 7");

  data.PartDescription[61] = "PXH 1000 U EX Air hoist";
  EXPECT_TRUE(
      lines(hoist())[2].endsWith(field("PXH 1000 U EX Air hoist") + " (Model being phased out)"));
  EXPECT_EQ(build(hoist()).parts()[0]->description, "PXH 1000 U EX Air hoist");
  data.PartDescription[61] = "PXH 1000L U EX";
  EXPECT_TRUE(lines(hoist())[2].endsWith(" (Model being phased out)"));
}

TEST_F(OrderingListTest, HoistControlsAndTrolleys) {
  struct Case {
    const char* model;
    int control, trolley, trolleyControl;
    bool articulation;
    int controlLength;
    const char* rows;
  };
  // The twist rod with its extension and articulation, the 2-button and 4-button controls, the
  // manual trolleys and the wide motor trolley with its pull chain are in the full configurations
  // of the core walk (tests/walk_core), on the shipped data.
  const Case cases[] = {
      {"PXH 250 EX", 2, 0, -1, true, 2, "40 18"},  // twist rod, articulation needs 3 m
      {"PXH 250 EX", 2, 0, -1, false, 3, "40 18 19"},
      {"PXH 250 P2", 1, 0, -1, false, 3, "40 14"},
      {"PXH 250 P4", 3, 0, -1, false, 3, "40 17"},
      {"PXH 250 EX", 4, 0, -1, false, 3, "40 21"},
      {"PXH 250 EX", 0, 3, 1, false, 3, "40 7 43 9 10"},
  };
  for (const Case& k : cases) {
    ConfiguredHoist h = hoist(k.control, k.trolley, k.trolleyControl);
    h.model = k.model;
    h.controlLength = k.controlLength;
    h.articulation = k.articulation;
    EXPECT_EQ(rows(h), k.rows) << k.model << " " << k.control << " " << k.trolley;
  }
  EXPECT_EQ(quantityField(*build(hoist(0, 4, 0)).parts()[4], false), "  7 m");
  EXPECT_EQ(quantityField(*build(hoist(1)).parts()[3], false), "  3 m");
}

TEST_F(OrderingListTest, AccessoriesAndChainCollectorRows) {
  ConfiguredHoist h = hoist();
  h.accessories = {true, true, true, true, false, true};
  h.chainLength = 4;
  EXPECT_EQ(rows(h), "40 7 28 22 30 29 39");

  h.accessories = {false, true, false, false, false, false};
  const int light[][2] = {{4, 22},  {5, 24},  {7, 24},  {8, 25}, {12, 25},
                          {13, 26}, {18, 26}, {19, 27}, {25, 27}};
  for (auto [length, row] : light) {
    h.chainLength = length;
    EXPECT_EQ(rows(h), "40 7 " + QString::number(row)) << length;
  }
  h.modelIndex = kHeavy;
  const int heavy[][2] = {{4, 23}, {7, 23}, {8, 25}, {12, 25}, {13, 26}, {18, 26}};
  for (auto [length, row] : heavy) {
    h.chainLength = length;
    EXPECT_EQ(rows(h), "40 7 " + QString::number(row)) << length;
  }
  h.chainLength = 19;  // too long for the heavy collector
  EXPECT_EQ(rows(h), "40 7");
  h.modelIndex = kLight;
  h.chainCollectorFlag = 1;
  EXPECT_EQ(rows(h), "40 7");
  h.chainCollectorFlag = 0;
  data.PartMatrix(27, kLight) = 0;  // the empty position is not listed
  EXPECT_EQ(rows(h), "40 7");

  // Overload protection for the listed columns and the 3000 models only; no empty hook.
  h.accessories = {true, false, false, true, false, false};
  data.PartMatrix(29, kLight) = 0;
  EXPECT_EQ(rows(h), "40 7 28");
  h.modelIndex = 10;
  for (int r : {7, 28, 40}) data.PartMatrix(r, 10) = 60 + r;
  EXPECT_EQ(rows(h), "40 7");
  h.model = "PXH 3000L EX";
  EXPECT_EQ(rows(h), "40 7 28");
}

TEST_F(OrderingListTest, UsImperialColumns) {
  ConfiguredHoist h = hoist();
  h.variant = VariantId::UsImperial;
  h.discount = 10;
  const QStringList t = lines(h);
  const QString i(8, ' ');
  EXPECT_EQ(t[2],
            i + "  1            7300 0001 00   2500.0  " + field("PXH 250 EX Air hoist 250 kg"));
  EXPECT_EQ(t[3], QString(46, ' ') + "ATEX marking: Ex II 2G T5 II B D100\u00B0C");
  EXPECT_EQ(t[4], i + "  5 m ( 16 ft) 7300 0040 00     62.5  " + field("Load chain"));
  EXPECT_EQ(quantityField(*build(h).parts()[2], true), "  6 m ( 20 ft)");
  EXPECT_EQ(t[9], i + "Price" + QString(17 + 6, ' ') + "  2582.0");
  EXPECT_EQ(t[11], i + "Net price" + QString(13 + 6, ' ') + "  2323.8");
}

TEST_F(OrderingListTest, FaultsOfTheDataDoNotBreakTheList) {
  // A null price counts as nothing; a part outside the table and an empty cell are skipped.
  data.PartPrice[100] = std::nullopt;
  data.PartMatrix(7, kLight) = 500;
  QStringList t = lines(hoist());
  EXPECT_EQ(t.size(), 9);
  EXPECT_TRUE(t[4].contains("  5 m    7300 0040 00      0.0  Load chain"));
  EXPECT_DOUBLE_EQ(build(hoist()).total, 2500.0);
  data.PartMatrix(1, kLight).reset();
  t = lines(hoist());
  EXPECT_EQ(t.size(), 8);
  EXPECT_TRUE(t[2].endsWith("B D100\u00B0C"));
  ConfiguredHoist outside = hoist();
  outside.modelIndex = 99;  // outside the matrix: no part rows, no crash
  EXPECT_EQ(lines(outside).size(), 7);

  // A long description is kept whole; a short ordering number keeps the columns.
  data.PartDescription[61] = QString(45, 'x');
  data.PartNumber[61] = "84";
  data.PartPrice[61] = 1.0;
  data.PartMatrix(1, kLight) = 61;
  data.TextCatalogue[Text::Price] = QString(25, 'P');  // longer than its field: one blank remains
  t = lines(hoist());
  EXPECT_EQ(t[2], QString(8, ' ') + "  1      84" + QString(16, ' ') + "1.0  " + QString(45, 'x'));
  EXPECT_EQ(t[8].mid(8), QString(25, 'P') + "      1.0");
}

TEST_F(OrderingListTest, LargeAmountsKeepTheirDigitsAndWidenTheirColumn) {
  // A chain at the price ceiling: 7 m of 9 999 999.99 is 69 999 999.93, which single precision
  // could not even hold as a price (it makes 10 000 000 of it).
  data.PartPrice[100] = 9999999.99;
  ConfiguredHoist h = hoist();
  h.chainLength = 7;
  h.discount = 10;
  const OrderingList list = build(h);
  EXPECT_EQ(amountFieldWidth(list), 10);
  // 2500 + 69 999 999.93 + 19.5 = 70 002 519.43; 10 % of it 7 000 251.943, the net 63 002 267.487.
  const QString i(8, ' ');
  const QStringList expected = {
      i + "Ordering list",
      "",
      i + "  1      7300 0001 00     2500.0  " + field("PXH 250 EX Air hoist 250 kg"),
      QString(42, ' ') + "ATEX marking: Ex II 2G T5 II B D100\u00B0C",
      i + "  7 m    7300 0040 00 69999999.9  " + field("Load chain"),
      i + "  6 m    7300 0007 00       19.5  " + field("Pull chain"),
      "",
      "",
      i + QString(84, '_'),
      i + "Price" + QString(17, ' ') + "70002519.4",
      i + "Discount" + QString(14, ' ') + " 7000251.9",
      i + "Net price" + QString(13, ' ') + "63002267.5"};
  EXPECT_EQ(orderingListLines(list, 8), expected);

  // Up to 999 999.9 the list keeps its eight characters.
  data.PartPrice[100] = 99999.99;  // 6 m: 599 999.94
  h.chainLength = 6;
  h.discount = 0;
  EXPECT_EQ(amountFieldWidth(build(h)), 8);
  EXPECT_EQ(orderingListLines(build(h), 8)[4],
            i + "  6 m    7300 0040 00 599999.9  " + field("Load chain"));
  // The total alone may widen the column: 6 m of 166 665 fit, the total of 1 002 509.5 does not.
  data.PartPrice[100] = 166665.0;
  const QStringList wide = orderingListLines(build(h), 8);
  EXPECT_EQ(wide[4], i + "  6 m    7300 0040 00  999990.0  " + field("Load chain"));
  EXPECT_EQ(wide[9], i + "Price" + QString(17, ' ') + "1002509.5");
}
