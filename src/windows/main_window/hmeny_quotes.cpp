// The main window's side of quotes: File > New Quote and File > Quote Register, the finished
// configuration a quote takes from the steps, and a position put back into them.
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <exception>

#include "main_window/hmeny.h"
#include "quotes/quote_file.h"
#include "quotes/quote_pricing.h"
#include "quotes/quote_window.h"
#include "quotes/register_window.h"
#include "startup/program_state.h"
#include "widgets/services.h"

namespace {

// Whether the file says it is a quote file (version 2), whatever else is wrong with it.
bool declaresQuoteFile(const QString& file) {
  const QFileInfo info(file);
  if (!info.isFile() || info.size() > kMaxQuoteFileBytes) return false;
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return false;
  const QJsonDocument document = QJsonDocument::fromJson(f.readAll());
  return document.isObject() && document.object().value(QLatin1String("telmaris")).toInt() == 2;
}

void bringUp(QWidget& window) {
  if (window.windowState() & Qt::WindowMinimized) window.setWindowState(Qt::WindowNoState);
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace

QuoteWindow& HMeny::openQuoteWindow() {
  if (!quoteWindow_) quoteWindow_ = std::make_unique<QuoteWindow>(state_, services_, *this);
  bringUp(*quoteWindow_);
  return *quoteWindow_;
}

void HMeny::NewQuote_Click() {
  const bool existed = quoteWindow_ != nullptr;
  QuoteWindow& window = openQuoteWindow();
  // A window left empty is the new quote already.
  if (existed && (window.modified() || !window.quote().positions.empty() || window.readOnly()))
    window.newQuote();
}

void HMeny::mnuQuoteRegister_Click() {
  if (!registerWindow_)
    registerWindow_ = std::make_unique<RegisterWindow>(state_, services_, *this);
  if (!registerWindow_->refresh()) return;
  bringUp(*registerWindow_);
  registerWindow_->txtSearch->setFocus();
}

std::optional<Configuration> HMeny::finishedConfiguration() {
  // The steps must have reached the output buttons, and a box being typed in is confirmed
  // first, as pressing the print button confirms it.
  if (!engine_.shown(Ctl::Printerutskrift)) {
    services_.message(this,
                      tr("The configuration in the main window is not finished yet: answer its "
                         "steps until the print buttons show, then add it to the quote."),
                      kDefaultMessageTitle, MsgIcon::Warning);
    return std::nullopt;
  }
  if (!commitPendingEdit(Ctl::Printerutskrift) || !outputReady()) return std::nullopt;
  const Configuration configuration = currentConfiguration();
  try {
    // Walked as the quote's pricing walks it, so that a position is refused here rather than
    // when the quote is printed.
    (void)priceQuote(quoteOf(configuration), state_);
  } catch (const Failure& e) {
    showProblem(services_, this, e.problem(), state_.TextCatalogue,
                tr("This configuration cannot be taken into a quote."));
    return std::nullopt;
  } catch (const std::exception& e) {
    showProblem(services_, this, unforeseenProblem(e, state_.Directory.database()),
                state_.TextCatalogue, tr("This configuration cannot be taken into a quote."));
    return std::nullopt;
  }
  return configuration;
}

bool HMeny::openInSteps(const Configuration& configuration) {
  bringUp(*this);
  try {
    if (!maySetConfigurationAside()) return false;
    openConfiguration(configuration);
    configurationFromQuote_ = currentConfiguration();
    return true;
  } catch (const Failure& e) {
    showProblem(services_, this, e.problem(), state_.TextCatalogue,
                tr("The configuration cannot be opened."));
  } catch (const std::exception& e) {
    showProblem(services_, this, unforeseenProblem(e, state_.Directory.database()),
                state_.TextCatalogue, tr("The configuration cannot be opened."));
  }
  return false;
}

bool HMeny::openAsQuoteFile(const QString& file) {
  if (!declaresQuoteFile(file)) return false;
  const Result<Quote> read = readQuoteFile(file);
  if (!read) {
    showProblem(services_, this, read.problem(), state_.TextCatalogue,
                tr("The quote cannot be opened."));
    return true;
  }
  openQuoteWindow().openQuote(*read, file);
  return true;
}
