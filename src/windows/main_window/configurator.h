// The configurator: the main window's step driver, without a widget.
//
// It keeps what the window shows as the state of the steps: which controls are visible,
// enabled and ticked, the texts of the three boxes and the model list, their colours, the
// captions that the steps set, which control has the focus, the tab stops and the positions in
// twips. The window turns each event of the user into one call below and then renders the
// answer; the window image of a printed page walks a saved configuration through it. What the
// steps offer and turn down, and the order of the accessories, it takes from the rules the core's
// configuration walk uses (configurator/step_rules.h); the resets, the focus order and the
// window's own quirks live here.
//
// Focus moves the steps on, as in the window: a call that gives a control the focus runs, once
// the call itself is done, the leave rule of the control that had it and then the entry rule of
// the new one, until the focus rests.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "configurator/configuration.h"
#include "configurator/configured_hoist.h"
#include "configurator/numeric_inputs.h"

// Key codes, and the characters of Enter and Tab, as the window hands keys to the configurator
// and as the program's key handlers have always numbered them.
namespace Key {
enum Code : int {
  Backspace = 8,
  Tab = 9,
  Enter = 13,
  Shift = 16,
  Escape = 27,
  Space = 32,
  Left = 37,
  Up = 38,
  Right = 39,
  Down = 40,
  D = 68,
  KeypadZero = 96,  // the keypad's digits follow up to 105
  LowerD = 100,
};
// Left, Up, Right or Down.
constexpr bool isCursorKey(int code) {
  return code >= Left && code <= Down;
}
}  // namespace Key

// The controls of the main window that the steps show, hide, tick or focus, by the program's
// own names; arrays have one entry per element.
enum class Ctl : int {
  None,
  ComboPXH,
  chkLubeFree,
  fraLubeFree,
  optLubeFree0,
  optLubeFree1,
  fraStainlessSteelChain,
  chkStainless,
  Label1_0,
  LiftHeightB,
  Label1_1,
  ControlLengthB,
  fraChoose,
  optChoose0,
  optChoose1,
  lblMeterLengthsOnly,
  Frame3DTrolley,
  Opt3DTrolley0,
  Opt3DTrolley1,
  Opt3DTrolley2,
  Opt3DTrolley3,
  Opt3DTrolley4,
  Label4_0,
  Frame3DHoistControls,
  Opt3DHoistControl0,
  Opt3DHoistControl1,
  Opt3DHoistControl2,
  Opt3DHoistControl3,
  Opt3DHoistControl4,
  LabelHookM,
  Label4_1,
  Frame3DTrolleyControls,
  Opt3DTrolleyControls0,
  Opt3DTrolleyControls1,
  Check3D1_0,
  Check3D1_1,
  Check3D1_2,
  Check3D1_3,
  Check3D1_4,
  Check3D1_5,
  Label3,
  Command1,
  Label1_2,
  RabattB,
  Cmd_Skärmutskrift,
  Printerutskrift,
  fraTypeOfChain,
  optTypeOfChain0,
  optTypeOfChain1,
  Frame3DSuspensionYoke,
  Opt3DSuspensionYoke0,
  Opt3DSuspensionYoke1,
  Picture1,
  Picture2,
  Picture3,
  Picture4,
  Picture5,
  Picture6,
  Picture7,
  Picture8,
  Picture9,
  Picture10,
  Picture11,
  Picture12,
  Picture13,
  Picture14,
  Picture15,
  Count
};
inline constexpr int kControlCount = static_cast<int>(Ctl::Count);

// Element e of a control array.
Ctl opt3DTrolley(int e);
Ctl opt3DHoistControl(int e);
Ctl opt3DTrolleyControls(int e);
Ctl check3D1(int e);
Ctl optChoose(int e);
Ctl picture(int n);
// The element number of a control within its array, -1 for a control of no array.
int elementOf(Ctl c);
// The program's name of a control, such as "Check3D1(5)".
QString controlName(Ctl c);
// The frame a control stands in; Ctl::None for the controls on the window itself.
Ctl frameOf(Ctl c);

// What a control looks like.
struct ControlState {
  bool visible = false;
  bool enabled = true;
  bool checked = false;  // check boxes and option buttons
};

// A message for the user: an optional lead-in, the text of the catalogue, an optional tail.
// A refusal turns an answer down and stops a saved configuration at its step.
struct StepMessage {
  QString prefix;
  std::optional<Text> text;
  QString suffix;
  bool refusal = true;
  bool endsProgram = false;  // the program cannot go on (an unknown variant key)
};

// A caption that a step sets: a text of the catalogue and what follows it.
struct StepCaption {
  std::optional<Text> text;
  QString suffix;
};

class Configurator {
 public:
  Configurator();

