// Anchored text, its surfaces, the technical data table and the dimension figures.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "output/dimension_sheets.h"
#include "output/print_text.h"
#include "output/technical_data.h"

namespace {

using Item = RecordingTextDevice::Item;

// The point a recorded text was anchored at, undoing the recorder's measuring rule.
QPointF anchorPoint(const Item& item, int anchor) {
  const double w = item.text.size() * item.size / 8, h = item.size / 2;
  const int column = (anchor - 1) / 3, row = (anchor - 1) % 3;
  return {item.x + w * column / 2, item.top - h * (2 - row) / 2};
}

void expectAt(const Item& item, const QString& text, double x, double y, int anchor) {
  EXPECT_EQ(item.text, text);
  const QPointF p = anchorPoint(item, anchor);
  EXPECT_NEAR(p.x(), x, 1e-4) << text.toStdString();
  EXPECT_NEAR(p.y(), y, 1e-4) << text.toStdString();
  EXPECT_EQ(item.size, 8) << text.toStdString();
  EXPECT_FALSE(item.bold);
}

ConfiguredHoist sheetHoist(const QString& model, int modelIndex, const QString& key = "",
                           int trolley = -1) {
  ConfiguredHoist h;
  h.model = model;
  h.modelIndex = modelIndex;
  h.languageKey = key;
  h.chainLength = 26;
  h.trolley = trolley;
  return h;
}

TextCatalogueArray sheetTexts() {
  TextCatalogueArray texts;
  texts[69] = "Technical data";
  for (int n = 70; n <= 77; ++n) texts[n] = QString("Label %1").arg(n);
  texts[5] = "Sa&ve File As...";
  return texts;
}

}  // namespace

TEST(PrintTextAt, AnchorsTrimmingAndTheSheetWindowSizes) {
  RecordingTextDevice rec;
  const double x = 50, y = 20;  // "abcd" at 8 points: 4 mm wide, 4 mm high
  const QPointF expected[9] = {{50, 24}, {50, 22}, {50, 20}, {48, 24}, {48, 22},
                               {48, 20}, {46, 24}, {46, 22}, {46, 20}};
  for (int anchor = 1; anchor <= 9; ++anchor) {
    QString text = "   abcd";
    PrintTextAt(rec, text, x, y, 8, anchor == 6, anchor);
    EXPECT_EQ(text, "abcd");  // the caller's text loses its leading blanks
    const Item& item = rec.items.back();
    EXPECT_EQ(item.text, "abcd");
    EXPECT_EQ(QPointF(item.x, item.top), expected[anchor - 1]) << anchor;
    EXPECT_EQ(item.bold, anchor == 6);
  }
  for (int anchor : {0, 10, -1}) {
    QString text = "abcd ";
    PrintTextAt(rec, text, x, y, 8, false, anchor);
    EXPECT_EQ(QPointF(rec.items.back().x, rec.items.back().top), QPointF(0, 0));
    EXPECT_EQ(rec.items.back().text, "abcd ");  // trailing blanks stay
  }

  // The sheet window measures and writes 6 points smaller, but never below legibility.
  SheetWindowTextDevice sheet(rec);
  QString text = "abcd";
  PrintTextAt(sheet, text, x, y, 16, true, 5);
  EXPECT_EQ(rec.items.back().size, 10);
  EXPECT_EQ(QPointF(rec.items.back().x, rec.items.back().top), QPointF(47.5, 22.5));
  PrintTextAt(sheet, text, x, y, 8, false, 5);
  EXPECT_EQ(rec.items.back().size, SheetWindowTextDevice::kSmallestSize);
}

TEST(TechnicalData, EnglishTableWithUsColumn) {
  const TextCatalogueArray texts = sheetTexts();
  SheetValues sheet;
  sheet.TechDataTop = 80;
  RecordingTextDevice rec;
  TechnicalData(texts, sheetHoist("PXH 250 EX", 2), sheet, rec);
  ASSERT_EQ(rec.items.size(), 25u);

  const char* us[8] = {"551 lb",   "61. ft/min", "28.0 lb", "51.6 lb",
                       "84 dB(A)", "78 cfm",     "1/2 in",  "1/2 in"};
  const char* metric[8] = {"250 kg",   "18.6 m/min", "12.7 kg", "23.4 kg",
                           "84 dB(A)", "37 l/s",     "12.5 mm", "1/2 in"};
  for (int i = 0; i < 8; ++i) {
    const double y = 86 + 3.5 * i;
    expectAt(rec.items[i], us[i], 174, y, 7);
    expectAt(rec.items[9 + 2 * i], QString("Label %1").arg(70 + i), 100, y, 1);
    expectAt(rec.items[10 + 2 * i], metric[i], 155, y, 7);
  }
  const Item& heading = rec.items[8];
  EXPECT_EQ(heading.text, "Technical data");
  EXPECT_EQ(anchorPoint(heading, 1), QPointF(100, 80));
  EXPECT_EQ(heading.size, 10);
  EXPECT_TRUE(heading.bold);
  EXPECT_EQ(sheet.TechSizeMetric, "12.5 mm");

  // The US variants print the US column too.
  rec.items.clear();
  TechnicalData(texts, sheetHoist("PXH 250 EX", 2, "US Imperial"), sheet, rec);
  EXPECT_EQ(rec.items.size(), 25u);
}

