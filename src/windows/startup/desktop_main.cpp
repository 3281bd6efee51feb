// Telmaris on the desktop: the windows, and the printed page of --pdf with its image of the
// main window. The program telmaris hands these over to this one.
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QStringList>
#include <QTextStream>
#include <cstdio>

#include "commands/command_line.h"
#include "common/variants.h"
#include "configurator/recent_files.h"
#include "main_window/hmeny.h"
#include "page/page_pdf.h"
#include "startup/application_setup.h"
#include "startup/frm_vinjett.h"
#include "startup/program_state.h"
#include "widgets/services.h"

namespace {

// The main window as its steps show the configuration, on the parts data read for the page: the
// database is read once. The command line has walked the answers already and found them all
// taken; the window's step driver takes the same answers through the same rules. Throws Failure
// when the window cannot load.
QImage windowImageOf(const PageRequest& r) {
  ProgramState state;
  HeadlessServices services;
  state.LanguageKey = variantOf(r.configuration.variant).languageKey;
  state.Directory = r.directory;
  Configurator steps;
  steps.apply(r.configuration, state.LanguageKey);
  HMeny window(state, services);
  if (!window.showWalked(r.data, steps)) {
    throw Failure(window.loadProblem().value_or(
        Problem{Problem::Kind::Database, state.Directory.database(),
                QStringLiteral("the main window cannot be loaded"), std::nullopt}));
  }
  return window.windowImage();
}

void writePage(const PageRequest& r) {
  PagePictures pictures = readPagePictures(r.directory);
  pictures.window = windowImageOf(r);
  writePagePdf(r.output, r.data, r.hoist, r.list, pictures, r.date);
}

}  // namespace

int main(int argc, char** argv) {
  const CommandLine command = parseCommandLine(argc, argv);
  const bool window =
      command.kind == CommandLine::Kind::Window || command.kind == CommandLine::Kind::Open;
  if (!window) {
    // The page is drawn with the program's fonts and shows an image of the window: no display
    // is needed for either.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    quietQtMessages();
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(kSettingsApplication);
  // The user's settings are ~/.config/Telmaris/Telmaris.conf.
  QApplication::setOrganizationName(kSettingsOrganisation);
  useProgramFont();

  if (!window) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runCommand(command, QApplication::applicationDirPath(), out, err, writePage);
  }

  // The program directory is the whole command line when there is one, or that of --dir; the
  // file of --open is taken from where the command was given.
  const QString file =
      command.file.isEmpty() ? QString() : QDir::current().absoluteFilePath(command.file);
  ProgramState state;
  DesktopServices services;
  frmVinjett start(state, services);
  if (!start.Form_Load(command.directory, QApplication::applicationDirPath(), file)) return 1;
  return QApplication::exec();
}
