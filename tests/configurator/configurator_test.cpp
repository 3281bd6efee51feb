// The rules of the guided steps, driven through the configurator as the user walks them: model,
// lift height, control length, trolley and controls, accessories, discount, the resets, and saved
// configurations applied through the same steps.
#include "main_window/configurator.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>
#include <functional>
#include <ostream>
#include <tuple>
#include <vector>

#include "common/variants.h"
#include "configurator/configuration.h"

// Readable names in failure messages.
static void PrintTo(Ctl c, std::ostream* out) {
  *out << controlName(c).toStdString();
}
static void PrintTo(FieldColour c, std::ostream* out) {
  *out << (c == FieldColour::White ? "white" : c == FieldColour::Yellow ? "yellow" : "red");
}

namespace {

using C = Ctl;
constexpr FieldColour White = FieldColour::White, Yellow = FieldColour::Yellow,
                      Red = FieldColour::Red;

bool isUs(const QString& key) {
  return isUsVariant(variantByKey(key)->id);
}

int number(const std::optional<Text>& text) {
  return text ? static_cast<int>(*text) : 0;
}

// The text numbers of the messages since the last call.
std::vector<int> texts(Configurator& e) {
  std::vector<int> numbers;
  for (const StepMessage& m : e.takeMessages()) numbers.push_back(number(m.text));
  return numbers;
}

// From the model step on as the user walks it with Enter: the model picked (without a
// stainless-steel chain), the lift height and the control length typed, then the trolley and the
// hoist control clicked. The walk ends before the first answer not given (nullptr, -1) and where
// a step does not open.
void walkOn(Configurator& e, const QString& model, const char* lift = nullptr,
            const char* control = nullptr, int trolley = -1, int hoistControl = -1) {
  e.modelPicked(model);
  if (e.focus() == Ctl::chkStainless) e.stainlessClicked(false);
  if (!lift) return;
  e.focusControl(Ctl::LiftHeightB);
  e.liftHeightTyped(lift);
  e.stepKey(Ctl::LiftHeightB, 13);
  if (!control || e.focus() != Ctl::ControlLengthB) return;
  e.controlLengthTyped(control);
  e.stepKey(Ctl::ControlLengthB, 13);
  if (trolley < 0) return;
  e.optionClicked(opt3DTrolley(trolley));
  e.stepKey(opt3DTrolley(trolley), 13);
  if (hoistControl < 0) return;
  e.optionClicked(opt3DHoistControl(hoistControl));
  e.stepKey(e.focus(), 13);
}

Configurator walk(const QString& key, const QString& model, const char* lift = nullptr,
                  const char* control = nullptr, int trolley = -1, int hoistControl = -1) {
  Configurator e;
  e.load(key);
  walkOn(e, model, lift, control, trolley, hoistControl);
  return e;
}

int selected(const Configurator& e, Ctl first, int count) {
  for (int i = 0; i < count; ++i)
    if (e.checked(static_cast<Ctl>(static_cast<int>(first) + i))) return i;
  return -1;
}

Configuration answers(const QString& model, const QString& lift, const QString& control,
                      Trolley trolley = Trolley::None,
                      HoistControl hoistControl = HoistControl::PullChain) {
  Configuration c;
  c.model = model;
  c.liftHeight = lift;
  c.controlLength = control;
  c.trolley = trolley;
  c.hoistControl = hoistControl;
  return c;
}

}  // namespace

