// Telmaris: the hoist configurator of Velmora's sales staff and dealers.
#include <QApplication>
#include <QFont>
#include <QStringList>
#include <QTextStream>
#include <cstdio>

#include "common/services.h"
#include "startup/command_line.h"
#include "startup/frm_vinjett.h"
#include "startup/program_state.h"

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const CommandLine command = parseCommandLine(arguments);

  // Commands run without a window and without a display, and standard error carries only what
  // the command has to say.
  if (command.kind != CommandLine::Kind::Window) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
      if (type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
    });
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Telmaris"));
  // The windows are designed for 8-point Arial (Liberation Sans stands in for it).
  QApplication::setFont(QFont(QStringLiteral("Arial"), 8));

  if (command.kind != CommandLine::Kind::Window) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runCommand(command, QApplication::applicationDirPath(), out, err);
  }

  // The program directory is the whole command line when there is one.
  ProgramState state;
  DesktopServices services;
  frmVinjett start(state, services);
  start.Form_Load(command.directory, QApplication::applicationDirPath());
  return QApplication::exec();
}
