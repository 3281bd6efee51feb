// The rules of the guided steps, driven through the configurator as the user walks them: model,
// lift height, control length, trolley and controls, accessories, discount, the resets, and saved
// configurations applied through the same steps.
#include "configurator/configurator.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>
#include <functional>
#include <ostream>
#include <vector>

#include "configurator/configuration.h"
#include "configurator/ordering_list.h"
#include "data/parts_data.h"
#include "data/parts_loader.h"

// Readable names in failure messages.
static void PrintTo(Ctl c, std::ostream* out) {
  *out << controlName(c).toStdString();
}
static void PrintTo(FieldColour c, std::ostream* out) {
  *out << (c == FieldColour::White ? "white" : c == FieldColour::Yellow ? "yellow" : "red");
}

namespace {

const QStringList kAllKeys{"",       "Fransk",      "US Metric", "US Imperial",
                           "Spansk", "Portugisisk", "Italiensk", "Tysk"};

bool isUs(const QString& key) {
  return key.startsWith(QLatin1String("US"));
}

// The text numbers of the messages since the last call.
std::vector<int> texts(Configurator& e) {
  std::vector<int> numbers;
  for (const StepMessage& m : e.takeMessages()) numbers.push_back(m.text);
  return numbers;
}

// The model confirmed with Enter in the dropped-down list, then the lift height and the control
// length typed and confirmed with Enter; the walk stops early where a step does not open.
void walkToTrolley(Configurator& e, const QString& key, const QString& model, const QString& lift,
                   const QString& control) {
  e.load(key);
  e.modelPicked(model);
  if (e.focus() == Ctl::chkStainless) e.stainlessClicked(false);
  e.focusControl(Ctl::LiftHeightB);
  e.liftHeightTyped(lift);
  e.stepKey(Ctl::LiftHeightB, 13);
  if (e.focus() != Ctl::ControlLengthB) return;
  e.controlLengthTyped(control);
  e.stepKey(Ctl::ControlLengthB, 13);
}

// Then the trolley and the hoist control chosen and confirmed with Enter.
void walkToAccessories(Configurator& e, const QString& key, const QString& model,
                       const QString& lift, const QString& control, int trolley = 0,
                       int hoistControl = 0) {
  walkToTrolley(e, key, model, lift, control);
  e.optionClicked(opt3DTrolley(trolley));
  e.stepKey(opt3DTrolley(trolley), 13);
  e.optionClicked(opt3DHoistControl(hoistControl));
  e.stepKey(e.focus(), 13);
}

int selected(const Configurator& e, Ctl first, int count) {
  for (int i = 0; i < count; ++i)
    if (e.checked(static_cast<Ctl>(static_cast<int>(first) + i))) return i;
  return -1;
}

QStringList names(const QStringList& classes, bool lubeFree) {
  QStringList list;
  for (const QString& c : classes)
    list << QStringLiteral("PXH ") + c + (lubeFree ? "L" : "") + QStringLiteral(" EX");
  return list;
}

}  // namespace

TEST(Configurator, ModelListAndColumnsByVariant) {
  const QStringList six{"250", "500", "980", "1000", "2500", "5000"};
  const QStringList seven{"250", "500", "980", "1000", "2500", "3000", "5000"};
  for (const QString& key : kAllKeys) {
    SCOPED_TRACE(key.toStdString());
    Configurator e;
    e.load(key);
    const QStringList& classes = isUs(key) ? seven : six;
    EXPECT_EQ(e.modelList(), names(classes, false));
    EXPECT_EQ(e.modelText(), "PXH 250 EX");
    EXPECT_TRUE(e.takeDropDownRequest());
    EXPECT_EQ(e.focus(), Ctl::ComboPXH);
    // The default model of the load, until the user confirms one.
    EXPECT_EQ(e.currentModel(), isUs(key) ? "PXH 1000 U EX" : "PXH 200 EX");
    EXPECT_EQ(e.modelIndex(), isUs(key) ? 13 : 1);
    EXPECT_EQ(e.controlLengthLabelTop(), key.isEmpty() || isUs(key) ? 1920 : 1740);
    e.lubeFreeChanged(true);
    EXPECT_EQ(e.modelList(), names(classes, true));
    EXPECT_TRUE(e.takeDropDownRequest());
    e.lubeFreeChanged(false);
    EXPECT_EQ(e.modelList(), names(classes, false));
  }

  // The columns of a confirmed model; {0, 0} where the variant does not know the name, which
  // keeps the columns of the model confirmed before ("PXH 500 EX": 3, 3 and 12, 3).
  struct Columns {
    int modelIndex, hoistColumn;
  };
  struct Case {
    const char* name;
    Columns other, us;
  };
  const Case cases[] = {
      {"PXH 200 EX", {1, 1}, {0, 0}},       {"PXH 250 EX", {2, 2}, {11, 2}},
      {"PXH 500 EX", {3, 3}, {12, 3}},      {"PXH 980 EX", {4, 37}, {13, 37}},
      {"PXH 1000 EX", {10, 10}, {13, 10}},  {"PXH 1000 U EX", {4, 4}, {13, 4}},
      {"PXH 2500 EX", {5, 5}, {14, 5}},     {"PXH 3000 EX", {0, 0}, {14, 24}},
      {"PXH 5000 EX", {6, 6}, {15, 6}},     {"PXH 250L EX", {2, 29}, {11, 29}},
      {"PXH 500L EX", {3, 30}, {12, 30}},   {"PXH 980L EX", {4, 38}, {13, 38}},
      {"PXH 1000L EX", {10, 31}, {13, 31}}, {"PXH 1000L U EX", {4, 32}, {13, 32}},
      {"PXH 2500L EX", {5, 33}, {14, 33}},  {"PXH 3000L EX", {0, 0}, {14, 35}},
      {"PXH 5000L EX", {6, 34}, {15, 34}},  {"PXH 6000 EX", {0, 0}, {0, 0}},
  };
  for (const QString& key : {QString(), QStringLiteral("Tysk"), QStringLiteral("US Metric"),
                             QStringLiteral("US Imperial")}) {
    for (const Case& c : cases) {
      SCOPED_TRACE((key + " / " + c.name).toStdString());
      Configurator e;
      e.load(key);
      e.modelPicked("PXH 500 EX");
      e.takeMessages();
      e.modelPicked(c.name);
      Columns want = isUs(key) ? c.us : c.other;
      if (want.modelIndex == 0) want = isUs(key) ? Columns{12, 3} : Columns{3, 3};
      EXPECT_EQ(e.currentModel(), c.name);
      EXPECT_EQ(e.modelIndex(), want.modelIndex);
      EXPECT_EQ(e.hoistColumn(), want.hoistColumn);

      const std::vector<StepMessage> messages = e.takeMessages();
      const QString name = QLatin1String(c.name);
      if (name == "PXH 1000 U EX" || name == "PXH 1000L U EX") {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].prefix, name + ": ");
        EXPECT_EQ(messages[0].text, 129);
        EXPECT_FALSE(messages[0].refusal);  // a note: the model is taken
      } else {
        EXPECT_TRUE(messages.empty());
      }
      // Only the 250 and 500 classes offer a stainless-steel chain.
      const bool stainless = want.modelIndex == 2 || want.modelIndex == 3 ||
                             want.modelIndex == 11 || want.modelIndex == 12;
      EXPECT_EQ(e.shown(Ctl::chkStainless), stainless);
      if (!stainless) {
        EXPECT_FALSE(e.checked(Ctl::chkStainless));
      }
      // The walk goes on from a control the user can see: the stainless-steel box or the lift
      // height.
      EXPECT_TRUE(e.shown(e.focus())) << controlName(e.focus());
      EXPECT_TRUE(e.focus() == Ctl::chkStainless || e.focus() == Ctl::LiftHeightB)
          << controlName(e.focus());
      if (!stainless) {
        EXPECT_TRUE(e.shown(Ctl::LiftHeightB));
      }
    }
  }

  // A stainless-steel chain ticked for a 250, then a model without one: the tick goes.
  Configurator e;
  e.load("");
  e.modelPicked("PXH 250 EX");
  e.stainlessClicked(true);
  EXPECT_TRUE(e.checked(Ctl::chkStainless));
  EXPECT_EQ(e.focus(), Ctl::LiftHeightB);
  e.modelPicked("PXH 2500 EX");
  EXPECT_FALSE(e.shown(Ctl::chkStainless));
  EXPECT_FALSE(e.checked(Ctl::chkStainless));
  EXPECT_FALSE(e.hoist().stainless);
}

