// The configuration walk, step by step.
#include "configurator/configuration_walk.h"

#include <QCoreApplication>

#include "common/number_format.h"
#include "common/units.h"
#include "configurator/hoist_model.h"
#include "configurator/model_catalogue.h"
#include "configurator/numeric_inputs.h"

namespace {

// Lengths are typed through the key filter of the length boxes, which makes a comma a period.
QString asTyped(const QString& length) {
  QString text = length;
  text.replace(QLatin1Char(','), QLatin1Char('.'));
  // A text with an asterisk reads as the replacement value 0, as in every box.
  if (text.contains(QLatin1Char('*'))) text = QStringLiteral("0");
  return text;
}

QString translated(const char* text) {
  return QCoreApplication::translate("Configurator", text);
}

Problem refusal(std::optional<Text> text, const QString& what) {
  return Problem{Problem::Kind::Refused, {}, what, text};
}

constexpr std::size_t index(WalkStep s) {
  return static_cast<std::size_t>(s);
}

}  // namespace

ConfigurationWalk::ConfigurationWalk(VariantId variant) {
  this->variant(variant);
}

bool ConfigurationWalk::imperial() const {
  return isImperialVariant(variant_);
}

// ---- Moving between the steps

void ConfigurationWalk::open(WalkStep s) {
  step_ = s;
  visited_[index(s)] = true;
}

bool ConfigurationWalk::at(WalkStep expected) {
  notes_.clear();
  problem_.reset();
  if (expected == step_) return true;
  if (expected < step_ && visited_[index(expected)]) {
    // An earlier step answered again: the steps after it are to be walked anew.
    for (std::size_t s = index(expected) + 1; s < visited_.size(); ++s) visited_[s] = false;
    step_ = expected;
    if (expected == WalkStep::Accessory) openAccessoryStep();
    return true;
  }
  problem_ = Problem{Problem::Kind::Usage,
                     {},
                     QCoreApplication::translate(
                         "Configurator", "the walk has not reached the step of this answer"),
                     std::nullopt};
  return false;
}

bool ConfigurationWalk::refuse(std::optional<Text> text, const QString& what, WalkStep stayAt) {
  problem_ = refusal(text, what);
  if (stayAt != step_) {
    for (std::size_t s = index(stayAt) + 1; s < visited_.size(); ++s) visited_[s] = false;
    step_ = stayAt;
  }
  return false;
}

bool ConfigurationWalk::refuseNotOffered(std::optional<Text> caption, const QString& suffix,
                                         WalkStep stayAt) {
  return refuse(caption, suffix + notOfferedTail(model_), stayAt);
}

// ---- Variant, lube-free execution and model

bool ConfigurationWalk::variant(VariantId id) {
  variant_ = id;
  lubeFree_ = false;
  discountAsked_ = false;
  hoistColumn_ = 0;
  notes_.clear();
  problem_.reset();
  startModelStep();
  return true;
}

bool ConfigurationWalk::lubeFree(bool on) {
  notes_.clear();
  problem_.reset();
  lubeFree_ = on;
  startModelStep();
  return true;
}

void ConfigurationWalk::startModelStep() {
  offer_ = WalkOffer{};
  offer_.models = modelListNames(variant_, lubeFree_);
  offer_.lubeFree = lubeFree_;
  offer_.discountAsked = discountAsked_;
  visited_ = {};
  open(WalkStep::Model);
  // Until a model is confirmed the walk holds the load's default one.
  const DefaultModel fallback = defaultModel(variant_);
  model_ = fallback.name;
  modelIndex_ = fallback.modelIndex;
  stainless_ = false;
  liftHeight_ = 0;
  chainLength_ = 0;
  chainCollectorFlag_ = 0;
  controlLength_ = 0;
  trolley_.reset();
  trolleyDesignation_.clear();
  hoistControl_.reset();
  articulation_ = false;
  trolleyControl_.reset();
  asked_.reset();
  accessories_ = {};
  discount_ = 0;
}

