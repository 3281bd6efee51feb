// Times the whole command "telmaris --list FILE", from the start of the process to its exit,
// and prints the median.
//   telmaris_bench_list_command [FILE] [repetitions]
#include <QCoreApplication>
#include <QProcess>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QString file = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                : QStringLiteral(TELMARIS_SOURCE_DIR "/examples/english-european.telmaris");
  const int repetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 21;
  std::vector<double> times;
  for (int i = 0; i < repetitions; ++i) {
    QProcess process;
    const auto start = std::chrono::steady_clock::now();
    process.start(QStringLiteral(TELMARIS_EXECUTABLE), {QStringLiteral("--list"), file});
    process.waitForFinished(60000);
    times.push_back(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    if (process.exitCode() != 0) {
      std::fprintf(stderr, "telmaris --list exited with %d\n", process.exitCode());
      return 1;
    }
  }
  std::sort(times.begin(), times.end());
  std::printf("telmaris --list, process start to exit: median %.3f s\n", times[times.size() / 2]);
  return 0;
}
