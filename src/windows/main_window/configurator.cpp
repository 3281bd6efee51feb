// The configurator's controls, its focus, and the procedures that show and hide the steps.
#include "main_window/configurator.h"

#include <utility>

#include "configurator/model_catalogue.h"
#include "configurator/model_rules.h"
#include "configurator/step_rules.h"

namespace {

Ctl offset(Ctl first, int e) {
  return static_cast<Ctl>(static_cast<int>(first) + e);
}

struct ArrayOfControls {
  Ctl first;
  int count;
  const char* name;
};

constexpr ArrayOfControls kArrays[] = {
    {Ctl::optLubeFree0, 2, "optLubeFree"},
    {Ctl::optChoose0, 2, "optChoose"},
    {Ctl::Opt3DTrolley0, 5, "Opt3DTrolley"},
    {Ctl::Opt3DHoistControl0, 5, "Opt3DHoistControl"},
    {Ctl::Opt3DTrolleyControls0, 2, "Opt3DTrolleyControls"},
    {Ctl::Check3D1_0, 6, "Check3D1"},
    {Ctl::optTypeOfChain0, 2, "optTypeOfChain"},
    {Ctl::Opt3DSuspensionYoke0, 2, "Opt3DSuspensionYoke"},
    {Ctl::Label1_0, 1, "Label1"},
};

const ArrayOfControls* arrayOf(Ctl c) {
  const int i = static_cast<int>(c);
  for (const ArrayOfControls& a : kArrays)
    if (i >= static_cast<int>(a.first) && i < static_cast<int>(a.first) + a.count) return &a;
  return nullptr;
}

}  // namespace

Ctl opt3DTrolley(int e) {
  return offset(Ctl::Opt3DTrolley0, e);
}
Ctl opt3DHoistControl(int e) {
  return offset(Ctl::Opt3DHoistControl0, e);
}
Ctl opt3DTrolleyControls(int e) {
  return offset(Ctl::Opt3DTrolleyControls0, e);
}
Ctl check3D1(int e) {
  return offset(Ctl::Check3D1_0, e);
}
Ctl optChoose(int e) {
  return offset(Ctl::optChoose0, e);
}
Ctl picture(int n) {
  return offset(Ctl::Picture1, n - 1);
}

int elementOf(Ctl c) {
  if (const ArrayOfControls* a = arrayOf(c))
    return static_cast<int>(c) - static_cast<int>(a->first);
  if (c >= Ctl::Picture1 && c <= Ctl::Picture15)
    return static_cast<int>(c) - static_cast<int>(Ctl::Picture1) + 1;
  return -1;
}

QString controlName(Ctl c) {
  switch (c) {
    case Ctl::Label1_0:
      return QStringLiteral("Label1(0)");
    case Ctl::Label1_1:
      return QStringLiteral("Label1(1)");
    case Ctl::Label1_2:
      return QStringLiteral("Label1(2)");
    case Ctl::Label4_0:
      return QStringLiteral("Label4(0)");
    case Ctl::Label4_1:
      return QStringLiteral("Label4(1)");
    case Ctl::ComboPXH:
      return QStringLiteral("ComboPXH");
    case Ctl::chkLubeFree:
      return QStringLiteral("chkLubeFree");
    case Ctl::fraLubeFree:
      return QStringLiteral("fraLubeFree");
    case Ctl::fraStainlessSteelChain:
      return QStringLiteral("fraStainlessSteelChain");
    case Ctl::chkStainless:
      return QStringLiteral("chkStainless");
    case Ctl::LiftHeightB:
      return QStringLiteral("LiftHeightB");
    case Ctl::ControlLengthB:
      return QStringLiteral("ControlLengthB");
    case Ctl::fraChoose:
      return QStringLiteral("fraChoose");
    case Ctl::lblMeterLengthsOnly:
      return QStringLiteral("lblMeterLengthsOnly");
    case Ctl::Frame3DTrolley:
      return QStringLiteral("Frame3DTrolley");
    case Ctl::Frame3DHoistControls:
      return QStringLiteral("Frame3DHoistControls");
    case Ctl::LabelHookM:
      return QStringLiteral("LabelHookM");
    case Ctl::Frame3DTrolleyControls:
      return QStringLiteral("Frame3DTrolleyControls");
    case Ctl::Label3:
      return QStringLiteral("Label3");
    case Ctl::Command1:
      return QStringLiteral("Command1");
    case Ctl::RabattB:
      return QStringLiteral("RabattB");
    case Ctl::Cmd_Skärmutskrift:
      return QStringLiteral("Cmd_Sk\u00e4rmutskrift");
    case Ctl::Printerutskrift:
      return QStringLiteral("Printerutskrift");
    case Ctl::fraTypeOfChain:
      return QStringLiteral("fraTypeOfChain");
    case Ctl::Frame3DSuspensionYoke:
      return QStringLiteral("Frame3DSuspensionYoke");
    default:
      break;
  }
  if (c >= Ctl::Picture1 && c <= Ctl::Picture15)
    return QStringLiteral("Picture%1").arg(elementOf(c));
  if (const ArrayOfControls* a = arrayOf(c))
    return QStringLiteral("%1(%2)").arg(QLatin1String(a->name)).arg(elementOf(c));
  return {};
}