TEST(Configurator, LiftHeightLimitsColoursAndChainLength) {
  // Colour of the box by value: white below 1, yellow up to the model's limit, red above.
  struct Colour {
    const char* key;
    const char* model;
    const char* text;
    FieldColour colour;
    int limit;      // metres
    double metres;  // the lift height the program holds
  };
  const Colour colours[] = {
      {"", "PXH 250 EX", "", FieldColour::White, 100, 0},
      {"", "PXH 250 EX", "0.5", FieldColour::White, 100, 0.5},
      {"", "PXH 250 EX", "1", FieldColour::Yellow, 100, 1},
      {"", "PXH 250 EX", "100", FieldColour::Yellow, 100, 100},
      {"", "PXH 250 EX", "100.1", FieldColour::Red, 100, 100.1},
      {"", "PXH 500 EX", "100", FieldColour::Yellow, 100, 100},
      {"", "PXH 980 EX", "100", FieldColour::Yellow, 100, 100},
      {"", "PXH 980L EX", "101", FieldColour::Red, 100, 101},
      {"", "PXH 1000 EX", "50", FieldColour::Yellow, 50, 50},
      {"", "PXH 1000 EX", "51", FieldColour::Red, 50, 51},
      {"Tysk", "PXH 1000L EX", "51", FieldColour::Red, 50, 51},
      {"", "PXH 2500 EX", "50", FieldColour::Yellow, 50, 50},
      {"Fransk", "PXH 2500L EX", "50.5", FieldColour::Red, 50, 50.5},
      {"US Metric", "PXH 3000 EX", "50", FieldColour::Yellow, 50, 50},
      {"US Metric", "PXH 3000 EX", "51", FieldColour::Red, 50, 51},
      {"", "PXH 5000 EX", "25", FieldColour::Yellow, 25, 25},
      {"", "PXH 5000 EX", "26", FieldColour::Red, 25, 26},
      {"Italiensk", "PXH 5000L EX", "26", FieldColour::Red, 25, 26},
      // US Imperial types feet: 25 m are 82.02 ft, 100 m 328.08 ft.
      {"US Imperial", "PXH 5000 EX", "82", FieldColour::Yellow, 25, 82 * 0.3048},
      {"US Imperial", "PXH 5000 EX", "82.1", FieldColour::Red, 25, 82.1 * 0.3048},
      {"US Imperial", "PXH 250 EX", "328", FieldColour::Yellow, 100, 328 * 0.3048},
      {"US Imperial", "PXH 250 EX", "329", FieldColour::Red, 100, 329 * 0.3048},
      {"US Imperial", "PXH 1000 EX", "3", FieldColour::Yellow, 50, 3 * 0.3048},
  };
  for (const Colour& c : colours) {
    SCOPED_TRACE(std::string(c.key) + " / " + c.model + " / " + c.text);
    Configurator e;
    e.load(c.key);
    e.modelPicked(c.model);
    e.focusControl(Ctl::LiftHeightB);
    e.liftHeightTyped("7");  // so that every text of the table is a change
    e.liftHeightTyped(c.text);
    EXPECT_EQ(e.liftHeightColour(), c.colour);
    EXPECT_EQ(e.liftHeightLimit(), c.limit);
    EXPECT_NEAR(e.liftHeight(), c.metres, 1e-9);
  }

  // Above the limit, leaving the box says so with the limit (whole feet in US Imperial) and
  // empties it; the control length does not open.
  struct TooHigh {
    const char* key;
    const char* model;
    const char* text;
    const char* suffix;
  };
  const TooHigh tooHigh[] = {
      {"", "PXH 5000 EX", "26", ": 25"},        {"US Imperial", "PXH 5000 EX", "83", ": 82"},
      {"", "PXH 1000 EX", "50.5", ": 50"},      {"US Imperial", "PXH 1000 EX", "165", ": 164"},
      {"Spansk", "PXH 250 EX", "101", ": 100"}, {"US Imperial", "PXH 250 EX", "329", ": 328"},
  };
  for (const TooHigh& c : tooHigh) {
    SCOPED_TRACE(std::string(c.key) + " / " + c.model + " / " + c.text);
    Configurator e;
    e.load(c.key);
    e.modelPicked(c.model);
    e.focusControl(Ctl::LiftHeightB);
    e.liftHeightTyped(c.text);
    e.takeMessages();
    e.stepKey(Ctl::LiftHeightB, 13);
    const std::vector<StepMessage> messages = e.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, 28);
    EXPECT_EQ(messages[0].suffix, c.suffix);
    EXPECT_EQ(e.liftHeightText(), "");
    EXPECT_EQ(e.liftHeightColour(), FieldColour::White);
    EXPECT_EQ(e.focus(), Ctl::LiftHeightB);
    EXPECT_FALSE(e.shown(Ctl::ControlLengthB));
    EXPECT_FALSE(e.shown(Ctl::Label1_1));
  }

  // No lift height: text 13 and the focus stays.
  for (const char* text : {"", "0"}) {
    Configurator e;
    e.load("");
    e.modelPicked("PXH 1000 EX");
    e.liftHeightTyped(text);
    e.stepKey(Ctl::LiftHeightB, 13);
    EXPECT_EQ(texts(e), std::vector<int>{13}) << text;
    EXPECT_EQ(e.focus(), Ctl::LiftHeightB);
    EXPECT_FALSE(e.shown(Ctl::ControlLengthB));
  }

  // Chain length: integer part of (falls x lift height + allowance - 0.01), plus 1. Chains of
  // 26 m and more (19 m and more for the heavy models) cannot go into the collector: a note,
  // and the walk goes on to the control length.
  struct Chain {
    const char* key;
    const char* model;
    const char* lift;
    int chain;
    int flag;
    int note;  // text number, 0 for none
  };
  const Chain chains[] = {
      {"", "PXH 250 EX", "4", 5, 0, 0},
      {"", "PXH 250 EX", "4.5", 5, 0, 0},    // 4.99
      {"", "PXH 250 EX", "4.505", 5, 0, 0},  // 5.005: within a centimetre of 5 m
      {"", "PXH 250 EX", "4.52", 6, 0, 0},   // 5.01
      {"", "PXH 250 EX", "24.5", 25, 0, 0},
      {"", "PXH 250 EX", "25", 26, 1, 112},
      {"", "PXH 200 EX", "25", 26, 1, 112},
      {"", "PXH 500L EX", "24.5", 25, 0, 0},
      {"", "PXH 980 EX", "5", 11, 0, 0},
      {"", "PXH 1000 EX", "12.25", 25, 0, 0},
      {"", "PXH 1000 EX", "12.3", 26, 1, 112},
      {"", "PXH 1000 U EX", "12.3", 26, 1, 112},
      {"", "PXH 2500 EX", "17.4", 18, 0, 0},
      {"", "PXH 2500 EX", "18", 19, 1, 113},
      {"", "PXH 5000 EX", "8", 17, 0, 0},  // 2 x 8 + 0.9
      {"", "PXH 5000 EX", "12", 25, 1, 113},
      {"US Metric", "PXH 250 EX", "25", 26, 1, 112},
      {"US Metric", "PXH 3000 EX", "8", 9, 0, 0},
      {"US Metric", "PXH 3000 EX", "18", 19, 1, 113},
      {"US Metric", "PXH 5000 EX", "8", 17, 0, 0},
      {"US Imperial", "PXH 1000 EX", "20", 13, 0, 0},   // 6.096 m, 2 falls
      {"US Imperial", "PXH 250 EX", "80", 25, 0, 0},    // 24.384 m
      {"US Imperial", "PXH 250 EX", "81", 26, 1, 112},  // 24.689 m
  };
  for (const Chain& c : chains) {
    SCOPED_TRACE(std::string(c.key) + " / " + c.model + " / " + c.lift);
    Configurator e;
    e.load(c.key);
    e.modelPicked(c.model);
    e.focusControl(Ctl::LiftHeightB);
    e.liftHeightTyped(c.lift);
    e.takeMessages();
    e.stepKey(Ctl::LiftHeightB, 13);
    EXPECT_EQ(e.chainLength(), c.chain);
    EXPECT_EQ(e.chainCollectorFlag(), c.flag);
    const std::vector<StepMessage> messages = e.takeMessages();
    if (c.note == 0) {
      EXPECT_TRUE(messages.empty());
    } else {
      ASSERT_EQ(messages.size(), 1u);
      EXPECT_EQ(messages[0].text, c.note);
      EXPECT_FALSE(messages[0].refusal);
    }
    EXPECT_EQ(e.focus(), Ctl::ControlLengthB);
    EXPECT_FALSE(e.refusal().has_value());
  }
}