  // ---- What the window shows
  const ControlState& control(Ctl c) const { return controls_[static_cast<int>(c)]; }
  bool visible(Ctl c) const { return control(c).visible; }
  // Visible and inside a visible frame.
  bool shown(Ctl c) const;
  bool checked(Ctl c) const { return control(c).checked; }
  Ctl focus() const { return focused_; }
  bool tabStopsOn() const { return tabStopsOn_; }
  const QStringList& modelList() const { return modelList_; }
  const QString& modelText() const { return modelText_; }
  const QString& liftHeightText() const { return liftText_; }
  const QString& controlLengthText() const { return controlText_; }
  const QString& discountText() const { return discountText_; }
  FieldColour liftHeightColour() const { return liftColour_; }
  FieldColour controlLengthColour() const { return controlColour_; }
  FieldColour discountColour() const { return discountColour_; }
  // Opt3DTrolley(1) to (4) after the control length was confirmed; element 0 unused.
  const std::array<StepCaption, 5>& trolleyCaptions() const { return trolleyCaptions_; }
  // The feet prompt's two values, as the buttons show them without " ft".
  const std::array<QString, 2>& feetChoices() const { return feetChoices_; }
  // Positions the steps move controls to, in twips; none where the design place holds.
  std::optional<int> picture4Left() const { return picture4Left_; }
  std::optional<int> picture6Left() const { return picture6Left_; }
  int controlLengthLabelTop() const { return controlLengthLabelTop_; }
  // The model list is to be dropped down (after a load and a lube-free change). Taken once.
  bool takeDropDownRequest();
  // Messages of the calls since the last take, in order.
  std::vector<StepMessage> takeMessages();
  // The last refusal since clearRefusal().
  const std::optional<StepMessage>& refusal() const { return refusal_; }
  void clearRefusal() { refusal_.reset(); }

  // ---- The model data and the values of the steps
  // The variant of the last load; none after a load with a LanguageKey the program does not know.
  const std::optional<VariantId>& variant() const { return variant_; }
  bool imperial() const;
  const QString& currentModel() const { return currentModel_; }
  int modelIndex() const { return modelIndex_; }
  int hoistColumn() const { return hoistColumn_; }
  double liftHeight() const { return liftHeight_; }  // metres
  int liftHeightLimit() const { return liftHeightLimit_; }
  int chainLength() const { return chainLength_; }
  int chainCollectorFlag() const { return chainCollectorFlag_; }
  int controlLength() const { return controlLength_; }  // whole metres
  int discount() const { return discount_; }
  const QString& currentTrolley() const { return currentTrolley_; }
  bool discountAsked() const { return comboKeyDownFlag_ != 0; }
  // What the outputs read.
  ConfiguredHoist hoist() const;
  // The answers of the steps reached so far.
  Configuration configuration(VariantId variant) const;

  // ---- The user's actions
  // The window's load, at start-up and after a change of variant: the model list of the
  // variant, the default model, the focus on the dropped-down list. A LanguageKey the program
  // does not know brings the message that ends the program.
  void load(const QString& languageKey);
  // A change of variant from the menu: the whole configuration anew, then the load.
  void changeVariant(const QString& languageKey);
  // The whole configuration anew, before a reload of the window (a price import).
  void resetConfiguration();
  void newFile();
  void minimised();

  // The user put the focus on a control (a click, or Tab while the tab stops are on).
  void focusControl(Ctl c);
  // Enter or Tab on the focused control, while the tab stops are off for Tab.
  void stepKey(Ctl c, int key);

  void modelTyped(const QString& text);  // typed into the model list's box
  void modelKeyDown(int keyCode);        // a key went down in the model list
  // A cursor key in the model list moved its choice to the given text.
  void modelCursorKey(int keyCode, const QString& text);
  // A pick in the list, by Enter or a click: the model is confirmed at once.
  void modelPicked(const QString& text);
  void modelClicked();  // a click on the closed list, as a pick of its own text

  void lubeFreeChanged(bool lubeFree);
  void stainlessClicked(bool ticked);
  void liftHeightTyped(const QString& text);
  void controlLengthTyped(const QString& text);
  void feetChosen(int element);
  void discountTyped(const QString& text);
  // A click on an option button: it takes the focus and is selected.
  void optionClicked(Ctl option);
  // A check box ticked or cleared by the user (a click or Space).
  void ticked(Ctl box, bool on);
  // A picture took the focus.
  void pictureFocused(int number);
  // An output button was pressed. False, with text 13 and the focus on the model list, while
  // no lift height has been confirmed (right after start-up, when the buttons already show):
  // there is nothing to list yet.
  bool outputRequested();

