// The configurator's handlers, step by step: the model list, the stainless-steel chain and the
// lube-free choice, the three boxes, the option groups and the accessories.
#include <QCoreApplication>
#include <cmath>

#include "common/number_format.h"
#include "common/units.h"
#include "configurator/hoist_model.h"
#include "configurator/model_catalogue.h"
#include "configurator/model_rules.h"
#include "configurator/step_rules.h"
#include "main_window/configurator.h"

namespace {

bool isStepKey(int key) {
  return key == Key::Enter || key == Key::Tab;
}

}  // namespace

void Configurator::stepKey(Ctl c, int key) {
  if (!isStepKey(key)) return;
  // Tab then only moves the focus; leaving the stainless-steel box leads on to the lift height
  // wherever Tab would put the focus, so there it is a step key as well.
  if (key == Key::Tab && tabStopsOn_ && c != Ctl::chkStainless) return;
  const Ctl frame = frameOf(c);
  switch (c) {
    case Ctl::ComboPXH:
      ComboPXH_KeyPress(key);
      break;
    case Ctl::LiftHeightB:
      LiftHeightB_KeyPress();
      break;
    case Ctl::ControlLengthB:
      ControlLengthB_KeyPress();
      break;
    case Ctl::RabattB:
      RabattB_KeyPress();
      break;
    case Ctl::optChoose0:
    case Ctl::optChoose1:
      feetChosen(elementOf(c));
      return;
    case Ctl::chkStainless:
      // Enter confirms the box as it stands, as a click or leaving it does.
      chkStainless_Click();
      break;
    case Ctl::Command1:
      if (key == Key::Tab) {
        show(Ctl::Check3D1_5);
        setFocus(Ctl::Check3D1_5);
      }
      break;
    default:
      if (frame == Ctl::Frame3DTrolley || frame == Ctl::Frame3DSuspensionYoke) {
        ShowHoistControlChoices();
      } else if (c == Ctl::Check3D1_4 || (c >= Ctl::Check3D1_0 && c <= Ctl::Check3D1_5)) {
        Check3D1_KeyPress(static_cast<Accessory>(elementOf(c)));
      } else if (frame == Ctl::Frame3DHoistControls) {
        Opt3DHoistControl_KeyPress();
      } else if (frame == Ctl::Frame3DTrolleyControls) {
        ShowAccessoryChoices();
      } else if (frame == Ctl::fraTypeOfChain) {
        show(Ctl::Label1_1);
        show(Ctl::ControlLengthB);
        setFocus(Ctl::ControlLengthB);
      }
      break;
  }
  settle();
}

// ---- Model list

void Configurator::modelTyped(const QString& text) {
  minimizedFlag_ = 0;
  modelText_ = text;
}

void Configurator::modelKeyDown(int keyCode) {
  if (keyCode == Key::D || keyCode == Key::LowerD) comboKeyDownFlag_ = -1;
  if (Key::isCursorKey(keyCode)) comboKeyFlag_ = 1;
}

void Configurator::modelCursorKey(int keyCode, const QString& text) {
  modelKeyDown(keyCode);
  // Each step through the list with a cursor key is a click that finds the key flag set, so
  // that it resets nothing; the next click of the mouse does.
  if (!text.isEmpty()) modelText_ = text;
  ComboPXH_Click();
  settle();
}

void Configurator::modelPicked(const QString& text) {
  modelText_ = text;
  if (focused_ != Ctl::ComboPXH) focusControl(Ctl::ComboPXH);
  // The click, then the loss of focus that takes the model over.
  ComboPXH_Click();
  settle();
  if (focused_ == Ctl::ComboPXH) ComboPXH_LostFocus();
}

void Configurator::modelClicked() {
  modelPicked(modelText_);
}