bool ConfigurationWalk::model(const QString& name) {
  if (!at(WalkStep::Model)) return false;
  const std::optional<ModelColumns> columns = modelColumns(name, variant_);
  if (!columns) return refuse(std::nullopt, unknownModelMessage(name), WalkStep::Model);
  model_ = name;
  if (isPhasedOutModel(name))
    notes_.push_back(WalkNote{name + QStringLiteral(": "), Text::PhasedOut, {}});
  modelIndex_ = columns->modelIndex;
  hoistColumn_ = columns->hoistColumn;
  stainless_ = false;
  open(offersStainlessChain(modelIndex_) ? WalkStep::StainlessChain : WalkStep::LiftHeight);
  return true;
}

bool ConfigurationWalk::stainlessChain(bool on) {
  if (!at(WalkStep::StainlessChain)) return false;
  stainless_ = on;
  open(WalkStep::LiftHeight);
  return true;
}

// ---- Lift height, control length and the feet value

bool ConfigurationWalk::liftHeight(const QString& typed) {
  if (!at(WalkStep::LiftHeight)) return false;
  liftHeight_ = 0;
  if (typed.isEmpty()) return refuse(Text::EnterLiftHeight, {}, WalkStep::LiftHeight);
  const QString text = asTyped(typed);
  const double upper = liftHeightUpperBound(::liftHeightLimit(model_), imperial());
  const double value = parseLeadingNumber(text);
  const double metres = imperial() ? value * kMetresPerFoot : value;
  if (metres <= 0) return refuse(Text::EnterLiftHeight, {}, WalkStep::LiftHeight);
  if (fieldColour(value, 1, upper) == FieldColour::Red)
    return refuse(Text::LiftHeightAboveMaximum,
                  QStringLiteral(": ") + FormatNumber(upper, QStringLiteral("###")),
                  WalkStep::LiftHeight);
  liftHeight_ = metres;
  if (const std::optional<std::int16_t> chain = ::chainLength(modelIndex_, liftHeight_))
    chainLength_ = *chain;
  chainCollectorFlag_ = chainCollectorBlocked(modelIndex_, chainLength_) ? 1 : 0;
  // Only the chain collector is ruled out; the lift height stands.
  if (chainCollectorFlag_ == 1) notes_.push_back(WalkNote{{}, chainRule(modelIndex_)->message, {}});
  open(WalkStep::ControlLength);
  return true;
}

namespace {

// The control length a text gives in whole metres, and whether the box shows it as too long or
// not whole.
struct TypedControlLength {
  int metres;
  bool red;
};
TypedControlLength readControlLength(const QString& text, bool imperial) {
  const double lower = imperial ? 1 / kMetresPerFoot : 1;
  std::int16_t length = toInt16(parseLeadingNumber(text));
  const bool red =
      fieldColour(length, lower, 99) == FieldColour::Red || text.contains(QLatin1Char('.'));
  if (imperial) length = feetToWholeMetres(length);
  return {length, red};
}

}  // namespace

bool ConfigurationWalk::controlLength(const QString& typed) {
  if (!at(WalkStep::ControlLength)) return false;
  controlLength_ = 0;
  if (typed.isEmpty()) return refuse(Text::EnterControlLength, {}, WalkStep::ControlLength);
  QString text = asTyped(typed);
  if (parseLeadingNumber(text) <= 0)
    return refuse(Text::EnterControlLength, {}, WalkStep::ControlLength);
  const std::optional<std::array<TrolleyOption, 5>> trolleys = trolleyOptions(model_, imperial());
  if (!trolleys) return refuse(std::nullopt, unknownModelMessage(model_), WalkStep::Model);

  TypedControlLength length = readControlLength(text, imperial());
  bool feetPrompt = false;
  if (!imperial()) {
    // Less than a metre counts as one; a length that is not whole is rounded half to even.
    if (length.metres < 1) length = readControlLength(QStringLiteral("1"), false);
  } else {
    const double feet = parseLeadingNumber(text);
    if (feet < 3.3) {
      text = QStringLiteral("3.3");
      length = readControlLength(text, true);
    } else {
      offer_.feetValues = chooseCaptions(feet);
      feetPrompt = text != offer_.feetValues[0] && text != offer_.feetValues[1];
    }
  }
  controlLength_ = length.metres;
  if (controlLength_ > 10 && (isP2Model(model_) || isP4Model(model_)))
    return refuse(Text::PushButtonsUpTo10m, {}, WalkStep::ControlLength);
  if (feetPrompt) {
    open(WalkStep::FeetValue);
    return true;
  }
  openTrolleyStep(*trolleys);
  return true;
}