TEST(Configurator, ControlLengthInWholeMetresAndTrolleyCaptions) {
  // Colour: white below 1 m (3.28 ft), yellow up to 99, red above and for any text with a period.
  struct Colour {
    const char* key;
    const char* text;
    FieldColour colour;
  };
  const Colour colours[] = {
      {"", "", FieldColour::White},
      {"", "0", FieldColour::White},
      {"", "1", FieldColour::Yellow},
      {"", "99", FieldColour::Yellow},
      {"", "100", FieldColour::Red},
      {"", "2.5", FieldColour::Red},
      {"", "3.", FieldColour::Red},
      {"Tysk", "3.0", FieldColour::Red},
      {"US Imperial", "3", FieldColour::White},
      {"US Imperial", "4", FieldColour::Yellow},
      {"US Imperial", "9.8", FieldColour::Red},
  };
  for (const Colour& c : colours) {
    SCOPED_TRACE(std::string(c.key) + " / " + c.text);
    Configurator e;
    e.load(c.key);
    e.modelPicked("PXH 1000 EX");
    e.liftHeightTyped("4");
    e.stepKey(Ctl::LiftHeightB, 13);
    e.controlLengthTyped(c.text);
    EXPECT_EQ(e.controlLengthColour(), c.colour);
  }

  // Leaving the box (metric): nothing or 0 becomes 1, a decimal is rounded half to even.
  struct Leave {
    const char* text;
    const char* after;
    int metres;
  };
  const Leave leaves[] = {
      {"0", "1", 1}, {"", "1", 1}, {"2.5", "2", 2}, {"3.5", "4", 4}, {"3", "3", 3}, {"4.4", "4", 4},
  };
  for (const Leave& c : leaves) {
    SCOPED_TRACE(c.text);
    Configurator e;
    e.load("");
    e.modelPicked("PXH 1000 EX");
    e.liftHeightTyped("4");
    e.stepKey(Ctl::LiftHeightB, 13);
    e.controlLengthTyped(c.text);
    e.focusControl(Ctl::LiftHeightB);
    EXPECT_EQ(e.controlLengthText(), c.after);
    EXPECT_EQ(e.controlLength(), c.metres);
    EXPECT_EQ(e.controlLengthColour(), FieldColour::Yellow);
  }

  // Enter with no length: text 15, the trolley does not open.
  for (const char* text : {"", "0"}) {
    Configurator e;
    e.load("Fransk");
    e.modelPicked("PXH 500 EX");
    e.liftHeightTyped("4");
    e.stepKey(Ctl::LiftHeightB, 13);
    e.controlLengthTyped(text);
    e.takeMessages();
    e.stepKey(Ctl::ControlLengthB, 13);
    EXPECT_EQ(texts(e), std::vector<int>{15}) << text;
    EXPECT_EQ(e.focus(), Ctl::ControlLengthB);
    EXPECT_FALSE(e.shown(Ctl::Frame3DTrolley));
  }

  // US Imperial keeps whole metres: a length in feet between two of them is offered as the two
  // feet values around it; the choice takes the value and opens the trolley.
  struct Feet {
    const char* typed;
    bool prompt;
    const char* lower;
    const char* upper;
    int choice;  // element of the prompt taken, -1 without a prompt
    const char* text;
    int metres;
  };
  const Feet feet[] = {
      {"10", true, "9.8", "13.1", 1, "13.1", 4},
      {"10", true, "9.8", "13.1", 0, "9.8", 3},
      {"20", true, "19.7", "23.0", 0, "19.7", 6},
      {"20", true, "19.7", "23.0", 1, "23.0", 7},
      {"9.8", false, "", "", -1, "9.8", 3},
      {"13.1", false, "", "", -1, "13.1", 4},
      {"3.3", false, "", "", -1, "3.3", 1},
      {"3", false, "", "", -1, "3.3", 1},  // below 1 m: the shortest length
  };
  for (const Feet& c : feet) {
    SCOPED_TRACE(std::string(c.typed) + " / " + std::to_string(c.choice));
    Configurator e;
    e.load("US Imperial");
    e.modelPicked("PXH 1000 EX");
    e.liftHeightTyped("20");
    e.stepKey(Ctl::LiftHeightB, 13);
    e.controlLengthTyped(c.typed);
    e.stepKey(Ctl::ControlLengthB, 13);
    EXPECT_EQ(e.shown(Ctl::optChoose0), c.prompt);
    EXPECT_EQ(e.shown(Ctl::lblMeterLengthsOnly), c.prompt);
    EXPECT_EQ(e.shown(Ctl::Frame3DTrolley), !c.prompt);
    if (c.prompt) {
      EXPECT_EQ(e.feetChoices()[0], c.lower);
      EXPECT_EQ(e.feetChoices()[1], c.upper);
      EXPECT_EQ(e.focus(), Ctl::optChoose0);
      EXPECT_FALSE(e.checked(Ctl::optChoose0));
      EXPECT_FALSE(e.checked(Ctl::optChoose1));
      e.feetChosen(c.choice);
      EXPECT_FALSE(e.shown(Ctl::fraChoose));
      EXPECT_TRUE(e.shown(Ctl::Frame3DTrolley));
    }
    EXPECT_EQ(e.controlLengthText(), c.text);
    EXPECT_EQ(e.controlLength(), c.metres);
    EXPECT_EQ(e.controlLengthColour(), FieldColour::Yellow);
    EXPECT_EQ(e.focus(), Ctl::Opt3DTrolley0);
  }

  // The trolley options carry the beam widths of the model; the largest models take only the
  // wide motor trolley.
  struct Beam {
    const char* key;
    const char* model;
    const char* narrow;
    const char* wide;
    bool manual;  // options 1 to 3 enabled
  };
  const Beam beams[] = {
      {"", "PXH 250 EX", "50-160 mm", "161-280 mm", true},
      {"Tysk", "PXH 500L EX", "50-160 mm", "161-280 mm", true},
      {"", "PXH 980 EX", "50-160 mm", "161-280 mm", true},
      {"", "PXH 1000 EX", "50-160 mm", "161-280 mm", true},
      {"", "PXH 1000 U EX", "50-160 mm", "161-280 mm", true},
      {"Fransk", "PXH 1000L EX", "50-160 mm", "161-280 mm", true},
      {"", "PXH 2500 EX", "74-180 mm", "181-300 mm", true},
      {"Italiensk", "PXH 2500L EX", "74-180 mm", "181-300 mm", true},
      {"US Metric", "PXH 3000 EX", "74-180 mm", "181-300 mm", true},
      {"US Metric", "PXH 3000L EX", "74-180 mm", "181-300 mm", true},
      {"", "PXH 5000 EX", "", "181-300 mm", false},
      {"Spansk", "PXH 5000L EX", "", "181-300 mm", false},
      {"US Imperial", "PXH 500 EX", "2-6.3 in", "6.3-11 in", true},
      {"US Imperial", "PXH 980L EX", "2-6.3 in", "6.3-11 in", true},
      {"US Imperial", "PXH 2500 EX", "2.9-7.1 in", "7.1-11.8 in", true},
      {"US Imperial", "PXH 3000 EX", "2.9-7.1 in", "7.1-11.8 in", true},
      {"US Imperial", "PXH 5000 EX", "", "7.1-11.8 in", false},
  };
  for (const Beam& c : beams) {
    SCOPED_TRACE(std::string(c.key) + " / " + c.model);
    Configurator e;
    const bool imperial = QLatin1String(c.key) == QLatin1String("US Imperial");
    walkToTrolley(e, c.key, c.model, "4", imperial ? "3.3" : "3");
    ASSERT_TRUE(e.shown(Ctl::Frame3DTrolley));
    EXPECT_EQ(e.focus(), Ctl::Opt3DTrolley0);
    EXPECT_TRUE(e.checked(Ctl::Opt3DTrolley0));
    const QString narrow = QStringLiteral(" ") + c.narrow;
    const QString wide = QStringLiteral(" ") + c.wide;
    const int captionTexts[] = {0, 122, 123, 124, 125};
    const QString ranges[] = {{}, narrow, wide, narrow, wide};
    for (int i = 1; i <= 4; ++i) {
      EXPECT_EQ(e.trolleyCaptions()[i].text, captionTexts[i]) << i;
      EXPECT_EQ(e.trolleyCaptions()[i].suffix, ranges[i]) << i;
    }
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(e.control(opt3DTrolley(i)).enabled, c.manual) << i;
    EXPECT_TRUE(e.control(opt3DTrolley(4)).enabled);
  }
}

