// The shared decisions of the guided steps.
#include "configurator/step_rules.h"

#include <QCoreApplication>

#include "configurator/numeric_inputs.h"

QString notOfferedTail(const QString& model) {
  return QCoreApplication::translate(
             "Configurator", ": not offered for the %1 with the answers of the steps before.")
      .arg(model);
}

QString missingAnswerText(MissingAnswer missing) {
  switch (missing) {
    case MissingAnswer::Trolley:
      return QCoreApplication::translate("Configurator", "The trolley is not chosen.");
    case MissingAnswer::HoistControl:
      return QCoreApplication::translate("Configurator", "The hoist control is not chosen.");
    case MissingAnswer::TrolleyControl:
      return QCoreApplication::translate("Configurator", "The trolley control is not chosen.");
    case MissingAnswer::OutputNotReached:
      break;
  }
  return QCoreApplication::translate("Configurator",
                                     "The configuration does not reach the output buttons.");
}

std::optional<std::array<TrolleyOption, 5>> trolleyOptions(const QString& model, bool imperial) {
  const std::optional<BeamWidths> widths = beamWidths(model, imperial);
  if (!widths) return std::nullopt;
  const QString blank = QStringLiteral(" ");
  std::array<TrolleyOption, 5> options;
  auto option = [&](Trolley t) -> TrolleyOption& {
    return options[static_cast<std::size_t>(element(t))];
  };
  // The models that take only the wide motor trolley have no narrow range to offer.
  const bool manualAndNarrow = !widths->onlyMotorWide;
  option(Trolley::ManualNarrow) = {Text::ManualNarrow, blank + widths->narrow, manualAndNarrow};
  option(Trolley::ManualWide) = {Text::ManualWide, blank + widths->wide, manualAndNarrow};
  option(Trolley::MotorNarrow) = {Text::MotorNarrow, blank + widths->narrow, manualAndNarrow};
  option(Trolley::MotorWide) = {Text::MotorWide, blank + widths->wide, true};
  return options;
}

bool isMotorTrolley(std::optional<Trolley> trolley) {
  return trolley == Trolley::MotorNarrow || trolley == Trolley::MotorWide;
}

HoistControlOptions hoistControlOptions(const QString& model, std::optional<Trolley> trolley) {
  HoistControlOptions options;
  auto offer = [&](HoistControl c) {
    options.offered[static_cast<std::size_t>(element(c))] = true;
  };
  if (isP2Model(model)) {
    offer(HoistControl::TwoButton);
    options.completesWith = HoistControl::TwoButton;
  } else if (isP4Model(model)) {
    offer(HoistControl::FourButton);
    options.completesWith = HoistControl::FourButton;
  } else {
    offer(HoistControl::PullChain);
    offer(HoistControl::TwoButton);
    offer(HoistControl::TwistRod);
    // The 4-button control steers the motor trolley too; without one it is not offered. The
    // hook-mounted 2-button control is not offered by the step at all.
    if (isMotorTrolley(trolley)) offer(HoistControl::FourButton);
  }
  return options;
}

std::optional<Text> hoistControlRefusal(HoistControl choice, double liftHeight, int controlLength) {
  if (choice == HoistControl::TwoButtonHook && liftHeight > 3) return Text::HookMountedUpTo3m;
  if (choice == HoistControl::TwistRod && controlLength >= 5) return Text::TwistRodUpTo4m;
  if ((choice == HoistControl::TwoButton || choice == HoistControl::FourButton) &&
      controlLength > 10)
    return Text::PushButtonsUpTo10m;
  return std::nullopt;
}

bool asksArticulation(HoistControl choice, int controlLength) {
  return choice == HoistControl::TwistRod && (controlLength == 3 || controlLength == 4);
}

std::optional<TrolleyControlOptions> trolleyControlOptions(int modelIndex,
                                                           std::optional<Trolley> trolley,
                                                           std::optional<HoistControl> hoist,
                                                           int controlLength) {
  if (!isMotorTrolley(trolley) || hoist == HoistControl::FourButton) return std::nullopt;
  TrolleyControlOptions options;
  if (isHeavyGroup(modelIndex)) {
    options.offered = {true, true};
    options.userChooses = true;
    // Over 10 m only the pull chain is taken: the step starts on it.
    options.preselected =
        controlLength > 10 ? TrolleyControl::PullChain : TrolleyControl::TwoButton;
  } else {
    options.offered = {false, true};
    options.preselected = TrolleyControl::TwoButton;
  }
  return options;
}

std::optional<Text> trolleyControlRefusal(TrolleyControl choice, int controlLength) {
  if (choice == TrolleyControl::TwoButton && controlLength > 10) return Text::PushButtonsUpTo10m;
  return std::nullopt;
}

std::optional<Accessory> accessoryAfter(Accessory confirmed, int modelIndex,
                                        bool chainCollectorBlocked) {
  switch (confirmed) {
    case Accessory::OverloadDevice:
      return chainCollectorBlocked ? Accessory::ChainStop : Accessory::ChainCollector;
    case Accessory::ChainCollector:
      return Accessory::ChainStop;
    case Accessory::ChainStop:
      return offersSafetyHook(modelIndex) ? Accessory::SafetyHook : Accessory::Assembled;
    case Accessory::SafetyHook:
      return Accessory::Assembled;
    case Accessory::Articulation:
    case Accessory::Assembled:
      break;
  }
  return std::nullopt;
}

Accessory firstAccessory(OverloadOffer overload, int modelIndex, bool chainCollectorBlocked) {
  if (overload == OverloadOffer::Optional) return Accessory::OverloadDevice;
  // The device is no choice: the step begins with the accessory that follows it.
  return *accessoryAfter(Accessory::OverloadDevice, modelIndex, chainCollectorBlocked);
}
