// Times the whole command "telmaris --list FILE", from the start of the process to its exit,
// and in the same run a keyed read of the three tables by the sqlcipher shell, the least any
// program can do to show a list; prints both medians and their ratio.
//   telmaris_bench_list_command [FILE] [repetitions]
#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench_timing.h"

namespace {

// Runs the program with the arguments and standard input, and returns its time in seconds;
// a negative time when it failed.
double timed(const QString& program, const QStringList& arguments, const QByteArray& input = {}) {
  QProcess process;
  const auto start = BenchClock::now();
  process.start(program, arguments);
  if (!input.isEmpty()) {
    process.write(input);
    process.closeWriteChannel();
  }
  process.waitForFinished(60000);
  const double seconds = millisecondsSince(start) / 1000;
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    std::fprintf(stderr, "%s exited with %d: %s\n", qPrintable(program), process.exitCode(),
                 process.readAllStandardError().constData());
    return -1;
  }
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const auto [file, repetitions] = fileAndRepetitions(argc, argv, 21);
  const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlcipher"));
  const QByteArray read =
      "PRAGMA key='QUINTARO';\n"
      "SELECT * FROM tblDetaljer;\nSELECT lngNr, strEngelska FROM tblSprak;\n"
      "SELECT lngNr, strEngelska, strDetaljnummer, sngPris FROM tblDetaljPr;\n";

  std::vector<double> list, bare;
  for (int i = 0; i < repetitions; ++i) {
    const double command =
        timed(QStringLiteral(TELMARIS_EXECUTABLE), {QStringLiteral("--list"), file});
    if (command < 0) return 1;
    list.push_back(command);
    if (!shell.isEmpty()) {
      const double keyed =
          timed(shell, {QStringLiteral(TELMARIS_PROGRAM_DIR "/Telmaris.mdb")}, read);
      if (keyed < 0) return 1;
      bare.push_back(keyed);
    }
  }
  std::printf("telmaris --list, process start to exit: median %.3f s\n", median(list));
  if (bare.empty()) {
    std::printf("sqlcipher shell not found: no keyed read to compare with\n");
    return 0;
  }
  std::printf("sqlcipher shell, keyed read of the three tables: median %.3f s\n", median(bare));
  std::printf("ratio: %.2f\n", median(list) / median(bare));
  return 0;
}
