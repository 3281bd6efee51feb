// The price maintenance commands of the Options menu: new prices from a price file or from a
// workbook, each shown before it is written, the price list window, the price history and the
// undo of an import.
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <functional>
#include <new>
#include <vector>

#include "common/file_access.h"
#include "data/database.h"
#include "data/parts_loader.h"
#include "list_window/form3.h"
#include "main_window/hmeny.h"
#include "price_window/form2.h"
#include "prices/price_file.h"
#include "prices/price_history.h"
#include "prices/price_import.h"
#include "prices/workbook_reader.h"
#include "startup/program_state.h"
#include "widgets/busy_cursor.h"
#include "widgets/services.h"

namespace {

// A failure of the price maintenance: a beep, and the message with the record or row at fault.
// The prices were not read in, or the database refused them.
void reportPriceFailure(QWidget* parent, Services& services, const ProgramState& state,
                        const Problem& problem) {
  QApplication::beep();
  const QString lead =
      problem.kind == Problem::Kind::Database
          ? QCoreApplication::translate("Prices", "The parts database refused the prices.")
          : state.TextCatalogue[Text::PricesNotRead];
  showProblem(services, parent, problem, state.TextCatalogue, lead,
              state.TextCatalogue[Text::NewPrices]);
}

// Such a stop of an import or an undo: the transaction that was open has been rolled back, and
// the program goes on as it was.
void reportUnforeseen(QWidget* parent, Services& services, const ProgramState& state,
                      const std::exception& e) {
  QApplication::beep();
  showProblem(services, parent, unforeseenProblem(e), state.TextCatalogue,
              QCoreApplication::translate("Prices", "Nothing has been changed."),
              state.TextCatalogue[Text::NewPrices]);
}

// Reads the price list, shows what it will change, and on OK writes it to the database. A list
// that cannot be read or written is reported with the record or row at fault; the database and
// the prices in memory are then as they were. True when the new prices are in the database.
bool importPriceList(QWidget* parent, Services& services, const ProgramState& state,
                     const QString& file, const std::function<std::vector<PriceEntry>()>& read) {
  try {
    std::vector<PriceEntry> entries;
    PriceImportSummary summary;
    {
      BusyCursor busy(Qt::BusyCursor);
      entries = read();
      summary =
          importPrices(state.Directory.database(), entries, {QFileInfo(file).fileName(), true});
    }
    const QString text = QCoreApplication::translate(
                             "Prices", "%1\n\nOK imports the prices; Cancel changes nothing.\n\n")
                             .arg(withControlsEscaped(QDir::toNativeSeparators(file))) +
                         priceImportReport(summary);
    if (services.report(parent, state.TextCatalogue[Text::NewPrices], text, MsgButtons::OkCancel) ==
        MsgAnswer::Cancel)
      return false;
    BusyCursor busy(Qt::BusyCursor);
    importPrices(state.Directory.database(), entries, {QFileInfo(file).fileName()});
    return true;
  } catch (const Failure& e) {
    reportPriceFailure(parent, services, state, e.problem());
  } catch (const std::exception& e) {
    reportUnforeseen(parent, services, state, e);
  }
  return false;
}

}  // namespace

void HMeny::Newprices_Click() {
  const auto& t = state_.TextCatalogue;
  const QString text = t[Text::PriceFileIntro] + QStringLiteral("  ") + t[Text::UnlistedGetZero] +
                       QStringLiteral("\n") + t[Text::PriceFileForm] + QStringLiteral("\n  ") +
                       t[Text::PriceFileExample] + QStringLiteral("\n") +
                       QStringLiteral("       \"7302 4410 01\",3500\n") +
                       QStringLiteral("       \"7302 4410 19\",45.5\n\n");
  if (services_.message(this, text, t[Text::NewPrices], MsgIcon::None, MsgButtons::OkCancel) ==
      MsgAnswer::Cancel)
    return;
  const QString file =
      services_.askOpenFileName(this, t[Text::OpenPriceFile],
                                {QCoreApplication::translate("Prices", "Price file (*.DAT)"),
                                 QCoreApplication::translate("Prices", "Price file (*.TXT)")},
                                state_.Directory.path());
  if (file.isEmpty()) return;
  if (importPriceList(this, services_, state_, file, [&] { return readPriceFile(file); }))
    reloadAfterNewPrices();
}