// The model lists by variant are the core walk's (tests/walk_core), the default model by variant
// the hoist-model table's.
TEST(Configurator, ModelColumnsByVariant) {
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
  for (const QString key : {"", "US Metric"}) {
    for (const Case& c : cases) {
      SCOPED_TRACE((key + " / " + c.name).toStdString());
      Configurator e = walk(key, "PXH 500 EX");
      e.takeMessages();
      e.modelPicked(c.name);
      Columns want = isUs(key) ? c.us : c.other;
      if (want.modelIndex == 0) want = isUs(key) ? Columns{12, 3} : Columns{3, 3};
      EXPECT_EQ(e.currentModel(), c.name);
      EXPECT_EQ(e.modelIndex(), want.modelIndex);
      EXPECT_EQ(e.hoistColumn(), want.hoistColumn);
      // The U models are taken with a note.
      const std::vector<StepMessage> messages = e.takeMessages();
      const QString name = QLatin1String(c.name);
      ASSERT_EQ(messages.size(), name.contains(" U ") ? 1u : 0u);
      if (!messages.empty()) {
        EXPECT_EQ(messages[0].prefix, name + ": ");
        EXPECT_EQ(number(messages[0].text), 129);
        EXPECT_FALSE(messages[0].refusal);
      }
      // Only the 250 and 500 classes offer a stainless-steel chain; else the walk goes on to the
      // lift height.
      const bool stainless = want.modelIndex == 2 || want.modelIndex == 3 ||
                             want.modelIndex == 11 || want.modelIndex == 12;
      EXPECT_EQ(e.shown(Ctl::chkStainless), stainless);
      EXPECT_EQ(e.focus(), stainless ? Ctl::chkStainless : Ctl::LiftHeightB);
      EXPECT_TRUE(e.shown(e.focus()));
    }
  }

  // A key the program does not know, even one that begins with "US", lists no model and brings
  // the message that ends the program, at the load and when a saved configuration is applied.
  {
    Configurator unknown;
    unknown.load("US Other");
    EXPECT_FALSE(unknown.variant().has_value());
    EXPECT_TRUE(unknown.modelList().isEmpty());
    const std::vector<StepMessage> messages = unknown.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].endsProgram);
    const std::optional<StepMessage> refusal =
        Configurator().apply(answers("PXH 250 EX", "4", "3"), "US Other");
    ASSERT_TRUE(refusal.has_value());
    EXPECT_TRUE(refusal->endsProgram);
  }

  // A stainless-steel chain ticked for a 250, then a model without one: the tick goes.
  Configurator e;
  e.load("");
  e.modelPicked("PXH 250 EX");
  e.stainlessClicked(true);
  EXPECT_EQ(e.focus(), Ctl::LiftHeightB);
  e.modelPicked("PXH 2500 EX");
  EXPECT_FALSE(e.checked(Ctl::chkStainless));
  EXPECT_FALSE(e.hoist().stainless);
}

TEST(Configurator, APickFromTheLubeFreeListLeadsToTheLiftHeight) {
  // The click on the lube-free box leaves the list, which takes its "PXH 250 EX" over; the list
  // then holds the lube-free names, and a pick from it goes on to the lift height with the
  // stainless-steel box beside it, as the first pick after the load does.
  Configurator e;
  e.load("");
  e.ticked(Ctl::chkLubeFree, true);
  ASSERT_EQ(e.focus(), Ctl::ComboPXH);
  ASSERT_EQ(e.modelList().value(0), "PXH 250L EX");
  e.modelPicked("PXH 250L EX");
  EXPECT_EQ(e.focus(), Ctl::LiftHeightB);
  EXPECT_TRUE(e.shown(Ctl::chkStainless));
  EXPECT_EQ(e.hoistColumn(), 29);
  e.liftHeightTyped("4");
  e.stepKey(Ctl::LiftHeightB, 13);
  EXPECT_EQ(e.focus(), Ctl::ControlLengthB);

  // A second pick of the 250 and 500 classes stops at the stainless-steel box: Enter there, and
  // Tab (whose next control is no step), lead on to the lift height as a click does.
  for (const int key : {13, 9}) {
    e.modelPicked("PXH 500L EX");
    ASSERT_EQ(e.focus(), Ctl::chkStainless);
    ASSERT_TRUE(e.tabStopsOn());
    e.stepKey(Ctl::chkStainless, key);
    EXPECT_EQ(e.focus(), Ctl::LiftHeightB) << key;
    EXPECT_TRUE(e.shown(Ctl::LiftHeightB)) << key;
  }
}