TEST(TechnicalData, HeavyModelsLanguagesAndUnknownModels) {
  const TextCatalogueArray texts = sheetTexts();
  SheetValues sheet;
  sheet.TechDataTop = -3;
  RecordingTextDevice rec;
  TechnicalData(texts, sheetHoist("PXH 3000 EX", 14, "", 4), sheet, rec);
  EXPECT_EQ(rec.items[0].text, "6000 lb");
  EXPECT_EQ(rec.items[10].text, "2722 kg");
  EXPECT_EQ(rec.items[6].text, "3/4 in");
  EXPECT_EQ(rec.items[22].text, "20 mm");
  EXPECT_EQ(anchorPoint(rec.items[8], 1), QPointF(100, -3));

  // Sizes by trolley: a manual trolley or none gives the small hose.
  for (int trolley : {-1, 0, 1, 2}) {
    rec.items.clear();
    TechnicalData(texts, sheetHoist("PXH 2500 EX", 5, "", trolley), sheet, rec);
    EXPECT_EQ(rec.items[22].text, "12.5 mm") << trolley;
    EXPECT_EQ(rec.items[6].text, "1/2 in") << trolley;
  }
  rec.items.clear();
  TechnicalData(texts, sheetHoist("PXH 1250-SR", 9, "", 3), sheet, rec);
  EXPECT_EQ(sheet.TechSizeMetric, "20 mm");

  // German: no US column, the values at 165.
  rec.items.clear();
  TechnicalData(texts, sheetHoist("PXH 250 EX", 2, "Tysk", 3), sheet, rec);
  ASSERT_EQ(rec.items.size(), 17u);
  EXPECT_EQ(rec.items[0].text, "Technical data");
  expectAt(rec.items[2], "250 kg", 165, 3, 7);

  // An unknown model: labels and units with empty numbers; the size texts of the last call.
  rec.items.clear();
  TechnicalData(texts, sheetHoist("PXH 9999 EX", 0, "", 3), sheet, rec);
  ASSERT_EQ(rec.items.size(), 25u);
  const char* us[8] = {"lb", "ft/min", "lb", "lb", "dB(A)", "cfm", "1/2 in", "1/2 in"};
  const char* metric[8] = {"kg", "m/min", "kg", "kg", "dB(A)", "l/s", "12.5 mm", "1/2 in"};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(rec.items[i].text, us[i]);
    EXPECT_EQ(rec.items[10 + 2 * i].text, metric[i]);
  }
}

TEST(DimensionSheets, HoistFigures) {
  ConfiguredHoist h = sheetHoist("PXH 250 EX", 2);
  const SheetPlace place{98, 23, 0};
  RecordingTextDevice rec;
  MeasuringHoist(h, place, rec);
  ASSERT_EQ(rec.items.size(), 4u);
  expectAt(rec.items[0], "377", 16, 125, 5);
  expectAt(rec.items[1], "122", 34.5, 97.5, 5);
  expectAt(rec.items[2], "390", 67, 97.5, 5);
  expectAt(rec.items[3], "29", 56.5, 134, 5);

  h.languageKey = "US Imperial";
  rec.items.clear();
  MeasuringHoist(h, place, rec);
  EXPECT_EQ(rec.items[0].text, "14.8");
  EXPECT_EQ(rec.items[3].text, "1.1");
}

TEST(DimensionSheets, TrolleyFigures) {
  ConfiguredHoist h = sheetHoist("PXH 5000 EX", 6, "", 4);
  const SheetPlace place{110, 0, 115};
  RecordingTextDevice rec;
  MeasuringTrolley(h, place, rec);
  ASSERT_EQ(rec.items.size(), 6u);
  expectAt(rec.items[0], "41", 105.9, 117, 5);
  expectAt(rec.items[1], "93", 100, 139.5, 8);
  expectAt(rec.items[2], "Beam width +97", 116, 150, 5);
  expectAt(rec.items[3], "166", 130, 117, 5);
  expectAt(rec.items[4], "437", 168, 124, 5);
  expectAt(rec.items[5], "59", 152.5, 124, 5);

  h.modelIndex = 5;
  h.trolley = 1;
  rec.items.clear();
  MeasuringTrolley(h, place, rec);
  ASSERT_EQ(rec.items.size(), 4u);
  expectAt(rec.items[0], "35", 105.5, 117, 5);
  expectAt(rec.items[2], "262", 116, 150, 5);
  expectAt(rec.items[3], "384", 168, 124, 5);
  h.trolley = 2;
  rec.items.clear();
  MeasuringTrolley(h, place, rec);
  EXPECT_EQ(rec.items[2].text, "Beam width +89");

  h.modelIndex = 2;
  h.languageKey = "US Imperial";
  rec.items.clear();
  MeasuringTrolley(h, place, rec);
  EXPECT_EQ(rec.items[2].text, "Beam width +2.3");
  h.trolley = 3;
  rec.items.clear();
  MeasuringTrolley(h, place, rec);
  EXPECT_EQ(rec.items[0].text, "1.0");
  EXPECT_EQ(rec.items[5].text, "");  // the light motor trolley has no T6

  // The SR models have no motor-trolley figures; no trolley writes nothing at all.
  h.modelIndex = 7;
  rec.items.clear();
  MeasuringTrolley(h, place, rec);
  ASSERT_EQ(rec.items.size(), 6u);
  for (const Item& item : rec.items) EXPECT_EQ(item.text, "");
  for (int none : {0, -1}) {
    h.trolley = none;
    rec.items.clear();
    MeasuringTrolley(h, place, rec);
    EXPECT_TRUE(rec.items.empty());
  }
}