void HMeny::reloadAfterNewPrices() {
  form2_->hide();
  form3_->hide();
  // New prices change no answer: the configuration goes through the steps again as Open takes
  // a file, so that the window, Save and the question on leaving see the same answers as
  // before. A window still at its first model list starts anew, as the reload leaves it.
  const bool inProgress = engine_.visible(Ctl::LiftHeightB) || engine_.focus() != Ctl::ComboPXH;
  const Configuration kept = currentConfiguration();
  // The reload chooses the first model again, so the steps of the old one must go.
  engine_.resetConfiguration();
  BusyCursor busy(Qt::WaitCursor);
  // The list the load drops down would only close again under the kept answers, and a list
  // that opens holds the program's activation for a moment, in which keys go astray.
  modelListStaysClosed_ = inProgress;
  const bool loaded = Form_Load();
  modelListStaysClosed_ = false;
  if (!loaded || !inProgress) return;
  engine_.apply(kept, state_.LanguageKey);
  // The notes of the steps were read when the answers were given; only an answer the steps now
  // turn down is said, at the step where the walk stopped.
  std::vector<StepMessage> messages = engine_.takeMessages();
  render();
  ComboPXH->hidePopup();
  for (const StepMessage& m : messages)
    if (m.refusal) showMessage(messageText(m));
}

void HMeny::Newprices1_Click() {
  const auto& t = state_.TextCatalogue;
  const QString text = t[Text::WorkbookIntro] + QStringLiteral("  ") + t[Text::UnlistedGetZero] +
                       QStringLiteral("\n") + t[Text::WorkbookForm];
  if (services_.message(this, text, t[Text::NewPrices], MsgIcon::None, MsgButtons::OkCancel) ==
      MsgAnswer::Cancel)
    return;
  // Workbooks of both forms, whatever the case of their names.
  const QString file = services_.askOpenFileName(
      this, t[Text::OpenWorkbook],
      {QCoreApplication::translate("Prices", "Price file (*.XLS *.XLSX)")},
      state_.Directory.path());
  if (file.isEmpty()) return;
  if (importPriceList(this, services_, state_, file, [&] { return readPriceWorkbook(file); }))
    reloadAfterNewPrices();
}

void HMeny::Newprices2_Click() {
  form2_->LoadPriceGrid();
}

void HMeny::mnuPriceHistory_Click() {
  try {
    std::vector<PriceEvent> history;
    QHash<qint64, QString> descriptions;
    {
      BusyCursor busy(Qt::WaitCursor);
      Database db = Database::open(state_.Directory.database(), kConnectString);
      history = readPriceHistory(db);
      // The parts under the names the window gives them, in the variant's language.
      descriptions = readPartDescriptions(db, state_.LanguageKey);
    }
    services_.report(this, mnuPriceHistory->text().remove(u'&'),
                     priceHistoryReport(history, descriptions));
  } catch (const Failure& e) {
    showProblem(services_, this, e.problem(), state_.TextCatalogue,
                tr("The price history cannot be read."), state_.TextCatalogue[Text::NewPrices]);
  } catch (const std::exception& e) {
    showProblem(services_, this, unforeseenProblem(e), state_.TextCatalogue,
                tr("The price history cannot be read."), state_.TextCatalogue[Text::NewPrices]);
  }
}

void HMeny::mnuUndoImport_Click() {
  const QString title = mnuUndoImport->text().remove(u'&');
  try {
    std::optional<PriceUndoSummary> undo;
    {
      BusyCursor busy(Qt::WaitCursor);
      undo = undoLastImport(state_.Directory.database(), {QString(), true});
    }
    if (!undo) {
      services_.message(this,
                        QCoreApplication::translate("Prices", "There is no price import to undo."),
                        title, MsgIcon::Information);
      return;
    }
    const QString text = QCoreApplication::translate(
                             "Prices", "OK puts the prices back; Cancel changes nothing.\n\n") +
                         priceUndoReport(*undo);
    if (services_.report(this, title, text, MsgButtons::OkCancel) == MsgAnswer::Cancel) return;
    {
      // Exactly what was shown, or nothing: another program may have imported or changed
      // prices while the summary was open.
      BusyCursor busy(Qt::BusyCursor);
      undoLastImport(state_.Directory.database(), {}, &*undo);
    }
  } catch (const PriceHistoryChanged& e) {
    QApplication::beep();
    services_.message(this, e.problem().what, title, MsgIcon::Warning);
    return;
  } catch (const Failure& e) {
    reportPriceFailure(this, services_, state_, e.problem());
    return;
  } catch (const std::exception& e) {
    reportUnforeseen(this, services_, state_, e);
    return;
  }
  reloadAfterNewPrices();
}