// The limits of each model and the chain lengths are the core walk's; here the box's colours,
// its messages and where the focus goes.
TEST(Configurator, LiftHeightColoursAndMessages) {
  // The box by value: white below 1, yellow up to the model's limit, red above. Enter then goes
  // on to the control length; without a lift height it says text 13; above the limit, leaving
  // the box says text 28 with the limit (whole feet in US Imperial) and empties it.
  // The limit in metres, the lift height the program holds, the suffix of text 28.
  struct Case {
    const char *key, *model, *text;
    FieldColour colour;
    int limit;
    double metres;
    const char* suffix;
  };
  const Case cases[] = {
      {"", "PXH 250 EX", "", White, 100, 0, ""},
      {"", "PXH 250 EX", "0.5", White, 100, 0.5, ""},
      {"", "PXH 250 EX", "100", Yellow, 100, 100, ""},
      {"", "PXH 250 EX", "100.1", Red, 100, 100.1, ": 100"},
      {"Fransk", "PXH 2500L EX", "50.5", Red, 50, 50.5, ": 50"},
      // US Imperial types feet: 25 m are 82.02 ft.
      {"US Imperial", "PXH 5000 EX", "82.1", Red, 25, 82.1 * 0.3048, ": 82"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.key) + " / " + c.model + " / " + c.text);
    Configurator e = walk(c.key, c.model);
    e.focusControl(Ctl::LiftHeightB);
    e.liftHeightTyped("7");  // so that every text of the table is a change
    e.liftHeightTyped(c.text);
    EXPECT_EQ(e.liftHeightColour(), c.colour);
    EXPECT_EQ(e.liftHeightLimit(), c.limit);
    EXPECT_NEAR(e.liftHeight(), c.metres, 1e-9);
    e.takeMessages();
    e.stepKey(Ctl::LiftHeightB, 13);
    if (c.colour == Red) {
      const std::vector<StepMessage> messages = e.takeMessages();
      ASSERT_EQ(messages.size(), 1u);
      EXPECT_EQ(number(messages[0].text), 28);
      EXPECT_EQ(messages[0].suffix, c.suffix);
      EXPECT_EQ(e.liftHeightText(), "");
      EXPECT_EQ(e.liftHeightColour(), White);
      EXPECT_FALSE(e.shown(Ctl::Label1_1));
    } else if (c.metres == 0) {
      EXPECT_EQ(texts(e), std::vector<int>{13});
    }
    EXPECT_EQ(e.focus(), c.colour == Red || c.metres == 0 ? Ctl::LiftHeightB : Ctl::ControlLengthB);
    EXPECT_EQ(e.shown(Ctl::ControlLengthB), e.focus() == Ctl::ControlLengthB);
  }

  // A chain too long for the collector: the note, which stops nothing.
  Configurator e = walk("", "PXH 250 EX", "25");
  EXPECT_EQ(e.chainCollectorFlag(), 1);
  EXPECT_EQ(texts(e), std::vector<int>{112});
  EXPECT_EQ(e.focus(), Ctl::ControlLengthB);
  EXPECT_FALSE(e.refusal().has_value());
}

TEST(Configurator, ControlLengthInWholeMetres) {
  // Colour: white below 1 m (3.28 ft), yellow up to 99, red above.
  for (const auto& [key, text, colour] :
       std::initializer_list<std::tuple<const char*, const char*, FieldColour>>{
           {"", "99", Yellow},
           {"", "100", Red},
           {"US Imperial", "3", White},
           {"US Imperial", "4", Yellow}}) {
    Configurator e = walk(key, "PXH 1000 EX", "4");
    e.controlLengthTyped(text);
    EXPECT_EQ(e.controlLengthColour(), colour) << key << " / " << text;
  }

  // Leaving the box (metric): nothing or 0 becomes 1, a decimal is rounded half to even.
  struct Leave {
    const char *text, *after;
    int metres;
  };
  for (const Leave& c : {Leave{"", "1", 1}, Leave{"2.5", "2", 2}, Leave{"3.5", "4", 4}}) {
    Configurator e = walk("", "PXH 1000 EX", "4");
    e.controlLengthTyped(c.text);
    e.focusControl(Ctl::LiftHeightB);
    EXPECT_EQ(e.controlLengthText(), c.after) << c.text;
    EXPECT_EQ(e.controlLength(), c.metres) << c.text;
    EXPECT_EQ(e.controlLengthColour(), Yellow) << c.text;
  }

  // Enter with no length: text 15, the trolley does not open.
  {
    Configurator e = walk("Fransk", "PXH 500 EX", "4", "0");
    EXPECT_EQ(texts(e), std::vector<int>{15});
    EXPECT_EQ(e.focus(), Ctl::ControlLengthB);
    EXPECT_FALSE(e.shown(Ctl::Frame3DTrolley));
  }

  // US Imperial keeps whole metres: a length in feet between two of them is offered as the two
  // feet values around it (lower, upper; none for nullptr); the choice takes the value and opens
  // the trolley.
  struct Feet {
    const char *typed, *lower, *upper;
    int choice;
    const char* text;
    int metres;
  };
  const Feet feet[] = {
      {"20", "19.7", "23.0", 0, "19.7", 6},
      {"3", nullptr, "", -1, "3.3", 1},  // below 1 m: the shortest length
  };
  for (const Feet& c : feet) {
    SCOPED_TRACE(c.typed);
    Configurator e = walk("US Imperial", "PXH 1000 EX", "20", c.typed);
    const bool prompt = c.lower != nullptr;
    EXPECT_EQ(e.shown(Ctl::optChoose0), prompt);
    EXPECT_EQ(e.shown(Ctl::lblMeterLengthsOnly), prompt);
    EXPECT_EQ(e.shown(Ctl::Frame3DTrolley), !prompt);
    if (prompt) {
      EXPECT_EQ(e.feetChoices()[0], c.lower);
      EXPECT_EQ(e.feetChoices()[1], c.upper);
      e.feetChosen(c.choice);
      EXPECT_TRUE(e.shown(Ctl::Frame3DTrolley));
    }
    EXPECT_EQ(e.controlLengthText(), c.text);
    EXPECT_EQ(e.controlLength(), c.metres);
    EXPECT_EQ(e.controlLengthColour(), Yellow);
    EXPECT_EQ(e.focus(), Ctl::Opt3DTrolley0);
  }
}