Ctl frameOf(Ctl c) {
  if (c == Ctl::optLubeFree0 || c == Ctl::optLubeFree1) return Ctl::fraLubeFree;
  if (c == Ctl::chkStainless) return Ctl::fraStainlessSteelChain;
  if (c == Ctl::optChoose0 || c == Ctl::optChoose1) return Ctl::fraChoose;
  if (c >= Ctl::Opt3DTrolley0 && c <= Ctl::Opt3DTrolley4) return Ctl::Frame3DTrolley;
  if ((c >= Ctl::Opt3DHoistControl0 && c <= Ctl::LabelHookM) || c == Ctl::Check3D1_4)
    return Ctl::Frame3DHoistControls;
  if (c == Ctl::Opt3DTrolleyControls0 || c == Ctl::Opt3DTrolleyControls1)
    return Ctl::Frame3DTrolleyControls;
  if (c == Ctl::optTypeOfChain0 || c == Ctl::optTypeOfChain1) return Ctl::fraTypeOfChain;
  if (c == Ctl::Opt3DSuspensionYoke0 || c == Ctl::Opt3DSuspensionYoke1)
    return Ctl::Frame3DSuspensionYoke;
  return Ctl::None;
}

Configurator::Configurator() {
  // The window as it opens: the model column and the output buttons; the option buttons of the
  // frames are visible themselves and appear with their frame.
  for (Ctl c : {Ctl::chkLubeFree, Ctl::ComboPXH, Ctl::Picture1, Ctl::Cmd_Skärmutskrift,
                Ctl::Printerutskrift, Ctl::optLubeFree0, Ctl::optLubeFree1, Ctl::chkStainless,
                Ctl::optChoose0, Ctl::optChoose1, Ctl::Opt3DTrolleyControls0,
                Ctl::Opt3DTrolleyControls1, Ctl::optTypeOfChain0, Ctl::optTypeOfChain1,
                Ctl::Opt3DSuspensionYoke0, Ctl::Opt3DSuspensionYoke1, Ctl::LabelHookM})
    show(c);
  for (int e = 0; e <= 4; ++e) show(opt3DTrolley(e));
  for (int e = 0; e <= 3; ++e) show(opt3DHoistControl(e));
  enable(Ctl::Command1, false);
}

bool Configurator::shown(Ctl c) const {
  if (!visible(c)) return false;
  const Ctl frame = frameOf(c);
  return frame == Ctl::None || visible(frame);
}

bool Configurator::imperial() const {
  return isImperialVariant(modelVariant());
}

bool Configurator::takeDropDownRequest() {
  return std::exchange(dropDownRequest_, false);
}

std::vector<StepMessage> Configurator::takeMessages() {
  return std::exchange(messages_, {});
}

