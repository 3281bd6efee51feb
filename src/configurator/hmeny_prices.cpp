// The price maintenance commands of the Options menu: new prices from a price file or from a
// workbook, and the price list window.
#include <QApplication>
#include <QDir>
#include <functional>

#include "common/services.h"
#include "configurator/hmeny.h"
#include "data/database.h"
#include "output/form3.h"
#include "common/busy_cursor.h"
#include "prices/form2.h"
#include "prices/price_file.h"
#include "prices/price_import.h"
#include "prices/workbook_reader.h"
#include "startup/program_state.h"

namespace {

constexpr int kTextFileIntro = 44;
constexpr int kTextUnlistedGetZero = 45;
constexpr int kTextFileForm = 46;
constexpr int kTextFileExample = 47;
constexpr int kTextNewPrices = 49;
constexpr int kTextImportFailed = 50;
constexpr int kTextWorkbookIntro = 115;
constexpr int kTextWorkbookForm = 116;
constexpr int kTextOpenPriceFile = 117;
constexpr int kTextOpenWorkbook = 118;

// Reads the price list and writes it to the database. A list that cannot be read or written is
// reported with the record or row at fault; the database and the prices in memory are then as
// they were. True when the new prices are in the database.
bool importPriceList(QWidget* parent, Services& services, const ProgramState& state,
                     const std::function<std::vector<PriceEntry>()>& read) {
  QString failure;
  {
    BusyCursor busy(Qt::BusyCursor);
    try {
      importPrices(state.DatabaseFile, read());
      return true;
    } catch (const PriceReadError& e) {
      failure = e.detail();
    } catch (const DatabaseError& e) {
      failure = QStringLiteral("The parts database refused the prices.\nFile: %1\nError: %2")
                    .arg(QDir::toNativeSeparators(e.file()), e.engineMessage());
    }
  }
  QApplication::beep();
  services.message(parent,
                   state.TextCatalogue[kTextImportFailed] + QStringLiteral("\n\n") + failure,
                   state.TextCatalogue[kTextNewPrices], MsgIcon::Warning);
  return false;
}

}  // namespace

void HMeny::Newprices_Click() {
  const auto& t = state_.TextCatalogue;
  const QString text = t[kTextFileIntro] + QStringLiteral("  ") + t[kTextUnlistedGetZero] +
                       QStringLiteral("\n") + t[kTextFileForm] + QStringLiteral("\n  ") +
                       t[kTextFileExample] + QStringLiteral("\n") +
                       QStringLiteral("       \"7302 4410 01\",3500\n") +
                       QStringLiteral("       \"7302 4410 19\",45.5\n\n");
  if (services_.message(this, text, t[kTextNewPrices], MsgIcon::None, MsgButtons::OkCancel) ==
      MsgAnswer::Cancel)
    return;
  const QString file = services_.askOpenFileName(
      this, t[kTextOpenPriceFile],
      {QStringLiteral("Price file (*.DAT)"), QStringLiteral("Price file (*.TXT)")}, state_.AppPath);
  if (file.isEmpty() || !QDir::setCurrent(state_.AppPath)) return;
  if (!importPriceList(this, services_, state_, [&] { return readPriceFile(file); })) return;

  form2_->hide();
  form3_->hide();
  // The reload chooses the first model again, so the steps of the old one must go.
  engine_.resetConfiguration();
  BusyCursor busy(Qt::WaitCursor);
  Form_Load();
}

void HMeny::Newprices1_Click() {
  const auto& t = state_.TextCatalogue;
  const QString text = t[kTextWorkbookIntro] + QStringLiteral("  ") + t[kTextUnlistedGetZero] +
                       QStringLiteral("\n") + t[kTextWorkbookForm];
  if (services_.message(this, text, t[kTextNewPrices], MsgIcon::None, MsgButtons::OkCancel) ==
      MsgAnswer::Cancel)
    return;
  // Workbooks of both forms, whatever the case of their names.
  const QString file = services_.askOpenFileName(
      this, t[kTextOpenWorkbook], {QStringLiteral("Price file (*.XLS *.XLSX)")}, state_.AppPath);
  if (file.isEmpty() || !QDir::setCurrent(state_.AppPath)) return;
  if (!importPriceList(this, services_, state_, [&] { return readPriceWorkbook(file); })) return;

  form2_->hide();
  form3_->hide();
  engine_.resetConfiguration();
  BusyCursor busy(Qt::WaitCursor);
  Form_Load();
}

void HMeny::Newprices2_Click() {
  form2_->LoadPriceGrid();
}
