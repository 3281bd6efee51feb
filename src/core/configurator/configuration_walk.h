// The configuration walk: the answers of a configuration given one at a time, in the order of
// the guided steps, through the same rules as the main window. After each answer it says which
// step is next, what that step offers, the notes the answer brought and the refusal that turned
// it down; at the end it gives the configured hoist that the outputs read.
//
// A refused answer, and an answer that is missing or empty, leaves the walk at its step (or, where
// only an earlier answer can mend it, at that earlier step) with the problem that says why; the
// step can be answered again. An answer given again to an earlier step starts the walk over from
// that step, as a change in the window clears the steps after it.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "common/problem.h"
#include "common/variants.h"
#include "configurator/configuration.h"
#include "configurator/configured_hoist.h"
#include "configurator/model_rules.h"
#include "configurator/step_rules.h"

// The steps, in order.
enum class WalkStep {
  Model,  // the lube-free choice may be changed here as well
  StainlessChain,
  LiftHeight,
  ControlLength,
  FeetValue,  // US Imperial: the control length typed was not a whole number of metres
  Trolley,
  HoistControl,
  Articulation,
  TrolleyControl,
  Accessory,
  Discount,
  Done,
};

// A message that turns nothing down: the lead, a text of the catalogue, and what follows it.
struct WalkNote {
  QString lead;
  std::optional<Text> text;
  QString tail;
  // The note in words, with the catalogue's texts when there are any.
  QString in(const TextCatalogueArray* texts) const {
    return lead + (text && texts ? (*texts)[*text] : QString()) + tail;
  }
  friend bool operator==(const WalkNote&, const WalkNote&) = default;
};

// What the next step offers.
struct WalkOffer {
  QStringList models;     // Model: the names of the model list, lube-free or not
  bool lubeFree = false;  // Model: the list is the lube-free one
  // FeetValue: the feet values of the whole metres just below and just above the typed length.
  std::array<QString, 2> feetValues{};
  // Trolley: the five options by Trolley value, with their captions and beam widths.
  std::array<TrolleyOption, 5> trolleys{};
  // HoistControl: the options by HoistControl value, and the one the step starts on.
  std::array<bool, 5> hoistControls{};
  std::optional<HoistControl> hoistControl;
  // TrolleyControl: the options by TrolleyControl value, and the one the step starts on.
  std::array<bool, 2> trolleyControls{};
  std::optional<TrolleyControl> trolleyControl;
  // Accessory: the accessory asked, and its tick as the step shows it. The overload device,
  // where it is no choice, is ticked (included as standard) or not (not available) beforehand.
  std::optional<Accessory> accessory;
  bool accessoryTicked = false;
  OverloadOffer overload = OverloadOffer::Optional;
  // Discount: whether it has been asked for; a walk that has not waits for askDiscount().
  bool discountAsked = false;
};

class ConfigurationWalk {
 public:
  explicit ConfigurationWalk(VariantId variant = VariantId::EnglishEuropean);

  // ---- The answers, in the order of the steps. Each returns true when it was taken.
  // A variant starts the walk anew, with the standard model list.
  bool variant(VariantId id);
  // The lube-free execution, which changes the model list: the walk starts again at the model.
  bool lubeFree(bool on);
  // The model's name as the model list shows it; names the list does not offer but the program
  // recognises are taken as well.
  bool model(const QString& name);
  bool stainlessChain(bool on);
  // The lengths as typed (metres, feet in US Imperial); a comma reads as a decimal point.
  bool liftHeight(const QString& typed);
  bool controlLength(const QString& typed);
  // One of the two feet values the FeetValue step offers, as it offers them.
  bool feetValue(const QString& value);
  bool trolley(std::optional<Trolley> choice);
  bool hoistControl(std::optional<HoistControl> choice);
  bool articulation(bool on);
  bool trolleyControl(std::optional<TrolleyControl> choice);
  // The tick of the accessory the step asks for.
  bool accessory(bool ticked);
  // Whether the discount is asked for (the D key of the model list). It may be given at any step;
  // at the Discount step, false completes the walk without a discount.
  bool askDiscount(bool asked);
  // The discount in percent, 0 to 99; it implies that the discount is asked for.
  bool discount(int percent);

  // ---- What the walk says
  WalkStep step() const { return step_; }
  const WalkOffer& offer() const { return offer_; }
  // The notes of the last answer.
  const std::vector<WalkNote>& notes() const { return notes_; }
  // Why the last answer was not taken; none when it was.
  const std::optional<Problem>& problem() const { return problem_; }
  // The hoist as the answers so far give it; complete at the step Done.
  ConfiguredHoist hoist() const;
  VariantId variantId() const { return variant_; }

  // A saved configuration walked to its end: the configured hoist, or the problem of the first
  // answer the walk refused or found missing. The notes of the answers are added to `notes`
  // when it is given.
  static Result<ConfiguredHoist> apply(const Configuration& configuration,
                                       std::vector<WalkNote>* notes = nullptr);

  // Which answers a configuration given in part holds, beyond those it marks as not given itself
  // (an empty length, a trolley or control without a value): a web page walking the steps sends
  // the answers it has so far.
  struct Given {
    bool model = true;
    bool stainlessChain = true;
    bool articulation = true;
    std::array<bool, 5> accessories{true, true, true, true, true};  // by kConfiguredAccessories
    // US Imperial: the feet value chosen where the control length typed is not whole metres.
    QString feetValue;
  };
  // The configuration's answers in order, as far as they go: the walk stops at the step whose
  // answer `given` (or the configuration) does not hold, where it offers what that step offers,
  // or at the answer it refused, with its problem, or at the end. The notes of all the answers
  // taken are added to `notes`. Without `given` a missing answer is refused, as apply() does.
  static ConfigurationWalk answered(const Configuration& configuration, const Given* given,
                                    std::vector<WalkNote>* notes = nullptr);

 private:
  void open(WalkStep s);
  // Starts the answer of a step: the walk is at it, or goes back to it from a later one.
  bool at(WalkStep expected);
  bool refuse(std::optional<Text> text, const QString& what, WalkStep stayAt);
  bool refuseNotOffered(std::optional<Text> caption, const QString& suffix, WalkStep stayAt);
  void startModelStep();
  void openTrolleyStep(const std::array<TrolleyOption, 5>& options);
  bool openHoistControlStep();
  bool completeHoistControl();
  void openAccessoryStep();
  void askAccessory(Accessory a);
  bool imperial() const;

  VariantId variant_ = VariantId::EnglishEuropean;
  WalkStep step_ = WalkStep::Model;
  std::array<bool, 12> visited_{};  // by WalkStep: the steps the walk has opened
  WalkOffer offer_;
  std::vector<WalkNote> notes_;
  std::optional<Problem> problem_;

  bool lubeFree_ = false;
  bool discountAsked_ = false;
  QString model_;
  int modelIndex_ = 0;
  int hoistColumn_ = 0;
  bool stainless_ = false;
  double liftHeight_ = 0;  // metres
  int chainLength_ = 0;
  int chainCollectorFlag_ = 0;
  int controlLength_ = 0;  // whole metres
  std::optional<Trolley> trolley_;
  QString trolleyDesignation_;
  std::optional<HoistControl> hoistControl_;
  bool articulation_ = false;
  std::optional<TrolleyControl> trolleyControl_;
  std::optional<Accessory> asked_;
  std::array<bool, 6> accessories_{};
  int discount_ = 0;
};
