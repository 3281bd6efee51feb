// A saved configuration walked through the steps: each answer is given as the user would give
// it, through the same rules, and the walk stops at the first answer the rules turn down.
#include "configurator/model_catalogue.h"
#include "configurator/numeric_inputs.h"
#include "configurator/step_rules.h"
#include "main_window/configurator.h"

namespace {

// Lengths are typed into the boxes through the key filter, which makes a comma a period.
QString asTyped(const QString& length) {
  QString text = length;
  text.replace(QLatin1Char(','), QLatin1Char('.'));
  return text;
}

}  // namespace

std::optional<StepMessage> Configurator::apply(const Configuration& c, const QString& languageKey) {
  clearRefusal();
  unanswered_.reset();
  auto refused = [this] { return refusal_.has_value(); };
  // The walk waits at a step whose answer the configuration does not hold, as the window waits
  // for the user: that is no refusal, and the window says nothing, but nothing is listed either.
  auto waitFor = [this](StepMessage message) {
    message.refusal = false;
    unanswered_ = std::move(message);
    return refusal_;
  };
  auto waitWith = [&](MissingAnswer missing) {
    return waitFor(StepMessage{missingAnswerText(missing), std::nullopt, {}});
  };
  // The step that has the focus, by the frame of its options.
  auto atStep = [this](Ctl frame) { return frameOf(focused_) == frame; };
  // An option the model, or the answers before it, do not offer, named by its caption.
  auto notOffered = [this](std::optional<Text> caption, const QString& suffix) {
    say(StepMessage{{}, caption, suffix + notOfferedTail(currentModel_)});
    return refusal_;
  };

  // Another variant means a full reload; in the same one a fresh start is enough.
  if (variantOfKey(languageKey) != variant_ || modelList_.isEmpty()) {
    changeVariant(languageKey);
  } else {
    ResetFromStep(0);
    comboKeyDownFlag_ = 0;
    settle();
  }
  if (refused()) return refusal_;
  if (checked(Ctl::chkLubeFree) != c.lubeFree) lubeFreeChanged(c.lubeFree);
  takeDropDownRequest();
  // A discount was asked for with the D key in the model list.
  if (c.discountAsked || c.discount > 0) comboKeyDownFlag_ = -1;

  if (!modelColumns(c.model, modelVariant())) {
    say(StepMessage{unknownModelMessage(c.model), std::nullopt, {}, true, false});
    return refusal_;
  }
  focusControl(Ctl::ComboPXH);
  modelTyped(c.model);
  stepKey(Ctl::ComboPXH, Key::Enter);
  if (refused()) return refusal_;
  // A model without the stainless-steel chain takes the tick as cleared, as its window does.
  if (shown(Ctl::chkStainless)) stainlessClicked(c.stainlessChain);

  if (c.liftHeight.isEmpty()) return waitFor(StepMessage{{}, Text::EnterLiftHeight, {}});
  focusControl(Ctl::LiftHeightB);
  liftHeightTyped(asTyped(c.liftHeight));
  stepKey(Ctl::LiftHeightB, Key::Enter);
  if (refused()) return refusal_;

  if (!shown(Ctl::ControlLengthB)) return waitFor(StepMessage{{}, Text::EnterLiftHeight, {}});
  if (c.controlLength.isEmpty()) return waitFor(StepMessage{{}, Text::EnterControlLength, {}});
  controlLengthTyped(asTyped(c.controlLength));
  stepKey(Ctl::ControlLengthB, Key::Enter);
  if (refused()) return refusal_;
  if (shown(Ctl::optChoose0)) {
    // The feet prompt waits for one of its two values.
    say(StepMessage{{},
                    Text::WholeMetresOnly,
                    QStringLiteral(" (%1 ft, %2 ft)").arg(feetChoices_[0], feetChoices_[1]),
                    true,
                    false});
    return refusal_;
  }

  if (!shown(Ctl::Frame3DTrolley)) return waitFor(StepMessage{{}, Text::EnterControlLength, {}});
  if (!c.trolley) return waitWith(MissingAnswer::Trolley);
  const Ctl trolley = opt3DTrolley(element(*c.trolley));
  if (!control(trolley).enabled) {
    const StepCaption& caption = trolleyCaptions_[static_cast<std::size_t>(element(*c.trolley))];
    return notOffered(caption.text, caption.suffix);
  }
  optionClicked(trolley);
  stepKey(trolley, Key::Enter);
  if (refused()) return refusal_;

  // Models ordered without their control device complete the hoist controls by themselves.
  if (atStep(Ctl::Frame3DHoistControls)) {
    if (!c.hoistControl) return waitWith(MissingAnswer::HoistControl);
    const Ctl option = opt3DHoistControl(element(*c.hoistControl));
    if (!shown(option)) {
      static constexpr Text kCaptions[] = {Text::PullChain, Text::TwoButton, Text::TwistRod,
                                           Text::FourButton, Text::HookMountedLabel};
      return notOffered(kCaptions[element(*c.hoistControl)], {});
    }
    optionClicked(option);
    if (refused()) return refusal_;
    if (shown(Ctl::Check3D1_4)) ticked(Ctl::Check3D1_4, c.articulation);
    stepKey(focused_, Key::Enter);
    if (refused()) return refusal_;
  }

  // The heavy hoists' trolley control waits, with a choice made beforehand, for the user's.
  if (atStep(Ctl::Frame3DTrolleyControls)) {
    if (!c.trolleyControl) return waitWith(MissingAnswer::TrolleyControl);
    const Ctl option = opt3DTrolleyControls(element(*c.trolleyControl));
    if (!shown(option)) {
      static constexpr Text kCaptions[] = {Text::PullChain, Text::TwoButton};
      return notOffered(kCaptions[element(*c.trolleyControl)], {});
    }
    optionClicked(option);
    if (refused()) return refusal_;
    stepKey(focused_, Key::Enter);
    if (refused()) return refusal_;
  }

  // The accessories one box at a time, each ticked as saved and confirmed with Enter.
  for (int step = 0; step < 6; ++step) {
    const int box = elementOf(focused_);
    if (focused_ < Ctl::Check3D1_0 || focused_ > Ctl::Check3D1_5 ||
        box == element(Accessory::Articulation))
      break;
    for (std::size_t i = 0; i < kConfiguredAccessories.size(); ++i)
      if (element(kConfiguredAccessories[i]) == box && control(focused_).enabled)
        ticked(focused_, c.accessories[i]);
    stepKey(focused_, Key::Enter);
    if (refused()) return refusal_;
  }

  if (shown(Ctl::RabattB)) {
    discountTyped(QString::number(c.discount));
    stepKey(Ctl::RabattB, Key::Enter);
    if (refused()) return refusal_;
  }
  if (!shown(Ctl::Printerutskrift)) return waitWith(MissingAnswer::OutputNotReached);
  return refusal_;
}
