// Anchored text, its surfaces, the technical data table and the dimension figures. The recorder
// measures a character as size / 8 mm wide and a line as size / 2 mm high, so at 8 points a
// text of n characters is n mm wide and 4 mm high; the places below are its top left corners.
#include <gtest/gtest.h>

#include <QPointF>
#include <QStringList>

#include "page/print_text.h"
#include "sheets/dimension_sheets.h"
#include "sheets/technical_data.h"

namespace {

using Item = RecordingTextDevice::Item;

// A recorded text and its top left corner, at 8 points and not bold unless said.
void expectItem(const Item& item, const QString& text, double x, double top, double size = 8,
                bool bold = false) {
  EXPECT_EQ(item.text, text);
  EXPECT_NEAR(item.x, x, 1e-4) << text.toStdString();
  EXPECT_NEAR(item.top, top, 1e-4) << text.toStdString();
  EXPECT_EQ(item.size, size) << text.toStdString();
  EXPECT_EQ(item.bold, bold) << text.toStdString();
}

ConfiguredHoist sheetHoist(const QString& model, int modelIndex,
                           VariantId variant = VariantId::EnglishEuropean,
                           std::optional<Trolley> trolley = std::nullopt) {
  ConfiguredHoist h;
  h.model = model;
  h.modelIndex = modelIndex;
  h.variant = variant;
  h.chainLength = 26;
  h.trolley = trolley;
  return h;
}

TextCatalogueArray sheetTexts() {
  TextCatalogueArray texts;
  texts.store(69, "Technical data");
  for (int n = 70; n <= 77; ++n) texts.store(n, QString("Label %1").arg(n));
  texts.store(5, "Sa&ve File As...");  // a menu caption, not a row label
  return texts;
}

QStringList textsOf(const std::vector<Item>& items) {
  QStringList texts;
  for (const Item& i : items) texts << i.text;
  return texts;
}

}  // namespace

TEST(PrintTextAt, AnchorsTrimmingAndTheSheetWindowSizes) {
  RecordingTextDevice rec;
  // "abcd" at 8 points, 4 mm wide and 4 mm high, anchored at (50, 20).
  const QPointF expected[9] = {{50, 24}, {50, 22}, {50, 20}, {48, 24}, {48, 22},
                               {48, 20}, {46, 24}, {46, 22}, {46, 20}};
  for (int anchor = 1; anchor <= 9; ++anchor) {
    QString text = "   abcd";
    PrintTextAt(rec, text, 50, 20, 8, anchor == 6, anchor);
    EXPECT_EQ(text, "abcd");  // the caller's text loses its leading blanks
    expectItem(rec.items.back(), "abcd", expected[anchor - 1].x(), expected[anchor - 1].y(), 8,
               anchor == 6);
  }
  for (int anchor : {0, 10, -1}) {
    QString text = "abcd ";
    PrintTextAt(rec, text, 50, 20, 8, false, anchor);
    expectItem(rec.items.back(), "abcd ", 0, 0);  // trailing blanks stay
  }

  // The sheet window measures and writes 6 points smaller, but never below 7 points.
  SheetWindowTextDevice sheet(rec);
  QString text = "abcd";
  PrintTextAt(sheet, text, 50, 20, 16, true, 5);  // 10 points: 5 mm wide, 5 mm high
  expectItem(rec.items.back(), "abcd", 47.5, 22.5, 10, true);
  PrintTextAt(sheet, text, 50, 20, 8, false, 5);
  EXPECT_EQ(rec.items.back().size, 7);
}

