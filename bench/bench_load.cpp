// Times the main window's load (open, the three queries, the captions) against the bare open and
// read of the same three tables with the sqlite3 API, and prints both medians.
//   telmaris_bench_load [program-directory] [repetitions]
#include <sqlite3.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench_timing.h"
#include "main_window/hmeny.h"
#include "startup/program_state.h"
#include "widgets/services.h"

namespace {

// Opens the file, reads every field of the three tables and closes it again.
bool bareRead(const QByteArray& file) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
    return false;
  sqlite3_key(db, "QUINTARO", 8);
  long long cells = 0;
  for (const char* sql : {"SELECT * FROM tblDetaljer", "SELECT lngNr, strEngelska FROM tblSprak",
                          "SELECT lngNr, strEngelska, strDetaljnummer, sngPris FROM tblDetaljPr"}) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) return false;
    while (sqlite3_step(stmt) == SQLITE_ROW)
      for (int c = 0; c < sqlite3_column_count(stmt); ++c)
        cells += sqlite3_column_bytes(stmt, c) >= 0;
    sqlite3_finalize(stmt);
  }
  sqlite3_close(db);
  return cells > 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString dir =
      argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(TELMARIS_PROGRAM_DIR);
  const int repetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;
  ProgramState state;
  state.Directory = ProgramDirectory(QDir::current().absoluteFilePath(dir));
  if (!state.Directory.exists()) {
    std::fprintf(stderr, "no program directory %s\n", qPrintable(dir));
    return 1;
  }
  const QByteArray file = QFile::encodeName(state.Directory.database());
  HeadlessServices services;
  HMeny window(state, services);
  std::vector<double> load, bare;
  for (int i = 0; i < repetitions; ++i) {
    auto start = BenchClock::now();
    if (!bareRead(file)) {
      std::fprintf(stderr, "bare read failed\n");
      return 1;
    }
    bare.push_back(millisecondsSince(start));

    start = BenchClock::now();
    if (!window.loadDatabaseAndCaptions()) {
      std::fprintf(stderr, "%s\n", qPrintable(services.messages.join('\n')));
      return 1;
    }
    load.push_back(millisecondsSince(start));
  }
  const double l = median(load), b = median(bare);
  std::printf("main-window load (open, three queries, captions): median %.2f ms\n", l);
  std::printf("bare open and read of the three tables:           median %.2f ms\n", b);
  std::printf("ratio: %.2f\n", l / b);
  return 0;
}