bool ConfigurationWalk::feetValue(const QString& value) {
  if (!at(WalkStep::FeetValue)) return false;
  const std::array<QString, 2>& values = offer_.feetValues;
  if (value.isEmpty() || (value != values[0] && value != values[1]))
    return refuse(Text::WholeMetresOnly,
                  QStringLiteral(" (%1 ft, %2 ft)").arg(values[0], values[1]), WalkStep::FeetValue);
  const std::optional<std::array<TrolleyOption, 5>> trolleys = trolleyOptions(model_, imperial());
  if (!trolleys) return refuse(std::nullopt, unknownModelMessage(model_), WalkStep::Model);
  controlLength_ = readControlLength(value, true).metres;
  openTrolleyStep(*trolleys);
  return true;
}

// ---- Trolley, hoist controls and trolley controls

void ConfigurationWalk::openTrolleyStep(const std::array<TrolleyOption, 5>& options) {
  offer_.trolleys = options;
  // The step starts on "None".
  trolley_ = Trolley::None;
  trolleyDesignation_.clear();
  open(WalkStep::Trolley);
}

bool ConfigurationWalk::trolley(std::optional<Trolley> choice) {
  if (!at(WalkStep::Trolley)) return false;
  if (!choice)
    return refuse(std::nullopt, missingAnswerText(MissingAnswer::Trolley), WalkStep::Trolley);
  const TrolleyOption& option = offer_.trolleys[static_cast<std::size_t>(element(*choice))];
  if (!option.offered) return refuseNotOffered(option.caption, option.suffix, WalkStep::Trolley);
  trolley_ = choice;
  trolleyDesignation_ =
      *choice == Trolley::None
          ? QString()
          : trolleyDesignation(model_, isMotorTrolley(choice)).value_or(QString());
  return openHoistControlStep();
}

bool ConfigurationWalk::openHoistControlStep() {
  const HoistControlOptions options = hoistControlOptions(model_, trolley_);
  offer_.hoistControls = options.offered;
  offer_.hoistControl = HoistControl::PullChain;
  hoistControl_ = HoistControl::PullChain;
  articulation_ = false;
  trolleyControl_.reset();
  open(WalkStep::HoistControl);
  // A model ordered without its control device has the one choice, taken at once.
  if (options.completesWith) return hoistControl(options.completesWith);
  return true;
}

bool ConfigurationWalk::hoistControl(std::optional<HoistControl> choice) {
  if (!at(WalkStep::HoistControl)) return false;
  if (!choice)
    return refuse(std::nullopt, missingAnswerText(MissingAnswer::HoistControl),
                  WalkStep::HoistControl);
  const std::size_t e = static_cast<std::size_t>(element(*choice));
  if (!offer_.hoistControls[e]) {
    static constexpr Text kCaptions[] = {Text::PullChain, Text::TwoButton, Text::TwistRod,
                                         Text::FourButton, Text::HookMountedLabel};
    return refuseNotOffered(kCaptions[e], {}, WalkStep::HoistControl);
  }
  articulation_ = false;
  if (const std::optional<Text> refused =
          hoistControlRefusal(*choice, liftHeight_, controlLength_)) {
    // The step falls back on the pull chain.
    hoistControl_ = HoistControl::PullChain;
    return refuse(refused, {}, WalkStep::HoistControl);
  }
  hoistControl_ = choice;
  if (asksArticulation(*choice, controlLength_)) {
    open(WalkStep::Articulation);
    return true;
  }
  return completeHoistControl();
}

bool ConfigurationWalk::articulation(bool on) {
  if (!at(WalkStep::Articulation)) return false;
  articulation_ = on;
  return completeHoistControl();
}

