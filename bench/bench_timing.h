// Timing helpers shared by the benchmarks.
#pragma once

#include <QString>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <vector>

using BenchClock = std::chrono::steady_clock;

inline double millisecondsSince(BenchClock::time_point start) {
  return std::chrono::duration<double, std::milli>(BenchClock::now() - start).count();
}

inline double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

#ifdef TELMARIS_SOURCE_DIR
// The arguments "[FILE] [repetitions]" of the benchmarks that take a configuration: the
// English European example and `repetitions` when they are not given.
struct FileAndRepetitions {
  QString file;
  int repetitions;
};
inline FileAndRepetitions fileAndRepetitions(int argc, char** argv, int repetitions) {
  return {argc > 1 ? QString::fromLocal8Bit(argv[1])
                   : QStringLiteral(TELMARIS_SOURCE_DIR "/examples/english-european.telmaris"),
          argc > 2 ? std::max(1, std::atoi(argv[2])) : repetitions};
}
#endif
