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

// A refusal, or a missing answer, of the window's steps as the list commands give it: a
// refusal with a catalogue text has no lead of its own.
Problem refusalOf(const StepMessage& m) {
  return Problem{Problem::Kind::Refused, {}, m.text ? m.suffix : m.prefix + m.suffix, m.text};
}

// The configuration walked once, by the step driver of a hidden main window on the parts data
// read for the page: the window's image and the page's list come from the same walk, and the
// database is read once. Throws Failure for a refused or missing answer, and when the window
// cannot load. Warns of the pictures the page lacks.
QStringList writePage(const PageRequest& r) {
  ProgramState state;
  HeadlessServices services;
  state.LanguageKey = variantOf(r.configuration.variant).languageKey;
  state.Directory = r.directory;
  Configurator steps;
  std::optional<StepMessage> stop = steps.apply(r.configuration, state.LanguageKey);
  if (!stop) stop = steps.unanswered();
  if (stop) throw Failure(refusalOf(*stop));
  HMeny window(state, services);
  if (!window.showWalked(r.data, steps)) {
    throw Failure(window.loadProblem().value_or(
        Problem{Problem::Kind::Database, state.Directory.database(),
                QStringLiteral("the main window cannot be loaded"), std::nullopt}));
  }
  PagePictures pictures = readPagePictures(r.directory);
  pictures.window = window.windowImage();
  const ConfiguredHoist hoist = steps.hoist();
  writePagePdf(r.output, r.data, hoist, BuildOrderingList(r.data, hoist), pictures, r.date);
  const QStringList missing = missingPagePictures(r.directory, pictures, hoist);
  if (missing.isEmpty()) return {};
  return {missingPicturesText(missing)};
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