TEST(Configurator, OptionGroupRules) {
  // The hoist control chosen with a click: the limits by control length, and the articulation
  // that a twist rod of 3 or 4 m asks for.
  struct Hoist {
    int control;  // metres
    int trolley;
    int option;
    int message;   // 0 for none
    int selected;  // the option selected afterwards
    bool articulation;
    Ctl focus;
  };
  const Hoist hoists[] = {
      {2, 0, 2, 0, 2, false, Ctl::Opt3DHoistControl2},
      {3, 0, 2, 0, 2, true, Ctl::Check3D1_4},
      {4, 0, 2, 0, 2, true, Ctl::Check3D1_4},
      {5, 0, 2, 54, 0, false, Ctl::Opt3DHoistControl0},
      {11, 0, 2, 54, 0, false, Ctl::Opt3DHoistControl0},
      {10, 0, 1, 0, 1, false, Ctl::Opt3DHoistControl1},
      {11, 0, 1, 27, 0, false, Ctl::Opt3DHoistControl0},
      {11, 1, 1, 27, 0, false, Ctl::Opt3DHoistControl0},
      {10, 3, 3, 0, 3, false, Ctl::Opt3DHoistControl3},
      {11, 4, 3, 27, 0, false, Ctl::Opt3DHoistControl0},
      {11, 3, 0, 0, 0, false, Ctl::Opt3DHoistControl0},
  };
  for (const Hoist& c : hoists) {
    SCOPED_TRACE("control " + std::to_string(c.control) + ", trolley " + std::to_string(c.trolley) +
                 ", option " + std::to_string(c.option));
    Configurator e;
    walkToTrolley(e, "", "PXH 250 EX", "4", QString::number(c.control));
    e.optionClicked(opt3DTrolley(c.trolley));
    e.stepKey(opt3DTrolley(c.trolley), 13);
    ASSERT_EQ(e.focus(), Ctl::Opt3DHoistControl0);
    e.takeMessages();
    e.optionClicked(opt3DHoistControl(c.option));
    EXPECT_EQ(texts(e), c.message ? std::vector<int>{c.message} : std::vector<int>{});
    EXPECT_EQ(selected(e, Ctl::Opt3DHoistControl0, 5), c.selected);
    EXPECT_EQ(e.shown(Ctl::Check3D1_4), c.articulation);
    EXPECT_EQ(e.focus(), c.focus);
  }

  // What the hoist-control step offers: the 4-button control only with a motor trolley, the
  // hook-mounted 2-button control never at this step.
  for (int trolley = 0; trolley <= 4; ++trolley) {
    SCOPED_TRACE("trolley " + std::to_string(trolley));
    Configurator e;
    walkToTrolley(e, "", "PXH 500 EX", "4", "3");
    e.optionClicked(opt3DTrolley(trolley));
    e.stepKey(opt3DTrolley(trolley), 13);
    const bool motor = trolley >= 3;
    for (int option = 0; option <= 2; ++option) EXPECT_TRUE(e.shown(opt3DHoistControl(option)));
    EXPECT_EQ(e.shown(Ctl::Opt3DHoistControl3), motor);
    EXPECT_EQ(e.visible(Ctl::Picture7), motor);
    EXPECT_FALSE(e.shown(Ctl::Opt3DHoistControl4));
    EXPECT_EQ(e.picture6Left(), 5580 + 1485 - 15 + (motor ? 700 : 0));
  }

  // Enter on the hoist controls with a motor trolley: the trolley controls. The light models
  // take the 2-button trolley control only; over 10 m that is refused and the control length
  // must be shortened. The heavy models offer both, the pull chain first over 10 m.
  struct TrolleyControl {
    const char* model;
    int control;
    int hoistControl;
    bool frame;      // trolley controls shown
    bool pullChain;  // its pull-chain option shown
    bool enabled;
    int selected;
    std::vector<int> messages;
    Ctl focus;
  };
  const TrolleyControl trolleyControls[] = {
      {"PXH 250 EX", 3, 0, true, false, false, 1, {}, Ctl::Check3D1_0},
      {"PXH 250 EX", 11, 0, true, false, false, 1, {27}, Ctl::ControlLengthB},
      {"PXH 980 EX", 11, 0, true, false, false, 1, {27}, Ctl::ControlLengthB},
      {"PXH 2500 EX", 10, 0, true, true, true, 1, {}, Ctl::Opt3DTrolleyControls1},
      {"PXH 2500 EX", 11, 0, true, true, true, 0, {}, Ctl::Opt3DTrolleyControls0},
      {"PXH 5000 EX", 11, 0, true, true, true, 0, {}, Ctl::Opt3DTrolleyControls0},
      {"PXH 250 EX", 6, 3, false, false, true, -1, {}, Ctl::Check3D1_0},
      {"PXH 2500 EX", 6, 3, false, false, true, -1, {}, Ctl::Check3D1_1},
  };
  for (const TrolleyControl& c : trolleyControls) {
    SCOPED_TRACE(std::string(c.model) + ", control " + std::to_string(c.control) +
                 ", hoist control " + std::to_string(c.hoistControl));
    Configurator e;
    // The 5000 takes only the wide motor trolley.
    walkToTrolley(e, "", c.model, "4", QString::number(c.control));
    e.takeMessages();
    const int motor = QLatin1String(c.model) == QLatin1String("PXH 5000 EX") ? 4 : 3;
    e.optionClicked(opt3DTrolley(motor));
    e.stepKey(opt3DTrolley(motor), 13);
    e.optionClicked(opt3DHoistControl(c.hoistControl));
    e.stepKey(e.focus(), 13);
    EXPECT_EQ(texts(e), c.messages);
    EXPECT_EQ(e.shown(Ctl::Frame3DTrolleyControls), c.frame);
    if (c.frame) {
      EXPECT_EQ(e.shown(Ctl::Opt3DTrolleyControls0), c.pullChain);
      EXPECT_TRUE(e.shown(Ctl::Opt3DTrolleyControls1));
      EXPECT_EQ(e.control(Ctl::Frame3DTrolleyControls).enabled, c.enabled);
    }
    EXPECT_EQ(selected(e, Ctl::Opt3DTrolleyControls0, 2), c.selected);
    EXPECT_EQ(e.hoist().trolleyControl, c.selected);
    EXPECT_EQ(e.focus(), c.focus);
  }

  // A heavy model over 10 m: the 2-button trolley control is refused and the pull chain taken.
  {
    Configurator e;
    walkToTrolley(e, "", "PXH 2500 EX", "4", "11");
    e.optionClicked(Ctl::Opt3DTrolley4);
    e.stepKey(Ctl::Opt3DTrolley4, 13);
    e.stepKey(Ctl::Opt3DHoistControl0, 13);
    e.takeMessages();
    e.optionClicked(Ctl::Opt3DTrolleyControls1);
    EXPECT_EQ(texts(e), std::vector<int>{27});
    EXPECT_TRUE(e.checked(Ctl::Opt3DTrolleyControls0));
    EXPECT_FALSE(e.checked(Ctl::Opt3DTrolleyControls1));
    EXPECT_EQ(e.focus(), Ctl::Opt3DTrolleyControls0);
    e.stepKey(Ctl::Opt3DTrolleyControls0, 13);
    EXPECT_EQ(e.focus(), Ctl::Check3D1_1);
    EXPECT_EQ(e.hoist().trolleyControl, 0);
  }

  // The trolley designation, written when the trolley step is left.
  struct Designation {
    const char* key;
    const char* model;
    int trolley;
    const char* designation;
  };
  const Designation designations[] = {
      {"", "PXH 250 EX", 1, "PXK 1000"},
      {"", "PXH 250 EX", 3, "PXK 1000M"},
      {"", "PXH 980 EX", 2, "PXK 1000"},
      {"", "PXH 1000 EX", 4, "PXK 1000M"},
      {"Tysk", "PXH 250L EX", 1, "PXK 1000"},
      {"", "PXH 2500 EX", 1, "PXK 2500"},
      {"", "PXH 2500 EX", 4, "PXK 2500M"},
      {"Fransk", "PXH 2500L EX", 3, "PXK 2500M"},
      {"US Metric", "PXH 3000 EX", 1, "WXK 3000"},
      {"US Metric", "PXH 3000 EX", 2, "WXK 3000"},
      {"US Metric", "PXH 3000 EX", 3, "PXK 3000M"},
      {"US Metric", "PXH 3000L EX", 4, "PXK 3000M"},
      {"", "PXH 5000 EX", 4, "PXK 5000M"},
      {"", "PXH 250 EX", 0, ""},
      {"US Metric", "PXH 3000 EX", 0, ""},
  };
  for (const Designation& c : designations) {
    SCOPED_TRACE(std::string(c.key) + " / " + c.model + " / " + std::to_string(c.trolley));
    Configurator e;
    walkToTrolley(e, c.key, c.model, "4", "3");
    e.optionClicked(opt3DTrolley(c.trolley));
    e.stepKey(opt3DTrolley(c.trolley), 13);
    EXPECT_EQ(e.focus(), Ctl::Opt3DHoistControl0);
    EXPECT_EQ(e.hoist().trolleyDesignation, c.designation);
    EXPECT_EQ(e.hoist().trolley, c.trolley);
  }
  // A motor trolley, then back to none: the designation goes.
  Configurator e;
  walkToTrolley(e, "", "PXH 1000 EX", "4", "3");
  e.optionClicked(Ctl::Opt3DTrolley3);
  e.stepKey(Ctl::Opt3DTrolley3, 13);
  EXPECT_EQ(e.hoist().trolleyDesignation, "PXK 1000M");
  e.optionClicked(Ctl::Opt3DTrolley0);
  e.stepKey(Ctl::Opt3DTrolley0, 13);
  EXPECT_EQ(e.hoist().trolleyDesignation, "");
}

