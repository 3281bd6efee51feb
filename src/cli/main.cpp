// Telmaris: the hoist configurator of Velmora's sales staff and dealers.
//
// The commands that need no window (the ordering list, its JSON and workbook, a price import,
// the quote service) run here on Qt Core alone, so that a command starts as fast as the database
// opens. The
// windows and the printed page of --pdf are the desktop program's, telmaris-desktop beside this
// one, which takes over the process with the same command line.
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "commands/command_line.h"
#include "service_main.h"

namespace {

int runDesktop(char** argv) {
  const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
  const QByteArray desktop =
      QFile::encodeName(QFileInfo(self).dir().filePath(QStringLiteral("telmaris-desktop")));
  execv(desktop.constData(), argv);
  std::fprintf(stderr, "telmaris: %s cannot be started: %s\n", desktop.constData(),
               std::strerror(errno));
  return kFileError;
}

}  // namespace

int main(int argc, char** argv) {
  const CommandLine command = parseCommandLine(argc, argv);
  if (command.kind == CommandLine::Kind::Window || command.kind == CommandLine::Kind::Open ||
      command.kind == CommandLine::Kind::Pdf)
    return runDesktop(argv);

  quietQtMessages();
  QCoreApplication app(argc, argv);
  if (command.kind == CommandLine::Kind::Serve) {
    const QString here = QCoreApplication::applicationDirPath();
    ServiceOptions options;
    options.directory = ProgramDirectory(
        QDir::current().absoluteFilePath(command.directory.isEmpty() ? here : command.directory));
    options.listen = command.listen;
    options.threads = command.threads;
    options.tokens = command.tokens;
    options.requestTimeoutSeconds = command.requestTimeout;
    options.desktopProgram = QDir(here).filePath(QStringLiteral("telmaris-desktop"));
    return runService(options);
  }
  QTextStream out(stdout);
  QTextStream err(stderr);
  return runCommand(command, QCoreApplication::applicationDirPath(), out, err);
}