TEST(TechnicalData, ValuesLabelsAndTheirPlaces) {
  const TextCatalogueArray texts = sheetTexts();
  SheetValues sheet;
  sheet.TechDataTop = 80;
  RecordingTextDevice rec;
  // PXH 250 EX with 26 m of chain: the US column at 174 first, then the heading and each row's
  // label at 100 and metric value at 155, rows 3.5 mm apart from 86 mm.
  TechnicalData(texts, sheetHoist("PXH 250 EX", 2), sheet, rec);
  ASSERT_EQ(rec.items.size(), 25u);
  EXPECT_EQ(textsOf(rec.items).mid(0, 8), QStringList({"551 lb", "61. ft/min", "28.0 lb", "51.6 lb",
                                                       "84 dB(A)", "78 cfm", "1/2 in", "1/2 in"}));
  EXPECT_EQ(textsOf(rec.items).mid(8),
            QStringList({"Technical data", "Label 70", "250 kg", "Label 71", "18.6 m/min",
                         "Label 72", "12.7 kg", "Label 73", "23.4 kg", "Label 74", "84 dB(A)",
                         "Label 75", "37 l/s", "Label 76", "12.5 mm", "Label 77", "1/2 in"}));
  expectItem(rec.items[0], "551 lb", 168, 90);      // right-aligned at 174, row 0 at 86
  expectItem(rec.items[3], "51.6 lb", 167, 100.5);  // row 3 at 96.5
  expectItem(rec.items[8], "Technical data", 100, 85, 10, true);
  expectItem(rec.items[9], "Label 70", 100, 90);
  expectItem(rec.items[16], "23.4 kg", 148, 100.5);  // right-aligned at 155
  expectItem(rec.items[24], "1/2 in", 149, 114.5);   // row 7 at 110.5
  EXPECT_EQ(sheet.TechSizeMetric, "12.5 mm");

  // German on the screen sheet: no US column, the values right-aligned at 165.
  rec.items.clear();
  sheet.TechDataTop = -3;
  TechnicalData(texts, sheetHoist("PXH 250 EX", 2, VariantId::German, Trolley::MotorNarrow), sheet,
                rec);
  ASSERT_EQ(rec.items.size(), 17u);
  expectItem(rec.items[0], "Technical data", 100, 2, 10, true);
  expectItem(rec.items[2], "250 kg", 159, 7);
}

TEST(TechnicalData, HeavyModelsSizesAndUnknownModels) {
  const TextCatalogueArray texts = sheetTexts();
  SheetValues sheet;
  RecordingTextDevice rec;
  // 2721.6 kg are 6000 lb; the motor trolley gives the large hose.
  TechnicalData(texts,
                sheetHoist("PXH 3000 EX", 14, VariantId::EnglishEuropean, Trolley::MotorWide),
                sheet, rec);
  EXPECT_EQ(rec.items[0].text, "6000 lb");
  EXPECT_EQ(rec.items[10].text, "2722 kg");
  EXPECT_EQ(rec.items[6].text, "3/4 in");
  EXPECT_EQ(rec.items[22].text, "20 mm");

  // A manual trolley or none gives the small hose; the 1250-SR has the large one without.
  for (const std::optional<Trolley> trolley : {std::optional<Trolley>(), {Trolley::ManualWide}}) {
    rec.items.clear();
    TechnicalData(texts, sheetHoist("PXH 2500 EX", 5, VariantId::EnglishEuropean, trolley), sheet,
                  rec);
    EXPECT_EQ(rec.items[22].text, "12.5 mm");
    EXPECT_EQ(rec.items[6].text, "1/2 in");
  }
  rec.items.clear();
  TechnicalData(texts, sheetHoist("PXH 1250-SR", 9), sheet, rec);
  EXPECT_EQ(rec.items[22].text, "20 mm");

  // An unknown model: labels and units with empty numbers; the size texts of the last call.
  rec.items.clear();
  TechnicalData(texts, sheetHoist("PXH 9999 EX", 0), sheet, rec);
  ASSERT_EQ(rec.items.size(), 25u);
  EXPECT_EQ(textsOf(rec.items).mid(0, 8),
            QStringList({"lb", "ft/min", "lb", "lb", "dB(A)", "cfm", "3/4 in", "1/2 in"}));
  EXPECT_EQ(rec.items[10].text, "kg");
  EXPECT_EQ(rec.items[22].text, "20 mm");
}

