// Telmaris on the desktop: the windows, and the printed pages of --pdf with their images of
// the main window. The program telmaris hands these over to this one.
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
#include "page/ordering_page.h"
#include "quote/quote_document.h"
#include "quotes/quote_printing.h"
#include "startup/application_setup.h"
#include "startup/frm_vinjett.h"
#include "startup/program_state.h"
#include "widgets/services.h"

namespace {

// The document of a quote, or the page of a configuration, with each position walked once by
// the step driver of a hidden main window on the parts data read for it: the window's image
// and the page's list come from the same walk, and the database is read once. Throws Failure
// for a refused or missing answer, and when the window cannot load. Warns of the pictures the
// pages lack.
QStringList writePage(const PageRequest& r) {
  const PreparedQuoteDocument prepared =
      prepareQuoteDocument(r.directory, r.quote, r.data, r.lists);
  writeQuotePdf(r.output, r.data, prepared.priced, prepared.pictures, r.date, prepared.labels);
  if (prepared.missingPictures.isEmpty()) return {};
  return {missingPicturesText(prepared.missingPictures)};
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