void Configurator::say(StepMessage message) {
  if (message.refusal) refusal_ = message;
  messages_.push_back(std::move(message));
}

int Configurator::selectedIn(Ctl first, int count) const {
  for (int e = 0; e < count; ++e)
    if (checked(offset(first, e))) return e;
  return -1;
}

ConfiguredHoist Configurator::hoist() const {
  ConfiguredHoist h;
  h.variant = modelVariant();
  h.model = currentModel_;
  h.modelIndex = modelIndex_;
  h.hoistColumn = hoistColumn_;
  h.trolleyDesignation = currentTrolley_;
  h.chainLength = chainLength_;
  h.chainCollectorFlag = chainCollectorFlag_;
  h.controlLength = controlLength_;
  h.discount = discount_;
  h.hoistControl = selected<HoistControl>(Ctl::Opt3DHoistControl0, 5);
  h.trolley = selected<Trolley>(Ctl::Opt3DTrolley0, 5);
  h.trolleyControl = selected<TrolleyControl>(Ctl::Opt3DTrolleyControls0, 2);
  h.articulation = checked(Ctl::Check3D1_4);
  for (int e = 0; e < 6; ++e) h.accessories[e] = checked(check3D1(e));
  h.chainTypeVisible = visible(Ctl::fraTypeOfChain);
  h.chainType = checked(Ctl::optTypeOfChain0) ? 0 : 1;
  h.stainless = checked(Ctl::chkStainless);
  return h;
}

Configuration Configurator::configuration(VariantId variant) const {
  Configuration c;
  c.variant = variant;
  c.lubeFree = checked(Ctl::chkLubeFree);
  c.model = modelText_;
  c.stainlessChain = checked(Ctl::chkStainless);
  c.liftHeight = visible(Ctl::LiftHeightB) ? liftText_ : QString();
  c.controlLength = visible(Ctl::ControlLengthB) ? controlText_ : QString();
  c.trolley =
      visible(Ctl::Frame3DTrolley) ? selected<Trolley>(Ctl::Opt3DTrolley0, 5) : std::nullopt;
  c.hoistControl = visible(Ctl::Frame3DHoistControls)
                       ? selected<HoistControl>(Ctl::Opt3DHoistControl0, 5)
                       : std::nullopt;
  c.articulation = checked(Ctl::Check3D1_4);
  c.trolleyControl = visible(Ctl::Frame3DTrolleyControls)
                         ? selected<TrolleyControl>(Ctl::Opt3DTrolleyControls0, 2)
                         : std::nullopt;
  for (std::size_t i = 0; i < kConfiguredAccessories.size(); ++i)
    c.accessories[i] = checked(check3D1(element(kConfiguredAccessories[i])));
  c.discount = visible(Ctl::RabattB) ? discount_ : 0;
  c.discountAsked = discountAsked();
  return c;
}

// ---- Selection and focus

void Configurator::select(Ctl option) {
  const Ctl frame = frameOf(option);
  const ArrayOfControls* group = arrayOf(option);
  if (!group || checked(option)) return;
  for (int e = 0; e < group->count; ++e) tick(offset(group->first, e), false);
  tick(option, true);
  if (frame == Ctl::Frame3DHoistControls)
    Opt3DHoistControl_Click(static_cast<HoistControl>(elementOf(option)));
  if (frame == Ctl::Frame3DTrolleyControls)
    Opt3DTrolleyControls_Click(static_cast<TrolleyControl>(elementOf(option)));
}

void Configurator::clearGroup(Ctl frame) {
  for (int i = 0; i < kControlCount; ++i) {
    const Ctl c = static_cast<Ctl>(i);
    if (frameOf(c) == frame && arrayOf(c)) tick(c, false);
  }
}

