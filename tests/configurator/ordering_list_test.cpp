// The ordering list built from a small hand-made parts table: lines, columns, totals, exports.
#include "configurator/ordering_list.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "startup/program_state.h"

namespace {

constexpr int kLight = 2;  // ModelIndex of PXH 250 EX
constexpr int kHeavy = 5;  // ModelIndex of PXH 2500 EX

class OrderingList : public ::testing::Test {
 protected:
  void SetUp() override {
    const int texts[] = {61, 62, 63, 64, 120, 129};
    const char* words[] = {"Ordering list", "Price",         "Discount",
                           "Net price",     "ATEX marking:", "Model being phased out"};
    for (int i = 0; i < 6; ++i) s.TextCatalogue[texts[i]] = words[i];
    s.OutputIndent = 8;
    s.CurrentModel = "PXH 250 EX";
    s.ModelIndex = s.HoistColumn = kLight;
    s.ChainLength = 5;
    s.ControlLength = 3;
    // Matrix row r of both columns names part 60 + r, ordering number "7300 00rr 00".
    for (int r = 1; r <= 44; ++r) {
      part(60 + r, QString("Part of row %1").arg(r), 1.0f, r);
      s.PartMatrix(r, kLight) = s.PartMatrix(r, kHeavy) = 60 + r;
    }
    part(61, "PXH 250 EX Air hoist 250 kg", 2500.0f, 1);
    part(100, "Load chain", 12.5f, 40);
    part(67, "Pull chain", 3.25f, 7);
    part(126, "Stainless load chain", 40.0f, 126);
  }

  void part(int k, const QString& description, std::optional<float> price, int row) {
    s.PartDescription[k] = description;
    s.PartNumber[k] = QString("7300 %1 00").arg(row, 4, 10, QChar('0'));
    s.PartPrice[k] = price;
  }

  // Built on a copy, so that every case starts from the same export arrays.
  ProgramState build(const OrderingChoices& c) const {
    ProgramState t = s;
    BuildOrderingList(t, c);
    return t;
  }

  // The matrix rows of the part lines after the hoist, in list order, e.g. "40 7 44".
  QString rows(const OrderingChoices& c) const {
    const ProgramState t = build(c);
    QStringList out;
    for (int r = 4; r <= t.OutputLineCount && r <= 30; ++r)
      if (!t.ExportPartNumbers[r].isEmpty())
        out << QString::number(t.ExportPartNumbers[r].mid(5, 4).toInt());
    return out.join(' ');
  }

  ProgramState s;
};

OrderingChoices choices(int hoistControl = 0, int trolley = 0, int trolleyControl = -1) {
  OrderingChoices c;
  c.hoistControl = hoistControl;
  c.trolley = trolley;
  c.trolleyControl = trolleyControl;
  return c;
}

QString field(const QString& description) {
  return description.leftJustified(40);
}

}  // namespace

TEST_F(OrderingList, MinimalListTotalsDiscountAndIndent) {
  ProgramState t = build(choices());
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
  ASSERT_EQ(t.OutputLineCount, 10);
  for (int r = 1; r <= 10; ++r) EXPECT_EQ(t.OutputLines[r], expected[r - 1]) << r;
  EXPECT_FLOAT_EQ(t.TotalPrice, 2500.0f + 12.5f * 5 + 3.25f * 6);
  EXPECT_EQ(t.ExportQuantities[5], "  5 m");
  EXPECT_EQ(t.ExportPartNumbers[6], "7300 0007 00");
  EXPECT_FLOAT_EQ(t.ExportPrices[6], 19.5f);
  EXPECT_EQ(t.ExportDescriptions[3], "PXH 250 EX Air hoist 250 kg");
  EXPECT_EQ(t.FmtDescr, "\\" + QString(38, ' ') + "\\");

  s.Discount = 10;
  t = build(choices());
  ASSERT_EQ(t.OutputLineCount, 12);
  EXPECT_EQ(t.OutputLines[11], i + "Discount" + QString(14, ' ') + "   258.2");
  EXPECT_EQ(t.OutputLines[12], i + "Net price" + QString(13, ' ') + "  2323.8");

  s.OutputIndent = 1;
  t = build(choices());
  EXPECT_EQ(t.OutputLines[1], " Ordering list");
  EXPECT_TRUE(t.OutputLines[3].startsWith("   1      7300"));
  EXPECT_EQ(t.OutputLines[4], QString(33, ' ') + "ATEX marking: Ex II 2G T5 II B D100\u00B0C");
}