TEST(Configurator, AccessoriesOneAtATime) {
  // The accessories in their order, each opened by Enter on the one before: overload protection
  // (where the model offers it as an option), chain collector (chain stop when the chain is too
  // long for it), chain stop, safety hook (models below 5 and 10 to 13), assembly, the outputs.
  enum Overload { Optional, Standard, NotAvailable };
  struct Walk {
    const char* key;
    const char* model;
    const char* lift;
    Overload overload;
    std::vector<Ctl> order;
  };
  using C = Ctl;
  const Walk walks[] = {
      {"",
       "PXH 250 EX",
       "4",
       Optional,
       {C::Check3D1_0, C::Check3D1_1, C::Check3D1_2, C::Check3D1_3, C::Check3D1_5}},
      {"",
       "PXH 250 EX",
       "25",
       Optional,
       {C::Check3D1_0, C::Check3D1_2, C::Check3D1_3, C::Check3D1_5}},
      {"Tysk",
       "PXH 500L EX",
       "4",
       Optional,
       {C::Check3D1_0, C::Check3D1_1, C::Check3D1_2, C::Check3D1_3, C::Check3D1_5}},
      {"",
       "PXH 980 EX",
       "5",
       NotAvailable,
       {C::Check3D1_1, C::Check3D1_2, C::Check3D1_3, C::Check3D1_5}},
      {"",
       "PXH 1000 U EX",
       "5",
       Optional,
       {C::Check3D1_0, C::Check3D1_1, C::Check3D1_2, C::Check3D1_3, C::Check3D1_5}},
      {"",
       "PXH 1000 EX",
       "5",
       Standard,
       {C::Check3D1_1, C::Check3D1_2, C::Check3D1_3, C::Check3D1_5}},
      {"", "PXH 1000 EX", "13", Standard, {C::Check3D1_2, C::Check3D1_3, C::Check3D1_5}},
      {"", "PXH 2500 EX", "4", Standard, {C::Check3D1_1, C::Check3D1_2, C::Check3D1_5}},
      {"", "PXH 2500 EX", "18", Standard, {C::Check3D1_2, C::Check3D1_5}},
      {"", "PXH 5000 EX", "8", Standard, {C::Check3D1_1, C::Check3D1_2, C::Check3D1_5}},
      {"US Metric",
       "PXH 250 EX",
       "4",
       Optional,
       {C::Check3D1_0, C::Check3D1_1, C::Check3D1_2, C::Check3D1_3, C::Check3D1_5}},
      {"US Metric",
       "PXH 980 EX",
       "4",
       NotAvailable,
       {C::Check3D1_1, C::Check3D1_2, C::Check3D1_3, C::Check3D1_5}},
      {"US Metric",
       "PXH 1000 EX",
       "4",
       Standard,
       {C::Check3D1_1, C::Check3D1_2, C::Check3D1_3, C::Check3D1_5}},
      {"US Metric",
       "PXH 3000 EX",
       "4",
       Optional,
       {C::Check3D1_0, C::Check3D1_1, C::Check3D1_2, C::Check3D1_5}},
      {"US Metric", "PXH 3000 EX", "18", Optional, {C::Check3D1_0, C::Check3D1_2, C::Check3D1_5}},
      {"US Metric", "PXH 5000 EX", "4", Standard, {C::Check3D1_1, C::Check3D1_2, C::Check3D1_5}},
  };
  for (const Walk& c : walks) {
    SCOPED_TRACE(std::string(c.key) + " / " + c.model + " / " + c.lift);
    Configurator e;
    walkToAccessories(e, c.key, c.model, c.lift, "3");
    EXPECT_TRUE(e.shown(Ctl::Check3D1_0));
    EXPECT_EQ(e.checked(Ctl::Check3D1_0), c.overload == Standard);
    EXPECT_EQ(e.control(Ctl::Check3D1_0).enabled, c.overload == Optional);
    EXPECT_EQ(e.shown(Ctl::Label3), c.overload == Standard);
    for (const Ctl box : c.order) {
      ASSERT_EQ(e.focus(), box);
      EXPECT_TRUE(e.shown(box));
      e.stepKey(box, 13);
    }
    EXPECT_EQ(e.focus(), Ctl::Cmd_Skärmutskrift);
    EXPECT_TRUE(e.shown(Ctl::Cmd_Skärmutskrift));
    EXPECT_TRUE(e.shown(Ctl::Printerutskrift));
    EXPECT_FALSE(e.shown(Ctl::RabattB));
    // The boxes the walk did not offer stay hidden.
    for (const Ctl box : {C::Check3D1_1, C::Check3D1_2, C::Check3D1_3, C::Check3D1_5}) {
      const bool offered = std::find(c.order.begin(), c.order.end(), box) != c.order.end();
      EXPECT_EQ(e.shown(box), offered) << controlName(box);
    }
  }

  // The discount is asked for only after the D key went down in the model list.
  struct Discount {
    int keyCode;  // 0: none
    bool asked;
  };
  for (const Discount& c :
       {Discount{0, false}, Discount{68, true}, Discount{100, true}, Discount{69, false}}) {
    SCOPED_TRACE(c.keyCode);
    Configurator e;
    e.load("");
    if (c.keyCode) e.modelKeyDown(c.keyCode);
    e.modelPicked("PXH 250 EX");
    e.liftHeightTyped("4");
    e.stepKey(Ctl::LiftHeightB, 13);
    e.controlLengthTyped("3");
    e.stepKey(Ctl::ControlLengthB, 13);
    e.stepKey(Ctl::Opt3DTrolley0, 13);
    e.stepKey(Ctl::Opt3DHoistControl0, 13);
    e.ticked(Ctl::Check3D1_0, true);
    for (const Ctl box : {C::Check3D1_0, C::Check3D1_1, C::Check3D1_2, C::Check3D1_3})
      e.stepKey(box, 13);
    ASSERT_EQ(e.focus(), Ctl::Check3D1_5);
    e.stepKey(Ctl::Check3D1_5, 13);
    EXPECT_EQ(e.shown(Ctl::RabattB), c.asked);
    EXPECT_EQ(e.shown(Ctl::Label1_2), c.asked);
    EXPECT_EQ(e.shown(Ctl::Cmd_Skärmutskrift), !c.asked);
    if (c.asked) {
      EXPECT_EQ(e.focus(), Ctl::RabattB);
      e.discountTyped("100");  // more than all: shown in red and not taken
      EXPECT_EQ(e.discountColour(), FieldColour::Red);
      e.stepKey(Ctl::RabattB, 13);
      EXPECT_EQ(e.focus(), Ctl::RabattB);
      e.discountTyped("10");
      EXPECT_EQ(e.discountColour(), FieldColour::Yellow);
      e.stepKey(Ctl::RabattB, 13);
      EXPECT_EQ(e.discount(), 10);
      EXPECT_EQ(e.hoist().discount, 10);
    }
    EXPECT_EQ(e.focus(), Ctl::Cmd_Skärmutskrift);
    EXPECT_TRUE(e.shown(Ctl::Printerutskrift));
    EXPECT_TRUE(e.hoist().accessories[0]);
  }
}