  // ---- A saved configuration walked through the steps; the refusal that stopped it, if any.
  // A configuration that stops at a step whose answer it does not hold (an empty lift height,
  // no trolley, a trolley control the steps ask for) is no refusal: the walk waits there, as
  // the window waits for the user, and unanswered() says which answer is missing.
  std::optional<StepMessage> apply(const Configuration& c, const QString& languageKey);
  // The answer the last apply() stopped without; none when it reached the output buttons or
  // an answer was refused.
  const std::optional<StepMessage>& unanswered() const { return unanswered_; }

 private:
  // The variant of a LanguageKey; none for a key the program does not know.
  static std::optional<VariantId> variantOfKey(const QString& languageKey);
  // The variant the model data is read for. A load that meets an unknown key brings the
  // message that ends the program; until it ends, the steps read the model data as English
  // European does.
  VariantId modelVariant() const { return variant_.value_or(VariantId::EnglishEuropean); }
  ControlState& state(Ctl c) { return controls_[static_cast<int>(c)]; }
  void show(Ctl c, bool on = true) { state(c).visible = on; }
  void hide(Ctl c) { state(c).visible = false; }
  void enable(Ctl c, bool on) { state(c).enabled = on; }
  void tick(Ctl c, bool on) { state(c).checked = on; }
  // Selects an option button; the group's rule runs when the selection changes.
  void select(Ctl option);
  void clearGroup(Ctl frame);
  void setFocus(Ctl c) { pending_ = c; }
  // Lets the focus changes run their leave and entry rules.
  void settle();
  void say(StepMessage message);
  void sayText(Text text, bool refusal = true) { say(StepMessage{{}, text, {}, refusal, false}); }

  // Steps (the window's procedures)
  void ResetFromStep(int step);
  void SetTabStops(bool on) { tabStopsOn_ = on; }
  void ShowHoistControlChoices();
  void ShowAccessoryChoices();
  // Shows the box of an accessory with its picture and gives it the focus.
  void offerAccessory(Accessory a);
  void LaddaComboPXH();

  // Handlers of the controls
  void gotFocus(Ctl c);
  void lostFocus(Ctl c);
  void ComboPXH_Click();
  void ComboPXH_KeyPress(int key);
  void ComboPXH_LostFocus();
  void setLiftText(const QString& text);
  void setControlText(const QString& text);
  void setDiscountText(const QString& text);
  void LiftHeightB_Change();
  void LiftHeightB_KeyPress();
  void LiftHeightB_LostFocus();
  void ControlLengthB_Change();
  void ControlLengthB_KeyPress();
  void ControlLengthB_LostFocus();
  void RabattB_KeyPress();
  void Opt3DTrolley_LostFocus();
  void Opt3DHoistControl_Click(HoistControl choice);
  void Opt3DHoistControl_KeyPress();
  void Opt3DTrolleyControls_Click(TrolleyControl choice);
  void Check3D1_KeyPress(Accessory confirmed);
  void chkStainless_Click();
  void lubeFreeChange();
  int selectedIn(Ctl first, int count) const;
  // The choice whose option of the group is selected; none when no option is.
  template <typename Choice>
  std::optional<Choice> selected(Ctl first, int count) const {
    const int e = selectedIn(first, count);
    return e < 0 ? std::nullopt : std::optional<Choice>(static_cast<Choice>(e));
  }

  std::array<ControlState, kControlCount> controls_{};
  Ctl focused_ = Ctl::None;
  Ctl pending_ = Ctl::None;
  bool settling_ = false;
  bool tabStopsOn_ = true;
  bool dropDownRequest_ = false;
  std::vector<StepMessage> messages_;
  std::optional<StepMessage> refusal_;
  std::optional<StepMessage> unanswered_;

  // The variant of the program state's LanguageKey. A Configurator not yet loaded stands for
  // English European, whose key is the empty one.
  std::optional<VariantId> variant_ = VariantId::EnglishEuropean;
  QStringList modelList_;
  QString modelText_;
  QString liftText_, controlText_, discountText_;
  FieldColour liftColour_ = FieldColour::White;
  FieldColour controlColour_ = FieldColour::White;
  FieldColour discountColour_ = FieldColour::Yellow;
  std::array<StepCaption, 5> trolleyCaptions_{};
  std::array<QString, 2> feetChoices_{};
  std::optional<int> picture4Left_, picture6Left_;
  int controlLengthLabelTop_ = 1920;

  QString currentModel_;
  std::int16_t modelIndex_ = 0;
  std::int16_t hoistColumn_ = 0;
  QString currentTrolley_;
  double liftHeight_ = 0;
  std::int16_t liftHeightLimit_ = 0;
  std::int16_t chainLength_ = 0;
  std::int16_t chainCollectorFlag_ = 0;
  std::int16_t controlLength_ = 0;
  std::int16_t discount_ = 0;
  std::int16_t lastCheckIndex_ = 0;
  std::int16_t comboKeyDownFlag_ = 0;
  std::int16_t comboKeyFlag_ = 0;
  std::int16_t minimizedFlag_ = 0;
};