TEST_F(OrderingList, MarkingChainAndPhasedOutNote) {
  s.PartDescription[61] = "PXH 250-SR Air hoist";
  EXPECT_TRUE(build(choices()).OutputLines[4].endsWith(" Ex II 2G T5 II C D100\u00B0C"));
  s.PartDescription[61] = "Hoist sr";  // the test is case-sensitive
  EXPECT_TRUE(build(choices()).OutputLines[4].endsWith(" Ex II 2G T5 II B D100\u00B0C"));

  OrderingChoices c = choices();
  c.stainless = true;
  EXPECT_EQ(rows(c), "126 7");
  c.chainTypeVisible = true;
  c.chainType = 0;  // "Standard (Oilpolished)" wins over stainless
  EXPECT_EQ(rows(c), "11 7");

  s.PartDescription[61] = "PXH 1000 U EX Air hoist";
  ProgramState t = build(choices());
  EXPECT_TRUE(
      t.OutputLines[3].endsWith(field("PXH 1000 U EX Air hoist") + " (Model being phased out)"));
  EXPECT_EQ(t.ExportDescriptions[3], "PXH 1000 U EX Air hoist");
  s.PartDescription[61] = "PXH 1000L U EX";
  EXPECT_TRUE(build(choices()).OutputLines[3].endsWith(" (Model being phased out)"));
}

TEST_F(OrderingList, HoistControlsAndTrolleys) {
  struct Case {
    const char* model;
    int control, trolley, trolleyControl;
    bool articulation;
    int controlLength;
    const char* rows;
  };
  const Case cases[] = {
      {"PXH 250 EX", 2, 0, -1, true, 2, "40 18"},  // twist rod, articulation needs 3 m
      {"PXH 250 EX", 2, 0, -1, false, 3, "40 18 19"},
      {"PXH 250 EX", 2, 0, -1, true, 3, "40 18 19 20"},
      {"PXH 250 EX", 1, 0, -1, false, 3, "40 13 14"},
      {"PXH 250 P2", 1, 0, -1, false, 3, "40 14"},
      {"PXH 250 EX", 3, 0, -1, false, 3, "40 16 17"},
      {"PXH 250 P4", 3, 0, -1, false, 3, "40 17"},
      {"PXH 250 EX", 4, 0, -1, false, 3, "40 21"},
      {"PXH 250 EX", 0, 1, -1, false, 3, "40 7 41"},
      {"PXH 250 EX", 0, 2, -1, false, 3, "40 7 42"},
      {"PXH 250 EX", 0, 4, 0, false, 3, "40 7 44 7"},    // trolley pull chain 2 x 3 + 1 m
      {"PXH 250 EX", 3, 4, 0, false, 3, "40 16 17 44"},  // none with the 4-button
      {"PXH 250 EX", 0, 3, 1, false, 3, "40 7 43 9 10"},
  };
  for (const Case& k : cases) {
    s.CurrentModel = k.model;
    s.ControlLength = k.controlLength;
    OrderingChoices c = choices(k.control, k.trolley, k.trolleyControl);
    c.articulation = k.articulation;
    EXPECT_EQ(rows(c), k.rows) << k.model << " " << k.control << " " << k.trolley;
  }
  EXPECT_EQ(build(choices(0, 4, 0)).ExportQuantities[9], "  7 m");
  EXPECT_EQ(build(choices(1)).ExportQuantities[7], "  3 m");
}

TEST_F(OrderingList, AccessoriesAndChainCollectorRows) {
  OrderingChoices c = choices();
  c.accessories = {true, true, true, true, false, true};
  s.ChainLength = 4;
  EXPECT_EQ(rows(c), "40 7 28 22 30 29 39");

  c.accessories = {false, true, false, false, false, false};
  const int light[][2] = {{4, 22},  {5, 24},  {7, 24},  {8, 25}, {12, 25},
                          {13, 26}, {18, 26}, {19, 27}, {25, 27}};
  for (auto [length, row] : light) {
    s.ChainLength = length;
    EXPECT_EQ(rows(c), "40 7 " + QString::number(row)) << length;
  }
  s.ModelIndex = kHeavy;
  const int heavy[][2] = {{4, 23}, {7, 23}, {8, 25}, {12, 25}, {13, 26}, {18, 26}};
  for (auto [length, row] : heavy) {
    s.ChainLength = length;
    EXPECT_EQ(rows(c), "40 7 " + QString::number(row)) << length;
  }
  s.ChainLength = 19;  // too long for the heavy collector
  EXPECT_EQ(rows(c), "40 7");
  s.ModelIndex = kLight;
  s.ChainCollectorFlag = 1;
  EXPECT_EQ(rows(c), "40 7");
  s.ChainCollectorFlag = 0;
  s.PartMatrix(27, kLight) = 0;  // the empty position is not listed
  EXPECT_EQ(rows(c), "40 7");

  // Overload protection for the listed columns and the 3000 models only; no empty hook.
  c.accessories = {true, false, false, true, false, false};
  s.PartMatrix(29, kLight) = 0;
  EXPECT_EQ(rows(c), "40 7 28");
  s.ModelIndex = 10;
  for (int r : {7, 28, 40}) s.PartMatrix(r, 10) = 60 + r;
  EXPECT_EQ(rows(c), "40 7");
  s.CurrentModel = "PXH 3000L EX";
  EXPECT_EQ(rows(c), "40 7 28");
}