TEST(Configurator, EarlierStepsClearTheLaterOnes) {
  // A whole walk: PXH 250 EX, 4 m, 3 m, no trolley, pull chain, overload protection and chain
  // stop ticked, 10 % discount (the D key went down in the list).
  auto walked = [] {
    Configurator e;
    e.load("");
    e.modelKeyDown(68);
    e.modelPicked("PXH 250 EX");
    e.liftHeightTyped("4");
    e.stepKey(Ctl::LiftHeightB, 13);
    e.controlLengthTyped("3");
    e.stepKey(Ctl::ControlLengthB, 13);
    e.stepKey(Ctl::Opt3DTrolley0, 13);
    e.stepKey(Ctl::Opt3DHoistControl0, 13);
    e.ticked(Ctl::Check3D1_0, true);
    e.stepKey(Ctl::Check3D1_0, 13);
    e.stepKey(Ctl::Check3D1_1, 13);
    e.ticked(Ctl::Check3D1_2, true);
    e.stepKey(Ctl::Check3D1_2, 13);
    e.stepKey(Ctl::Check3D1_3, 13);
    e.stepKey(Ctl::Check3D1_5, 13);
    e.discountTyped("10");
    e.stepKey(Ctl::RabattB, 13);
    return e;
  };
  {
    const Configurator e = walked();
    ASSERT_EQ(e.focus(), Ctl::Cmd_Skärmutskrift);
    ASSERT_TRUE(e.checked(Ctl::Check3D1_0));
    ASSERT_EQ(e.discount(), 10);
  }

  struct Reset {
    const char* what;
    std::function<void(Configurator&)> action;
    const char* lift;
    const char* control;
    bool controlLength, trolley, hoistControls;  // the steps still shown
    bool ticksKept;
    Ctl focus;
  };
  const Reset resets[] = {
      {"a new model", [](Configurator& e) { e.modelPicked("PXH 980 EX"); }, "", "", false, false,
       false, false, Ctl::LiftHeightB},
      {"the lift height edited",
       [](Configurator& e) {
         e.focusControl(Ctl::LiftHeightB);
         e.liftHeightTyped("5");
       },
       "5", "", false, false, false, false, Ctl::LiftHeightB},
      {"the trolley entered again", [](Configurator& e) { e.focusControl(Ctl::Opt3DTrolley0); },
       "4", "3", true, true, false, false, Ctl::Opt3DTrolley0},
      {"the hoist controls entered again",
       [](Configurator& e) { e.focusControl(Ctl::Opt3DHoistControl0); }, "4", "3", true, true, true,
       false, Ctl::Opt3DHoistControl0},
      {"cursor keys in the list",
       [](Configurator& e) {
         e.focusControl(Ctl::ComboPXH);
         e.modelCursorKey(40, "PXH 500 EX");
         e.modelCursorKey(40, "PXH 980 EX");
       },
       "4", "3", true, true, true, true, Ctl::ComboPXH},
      {"cursor keys, then a pick",
       [](Configurator& e) {
         e.focusControl(Ctl::ComboPXH);
         e.modelCursorKey(40, "PXH 500 EX");
         e.modelCursorKey(40, "PXH 980 EX");
         e.modelPicked("PXH 980 EX");
       },
       "", "", false, false, false, false, Ctl::LiftHeightB},
      {"a pick after the window was minimised",
       [](Configurator& e) {
         e.focusControl(Ctl::ComboPXH);
         e.minimised();
         e.modelPicked("PXH 980 EX");
       },
       "4", "3", true, true, true, true, Ctl::LiftHeightB},
      {"lube-free after the window was minimised",
       [](Configurator& e) {
         e.focusControl(Ctl::ComboPXH);
         e.minimised();
         e.lubeFreeChanged(true);
       },
       "4", "3", true, true, true, true, Ctl::ComboPXH},
      {"lube-free", [](Configurator& e) { e.lubeFreeChanged(true); }, "", "", false, false, false,
       false, Ctl::ComboPXH},
      {"New File", [](Configurator& e) { e.newFile(); }, "", "", false, false, false, false,
       Ctl::ComboPXH},
      {"another variant", [](Configurator& e) { e.changeVariant("Fransk"); }, "", "", false, false,
       false, false, Ctl::ComboPXH},
  };
  for (const Reset& c : resets) {
    SCOPED_TRACE(c.what);
    Configurator e = walked();
    c.action(e);
    EXPECT_EQ(e.liftHeightText(), c.lift);
    EXPECT_EQ(e.controlLengthText(), c.control);
    if (QLatin1String(c.lift).isEmpty()) {
      EXPECT_EQ(e.liftHeight(), 0);
    }
    if (QLatin1String(c.control).isEmpty()) {
      EXPECT_EQ(e.controlLength(), 0);
    }
    EXPECT_EQ(e.shown(Ctl::ControlLengthB), c.controlLength);
    EXPECT_EQ(e.shown(Ctl::Frame3DTrolley), c.trolley);
    EXPECT_EQ(e.shown(Ctl::Frame3DHoistControls), c.hoistControls);
    for (int box : {0, 2}) EXPECT_EQ(e.checked(check3D1(box)), c.ticksKept) << box;
    for (int box : {0, 1, 2, 3, 5}) EXPECT_EQ(e.shown(check3D1(box)), c.ticksKept) << box;
    EXPECT_EQ(e.discount(), c.ticksKept ? 10 : 0);
    EXPECT_EQ(e.discountText(), c.ticksKept ? "10" : "");
    EXPECT_EQ(e.shown(Ctl::RabattB), c.ticksKept);
    EXPECT_EQ(e.shown(Ctl::Cmd_Skärmutskrift), c.ticksKept);
    EXPECT_EQ(e.focus(), c.focus);
  }

  // After cursor keys and a pick the new model is walked with its own chain: the 980 has two
  // falls, 2 x 4 + 0.5 gives 9 m.
  {
    Configurator e = walked();
    ASSERT_EQ(e.chainLength(), 5);
    e.focusControl(Ctl::ComboPXH);
    e.modelCursorKey(40, "PXH 500 EX");
    e.modelCursorKey(40, "PXH 980 EX");
    e.modelPicked("PXH 980 EX");
    EXPECT_EQ(e.modelIndex(), 4);
    EXPECT_EQ(e.hoistColumn(), 37);
    e.liftHeightTyped("4");
    e.stepKey(Ctl::LiftHeightB, 13);
    EXPECT_EQ(e.chainLength(), 9);
  }
  // The first pick after the minimised window resets nothing; the next one does.
  {
    Configurator e = walked();
    e.focusControl(Ctl::ComboPXH);
    e.minimised();
    e.modelPicked("PXH 500 EX");
    EXPECT_EQ(e.modelIndex(), 3);
    EXPECT_EQ(e.liftHeightText(), "4");
    e.modelPicked("PXH 250 EX");
    EXPECT_EQ(e.liftHeightText(), "");
  }
  // New File also forgets the D key; a change of variant lists the new variant's models.
  {
    Configurator e = walked();
    e.newFile();
    EXPECT_FALSE(e.discountAsked());
    EXPECT_TRUE(e.takeDropDownRequest());
    e.changeVariant("US Metric");
    EXPECT_EQ(e.modelList().size(), 7);
    EXPECT_EQ(e.currentModel(), "PXH 1000 U EX");
    EXPECT_EQ(e.modelIndex(), 13);
  }
}

