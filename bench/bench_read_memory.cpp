// The peak memory of reading the largest price files, workbooks and configuration the readers
// allow, beside inputs of a real size and inputs beyond the limits. Each input is read in a
// process of its own (this program started again with --read), whose peak resident memory
// (ru_maxrss, from wait4) is printed beside the file's size, with what the reading gave; the
// first line is a process that reads nothing, the cost of the program itself. The inputs are
// made by a process of their own as well, so that the readers' processes start small.
//   telmaris_bench_read_memory [folder]     (the inputs are kept in the folder when given)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <stdexcept>
#include <vector>

#include "configurator/configuration_file.h"
#include "prices/price_file.h"
#include "prices/price_fixtures.h"
#include "prices/workbook_reader.h"

namespace {

struct Input {
  const char* kind;  // "price", "workbook" or "configuration"
  const char* file;
  const char* what;
};

const Input kInputs[] = {
    {"price", "real.dat", "price file, 5 000 records"},
    {"price", "largest.dat", "price file, 100 000 records of 16 MB"},
    {"price", "shortest.dat", "price file, 100 000 records \"1,1\""},
    {"price", "oneline.dat", "price file, one line of 16 MB (refused)"},
    {"price", "beyond.dat", "price file, 63 MB of \"1,1\" (refused)"},
    {"workbook", "real.xls", ".xls, 5 000 rows"},
    {"workbook", "largest.xls", ".xls, 65 535 rows, 1 000 000 texts, 32 MB"},
    {"workbook", "emptiest.xls", ".xls, 1 000 000 empty texts"},
    {"workbook", "real.xlsx", ".xlsx, 5 000 rows"},
    {"workbook", "largest.xlsx", ".xlsx, 100 000 rows, 1 000 000 texts, 32 MB part"},
    {"workbook", "emptiest.xlsx", ".xlsx, 1 000 000 empty texts"},
    {"workbook", "beyond.xlsx", ".xlsx, a 256 MB part (refused)"},
    {"configuration", "largest.telmaris", "configuration of 64 KB"},
};

void write(const QString& path, const QByteArray& bytes) {
  QFile out(path);
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
    throw std::runtime_error("cannot write " + path.toStdString());
}

// A price file of `records` records whose ordering numbers are `width` characters long.
QByteArray priceFile(int records, int width) {
  QByteArray text;
  for (int i = 0; i < records; ++i) {
    QByteArray number = "7302 " + QByteArray::number(1000 + i % 9000) + " 01";
    number += QByteArray(std::max<qsizetype>(0, width - number.size()), 'X');
    text += '"' + number + "\"," + QByteArray::number(10 + i * 0.25) + "\r\n";
  }
  return text;
}

// A sheet of `rows` price rows: a text ordering number in B, a price in C.
FixtureSheet xlsRows(int rows) {
  std::vector<std::pair<std::variant<QString, double>, double>> list;
  for (int i = 0; i < rows; ++i)
    list.emplace_back(QStringLiteral("7302 %1 01").arg(1000 + i % 9000), 10 + i * 0.25);
  return priceSheet(list);
}

// An .xlsx sheet part whose rows 2 on hold shared string i - 2 in B and a price in C.
QByteArray xlsxRows(int rows) {
  std::map<int, QByteArray> cells;
  for (int r = 2; r < rows + 2; ++r) {
    const QByteArray n = QByteArray::number(r);
    cells[r] = "<c r=\"B" + n + "\" t=\"s\"><v>" + QByteArray::number(r - 2) + "</v></c><c r=\"C" +
               n + "\"><v>" + QByteArray::number(10 + r * 0.25) + "</v></c>";
  }
  return sheetXml(cells);
}

QByteArray sharedStrings(int count, int width) {
  QByteArray part = "<sst xmlns=\"" + QByteArray(kSpreadsheetMain) + "\">";
  for (int i = 0; i < count; ++i) {
    QByteArray text = "7302 " + QByteArray::number(1000 + i % 9000) + " 01";
    text += QByteArray(std::max<qsizetype>(0, width - text.size()), 'X');
    part += "<si><t>" + text + "</t></si>";
  }
  return part;
}

void makeInputs(const QDir& dir) {
  write(dir.filePath("real.dat"), priceFile(5000, 12));
  // The records of the most allowed, their numbers as long as the file's size allows.
  write(dir.filePath("largest.dat"),
        priceFile(kMaxPriceRecords, static_cast<int>(kMaxPriceFileBytes / kMaxPriceRecords) - 16));
  QByteArray shortest;
  for (int i = 0; i < kMaxPriceRecords; ++i) shortest += "1,1\n";
  write(dir.filePath("shortest.dat"), shortest);
  QByteArray line;
  while (line.size() < kMaxPriceFileBytes - 4) line += "1,";
  write(dir.filePath("oneline.dat"), line + "1\n");
  QByteArray beyond;
  while (beyond.size() < 63 * 1024 * 1024) beyond += shortest;
  write(dir.filePath("beyond.dat"), beyond);

  write(dir.filePath("real.xls"), xlsWorkbook(xlsRows(5000)));
  // Every row of the format, and as many texts, as long, as the file's size allows.
  write(dir.filePath("largest.xls"),
        xlsWorkbook(xlsRows(65534), {.extraSharedStrings = kMaxSharedStrings - 65540,
                                     .extraSharedText = QString(27, QChar(u'X'))}));
  write(dir.filePath("emptiest.xls"),
        xlsWorkbook(xlsRows(1), {.extraSharedStrings = kMaxSharedStrings - 5}));

  const QByteArray end = "</sst>";
  writeXlsxWithSharedStrings(dir.filePath("real.xlsx"), xlsxRows(5000),
                             sharedStrings(5000, 12) + end, {}, 0, {});
  writeXlsxWithSharedStrings(dir.filePath("largest.xlsx"), xlsxRows(kMaxWorksheetRows - 1),
                             sharedStrings(kMaxSharedStrings, 17) + end, {}, 0, {});
  writeXlsxWithSharedStrings(dir.filePath("emptiest.xlsx"), xlsxRows(1), sharedStrings(1, 12),
                             "<si/>", kMaxSharedStrings - 1, end);
  writeXlsxWithSharedStrings(dir.filePath("beyond.xlsx"), xlsxRows(1), sharedStrings(1, 12),
                             "<si/>", 256 * 1024 * 1024 / 5, end);

  QByteArray json = R"({"model": "PXH 500 EX", "liftHeight": "4"})";
  json.append(kMaxConfigurationBytes - json.size(), ' ');
  write(dir.filePath("largest.telmaris"), json);
}

// Reads the input, prints what it gave.
int readInput(const QString& kind, const QString& path) {
  try {
    if (kind == QLatin1String("price")) {
      std::printf("read, %zu entries", readPriceFile(path).size());
    } else if (kind == QLatin1String("workbook")) {
      std::printf("read, %zu entries", readPriceWorkbook(path).size());
    } else if (kind == QLatin1String("configuration")) {
      const Result<Configuration> c = readConfigurationFile(path);
      std::printf("%s", c ? "read" : qPrintable(QLatin1String("refused: ") + c.problem().what));
    } else {
      std::printf("-");
    }
  } catch (const Failure& e) {
    std::printf("refused: %s", qPrintable(e.problem().what.left(60)));
  } catch (const std::bad_alloc&) {
    std::printf("out of memory");
  }
  return 0;
}

struct Run {
  long peakKilobytes = 0;
  QByteArray output;
};

// Runs this program with the arguments: its peak resident memory and what it printed.
Run runSelf(const std::vector<QByteArray>& arguments) {
  int out[2];
  if (::pipe(out) != 0) throw std::runtime_error("pipe failed");
  std::fflush(stdout);
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    ::dup2(out[1], STDOUT_FILENO);
    ::close(out[0]);
    ::close(out[1]);
    std::vector<char*> argv{const_cast<char*>("telmaris_bench_read_memory")};
    for (const QByteArray& a : arguments) argv.push_back(const_cast<char*>(a.constData()));
    argv.push_back(nullptr);
    ::execv("/proc/self/exe", argv.data());
    std::_Exit(127);
  }
  ::close(out[1]);
  Run run;
  char buffer[4096];
  for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) run.output.append(buffer, n);
  ::close(out[0]);
  int status = 0;
  struct rusage usage {};
  if (::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    throw std::runtime_error("a child process failed");
  run.peakKilobytes = usage.ru_maxrss;
  return run;
}

