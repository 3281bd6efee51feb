// Times the ordering list of a full configuration and the printed page written to PDF, and
// prints both medians; with --page FILE it also leaves one page in FILE.
//   telmaris_bench_output [--page FILE] [repetitions]
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench_timing.h"
#include "configurator/ordering_list.h"
#include "data/parts_loader.h"
#include "data/program_directory.h"
#include "main_window/hmeny.h"
#include "page/ordering_page.h"
#include "sheets/technical_data.h"
#include "startup/program_state.h"
#include "widgets/services.h"

namespace {

// A hoist with everything on it: motor trolley, 2-button controls, every accessory, discount.
ConfiguredHoist fullConfiguration() {
  ConfiguredHoist h;
  h.model = QStringLiteral("PXH 250 EX");
  h.modelIndex = 2;
  h.hoistColumn = 2;
  h.chainLength = 5;
  h.controlLength = 3;
  h.discount = 10;
  h.trolleyDesignation = QStringLiteral("PXK 1000M");
  h.hoistControl = HoistControl::TwoButton;
  h.trolley = Trolley::MotorNarrow;
  h.trolleyControl = TrolleyControl::TwoButton;
  h.accessories = {true, true, true, true, false, true};
  return h;
}

void writePage(const QString& file, const PartsData& data, const ConfiguredHoist& hoist,
               SheetValues& sheet, const PagePictures& pictures) {
  QPdfWriter pdf(file);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setResolution(600);
  QPainter painter(&pdf);
  painter.scale(pdf.resolution() / 25.4, pdf.resolution() / 25.4);
  const QSizeF printable = pdf.pageLayout().paintRect(QPageLayout::Millimeter).size();
  paintOrderingPage(painter, printable, data, hoist, BuildOrderingList(data, hoist), sheet,
                    pictures, QDate(2017, 10, 17));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QString pageFile;
  int repetitions = 25;
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    if (arg == QLatin1String("--page") && i + 1 < argc)
      pageFile = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[++i]));
    else
      repetitions = std::max(1, arg.toInt());
  }
  const ProgramDirectory directory(QStringLiteral(TELMARIS_PROGRAM_DIR));

  PartsData data;
  loadPartsDatabase(directory.database(), QString(), data);
  const ConfiguredHoist hoist = fullConfiguration();

  std::vector<double> list;
  for (int i = 0; i < 1000; ++i) {
    const auto start = BenchClock::now();
    const OrderingList built = BuildOrderingList(data, hoist);
    if (built.lines.empty()) return 1;
    list.push_back(std::chrono::duration<double, std::micro>(BenchClock::now() - start).count());
  }

  // The page carries an image of the main window, as a print does.
  HeadlessServices quiet;
  ProgramState windowState;
  windowState.Directory = directory;
  HMeny window(windowState, quiet);
  window.Form_Load();
  PagePictures pictures = readPagePictures(directory);
  pictures.window = window.windowImage();
  SheetValues sheet;

  QTemporaryDir dir;
  std::vector<double> page;
  for (int i = 0; i < repetitions; ++i) {
    const auto start = BenchClock::now();
    writePage(dir.filePath(QStringLiteral("page.pdf")), data, hoist, sheet, pictures);
    page.push_back(std::chrono::duration<double, std::milli>(BenchClock::now() - start).count());
  }
  if (!pageFile.isEmpty()) writePage(pageFile, data, hoist, sheet, pictures);

  std::printf("ordering list of a full configuration: median %.1f us\n", median(list));
  std::printf("one printed page composed and written to PDF: median %.1f ms\n", median(page));
  return 0;
}