TEST_F(OrderingList, UsImperialColumns) {
  s.LanguageKey = "US Imperial";
  s.Discount = 10;
  const ProgramState t = build(choices());
  const QString i(8, ' ');
  EXPECT_EQ(t.OutputLines[3],
            i + "  1            7300 0001 00   2500.0  " + field("PXH 250 EX Air hoist 250 kg"));
  EXPECT_EQ(t.OutputLines[4], QString(46, ' ') + "ATEX marking: Ex II 2G T5 II B D100\u00B0C");
  EXPECT_EQ(t.OutputLines[5], i + "  5 m ( 16 ft) 7300 0040 00     62.5  " + field("Load chain"));
  EXPECT_EQ(t.ExportQuantities[6], "  6 m ( 20 ft)");
  EXPECT_EQ(t.OutputLines[10], i + "Price" + QString(17 + 6, ' ') + "  2582.0");
  EXPECT_EQ(t.OutputLines[12], i + "Net price" + QString(13 + 6, ' ') + "  2323.8");
}

TEST_F(OrderingList, FaultsOfTheDataDoNotBreakTheList) {
  // A null price counts as nothing; a part outside the table and an empty cell are skipped.
  s.PartPrice[100] = std::nullopt;
  s.PartMatrix(7, kLight) = 500;
  ProgramState t = build(choices());
  EXPECT_EQ(t.OutputLineCount, 9);
  EXPECT_TRUE(t.OutputLines[5].contains("  5 m    7300 0040 00      0.0  Load chain"));
  EXPECT_FLOAT_EQ(t.TotalPrice, 2500.0f);
  s.PartMatrix(1, kLight).reset();
  t = build(choices());
  EXPECT_EQ(t.OutputLineCount, 8);
  EXPECT_TRUE(t.OutputLines[3].endsWith("B D100\u00B0C"));
  s.ModelIndex = 99;  // outside the matrix: no part rows, no crash
  EXPECT_EQ(build(choices()).OutputLineCount, 7);

  // A long description is kept whole; a short ordering number keeps the columns.
  s.PartDescription[61] = QString(45, 'x');
  s.PartNumber[61] = "84";
  s.PartPrice[61] = 1.0f;
  s.PartMatrix(1, kLight) = 61;
  s.ModelIndex = kLight;
  s.TextCatalogue[62] = QString(25, 'P');  // longer than its field: one blank remains
  t = build(choices());
  EXPECT_EQ(t.OutputLines[3],
            QString(8, ' ') + "  1      84" + QString(16, ' ') + "1.0  " + QString(45, 'x'));
  EXPECT_EQ(t.OutputLines[9].mid(8), QString(25, 'P') + "      1.0");

  // Lines past 30 stay on the list without export; past 200 nothing more is added. Export
  // elements of other lines keep what they held.
  ProgramState u = s;
  u.ExportPartNumbers[4] = "kept";
  BuildOrderingList(u, choices());
  EXPECT_EQ(u.ExportPartNumbers[4], "kept");
  u.OutputLineCount = 30;
  EXPECT_EQ(AddPartLine(u, 100, 2, std::nullopt, true), 31);
  EXPECT_TRUE(u.OutputLines[31].contains("7300 0040 00"));
  EXPECT_EQ(AddPartLine(u, 131, 1, 1.0f, false), 0);
  u.OutputLineCount = 200;
  EXPECT_EQ(AddPartLine(u, 61, 1, 1.0f, false), 0);
  EXPECT_EQ(u.OutputLineCount, 200);
  EXPECT_FLOAT_EQ(u.TotalPrice, 1.0f);  // the hoist only
}
