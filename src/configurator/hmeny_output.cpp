// The output commands: the ordering list on the screen and on paper.
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

#include "common/busy_cursor.h"
#include "common/services.h"
#include "configurator/hmeny.h"
#include "output/dimension_sheets.h"
#include "output/form3.h"
#include "output/ordering_page.h"
#include "output/screen_list.h"
#include "output/window_capture.h"
#include "prices/form2.h"
#include "startup/program_state.h"

namespace {

template <std::size_t N>
int selected(const std::array<QRadioButton*, N>& options) {
  for (std::size_t i = 0; i < N; ++i)
    if (options[i]->isChecked()) return static_cast<int>(i);
  return -1;
}

}  // namespace

OrderingChoices HMeny::orderingChoices() const {
  OrderingChoices c;
  c.hoistControl = selected(Opt3DHoistControl);
  c.trolley = selected(Opt3DTrolley);
  c.trolleyControl = selected(Opt3DTrolleyControls);
  c.articulation = Check3D1[4]->isChecked();
  for (int i = 0; i < 6; ++i) c.accessories[i] = Check3D1[i]->isChecked();
  c.chainTypeVisible = fraTypeOfChain->isVisible();
  c.chainType = optTypeOfChain[0]->isChecked() ? 0 : 1;
  c.stainless = chkStainless->isChecked();
  return c;
}

void HMeny::composeScreenList() {
  state_.OutputIndent = 1;
  for (int r = 1; r <= 30; ++r) {
    state_.ExportQuantities[r].clear();
    state_.ExportPartNumbers[r].clear();
    state_.ExportDescriptions[r].clear();
    state_.ExportPrices[r] = 0;
  }
  BuildOrderingList(state_, orderingChoices());
}

void HMeny::Cmd_Skärmutskrift_Click() {
  composeScreenList();
  form2_->showOrderingList(state_.TextCatalogue[111], screenListLines(state_));

  form3_->show();
  form3_->clearDrawing();
  state_.OutputTarget = QStringLiteral("F2");
  sheetValues_.trolley = selected(Opt3DTrolley);
  form3_->draw([this](TextDevice& sheet) {
    writeSheets(state_, sheetValues_, sheet, kScreenSheetOrigins);
  });
  // The list comes up in front, in its normal state, with the sheet beside it.
  form2_->setWindowState(Qt::WindowNoState);
  form2_->raise();
  form2_->activateWindow();
}

void HMeny::Printerutskrift_Click() {
  state_.OutputTarget = QStringLiteral("Printer");
  SetTabStops(true);
  const std::optional<PrintRequest> request = services_.askPrint(this);
  if (!request || !request->printer) return;  // cancelled: nothing printed, nothing said
  const int copies = std::max(1, request->copies);
  QCoreApplication::processEvents();

  {
    BusyCursor busy;
    QPrinter& printer = *request->printer;
    sheetValues_.trolley = selected(Opt3DTrolley);
    PagePictures pictures = readPagePictures();
    for (int copy = 1; copy <= copies; ++copy) {
      if (request->beforeCopy) request->beforeCopy(printer, copy);
      printer.setPageOrientation(QPageLayout::Portrait);
      QPainter painter;
      if (!painter.begin(&printer)) {
        showMessage(state_.TextCatalogue[56] + QStringLiteral("\n\n") + state_.TextCatalogue[57] +
                    QStringLiteral("\n") + state_.TextCatalogue[58]);
        break;
      }
      // Millimetres from the top left corner of the printable area.
      const double dotsPerMm = printer.resolution() / 25.4;
      painter.scale(dotsPerMm, dotsPerMm);
      const QSizeF printable = printer.pageLayout().paintRect(QPageLayout::Millimeter).size();

      state_.OutputIndent = 8;
      BuildOrderingList(state_, orderingChoices());
      pictures.window = CaptureForm(*this);
      Picture[13]->setPixmap(QPixmap::fromImage(pictures.window));
      paintOrderingPage(painter, printable, state_, sheetValues_, pictures, services_.today());
      painter.end();  // the copy goes to the printer as a job of its own
    }
  }
  Printerutskrift->setFocus();
}