TEST(Configurator, OptionGroupRules) {
  // The hoist control chosen with a click: the limits by control length, and the articulation
  // that a twist rod of 3 or 4 m asks for.
  // Control length in metres, trolley, option clicked, the message (0 for none) and the option
  // selected afterwards.
  struct Hoist {
    int control, trolley, option, message, selected;
    bool articulation;
    Ctl focus;
  };
  const Hoist hoists[] = {
      {2, 0, 2, 0, 2, false, C::Opt3DHoistControl2},
      {4, 0, 2, 0, 2, true, C::Check3D1_4},
      {10, 0, 1, 0, 1, false, C::Opt3DHoistControl1},
      {11, 0, 1, 27, 0, false, C::Opt3DHoistControl0},
      {11, 4, 3, 27, 0, false, C::Opt3DHoistControl0},
  };
  for (const Hoist& c : hoists) {
    SCOPED_TRACE("control " + std::to_string(c.control) + ", trolley " + std::to_string(c.trolley) +
                 ", option " + std::to_string(c.option));
    const std::string control = std::to_string(c.control);
    Configurator e = walk("", "PXH 250 EX", "4", control.c_str(), c.trolley);
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
    const Configurator e = walk("", "PXH 500 EX", "4", "3", trolley);
    const bool motor = trolley >= 3;
    for (int option = 0; option <= 2; ++option) EXPECT_TRUE(e.shown(opt3DHoistControl(option)));
    EXPECT_EQ(e.shown(Ctl::Opt3DHoistControl3), motor) << trolley;
    EXPECT_EQ(e.visible(Ctl::Picture7), motor) << trolley;
    EXPECT_FALSE(e.shown(Ctl::Opt3DHoistControl4)) << trolley;
    EXPECT_EQ(e.picture6Left(), 5580 + 1485 - 15 + (motor ? 700 : 0)) << trolley;
  }

  // Enter on the hoist controls with a motor trolley: the trolley controls. The light models
  // take the 2-button trolley control only; over 10 m that is refused and the control length
  // must be shortened. The heavy models offer both, the pull chain first over 10 m. With the
  // 4-button control there is no trolley control.
  // The trolley controls shown, their pull-chain option shown, the frame enabled.
  struct Controls {
    const char *model, *control;
    int hoistControl;
    bool frame, pullChain, enabled;
    int selected;
    std::vector<int> messages;
    Ctl focus;
  };
  const Controls trolleyControls[] = {
      {"PXH 250 EX", "3", 0, true, false, false, 1, {}, C::Check3D1_0},
      {"PXH 250 EX", "11", 0, true, false, false, 1, {27}, C::ControlLengthB},
      {"PXH 2500 EX", "10", 0, true, true, true, 1, {}, C::Opt3DTrolleyControls1},
      {"PXH 2500 EX", "11", 0, true, true, true, 0, {}, C::Opt3DTrolleyControls0},
      {"PXH 250 EX", "6", 3, false, false, true, -1, {}, C::Check3D1_0},
  };
  for (const Controls& c : trolleyControls) {
    SCOPED_TRACE(std::string(c.model) + ", control " + c.control + ", hoist control " +
                 std::to_string(c.hoistControl));
    Configurator e = walk("", c.model, "4", c.control, 3, c.hoistControl);
    EXPECT_EQ(texts(e), c.messages);
    EXPECT_EQ(e.shown(Ctl::Frame3DTrolleyControls), c.frame);
    if (c.frame) {
      EXPECT_EQ(e.shown(Ctl::Opt3DTrolleyControls0), c.pullChain);
      EXPECT_TRUE(e.shown(Ctl::Opt3DTrolleyControls1));
      EXPECT_EQ(e.control(Ctl::Frame3DTrolleyControls).enabled, c.enabled);
    }
    EXPECT_EQ(selected(e, Ctl::Opt3DTrolleyControls0, 2), c.selected);
    EXPECT_EQ(e.focus(), c.focus);
  }

  // A heavy model over 10 m: the 2-button trolley control is refused and the pull chain taken.
  {
    Configurator e = walk("", "PXH 2500 EX", "4", "11", 4, 0);
    e.takeMessages();
    e.optionClicked(Ctl::Opt3DTrolleyControls1);
    EXPECT_EQ(texts(e), std::vector<int>{27});
    EXPECT_TRUE(e.checked(Ctl::Opt3DTrolleyControls0));
    EXPECT_FALSE(e.checked(Ctl::Opt3DTrolleyControls1));
    EXPECT_EQ(e.focus(), Ctl::Opt3DTrolleyControls0);
    e.stepKey(Ctl::Opt3DTrolleyControls0, 13);
    EXPECT_EQ(e.focus(), Ctl::Check3D1_1);
    EXPECT_EQ(e.hoist().trolleyControl, TrolleyControl::PullChain);
  }

  // The designations by model are the core walk's. A motor trolley, then back to none: the
  // designation goes.
  Configurator e = walk("", "PXH 1000 EX", "4", "3", 3);
  EXPECT_EQ(e.hoist().trolleyDesignation, "PXK 1000M");
  e.optionClicked(Ctl::Opt3DTrolley0);
  e.stepKey(Ctl::Opt3DTrolley0, 13);
  EXPECT_EQ(e.hoist().trolleyDesignation, "");
}

