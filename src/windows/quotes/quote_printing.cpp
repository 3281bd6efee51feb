// The positions of a quote walked in a hidden main window for the images on their pages.
#include "quotes/quote_printing.h"

#include <QCoreApplication>

#include "common/variants.h"
#include "data/parts_loader.h"
#include "main_window/configurator.h"
#include "main_window/hmeny.h"
#include "startup/application_setup.h"
#include "startup/program_state.h"
#include "widgets/services.h"

namespace {

// A refusal, or a missing answer, of the window's steps as the list commands give it: a
// refusal with a catalogue text has no lead of its own.
Problem refusalOf(const StepMessage& m) {
  return Problem{Problem::Kind::Refused, {}, m.text ? m.suffix : m.prefix + m.suffix, m.text};
}

// One hidden main window of a variant that walks configurations one after another: a quote of
// a hundred positions makes one window, not a hundred. The window is never shown on the
// screen, and the language of the program's texts is as it was once it is gone.
class HiddenWindow {
 public:
  HiddenWindow(const ProgramDirectory& directory, VariantId variant) {
    state_.LanguageKey = variantOf(variant).languageKey;
    state_.Directory = directory;
  }

  // Throws Failure for a refused or missing answer, and when the window cannot load.
  WalkedWindow walk(const PartsData& data, const Configuration& configuration) {
    Configurator steps;
    std::optional<StepMessage> stop = steps.apply(configuration, state_.LanguageKey);
    if (!stop) stop = steps.unanswered();
    if (stop) throw Failure(refusalOf(*stop));
    if (!window_) {
      window_ = std::make_unique<HMeny>(state_, services_);
      // Laid out and drawn as shown, but never on the screen, where the user works.
      window_->setAttribute(Qt::WA_DontShowOnScreen);
    }
    if (!window_->showWalked(data, steps)) {
      throw Failure(window_->loadProblem().value_or(
          Problem{Problem::Kind::Database, state_.Directory.database(),
                  QStringLiteral("the main window cannot be loaded"), std::nullopt}));
    }
    return WalkedWindow{steps.hoist(), window_->windowImage()};
  }

 private:
  LanguageKept language_;
  ProgramState state_;
  HeadlessServices services_;
  std::unique_ptr<HMeny> window_;
};

// "Position 2" in front of what a position's walk says.
Failure atPosition(const Failure& failure, int number) {
  Problem p = failure.problem();
  const QString position = QCoreApplication::translate("Quotes", "Position %1").arg(number);
  p.where = p.where.isEmpty() ? position : position + QStringLiteral(", ") + p.where;
  return Failure(p);
}

}  // namespace

WalkedWindow walkInHiddenWindow(const ProgramDirectory& directory, const PartsData& data,
                                const Configuration& configuration) {
  HiddenWindow window(directory, configuration.variant);
  return window.walk(data, configuration);
}

PreparedQuoteDocument prepareQuoteDocument(
    const ProgramDirectory& directory, const Quote& quote, const PartsData& data,
    const std::optional<std::vector<OrderingList>>& issuedLists) {
  if (const std::optional<Problem> problem = checkQuote(quote)) throw Failure(*problem);
  PreparedQuoteDocument prepared;
  prepared.pictures.page = readPagePictures(directory);
  const VariantId variant = quote.printVariant();
  HiddenWindow window(directory, variant);
  const bool plain =
      !quote.isQuote() && !issuedLists && quote.positions.front().configuration.variant == variant;
  if (plain) {
    // The window's steps walk the configuration for both the image and the list.
    const QuotePosition& position = quote.positions.front();
    WalkedWindow walked = window.walk(data, position.configuration);
    PricedPosition priced;
    priced.number = 1;
    priced.position = position;
    priced.hoist = walked.hoist;
    priced.list = BuildOrderingList(data, walked.hoist);
    for (const OrderingLine* part : priced.list.parts()) {
      priced.description = part->description;
      break;
    }
    prepared.priced.quote = quote;
    prepared.priced.variant = variant;
    prepared.priced.total = priced.lineTotal();
    prepared.priced.discount = priced.lineDiscount();
    prepared.priced.net = priced.lineNet();
    prepared.priced.positions.push_back(std::move(priced));
    prepared.pictures.windows.push_back(std::move(walked.image));
  } else {
    prepared.priced =
        issuedLists ? pricedWithLists(quote, data, *issuedLists) : priceQuote(quote, data);
    for (const PricedPosition& position : prepared.priced.positions) {
      try {
        prepared.pictures.windows.push_back(
            window.walk(data, position.position.configuration).image);
      } catch (const Failure& e) {
        throw atPosition(e, position.number);
      }
    }
  }
  prepared.labels = QuoteLabels(directory, prepared.priced.variant);
  for (const PricedPosition& position : prepared.priced.positions)
    for (const QString& file :
         missingPagePictures(directory, prepared.pictures.page, position.hoist))
      if (!prepared.missingPictures.contains(file)) prepared.missingPictures << file;
  return prepared;
}

PreparedQuoteDocument prepareQuoteDocument(
    const ProgramDirectory& directory, const Quote& quote,
    const std::optional<std::vector<OrderingList>>& issuedLists) {
  if (const std::optional<Problem> problem = checkQuote(quote)) throw Failure(*problem);
  auto data = std::make_unique<PartsData>();
  loadPartsDatabase(directory.database(), variantOf(quote.printVariant()).languageKey, *data);
  PreparedQuoteDocument prepared = prepareQuoteDocument(directory, quote, *data, issuedLists);
  prepared.data = std::move(data);
  return prepared;
}