bool ConfigurationWalk::completeHoistControl() {
  const std::optional<TrolleyControlOptions> options =
      trolleyControlOptions(modelIndex_, trolley_, hoistControl_, controlLength_);
  if (!options) {
    trolleyControl_.reset();
    openAccessoryStep();
    return true;
  }
  offer_.trolleyControls = options->offered;
  offer_.trolleyControl = options->preselected;
  trolleyControl_ = options->preselected;
  if (options->userChooses) {
    open(WalkStep::TrolleyControl);
    return true;
  }
  // The one trolley control the light models take is no answer of the user's: only a shorter
  // control device mends a refusal of it.
  if (const std::optional<Text> refused = trolleyControlRefusal(*trolleyControl_, controlLength_))
    return refuse(refused, {}, WalkStep::ControlLength);
  openAccessoryStep();
  return true;
}

bool ConfigurationWalk::trolleyControl(std::optional<TrolleyControl> choice) {
  if (!at(WalkStep::TrolleyControl)) return false;
  if (!choice)
    return refuse(std::nullopt, missingAnswerText(MissingAnswer::TrolleyControl),
                  WalkStep::TrolleyControl);
  const std::size_t e = static_cast<std::size_t>(element(*choice));
  if (!offer_.trolleyControls[e]) {
    static constexpr Text kCaptions[] = {Text::PullChain, Text::TwoButton};
    return refuseNotOffered(kCaptions[e], {}, WalkStep::TrolleyControl);
  }
  if (const std::optional<Text> refused = trolleyControlRefusal(*choice, controlLength_)) {
    trolleyControl_ = TrolleyControl::PullChain;
    return refuse(refused, {}, WalkStep::TrolleyControl);
  }
  trolleyControl_ = choice;
  openAccessoryStep();
  return true;
}

// ---- Accessories and discount

void ConfigurationWalk::openAccessoryStep() {
  accessories_ = {};
  discount_ = 0;
  const OverloadOffer overload = overloadOffer(modelIndex_, model_);
  offer_.overload = overload;
  accessories_[static_cast<std::size_t>(element(Accessory::OverloadDevice))] =
      overload == OverloadOffer::IncludedAsStandard;
  askAccessory(firstAccessory(overload, modelIndex_, chainCollectorFlag_ != 0));
}

void ConfigurationWalk::askAccessory(Accessory a) {
  asked_ = a;
  offer_.accessory = a;
  offer_.accessoryTicked = accessories_[static_cast<std::size_t>(element(a))];
  open(WalkStep::Accessory);
}

bool ConfigurationWalk::accessory(bool ticked) {
  if (!at(WalkStep::Accessory)) return false;
  const Accessory confirmed = *asked_;
  accessories_[static_cast<std::size_t>(element(confirmed))] = ticked;
  // The chain may have changed since the step was opened: the collector rule is taken again.
  if (confirmed == Accessory::OverloadDevice)
    chainCollectorFlag_ = chainCollectorBlocked(modelIndex_, chainLength_) ? 1 : 0;
  if (const std::optional<Accessory> next =
          accessoryAfter(confirmed, modelIndex_, chainCollectorFlag_ != 0)) {
    askAccessory(*next);
    return true;
  }
  asked_.reset();
  offer_.accessory.reset();
  offer_.discountAsked = discountAsked_;
  discount_ = 0;
  open(WalkStep::Discount);
  return true;
}

bool ConfigurationWalk::askDiscount(bool asked) {
  notes_.clear();
  problem_.reset();
  discountAsked_ = asked;
  offer_.discountAsked = asked;
  if (step_ == WalkStep::Discount && !asked) {
    discount_ = 0;
    open(WalkStep::Done);
  }
  return true;
}

bool ConfigurationWalk::discount(int percent) {
  if (!at(WalkStep::Discount)) return false;
  discountAsked_ = true;
  offer_.discountAsked = true;
  discount_ = toInt16(parseLeadingNumber(QString::number(percent)));
  // A discount above 99 % would leave no net amount; one below 0 would raise the price (the
  // window's box takes digits only and cannot hold one).
  if (fieldColour(discount_, 0, 99) == FieldColour::Red || discount_ < 0)
    return refuse(std::nullopt,
                  translated(QT_TRANSLATE_NOOP("Configurator", "The discount is 0 to 99 %.")),
                  WalkStep::Discount);
  open(WalkStep::Done);
  return true;
}

// ---- The hoist