TEST(Configurator, AccessoriesOneAtATime) {
  // The accessories, each opened by Enter on the one before, then the outputs; the overload box
  // as each kind of offer shows it. (Which accessories each model asks for is the core walk's.)
  enum Overload { Optional, Standard, NotAvailable };
  struct Walk {
    const char *key, *model, *lift;
    Overload overload;
    const char* order;  // the Check3D1 elements offered one after the other
  };
  const Walk walks[] = {
      {"", "PXH 250 EX", "25", Optional, "0235"},
      {"", "PXH 980 EX", "5", NotAvailable, "1235"},
      {"", "PXH 1000 EX", "13", Standard, "235"},
  };
  for (const Walk& c : walks) {
    SCOPED_TRACE(std::string(c.key) + " / " + c.model + " / " + c.lift);
    Configurator e = walk(c.key, c.model, c.lift, "3", 0, 0);
    EXPECT_TRUE(e.shown(Ctl::Check3D1_0));
    EXPECT_EQ(e.checked(Ctl::Check3D1_0), c.overload == Standard);
    EXPECT_EQ(e.control(Ctl::Check3D1_0).enabled, c.overload == Optional);
    EXPECT_EQ(e.shown(Ctl::Label3), c.overload == Standard);
    const QString order = QLatin1String(c.order);
    for (const QChar element : order) {
      const Ctl box = check3D1(element.digitValue());
      ASSERT_EQ(e.focus(), box);
      e.stepKey(box, 13);
    }
    EXPECT_EQ(e.focus(), Ctl::Cmd_Skärmutskrift);
    EXPECT_TRUE(e.shown(Ctl::Cmd_Skärmutskrift) && e.shown(Ctl::Printerutskrift));
    EXPECT_FALSE(e.shown(Ctl::RabattB));
    // The boxes the walk offered stay shown, the others hidden.
    for (int box : {1, 2, 3, 5})
      EXPECT_EQ(e.shown(check3D1(box)), order.contains(QString::number(box))) << box;
  }
}