namespace {

// The shipped parts data of a variant.
PartsData shippedData(const QString& key) {
  PartsData data;
  loadPartsDatabase(QStringLiteral(TELMARIS_PROGRAM_DIR "/Telmaris.mdb"), key, data);
  return data;
}

Configuration answers(const QString& model, const QString& lift, const QString& control,
                      int trolley = TrolleyKind::None,
                      int hoistControl = HoistControlKind::PullChain) {
  Configuration c;
  c.model = model;
  c.liftHeight = lift;
  c.controlLength = control;
  c.trolley = trolley;
  c.hoistControl = hoistControl;
  return c;
}

}  // namespace

TEST(Configurator, SavedConfigurationsWalkTheSteps) {
  // The lube-free PXH 250L EX of the German example: its own hoist (hoist column 29, part 102)
  // is listed, with the chain, the controls and the accessories of the 250.
  {
    Configuration c =
        answers("PXH 250L EX", "4", "3", TrolleyKind::None, HoistControlKind::TwoButton);
    c.variant = 7;
    c.lubeFree = true;
    c.accessories = {true, true, true, true, false};
    c.discount = 10;
    Configurator e;
    e.load("");  // the window was in English European
    EXPECT_FALSE(e.apply(c, "Tysk").has_value());
    const ConfiguredHoist h = e.hoist();
    EXPECT_EQ(h.model, "PXH 250L EX");
    EXPECT_EQ(h.modelIndex, 2);
    EXPECT_EQ(h.hoistColumn, 29);
    EXPECT_EQ(h.chainLength, 5);
    EXPECT_EQ(h.controlLength, 3);
    EXPECT_EQ(h.hoistControl, HoistControlKind::TwoButton);
    EXPECT_EQ(h.accessories, (std::array<bool, 6>{true, true, true, true, false, false}));
    EXPECT_EQ(h.discount, 10);
    const OrderingList list = BuildOrderingList(shippedData("Tysk"), h);
    const auto parts = list.parts();
    ASSERT_EQ(parts.size(), 8u);
    EXPECT_EQ(parts[0]->orderingNumber, "8420 0250 10");
    EXPECT_EQ(parts[0]->description, "PXH 250L EX Druckluft-Kettenzug 250 kg");
    EXPECT_FLOAT_EQ(parts[0]->amount, 2775.00f);
    EXPECT_EQ(parts[1]->orderingNumber, "7302 4410 02");  // 5 m of chain, 36.90 per m
    EXPECT_EQ(parts[1]->quantity, 5);
  }

  // A note on the chain (too long for the collector) does not stop the walk: trolley, controls,
  // the later accessories and the discount are all taken.
  struct Noted {
    const char* key;
    Configuration c;
    int note;
    int trolleyControl;
  };
  Configuration italian = answers("PXH 5000 EX", "12", "11", TrolleyKind::MotorWide);
  italian.trolleyControl = TrolleyControlKind::PullChain;
  italian.accessories = {true, false, true, false, true};
  italian.discount = 12;
  Configuration big250 =
      answers("PXH 250 EX", "25", "3", TrolleyKind::ManualNarrow, HoistControlKind::TwoButton);
  big250.accessories = {false, true, true, true, true};
  Configuration heavy = answers("PXH 2500 EX", "18", "4", TrolleyKind::MotorNarrow);
  heavy.trolleyControl = TrolleyControlKind::TwoButton;
  heavy.accessories = {false, false, true, false, true};
  heavy.discount = 5;
  const Noted noted[] = {
      {"Italiensk", italian, 113, 0},
      {"", big250, 112, -1},
      {"Fransk", heavy, 113, 1},
  };
  for (const Noted& n : noted) {
    SCOPED_TRACE(n.c.model.toStdString());
    Configurator e;
    e.load("");
    EXPECT_FALSE(e.apply(n.c, n.key).has_value());
    const std::vector<int> shownTexts = texts(e);
    EXPECT_NE(std::find(shownTexts.begin(), shownTexts.end(), n.note), shownTexts.end());
    const ConfiguredHoist h = e.hoist();
    EXPECT_EQ(h.chainCollectorFlag, 1);
    EXPECT_EQ(h.trolley, n.c.trolley);
    EXPECT_EQ(h.hoistControl, n.c.hoistControl);
    EXPECT_EQ(h.trolleyControl, n.trolleyControl);
    EXPECT_FALSE(h.accessories[1]);  // the collector is not offered
    EXPECT_TRUE(h.accessories[2]);
    EXPECT_TRUE(h.accessories[5]);
    EXPECT_EQ(h.discount, n.c.discount);
    EXPECT_TRUE(e.shown(Ctl::Cmd_Skärmutskrift));
  }

  // The stainless-steel chain as each file says, whatever the configuration before had.
  {
    Configurator e;
    e.load("");
    Configuration c = answers("PXH 250 EX", "4", "3");
    c.stainlessChain = true;
    EXPECT_FALSE(e.apply(c, "").has_value());
    EXPECT_TRUE(e.checked(Ctl::chkStainless));
    EXPECT_TRUE(e.hoist().stainless);
    c = answers("PXH 500 EX", "4", "3");
    c.stainlessChain = false;
    EXPECT_FALSE(e.apply(c, "").has_value());
    EXPECT_FALSE(e.checked(Ctl::chkStainless));
    EXPECT_FALSE(e.hoist().stainless);
    c.stainlessChain = true;
    EXPECT_FALSE(e.apply(c, "Spansk").has_value());
    EXPECT_TRUE(e.hoist().stainless);
    c = answers("PXH 980 EX", "4", "3");
    c.stainlessChain = true;  // not offered for the 980
    EXPECT_FALSE(e.apply(c, "Spansk").has_value());
    EXPECT_FALSE(e.hoist().stainless);
  }

  // Lengths with a decimal comma read as typed into the boxes, where the comma is a period.
  {
    Configurator e;
    EXPECT_FALSE(e.apply(answers("PXH 1000 EX", "24,6", "2,5"), "").has_value());
    EXPECT_EQ(e.liftHeightText(), "24.6");
    EXPECT_DOUBLE_EQ(e.liftHeight(), 24.6);
    EXPECT_EQ(e.chainLength(), 50);   // 2 x 24.6 + 0.49
    EXPECT_EQ(e.controlLength(), 2);  // whole metres, half to even
    EXPECT_EQ(e.controlLengthText(), "2");
  }

  // Answers the steps refuse stop the walk with the step's message.
  struct Refused {
    const char* key;
    Configuration c;
    int text;
    const char* suffix;
  };
  Configuration twoButtonLong =
      answers("PXH 250 EX", "4", "11", TrolleyKind::None, HoistControlKind::TwoButton);
  Configuration lightMotorLong = answers("PXH 250 EX", "4", "11", TrolleyKind::MotorNarrow);
  const Refused refused[] = {
      {"", answers("PXH 250 EX", "4", "5", TrolleyKind::None, HoistControlKind::TwistRod), 54, ""},
      {"", twoButtonLong, 27, ""},
      {"", lightMotorLong, 27, ""},
      {"", answers("PXH 250 EX", "0", "3"), 13, ""},
      {"Italiensk", answers("PXH 5000 EX", "26", "3"), 28, ": 25"},
      {"US Imperial", answers("PXH 5000 EX", "83", "3.3"), 28, ": 82"},
      {"", answers("PXH 250 EX", "4", "0"), 15, ""},
  };
  for (const Refused& r : refused) {
    SCOPED_TRACE(r.c.model.toStdString() + " " + r.c.liftHeight.toStdString() + " " +
                 r.c.controlLength.toStdString());
    Configurator e;
    const std::optional<StepMessage> refusal = e.apply(r.c, r.key);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->text, r.text);
    EXPECT_EQ(refusal->suffix, r.suffix);
  }

  // The hook-mounted 2-button control is not offered at the hoist-control step, so a file that
  // names it is refused, whatever the lift height.
  for (const char* lift : {"3", "3.5"}) {
    Configurator e;
    EXPECT_TRUE(e.apply(answers("PXH 250 EX", lift, "3", TrolleyKind::None,
                                HoistControlKind::TwoButtonHook),
                        "")
                    .has_value())
        << lift;
  }
}

