// The decisions of the guided steps that the configuration walk and the main window's step driver
// both take: which trolleys, hoist controls and trolley controls a step offers, which answers it
// turns down, and the order of the accessories. One place for each, so that the window and a
// saved configuration cannot come to different hoists.
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "configurator/configuration.h"
#include "configurator/model_rules.h"
#include "data/text_catalogue.h"

// What follows the caption of an option that a step does not offer the model, in the program's
// own words: ": not offered for the <model> with the answers of the steps before."
QString notOfferedTail(const QString& model);

// The answers a saved configuration can leave out whose step has no text of the catalogue to
// ask for them, and the end a configuration must reach to be listed.
enum class MissingAnswer { Trolley, HoistControl, TrolleyControl, OutputNotReached };
// Its words, in the program's own texts: "The trolley is not chosen." and so on.
QString missingAnswerText(MissingAnswer missing);

// ---- Trolleys

// A trolley option as the trolley step offers it: its caption (a text of the catalogue and what
// follows it, a blank and the beam-width range) and whether it can be chosen.
struct TrolleyOption {
  std::optional<Text> caption;  // none for "None", whose caption the window keeps
  QString suffix;
  bool offered = true;
};
// The five options by Trolley value; none for a model without beam-width ranges.
std::optional<std::array<TrolleyOption, 5>> trolleyOptions(const QString& model, bool imperial);

// A motor-driven trolley.
bool isMotorTrolley(std::optional<Trolley> trolley);

// ---- Hoist controls

// The hoist controls the step offers for a model and trolley. A model ordered without its
// control device ("P2", "P4") has one choice, which completes the step by itself.
struct HoistControlOptions {
  std::array<bool, 5> offered{};  // by HoistControl value
  std::optional<HoistControl> completesWith;
};
HoistControlOptions hoistControlOptions(const QString& model, std::optional<Trolley> trolley);

// The message that turns a hoist control down for the lift height (metres) and control length
// (whole metres); none when it is taken.
std::optional<Text> hoistControlRefusal(HoistControl choice, double liftHeight, int controlLength);

// The twist rod of 3 or 4 m asks whether it has the articulation.
bool asksArticulation(HoistControl choice, int controlLength);

// ---- Trolley controls

// The trolley-control step, which a motor trolley needs unless the 4-button control steers it.
struct TrolleyControlOptions {
  std::array<bool, 2> offered{};  // by TrolleyControl value
  TrolleyControl preselected = TrolleyControl::TwoButton;
  // The heavy models let the user choose; the light ones take the 2-button control only, and
  // the step completes by itself.
  bool userChooses = false;
};
// None when no trolley control is asked for.
std::optional<TrolleyControlOptions> trolleyControlOptions(int modelIndex,
                                                           std::optional<Trolley> trolley,
                                                           std::optional<HoistControl> hoist,
                                                           int controlLength);

// The message that turns a trolley control down for the control length; none when it is taken.
std::optional<Text> trolleyControlRefusal(TrolleyControl choice, int controlLength);

// ---- Accessories

// The accessory asked after the one confirmed (Articulation belongs to the hoist controls and has
// none); none after Assembled, which leads to the discount or the output.
std::optional<Accessory> accessoryAfter(Accessory confirmed, int modelIndex,
                                        bool chainCollectorBlocked);
// The first accessory the step asks for.
Accessory firstAccessory(OverloadOffer overload, int modelIndex, bool chainCollectorBlocked);