void Configurator::ComboPXH_Click() {
  if (comboKeyFlag_ == 0) {
    if (minimizedFlag_ == 0) ResetFromStep(0);
    // The model of the list's text is taken over when the list loses the focus, right after
    // this; the stainless-steel step follows the model confirmed before.
    if (offersStainlessChain(modelIndex_)) {
      show(Ctl::fraStainlessSteelChain);
      setFocus(Ctl::chkStainless);
    } else {
      hide(Ctl::fraStainlessSteelChain);
      tick(Ctl::chkStainless, false);
      show(Ctl::Label1_0);
      show(Ctl::LiftHeightB);
      setFocus(Ctl::LiftHeightB);
    }
  }
  comboKeyFlag_ = 0;
  minimizedFlag_ = 0;
}

void Configurator::ComboPXH_KeyPress(int key) {
  if (key == Key::Tab) return ComboPXH_Click();
  if (minimizedFlag_ == 0) ResetFromStep(0);
  show(Ctl::Label1_0);
  show(Ctl::LiftHeightB);
  setFocus(Ctl::LiftHeightB);
  minimizedFlag_ = 0;
}

void Configurator::ComboPXH_LostFocus() {
  const QString text = modelText_;
  if (text.isEmpty()) return;
  currentModel_ = text;
  if (isPhasedOutModel(text))
    say(StepMessage{text + QStringLiteral(": "), Text::PhasedOut, {}, false, false});
  if (const std::optional<ModelColumns> columns = modelColumns(text, modelVariant())) {
    modelIndex_ = static_cast<std::int16_t>(columns->modelIndex);
    hoistColumn_ = static_cast<std::int16_t>(columns->hoistColumn);
  }
  if (offersStainlessChain(modelIndex_)) {
    show(Ctl::fraStainlessSteelChain);
  } else {
    hide(Ctl::fraStainlessSteelChain);
    tick(Ctl::chkStainless, false);
  }
}

// ---- Stainless-steel chain and lube-free execution

void Configurator::stainlessClicked(bool on) {
  tick(Ctl::chkStainless, on);
  if (focused_ != Ctl::chkStainless) {
    setFocus(Ctl::chkStainless);
    settle();
  }
  chkStainless_Click();
  settle();
}

void Configurator::chkStainless_Click() {
  show(Ctl::Label1_0);
  show(Ctl::LiftHeightB);
  setFocus(Ctl::LiftHeightB);
}

void Configurator::lubeFreeChanged(bool lubeFree) {
  tick(Ctl::chkLubeFree, lubeFree);
  lubeFreeChange();
  settle();
}

void Configurator::lubeFreeChange() {
  const bool reset = minimizedFlag_ == 0;
  if (reset) ResetFromStep(0);
  comboKeyFlag_ = 0;
  minimizedFlag_ = 0;
  settle();
  LaddaComboPXH();
  if (reset) {
    // The click that left the list for the lube-free box took the list's name over as the
    // model, a name the new list no longer holds. As after the load, a pick from the new list
    // starts from the load's model, so that it leads on to the lift height.
    const DefaultModel model = defaultModel(modelVariant());
    currentModel_ = model.name;
    modelIndex_ = static_cast<std::int16_t>(model.modelIndex);
  }
  dropDownRequest_ = true;
}

// ---- The three boxes

void Configurator::setLiftText(const QString& text) {
  if (text == liftText_) return;
  liftText_ = text;
  LiftHeightB_Change();
}

void Configurator::setControlText(const QString& text) {
  if (text == controlText_) return;
  controlText_ = text;
  ControlLengthB_Change();
}

void Configurator::setDiscountText(const QString& text) {
  if (text == discountText_) return;
  discountText_ = text;
  // A text with an asterisk reads as the replacement value 0, as in every box.
  if (discountText_.contains(QLatin1Char('*'))) discountText_ = QStringLiteral("0");
  discount_ = toInt16(parseLeadingNumber(discountText_));
  discountColour_ = fieldColour(discount_, 0, 99);
}

void Configurator::liftHeightTyped(const QString& text) {
  setLiftText(text);
  settle();
}

void Configurator::controlLengthTyped(const QString& text) {
  setControlText(text);
  settle();
}