TEST(Configurator, FirstWalksGiveTheirLists) {
  // Down and Enter in the dropped-down list pick the PXH 500 EX: the model is taken at once, the
  // stainless-steel choice appears beside the lift height, and the typed digits are the lift
  // height. 4 m: chain 5 m; 3 m: pull chain 6 m; Enter through the steps to the screen button.
  // Hoist 2760.00, chain 5 x 36.90 = 184.5, pull chain 6 x 8.90 = 53.4: 2997.9.
  const PartsData data = shippedData("");
  Configurator e;
  e.load("");
  e.modelCursorKey(40, "PXH 500 EX");
  e.modelPicked("PXH 500 EX");
  EXPECT_EQ(e.focus(), Ctl::LiftHeightB);
  EXPECT_TRUE(e.shown(Ctl::chkStainless));
  e.liftHeightTyped("4");
  e.stepKey(Ctl::LiftHeightB, 13);
  e.controlLengthTyped("3");
  e.stepKey(Ctl::ControlLengthB, 13);
  e.stepKey(e.focus(), 13);                              // trolley: none
  e.stepKey(e.focus(), 13);                              // hoist control: pull chain
  for (int i = 0; i < 5; ++i) e.stepKey(e.focus(), 13);  // the five accessories
  ASSERT_EQ(e.focus(), Ctl::Cmd_Skärmutskrift);
  EXPECT_EQ(e.hoist().modelIndex, 3);
  EXPECT_EQ(e.hoist().hoistColumn, 3);
  OrderingList list = BuildOrderingList(data, e.hoist());
  ASSERT_EQ(list.parts().size(), 3u);
  EXPECT_EQ(list.parts()[0]->orderingNumber, "8420 0500 00");
  EXPECT_NEAR(list.total, 2997.9, 0.01);

  // The box's leave rule runs before the output button acts: 0 typed into the control length
  // becomes 1 m, a pull chain of 2 m (17.8).
  e.focusControl(Ctl::ControlLengthB);
  e.controlLengthTyped("0");
  e.focusControl(Ctl::Cmd_Skärmutskrift);
  EXPECT_EQ(e.focus(), Ctl::Cmd_Skärmutskrift);
  EXPECT_EQ(e.controlLengthText(), "1");
  list = BuildOrderingList(data, e.hoist());
  ASSERT_EQ(list.parts().size(), 3u);
  EXPECT_EQ(list.parts()[2]->quantity, 2);
  EXPECT_NEAR(list.parts()[2]->amount, 17.8, 0.001);

  // One Enter in the list confirms the first model; the digits after it are the lift height.
  Configurator first;
  first.load("");
  first.modelPicked(first.modelText());
  EXPECT_EQ(first.currentModel(), "PXH 250 EX");
  EXPECT_EQ(first.focus(), Ctl::LiftHeightB);
  first.liftHeightTyped("6");
  first.stepKey(Ctl::LiftHeightB, 13);
  EXPECT_EQ(first.chainLength(), 7);
}