TEST(Configurator, EarlierStepsClearTheLaterOnes) {
  // A whole walk: PXH 250 EX, 4 m, 3 m, no trolley, pull chain, overload protection and chain
  // stop ticked, 10 % discount (the D key went down in the list).
  auto walked = [] {
    Configurator e;
    e.load("");
    e.modelKeyDown(68);
    walkOn(e, "PXH 250 EX", "4", "3", 0, 0);
    e.ticked(Ctl::Check3D1_0, true);
    e.stepKey(Ctl::Check3D1_0, 13);
    e.stepKey(Ctl::Check3D1_1, 13);
    e.ticked(Ctl::Check3D1_2, true);
    for (int box : {2, 3, 5}) e.stepKey(check3D1(box), 13);
    e.discountTyped("10");
    e.stepKey(Ctl::RabattB, 13);
    return e;
  };
  ASSERT_EQ(walked().focus(), Ctl::Cmd_Skärmutskrift);

  auto minimised = [](Configurator& e) {
    e.focusControl(Ctl::ComboPXH);
    e.minimised();
  };
  struct Reset {
    const char* what;
    std::function<void(Configurator&)> action;
    const char *lift, *control;
    bool controlLength, trolley, hoistControls;  // the steps still shown
    bool ticksKept;
    Ctl focus;
  };
  const Reset resets[] = {
      {"the trolley entered again", [](Configurator& e) { e.focusControl(Ctl::Opt3DTrolley0); },
       "4", "3", true, true, false, false, C::Opt3DTrolley0},
      {"the hoist controls entered again",
       [](Configurator& e) { e.focusControl(Ctl::Opt3DHoistControl0); }, "4", "3", true, true, true,
       false, C::Opt3DHoistControl0},
      {"lube-free after the window was minimised",
       [&](Configurator& e) {
         minimised(e);
         e.lubeFreeChanged(true);
       },
       "4", "3", true, true, true, true, C::ComboPXH},
      {"lube-free", [](Configurator& e) { e.lubeFreeChanged(true); }, "", "", false, false, false,
       false, C::ComboPXH},
  };
  for (const Reset& c : resets) {
    SCOPED_TRACE(c.what);
    Configurator e = walked();
    c.action(e);
    EXPECT_EQ(e.liftHeightText(), c.lift);
    EXPECT_EQ(e.controlLengthText(), c.control);
    EXPECT_EQ(e.liftHeight() == 0, !*c.lift);
    EXPECT_EQ(e.controlLength() == 0, !*c.control);
    EXPECT_EQ(e.shown(Ctl::ControlLengthB), c.controlLength);
    EXPECT_EQ(e.shown(Ctl::Frame3DTrolley), c.trolley);
    EXPECT_EQ(e.shown(Ctl::Frame3DHoistControls), c.hoistControls);
    for (int box : {0, 2}) EXPECT_EQ(e.checked(check3D1(box)), c.ticksKept) << box;
    for (int box : {0, 1, 2, 3, 5}) EXPECT_EQ(e.shown(check3D1(box)), c.ticksKept) << box;
    EXPECT_EQ(e.discount(), c.ticksKept ? 10 : 0);
    EXPECT_EQ(e.discountText(), c.ticksKept ? "10" : "");
    EXPECT_EQ(e.shown(Ctl::Cmd_Skärmutskrift), c.ticksKept);
    EXPECT_EQ(e.focus(), c.focus);
  }

  // The first pick after the minimised window resets nothing; the next one does.
  Configurator e = walked();
  minimised(e);
  e.modelPicked("PXH 500 EX");
  EXPECT_EQ(e.modelIndex(), 3);
  EXPECT_EQ(e.liftHeightText(), "4");
  EXPECT_TRUE(e.shown(Ctl::Cmd_Skärmutskrift));
  e.modelPicked("PXH 250 EX");
  EXPECT_EQ(e.liftHeightText(), "");
}