void Configurator::discountTyped(const QString& text) {
  setDiscountText(text);
  settle();
}

void Configurator::LiftHeightB_Change() {
  if (liftText_.contains(QLatin1Char('*'))) liftText_ = QStringLiteral("0");
  liftHeightLimit_ = static_cast<std::int16_t>(::liftHeightLimit(currentModel_));
  const double upper = liftHeightUpperBound(liftHeightLimit_, imperial());
  liftHeight_ = parseLeadingNumber(liftText_);
  liftColour_ = fieldColour(liftHeight_, 1, upper);
  if (imperial()) liftHeight_ *= kMetresPerFoot;
  ResetFromStep(3);
}

void Configurator::LiftHeightB_KeyPress() {
  if (liftHeight_ > 0) {
    show(Ctl::Label1_1);
    show(Ctl::ControlLengthB);
    setFocus(Ctl::ControlLengthB);
  } else {
    sayText(Text::EnterLiftHeight);
    setFocus(Ctl::LiftHeightB);
  }
}

void Configurator::LiftHeightB_LostFocus() {
  if (liftColour_ == FieldColour::Red) {
    const double limit = liftHeightUpperBound(liftHeightLimit_, imperial());
    say(StepMessage{{},
                    Text::LiftHeightAboveMaximum,
                    QStringLiteral(": ") + FormatNumber(limit, QStringLiteral("###")),
                    true,
                    false});
    setLiftText({});
    liftColour_ = FieldColour::White;
    setFocus(Ctl::LiftHeightB);
    setControlText({});
    hide(Ctl::ControlLengthB);
    hide(Ctl::Label1_1);
    return;
  }
  if (const std::optional<std::int16_t> chain = ::chainLength(modelIndex_, liftHeight_))
    chainLength_ = *chain;
  chainCollectorFlag_ = 0;
  if (chainCollectorBlocked(modelIndex_, chainLength_)) {
    chainCollectorFlag_ = 1;
    // Only the chain collector is ruled out; the lift height stands.
    sayText(chainRule(modelIndex_)->message, false);
  }
  if (chainCollectorFlag_ == 1) {
    tick(Ctl::Check3D1_1, false);
    hide(Ctl::Check3D1_1);
    hide(Ctl::Picture11);
  }
}

void Configurator::ControlLengthB_Change() {
  if (controlText_.contains(QLatin1Char('*'))) controlText_ = QStringLiteral("0");
  const double lower = imperial() ? 1 / kMetresPerFoot : 1;
  controlLength_ = toInt16(parseLeadingNumber(controlText_));
  controlColour_ = fieldColour(controlLength_, lower, 99);
  // Only whole metres are taken.
  if (controlText_.contains(QLatin1Char('.'))) controlColour_ = FieldColour::Red;
  if (imperial()) controlLength_ = feetToWholeMetres(controlLength_);
}

void Configurator::ControlLengthB_KeyPress() {
  if (parseLeadingNumber(controlText_) <= 0) {
    sayText(Text::EnterControlLength);
    setFocus(Ctl::ControlLengthB);
    return;
  }
  const std::optional<std::array<TrolleyOption, 5>> options =
      trolleyOptions(currentModel_, imperial());
  if (!options) {
    // Only a name typed into the model list gets here; a typing error must not end the program.
    say(StepMessage{unknownModelMessage(currentModel_), std::nullopt, {}, true, false});
    setFocus(Ctl::ComboPXH);
    return;
  }
  show(Ctl::Frame3DTrolley);
  show(Ctl::Picture3);
  for (std::size_t e = 1; e <= 4; ++e) {
    const TrolleyOption& option = (*options)[e];
    // The wide motor trolley is always offered and never greyed.
    if (e <= 3) enable(opt3DTrolley(static_cast<int>(e)), option.offered);
    trolleyCaptions_[e] = {option.caption, option.suffix};
  }
  setFocus(Ctl::Opt3DTrolley0);
}