double megabytes(double bytes) {
  return bytes / (1024 * 1024);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 3 && QByteArray(argv[1]) == "--make") {
      makeInputs(QDir(QString::fromLocal8Bit(argv[2])));
      return 0;
    }
    if (argc == 4 && QByteArray(argv[1]) == "--read")
      return readInput(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));

    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    QDir().mkpath(folder);
    std::printf("Making the inputs in %s...\n", qPrintable(folder));
    runSelf({"--make", QFile::encodeName(folder)});

    std::printf("%-48s %9s %9s %11s %7s  %s\n", "input", "file MB", "peak MB", "above base",
                "x file", "outcome");
    const long base = runSelf({"--read", "none", "none"}).peakKilobytes;
    std::printf("%-48s %9s %9.1f %11s %7s\n", "nothing read (the program itself)", "-",
                base / 1024.0, "-", "-");
    for (const Input& input : kInputs) {
      const QString path = QDir(folder).filePath(QLatin1String(input.file));
      const double size = static_cast<double>(QFileInfo(path).size());
      const Run run = runSelf({"--read", input.kind, QFile::encodeName(path)});
      const double above = static_cast<double>(std::max(0L, run.peakKilobytes - base)) * 1024;
      std::printf("%-48s %9.2f %9.1f %11.1f %7.1f  %s\n", input.what, megabytes(size),
                  run.peakKilobytes / 1024.0, megabytes(above), above / size,
                  run.output.constData());
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