ConfiguredHoist ConfigurationWalk::hoist() const {
  ConfiguredHoist h;
  h.variant = variant_;
  h.model = model_;
  h.modelIndex = modelIndex_;
  h.hoistColumn = hoistColumn_;
  h.trolleyDesignation = trolleyDesignation_;
  h.chainLength = chainLength_;
  h.chainCollectorFlag = chainCollectorFlag_;
  h.controlLength = controlLength_;
  h.discount = discount_;
  h.hoistControl = hoistControl_;
  h.trolley = trolley_;
  h.trolleyControl = trolleyControl_;
  h.articulation = articulation_;
  h.accessories = accessories_;
  h.accessories[static_cast<std::size_t>(element(Accessory::Articulation))] = articulation_;
  // The chain-type choice is never shown: the list takes the model's own load chain.
  h.chainTypeVisible = false;
  h.chainType = 1;
  h.stainless = stainless_;
  return h;
}

Result<ConfiguredHoist> ConfigurationWalk::apply(const Configuration& c,
                                                 std::vector<WalkNote>* notes) {
  const ConfigurationWalk walk = answered(c, nullptr, notes);
  if (walk.problem()) return *walk.problem();
  if (walk.step() != WalkStep::Done)
    return refusal(std::nullopt, missingAnswerText(MissingAnswer::OutputNotReached));
  return walk.hoist();
}

ConfigurationWalk ConfigurationWalk::answered(const Configuration& c, const Given* given,
                                              std::vector<WalkNote>* notes) {
  ConfigurationWalk walk(c.variant);
  walk.lubeFree(c.lubeFree);
  // A discount was asked for (the D key in the model list); a saved discount asks for it too.
  const bool discountAsked = c.discountAsked || c.discount > 0;
  // Each step's answer, until the walk is done or an answer is refused or missing. Every answer
  // takes the walk to a later step or stops it, so the steps are at most a dozen and the
  // accessories five.
  for (int guard = 0; guard < 32 && walk.step() != WalkStep::Done; ++guard) {
    bool taken = false;
    bool missing = false;  // the answer is not given: the walk waits at its step
    switch (walk.step()) {
      case WalkStep::Model:
        missing = given && !given->model;
        if (!missing) taken = walk.model(c.model);
        break;
      case WalkStep::StainlessChain:
        missing = given && !given->stainlessChain;
        if (!missing) taken = walk.stainlessChain(c.stainlessChain);
        break;
      case WalkStep::LiftHeight:
        missing = given && c.liftHeight.isEmpty();
        if (!missing) taken = walk.liftHeight(c.liftHeight);
        break;
      case WalkStep::ControlLength:
        missing = given && c.controlLength.isEmpty();
        if (!missing) taken = walk.controlLength(c.controlLength);
        break;
      case WalkStep::FeetValue:
        // A saved configuration holds the control length as typed, never a choice of the prompt.
        missing = given && given->feetValue.isEmpty();
        if (!missing) taken = walk.feetValue(given ? given->feetValue : QString());
        break;
      case WalkStep::Trolley:
        missing = given && !c.trolley;
        if (!missing) taken = walk.trolley(c.trolley);
        break;
      case WalkStep::HoistControl:
        missing = given && !c.hoistControl;
        if (!missing) taken = walk.hoistControl(c.hoistControl);
        break;
      case WalkStep::Articulation:
        missing = given && !given->articulation;
        if (!missing) taken = walk.articulation(c.articulation);
        break;
      case WalkStep::TrolleyControl:
        missing = given && !c.trolleyControl;
        if (!missing) taken = walk.trolleyControl(c.trolleyControl);
        break;
      case WalkStep::Accessory: {
        for (std::size_t i = 0; i < kConfiguredAccessories.size(); ++i) {
          if (kConfiguredAccessories[i] != walk.offer().accessory) continue;
          missing = given && !given->accessories[i];
          if (!missing) taken = walk.accessory(c.accessories[i]);
        }
        break;
      }
      case WalkStep::Discount:
        // Without the D key the window completes the walk without asking: so does a page.
        taken = discountAsked ? walk.discount(c.discount) : walk.askDiscount(false);
        break;
      case WalkStep::Done:
        taken = true;
        break;
    }
    if (missing) break;
    if (notes) notes->insert(notes->end(), walk.notes().begin(), walk.notes().end());
    if (!taken) break;
  }
  return walk;
}