void Configurator::ControlLengthB_LostFocus() {
  if (!imperial()) {
    if (controlLength_ < 1) {
      setControlText(QStringLiteral("1"));
    } else if (controlColour_ == FieldColour::Red) {
      controlLength_ = toInt16(parseLeadingNumber(controlText_));
      setControlText(QString::number(controlLength_));
    }
  } else {
    const double feet = parseLeadingNumber(controlText_);
    if (feet < 3.3) {
      setControlText(QStringLiteral("3.3"));
      controlColour_ = FieldColour::Yellow;
    } else {
      feetChoices_ = chooseCaptions(feet);
      if (controlText_ != feetChoices_[0] && controlText_ != feetChoices_[1]) {
        hide(Ctl::Frame3DTrolley);
        hide(Ctl::Picture3);
        show(Ctl::fraChoose);
        show(Ctl::lblMeterLengthsOnly);
        setFocus(Ctl::optChoose0);
        clearGroup(Ctl::fraChoose);
      } else {
        controlColour_ = FieldColour::Yellow;
      }
    }
  }
  if (controlLength_ > 10 && (isP2Model(currentModel_) || isP4Model(currentModel_))) {
    sayText(Text::PushButtonsUpTo10m);
    setFocus(Ctl::ControlLengthB);
  }
}

void Configurator::feetChosen(int element) {
  if (element < 0 || element > 1 || feetChoices_[element].isEmpty()) return;
  setControlText(feetChoices_[element]);
  controlColour_ = FieldColour::Yellow;
  hide(Ctl::fraChoose);
  hide(Ctl::lblMeterLengthsOnly);
  ControlLengthB_KeyPress();
  settle();
}

void Configurator::RabattB_KeyPress() {
  // A discount above 99 % is shown in red and not taken: it would leave no net amount. The box
  // keeps the focus and says why.
  if (discountColour_ == FieldColour::Red) {
    say(StepMessage{QCoreApplication::translate("Configurator", "The discount is 0 to 99 %."),
                    std::nullopt,
                    {},
                    true,
                    false});
    return;
  }
  show(Ctl::Cmd_Skärmutskrift);
  show(Ctl::Printerutskrift);
  setFocus(Ctl::Cmd_Skärmutskrift);
}

bool Configurator::outputRequested() {
  if (liftHeight_ > 0 && visible(Ctl::ControlLengthB)) return true;
  sayText(Text::EnterLiftHeight);
  setFocus(Ctl::ComboPXH);
  settle();
  return false;
}

// ---- Option groups

void Configurator::optionClicked(Ctl option) {
  focusControl(option);
  if (focused_ == option) select(option);
  settle();
}

void Configurator::Opt3DTrolley_LostFocus() {
  auto hideTrolleyControls = [this] {
    for (Ctl c : {Ctl::Frame3DTrolleyControls, Ctl::Picture14, Ctl::Picture15, Ctl::Label4_1,
                  Ctl::Opt3DHoistControl3})
      hide(c);
  };
  if (checked(Ctl::Opt3DTrolley0)) {
    currentTrolley_.clear();
    hide(Ctl::Frame3DSuspensionYoke);
    hide(Ctl::Picture2);
    hideTrolleyControls();
  } else if (checked(Ctl::Opt3DTrolley1) || checked(Ctl::Opt3DTrolley2)) {
    if (const std::optional<QString> t = trolleyDesignation(currentModel_, false))
      currentTrolley_ = *t;
    hideTrolleyControls();
  } else if (checked(Ctl::Opt3DTrolley3) || checked(Ctl::Opt3DTrolley4)) {
    if (const std::optional<QString> t = trolleyDesignation(currentModel_, true))
      currentTrolley_ = *t;
  }
}