void Configurator::settle() {
  // The focus goes where the last request put it; the control that had it reacts first. A
  // control that cannot take the focus (hidden, or greyed) leaves it where it was.
  if (settling_) return;
  settling_ = true;
  for (int guard = 0; guard < 64 && pending_ != focused_; ++guard) {
    const Ctl target = pending_;
    const Ctl frame = frameOf(target);
    if (target != Ctl::None && (!shown(target) || !control(target).enabled ||
                                (frame != Ctl::None && !control(frame).enabled))) {
      pending_ = focused_;
      break;
    }
    const Ctl old = focused_;
    focused_ = target;
    // A control the steps have hidden meanwhile has no leave rule to keep.
    if (old != Ctl::None && shown(old)) lostFocus(old);
    if (focused_ == target) {
      if (shown(target))
        gotFocus(target);
      else if (target == Ctl::chkStainless)
        chkStainless_Click();  // the new model takes no stainless chain: on to the lift height
    }
  }
  settling_ = false;
}

void Configurator::focusControl(Ctl c) {
  setFocus(c);
  settle();
}

void Configurator::gotFocus(Ctl c) {
  const Ctl frame = frameOf(c);
  // An option button that gets the focus is selected (the feet choice only by a key or a click
  // of its own).
  if (arrayOf(c) && frame != Ctl::None && c != Ctl::optChoose0 && c != Ctl::optChoose1 &&
      c != Ctl::chkStainless && c != Ctl::Check3D1_4)
    select(c);
  switch (c) {
    case Ctl::ComboPXH:
      minimizedFlag_ = 0;
      return;
    case Ctl::LiftHeightB:
    case Ctl::ControlLengthB:
    case Ctl::RabattB:
    case Ctl::Printerutskrift:
      SetTabStops(false);
      return;
    case Ctl::Cmd_Skärmutskrift:
      SetTabStops(true);
      return;
    default:
      break;
  }
  if (frame == Ctl::Frame3DTrolley) {
    SetTabStops(false);
    ResetFromStep(1);
  } else if (frame == Ctl::Frame3DHoistControls && c != Ctl::Check3D1_4) {
    SetTabStops(false);
    ResetFromStep(2);
  } else if (frame == Ctl::Frame3DTrolleyControls || frame == Ctl::Frame3DSuspensionYoke ||
             frame == Ctl::fraTypeOfChain) {
    SetTabStops(false);
  }
}

void Configurator::lostFocus(Ctl c) {
  switch (c) {
    case Ctl::ComboPXH:
      return ComboPXH_LostFocus();
    case Ctl::LiftHeightB:
      return LiftHeightB_LostFocus();
    case Ctl::ControlLengthB:
      return ControlLengthB_LostFocus();
    case Ctl::Printerutskrift:
      lastCheckIndex_ = -1;
      return;
    case Ctl::chkStainless:
      return chkStainless_Click();
    default:
      break;
  }
  const Ctl frame = frameOf(c);
  if (frame == Ctl::Frame3DTrolley) return Opt3DTrolley_LostFocus();
  if (frame == Ctl::Frame3DHoistControls && c != Ctl::Check3D1_4) return SetTabStops(false);
  if (c >= Ctl::Check3D1_0 && c <= Ctl::Check3D1_5)
    lastCheckIndex_ = static_cast<std::int16_t>(elementOf(c));
}

void Configurator::pictureFocused(int number) {
  if (number != 12 && number > 11 && number != 13) return;  // these pictures keep the focus
  // The control that had the focus loses it to the picture before the picture hands it on:
  // leaving an accessory box is what names the box to go back to.
  const Ctl old = focused_;
  focused_ = pending_ = picture(number);
  if (old != Ctl::None && shown(old)) lostFocus(old);
  if (pending_ == picture(number)) {
    if (number == 12)
      setFocus(lastCheckIndex_ >= 0 && lastCheckIndex_ <= 5 ? check3D1(lastCheckIndex_)
                                                            : Ctl::Printerutskrift);
    else
      setFocus(Ctl::ComboPXH);
  }
  settle();
}

// ---- The steps