TEST(Configurator, SavedConfigurationsWalkTheSteps) {
  // A note on the chain (too long for the collector) does not stop the walk: the trolley, the
  // controls and the later accessories are all taken.
  {
    Configuration c =
        answers("PXH 250 EX", "25", "3", Trolley::ManualNarrow, HoistControl::TwoButton);
    c.accessories = {false, true, true, true, true};
    Configurator e;
    EXPECT_FALSE(e.apply(c, "").has_value());
    const std::vector<int> shownTexts = texts(e);
    EXPECT_NE(std::find(shownTexts.begin(), shownTexts.end(), 112), shownTexts.end());
    const ConfiguredHoist h = e.hoist();
    EXPECT_EQ(h.chainCollectorFlag, 1);
    EXPECT_EQ(h.trolley, Trolley::ManualNarrow);
    EXPECT_EQ(h.hoistControl, HoistControl::TwoButton);
    EXPECT_FALSE(h.accessories[1]);  // the collector is not offered
    EXPECT_TRUE(h.accessories[2]);
    EXPECT_TRUE(h.accessories[5]);
    EXPECT_TRUE(e.shown(Ctl::Cmd_Skärmutskrift));
  }

  // The stainless-steel chain as each file says, whatever the configuration before had.
  {
    Configurator e;
    const struct {
      const char* model;
      bool ticked;
      const char* key;
      bool stainless;
    } files[] = {{"PXH 500 EX", true, "Spansk", true},
                 {"PXH 500 EX", false, "", false},
                 {"PXH 980 EX", true, "Spansk", false}};  // not offered for the 980
    for (const auto& f : files) {
      Configuration c = answers(f.model, "4", "3");
      c.stainlessChain = f.ticked;
      EXPECT_FALSE(e.apply(c, f.key).has_value());
      EXPECT_EQ(e.checked(Ctl::chkStainless), f.stainless) << f.model;
      EXPECT_EQ(e.hoist().stainless, f.stainless) << f.model;
    }
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

  // A configuration without an answer that a step asks for stops there as the window waits for
  // the user: no refusal and no message, but the missing answer is named and nothing is listed.
  {
    Configurator e;
    EXPECT_FALSE(e.apply(answers("PXH 500 EX", "", "3"), "").has_value());
    ASSERT_TRUE(e.unanswered().has_value());
    EXPECT_EQ(number(e.unanswered()->text), 13);
    EXPECT_TRUE(texts(e).empty());
    EXPECT_EQ(e.focus(), Ctl::LiftHeightB);
    EXPECT_FALSE(e.shown(Ctl::Printerutskrift));
    Configuration heavy = answers("PXH 2500 EX", "4", "3", Trolley::MotorNarrow);
    EXPECT_FALSE(e.apply(heavy, "").has_value());
    ASSERT_TRUE(e.unanswered().has_value());
    EXPECT_EQ(e.unanswered()->prefix, "The trolley control is not chosen.");
    EXPECT_EQ(e.focus(), Ctl::Opt3DTrolleyControls1);  // preselected, as the window shows it
    heavy.trolleyControl = TrolleyControl::TwoButton;
    EXPECT_FALSE(e.apply(heavy, "").has_value());
    EXPECT_FALSE(e.unanswered().has_value());
    EXPECT_TRUE(e.shown(Ctl::Printerutskrift));
  }

  // Answers the steps refuse stop the walk with the step's message. The hook-mounted 2-button
  // control is not offered at the hoist-control step, so a file that names it is refused too.
  struct Refused {
    const char* key;
    Configuration c;
    int text;
    const char* suffix;
  };
  const Refused refused[] = {
      {"", answers("PXH 250 EX", "4", "5", Trolley::None, HoistControl::TwistRod), 54, ""},
      {"", answers("PXH 250 EX", "4", "11", Trolley::MotorNarrow), 27, ""},
      {"", answers("PXH 250 EX", "0", "3"), 13, ""},
      {"Italiensk", answers("PXH 5000 EX", "26", "3"), 28, ": 25"},
      {"", answers("PXH 250 EX", "4", "0"), 15, ""},
      {"", answers("PXH 250 EX", "3", "3", Trolley::None, HoistControl::TwoButtonHook), 42,
       ": not offered for the PXH 250 EX with the answers of the steps before."},
  };
  for (const Refused& r : refused) {
    SCOPED_TRACE(r.c.model.toStdString() + " " + r.c.liftHeight.toStdString() + " " +
                 r.c.controlLength.toStdString());
    Configurator e;
    const std::optional<StepMessage> refusal = e.apply(r.c, r.key);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(number(refusal->text), r.text);
    EXPECT_EQ(refusal->suffix, r.suffix);
  }
}
