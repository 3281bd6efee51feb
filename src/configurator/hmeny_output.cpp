// The output commands: the ordering list on the screen and on paper.
#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>

#include "common/busy_cursor.h"
#include "common/services.h"
#include "configurator/hmeny.h"
#include "configurator/ordering_list.h"
#include "output/dimension_sheets.h"
#include "output/form3.h"
#include "output/ordering_page.h"
#include "output/window_capture.h"
#include "prices/form2.h"
#include "startup/program_state.h"

void HMeny::Cmd_Skärmutskrift_Click() {
  if (!commitPendingEdit(Ctl::Cmd_Skärmutskrift) || !outputReady()) return;
  const ConfiguredHoist hoist = engine_.hoist();
  const OrderingList list = BuildOrderingList(state_, hoist);
  form2_->showOrderingList(state_.TextCatalogue[111], list);

  form3_->show();
  form3_->clearDrawing();
  state_.OutputTarget = QStringLiteral("F2");
  form3_->draw([this, &hoist](TextDevice& sheet) {
    writeSheets(state_.TextCatalogue, hoist, sheetValues_, sheet, kScreenSheetOrigins);
  });
  // The list comes up in front, in its normal state, with the sheet beside it.
  form2_->setWindowState(Qt::WindowNoState);
  form2_->raise();
  form2_->activateWindow();
}

bool HMeny::outputReady() {
  const bool ready = engine_.outputRequested();
  if (!ready) render();  // text 13, and the focus on the model list
  return ready;
}

QImage HMeny::windowImage() { return CaptureForm(*this); }

void HMeny::Printerutskrift_Click() {
  if (!commitPendingEdit(Ctl::Printerutskrift) || !outputReady()) return;
  state_.OutputTarget = QStringLiteral("Printer");
  const std::optional<PrintRequest> request = services_.askPrint(this);
  if (!request || !request->printer) return;  // cancelled: nothing printed, nothing said
  const int copies = std::max(1, request->copies);
  QCoreApplication::processEvents();

  {
    BusyCursor busy;
    QPrinter& printer = *request->printer;
    const ConfiguredHoist hoist = engine_.hoist();
    const OrderingList list = BuildOrderingList(state_, hoist);
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

      pictures.window = windowImage();
      Picture[13]->setPixmap(QPixmap::fromImage(pictures.window));
      paintOrderingPage(painter, printable, state_, hoist, list, sheetValues_, pictures,
                        services_.today());
      painter.end();  // the copy goes to the printer as a job of its own
    }
  }
  Printerutskrift->setFocus();
}

void HMeny::PrintPreview_Click() {}

void HMeny::ExportPdf_Click() {}

QString HMeny::suggestedPdfFile() const { return {}; }