TEST(DimensionSheets, HoistFigures) {
  // PXH 250 EX on the page (top 98, left 23), every figure centred on its point.
  ConfiguredHoist h = sheetHoist("PXH 250 EX", 2);
  const SheetPlace place{98, 23, 0};
  RecordingTextDevice rec;
  MeasuringHoist(h, place, rec);
  ASSERT_EQ(rec.items.size(), 4u);
  expectItem(rec.items[0], "377", 14.5, 127);   // D1 at (16, 125)
  expectItem(rec.items[1], "122", 33, 99.5);    // D2 at (34.5, 97.5)
  expectItem(rec.items[2], "390", 65.5, 99.5);  // D3 at (67, 97.5)
  expectItem(rec.items[3], "29", 55.5, 136);    // D4 at (56.5, 134)

  h.variant = VariantId::UsImperial;
  rec.items.clear();
  MeasuringHoist(h, place, rec);
  EXPECT_EQ(textsOf(rec.items), QStringList({"14.8", "4.8", "15.4", "1.1"}));
}

TEST(DimensionSheets, TrolleyFigures) {
  // PXH 5000 EX with the wide motor trolley on the page (top 110, left2 115).
  ConfiguredHoist h = sheetHoist("PXH 5000 EX", 6, VariantId::EnglishEuropean, Trolley::MotorWide);
  const SheetPlace place{110, 0, 115};
  RecordingTextDevice rec;
  MeasuringTrolley(h, place, rec);
  ASSERT_EQ(rec.items.size(), 6u);
  expectItem(rec.items[0], "41", 104.9, 119);            // T1 at (105.9, 117)
  expectItem(rec.items[1], "93", 98, 141.5);             // T2 right-aligned at (100, 139.5)
  expectItem(rec.items[2], "Beam width +97", 109, 152);  // T3 at (116, 150)
  expectItem(rec.items[3], "166", 128.5, 119);           // T5 at (130, 117)
  expectItem(rec.items[4], "437", 166.5, 126);           // T4 at (168, 124)
  expectItem(rec.items[5], "59", 151.5, 126);            // T6 at (152.5, 124)

  // PXH 2500 EX with a manual trolley: four figures, T1 at 9.5 mm left of left2.
  h.modelIndex = 5;
  h.trolley = Trolley::ManualNarrow;
  rec.items.clear();
  MeasuringTrolley(h, place, rec);
  ASSERT_EQ(rec.items.size(), 4u);
  expectItem(rec.items[0], "35", 104.5, 119);  // T1 at (105.5, 117)
  expectItem(rec.items[2], "262", 114.5, 152);
  expectItem(rec.items[3], "384", 166.5, 126);
  h.trolley = Trolley::ManualWide;
  rec.items.clear();
  MeasuringTrolley(h, place, rec);
  EXPECT_EQ(rec.items[2].text, "Beam width +89");

  h.modelIndex = 2;
  h.variant = VariantId::UsImperial;
  rec.items.clear();
  MeasuringTrolley(h, place, rec);
  EXPECT_EQ(rec.items[2].text, "Beam width +2.3");
  h.trolley = Trolley::MotorNarrow;
  rec.items.clear();
  MeasuringTrolley(h, place, rec);
  EXPECT_EQ(textsOf(rec.items), QStringList({"1.0", "2.0", "8.3", "8.9", "10.4", ""}));

  // The SR models have no motor-trolley figures; no trolley writes nothing at all.
  h.modelIndex = 7;
  rec.items.clear();
  MeasuringTrolley(h, place, rec);
  EXPECT_EQ(textsOf(rec.items), QStringList({"", "", "", "", "", ""}));
  for (const std::optional<Trolley> none : {std::optional(Trolley::None), {}}) {
    h.trolley = none;
    rec.items.clear();
    MeasuringTrolley(h, place, rec);
    EXPECT_TRUE(rec.items.empty());
  }
}