void Configurator::Opt3DHoistControl_Click(HoistControl choice) {
  auto fallBack = [this] {
    select(Ctl::Opt3DHoistControl0);  // runs these checks again for "Pull chain"
    setFocus(Ctl::Opt3DHoistControl0);
  };
  if (const std::optional<Text> refused =
          hoistControlRefusal(choice, liftHeight_, controlLength_)) {
    sayText(*refused);
    return fallBack();
  }
  if (asksArticulation(choice, controlLength_)) {
    show(Ctl::Check3D1_4);
    setFocus(Ctl::Check3D1_4);
  } else {
    hide(Ctl::Check3D1_4);
  }
}

void Configurator::Opt3DHoistControl_KeyPress() {
  const std::optional<TrolleyControlOptions> options =
      trolleyControlOptions(modelIndex_, selected<Trolley>(Ctl::Opt3DTrolley0, 5),
                            selected<HoistControl>(Ctl::Opt3DHoistControl0, 5), controlLength_);
  if (!options) {
    for (Ctl c : {Ctl::Label4_1, Ctl::Frame3DTrolleyControls, Ctl::Picture14, Ctl::Picture15})
      hide(c);
    clearGroup(Ctl::Frame3DTrolleyControls);
    ShowAccessoryChoices();
    return;
  }
  show(Ctl::Label4_1);
  show(Ctl::Frame3DTrolleyControls);
  enable(Ctl::Frame3DTrolleyControls, true);
  show(Ctl::Opt3DTrolleyControls0);
  show(Ctl::Opt3DTrolleyControls1);
  enable(Ctl::Opt3DTrolleyControls1, true);
  show(Ctl::Picture14);
  show(Ctl::Picture15);
  if (options->userChooses) {
    setFocus(opt3DTrolleyControls(element(options->preselected)));
    return;
  }
  // The light models take the 2-button trolley control only.
  hide(Ctl::Opt3DTrolleyControls0);
  hide(Ctl::Picture14);
  select(opt3DTrolleyControls(element(options->preselected)));
  enable(Ctl::Frame3DTrolleyControls, false);
  if (const std::optional<Text> refused =
          trolleyControlRefusal(options->preselected, controlLength_)) {
    sayText(*refused);
    setFocus(Ctl::ControlLengthB);
  } else {
    ShowAccessoryChoices();
  }
}

void Configurator::Opt3DTrolleyControls_Click(TrolleyControl choice) {
  // The light models have the one choice, which the completed hoist-control step checks.
  if (!isHeavyGroup(modelIndex_)) return;
  if (const std::optional<Text> refused = trolleyControlRefusal(choice, controlLength_)) {
    sayText(*refused);
    show(Ctl::Opt3DTrolleyControls0);
    show(Ctl::Picture14);
    select(Ctl::Opt3DTrolleyControls0);
    setFocus(Ctl::Opt3DTrolleyControls0);
  }
}

// ---- Accessories

void Configurator::ticked(Ctl box, bool on) {
  if (focused_ != box) focusControl(box);
  if (box == Ctl::chkStainless) return stainlessClicked(on);
  if (box == Ctl::chkLubeFree) return lubeFreeChanged(on);
  if (!control(box).enabled) return;
  tick(box, on);
  settle();
}

void Configurator::Check3D1_KeyPress(Accessory confirmed) {
  if (confirmed == Accessory::Articulation) return Opt3DHoistControl_KeyPress();
  // The chain may have changed since the step was opened: apply the collector rule again.
  if (confirmed == Accessory::OverloadDevice)
    chainCollectorFlag_ = chainCollectorBlocked(modelIndex_, chainLength_) ? 1 : 0;
  if (const std::optional<Accessory> next =
          accessoryAfter(confirmed, modelIndex_, chainCollectorFlag_ != 0))
    return offerAccessory(*next);
  if (comboKeyDownFlag_ != 0) {
    show(Ctl::Label1_2);
    show(Ctl::RabattB);
    setFocus(Ctl::RabattB);
  } else {
    show(Ctl::Cmd_Skärmutskrift);
    show(Ctl::Printerutskrift);
    setFocus(Ctl::Cmd_Skärmutskrift);
  }
}