void Configurator::ResetFromStep(int step) {
  if (step == 0) {
    SetTabStops(true);
    for (Ctl c : {Ctl::Label1_0, Ctl::Label1_1, Ctl::Picture3, Ctl::Frame3DTrolley,
                  Ctl::LiftHeightB, Ctl::ControlLengthB})
      hide(c);
    setControlText({});
    controlLength_ = 0;
    setLiftText({});
    liftHeight_ = 0;
    hide(Ctl::fraChoose);
    hide(Ctl::lblMeterLengthsOnly);
    hide(Ctl::fraTypeOfChain);
  }
  if (step == 3) {
    hide(Ctl::Label1_1);
    setControlText({});
    hide(Ctl::ControlLengthB);
    hide(Ctl::Frame3DTrolley);
    hide(Ctl::Picture3);
  }
  if (step == 0 || step == 1 || step == 3) {
    for (Ctl c : {Ctl::Label4_0, Ctl::Frame3DHoistControls, Ctl::Picture4, Ctl::Picture5,
                  Ctl::Picture6, Ctl::Picture7, Ctl::Picture8, Ctl::Check3D1_4,
                  Ctl::Frame3DSuspensionYoke, Ctl::Picture2, Ctl::Label3})
      hide(c);
  }
  for (Ctl c : {Ctl::Label1_2, Ctl::Label4_1, Ctl::Picture9, Ctl::Picture10, Ctl::Picture11,
                Ctl::Picture12, Ctl::Picture14, Ctl::Picture15, Ctl::Frame3DTrolleyControls,
                Ctl::RabattB, Ctl::Check3D1_0, Ctl::Label3, Ctl::Check3D1_1, Ctl::Check3D1_2,
                Ctl::Check3D1_3, Ctl::Check3D1_5, Ctl::Cmd_Skärmutskrift, Ctl::Printerutskrift})
    hide(c);
  setDiscountText({});
  discount_ = 0;
  for (int e = 0; e < 6; ++e) tick(check3D1(e), false);
  if (step == 0) setFocus(Ctl::ComboPXH);
}

void Configurator::ShowHoistControlChoices() {
  show(Ctl::Label4_0);
  show(Ctl::Frame3DHoistControls);
  for (int e = 0; e <= 3; ++e) show(opt3DHoistControl(e));
  setFocus(Ctl::Opt3DHoistControl0);

  // The frame's right edge less 15 twips; the 2-button picture moves aside for the 4-button one.
  constexpr int kFrameRight = 5580 + 1485 - 15;
  picture4Left_ = kFrameRight;
  for (Ctl c : {Ctl::Picture4, Ctl::Picture5, Ctl::Picture6, Ctl::Picture7}) show(c);

  const HoistControlOptions options =
      hoistControlOptions(currentModel_, selected<Trolley>(Ctl::Opt3DTrolley0, 5));
  int completeWith = -1;
  if (options.completesWith == HoistControl::TwoButton) {
    // Ordered without the 2-button control itself: the one choice completes the step at once.
    for (Ctl c : {Ctl::Opt3DHoistControl0, Ctl::Opt3DHoistControl2, Ctl::Opt3DHoistControl3,
                  Ctl::Opt3DHoistControl4, Ctl::LabelHookM, Ctl::Picture4, Ctl::Picture5,
                  Ctl::Picture7, Ctl::Picture8})
      hide(c);
    setFocus(Ctl::Opt3DHoistControl1);
    completeWith = 1;
  } else if (options.completesWith == HoistControl::FourButton) {
    settle();
    show(Ctl::Opt3DHoistControl3);
    select(Ctl::Opt3DHoistControl3);
    for (Ctl c : {Ctl::Opt3DHoistControl0, Ctl::Opt3DHoistControl1, Ctl::Opt3DHoistControl2,
                  Ctl::Opt3DHoistControl4, Ctl::LabelHookM, Ctl::Picture4, Ctl::Picture5,
                  Ctl::Picture6, Ctl::Picture8})
      hide(c);
    setFocus(Ctl::Opt3DHoistControl3);
    completeWith = 3;
  } else {
    // The 4-button control steers the motor trolley too; without one it is not offered.
    const bool fourButton =
        options.offered[static_cast<std::size_t>(element(HoistControl::FourButton))];
    show(Ctl::Opt3DHoistControl3, fourButton);
    show(Ctl::Picture7, fourButton);
  }
  picture6Left_ = kFrameRight + (visible(Ctl::Picture7) ? 700 : 0);
  if (completeWith >= 0) {
    // As if the user pressed Tab on the one option offered, once its focus has settled.
    settle();
    if (visible(Ctl::Frame3DHoistControls) && focused_ == opt3DHoistControl(completeWith))
      Opt3DHoistControl_KeyPress();
  }
}

