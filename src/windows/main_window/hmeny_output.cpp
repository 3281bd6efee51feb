// The output commands: the ordering list on the screen and on paper.
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <exception>

#include "configurator/ordering_list.h"
#include "list_window/form3.h"
#include "main_window/hmeny.h"
#include "page/ordering_page.h"
#include "page/page_pdf.h"
#include "price_window/form2.h"
#include "sheets/dimension_sheets.h"
#include "startup/program_state.h"
#include "widgets/busy_cursor.h"
#include "widgets/services.h"
#include "widgets/window_capture.h"

void HMeny::Cmd_Skärmutskrift_Click() {
  if (!commitPendingEdit(Ctl::Cmd_Skärmutskrift) || !outputReady()) return;
  const ConfiguredHoist hoist = engine_.hoist();
  const OrderingList list = BuildOrderingList(state_, hoist);
  // Windows that open anew take their places, the list as wide as its lines; windows that
  // stay open stay where the user put them.
  const bool opening = !form2_->isVisible() || !form3_->isVisible();
  form2_->showOrderingList(state_.TextCatalogue[Text::OrderingListTitle], list);
  if (opening) arrangeAuxiliaryWindows();

  form3_->show();
  form3_->clearDrawing(state_.Directory.file(QStringLiteral("sheet-sketch.png")));
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
  if (!ready) render();  // "enter the lifting height", and the focus on the model list
  return ready;
}

QImage HMeny::windowImage() {
  return CaptureForm(*this);
}

void HMeny::Printerutskrift_Click() {
  if (!commitPendingEdit(Ctl::Printerutskrift) || !outputReady()) return;
  state_.OutputTarget = QStringLiteral("Printer");
  const std::optional<PrintRequest> request = services_.askPrint(this, suggestedPdfFile());
  if (!request || !request->printer) return;  // cancelled: nothing printed, nothing said
  const int copies = std::max(1, request->copies);
  QCoreApplication::processEvents();
  {
    BusyCursor busy;
    for (int copy = 1; copy <= copies; ++copy) {
      if (request->beforeCopy) request->beforeCopy(*request->printer, copy);
      // Printing to a file picked in the dialog writes it as Export as PDF does.
      if (printerWritesFile(*request->printer)) {
        if (!printPageToFile(*request->printer)) break;
      } else if (!printPage(*request->printer)) {
        missingPictures_.clear();  // nothing printed: the failure is all there is to say
        showMessage(state_.TextCatalogue[Text::PrintingError] + QStringLiteral("\n\n") +
                    state_.TextCatalogue[Text::CheckThePrinter] + QStringLiteral("\n") +
                    state_.TextCatalogue[Text::TryAgain]);
        break;
      }
    }
  }
  tellMissingPictures();
  Printerutskrift->setFocus();
}

bool HMeny::printPage(QPrinter& printer) {
  // One document per call: the copy goes to the printer as a job of its own.
  printer.setPageOrientation(QPageLayout::Portrait);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  // Millimetres from the top left corner of the printable area.
  const double dotsPerMm = printer.resolution() / 25.4;
  painter.scale(dotsPerMm, dotsPerMm);
  const QSizeF printable = printer.pageLayout().paintRect(QPageLayout::Millimeter).size();
  const ConfiguredHoist hoist = engine_.hoist();
  const OrderingList list = BuildOrderingList(state_, hoist);
  PagePictures pictures = readPagePictures(state_.Directory);
  for (const QString& file : missingPagePictures(state_.Directory, pictures, hoist))
    if (!missingPictures_.contains(file)) missingPictures_ << file;
  pictures.window = windowImage();
  Picture[13]->setPixmap(QPixmap::fromImage(pictures.window));
  paintOrderingPage(painter, printable, state_, hoist, list, sheetValues_, pictures,
                    services_.today());
  return painter.end();
}

bool HMeny::printPageToFile(QPrinter& printer) {
  const QString file = printer.outputFileName();
  try {
    printPdfFileWhole(printer, file, [this](QPrinter& into) { return printPage(into); });
    return true;
  } catch (const Failure& e) {
    missingPictures_.clear();  // no page written: the failure is all there is to say
    showProblem(services_, this, e.problem(), state_.TextCatalogue,
                tr("The ordering page could not be written."));
    return false;
  } catch (const std::exception& e) {
    missingPictures_.clear();
    showProblem(services_, this, unforeseenProblem(e, file), state_.TextCatalogue,
                tr("The ordering page could not be written."));
    return false;
  }
}

void HMeny::tellMissingPictures() {
  if (missingPictures_.isEmpty()) return;
  const QString text = missingPicturesText(missingPictures_) + QStringLiteral("\n\n") +
                       tr("The rest of the page is complete; with the files back in their "
                          "place the pictures are on it again.");
  missingPictures_.clear();
  services_.message(this, text, kDefaultMessageTitle, MsgIcon::Warning);
}

void HMeny::PrintPreview_Click() {
  if (!commitPendingEdit(Ctl::Printerutskrift) || !outputReady()) return;
  state_.OutputTarget = QStringLiteral("Printer");
  services_.showPrintPreview(this, suggestedPdfFile(), [this](QPrinter& printer) {
    BusyCursor busy;
    // The preview's print button may print to a file.
    if (printerWritesFile(printer))
      printPageToFile(printer);
    else
      printPage(printer);
  });
  tellMissingPictures();
}

void HMeny::ExportPdf_Click() {
  if (!commitPendingEdit(Ctl::Printerutskrift) || !outputReady()) return;
  const QString file = services_.askSaveFileName(this, tr("Export as PDF"),
                                                 {tr("PDF documents (*.pdf)")}, suggestedPdfFile());
  if (file.isEmpty()) return;
  state_.OutputTarget = QStringLiteral("Printer");
  BusyCursor busy;
  // An A4 page with the border a printer keeps, as the command line writes it.
  QPrinter printer(QPrinter::HighResolution);
  setUpPdfPrinter(printer, file, pagePdfTitle(state_.TextCatalogue, engine_.currentModel()));
  printPageToFile(printer);
  tellMissingPictures();
}

QString HMeny::suggestedPdfFile() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  QString model = engine_.currentModel();
  model.replace(QLatin1Char('/'), QLatin1Char('-'));
  const QString date = services_.today().toString(Qt::ISODate);
  return QDir(folder).filePath(QStringLiteral("%1 %2.pdf").arg(model, date));
}