void Configurator::ShowAccessoryChoices() {
  show(Ctl::Picture12);
  show(Ctl::Check3D1_0);
  switch (overloadOffer(modelIndex_, currentModel_)) {
    case OverloadOffer::Optional:
      // The tick of a model outside the standard-overload group stays as it was.
      if (isStandardOverloadGroup(modelIndex_)) tick(Ctl::Check3D1_0, false);
      enable(Ctl::Check3D1_0, true);
      setFocus(Ctl::Check3D1_0);
      hide(Ctl::Label3);
      return;
    case OverloadOffer::NotAvailable:
      tick(Ctl::Check3D1_0, false);
      enable(Ctl::Check3D1_0, false);
      hide(Ctl::Label3);
      break;
    case OverloadOffer::IncludedAsStandard:
      tick(Ctl::Check3D1_0, true);
      enable(Ctl::Check3D1_0, false);
      show(Ctl::Label3);
      break;
  }
  offerAccessory(*accessoryAfter(Accessory::OverloadDevice, modelIndex_, chainCollectorFlag_ != 0));
}

void Configurator::offerAccessory(Accessory a) {
  // The picture beside each accessory box; the assembled accessories have none.
  switch (a) {
    case Accessory::ChainCollector:
      show(Ctl::Picture11);
      break;
    case Accessory::ChainStop:
      show(Ctl::Picture10);
      break;
    case Accessory::SafetyHook:
      show(Ctl::Picture9);
      break;
    default:
      break;
  }
  const Ctl box = check3D1(element(a));
  show(box);
  setFocus(box);
}

// ---- Load, variant, New File

void Configurator::LaddaComboPXH() {
  modelList_.clear();
  if (!variant_) {
    say(StepMessage{{}, std::nullopt, {}, true, true});
    return;
  }
  // The longer labels of the continental languages take the space of two lines.
  controlLengthLabelTop_ = isContinentalVariant(*variant_) ? 1740 : 1920;
  modelList_ = modelListNames(*variant_, checked(Ctl::chkLubeFree));
  modelText_ = modelList_.value(0);
}

std::optional<VariantId> Configurator::variantOfKey(const QString& languageKey) {
  const std::optional<Variant> v = variantByKey(languageKey);
  return v ? std::optional<VariantId>(v->id) : std::nullopt;
}

void Configurator::load(const QString& languageKey) {
  variant_ = variantOfKey(languageKey);
  LaddaComboPXH();
  const DefaultModel model = defaultModel(modelVariant());
  currentModel_ = model.name;
  modelIndex_ = static_cast<std::int16_t>(model.modelIndex);
  setFocus(Ctl::ComboPXH);
  dropDownRequest_ = true;
  select(Ctl::optTypeOfChain1);
  settle();
}

void Configurator::resetConfiguration() {
  ResetFromStep(0);
  settle();
}

void Configurator::changeVariant(const QString& languageKey) {
  resetConfiguration();
  load(languageKey);
}

void Configurator::newFile() {
  ResetFromStep(0);
  comboKeyDownFlag_ = 0;
  settle();
  // As Alt+Down on the model list: the list drops down.
  if (focused_ == Ctl::ComboPXH) dropDownRequest_ = true;
}

void Configurator::minimised() {
  minimizedFlag_ = 1;
  SetTabStops(true);
}
