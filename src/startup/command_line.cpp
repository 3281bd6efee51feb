// Commands without a window.
#include "startup/command_line.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPrinter>
#include <QTextStream>
#include <cmath>

#include "common/services.h"
#include "configurator/hmeny.h"
#include "data/database.h"
#include "prices/excel_export.h"
#include "prices/price_file.h"
#include "prices/price_import.h"
#include "prices/workbook_reader.h"
#include "startup/configuration_file.h"
#include "startup/program_state.h"
#include "startup/variants.h"

namespace {

CommandLine usage(const QString& error) {
  CommandLine c;
  c.kind = CommandLine::Kind::Usage;
  c.error = error;
  return c;
}

// The main window with a saved configuration walked through, ready for output.
class OpenedConfiguration {
 public:
  OpenedConfiguration() : window_(state_, services_) {}

  // The message that stopped the walk, or why the configuration could not be read; the status
  // says which.
  int open(const QString& file, QString& problem) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
      problem = QStringLiteral("%1: %2").arg(file, in.errorString());
      return kFileError;
    }
    const auto parsed = parseConfiguration(in.readAll());
    if (const QString* error = std::get_if<QString>(&parsed)) {
      problem = QStringLiteral("%1: %2").arg(file, *error);
      return kFileError;
    }
    const SavedConfiguration& c = std::get<SavedConfiguration>(parsed);
    state_.LanguageKey = variantByIndex(c.variant)->languageKey;
    if (!window_.Form_Load()) {
      problem = services_.messages.join(QLatin1Char('\n'));
      return kFileError;
    }
    QApplication::setActiveWindow(&window_);
    problem = window_.openConfiguration(c);
    return problem.isEmpty() ? kDone : kRefused;
  }

  HMeny& window() { return window_; }
  ProgramState& state() { return state_; }
  HeadlessServices& services() { return services_; }

 private:
  ProgramState state_;
  HeadlessServices services_;
  HMeny window_;
};

// An amount as the list shows it, without the noise of single precision.
double amount(double value) { return std::round(value * 100) / 100; }

QJsonObject listAsJson(const ProgramState& s) {
  QJsonArray lines;
  for (int r = 1; r <= std::min<int>(s.OutputLineCount, 30); ++r) {
    if (s.ExportPartNumbers[r].isEmpty()) continue;
    const QString quantity = s.ExportQuantities[r].trimmed();
    QJsonObject line;
    line["quantity"] = quantity.section(QLatin1Char(' '), 0, 0).toInt();
    line["unit"] = quantity.section(QLatin1Char(' '), 1).trimmed();
    line["orderingNumber"] = s.ExportPartNumbers[r];
    line["amount"] = amount(s.ExportPrices[r]);
    line["description"] = s.ExportDescriptions[r];
    lines.append(line);
  }
  QJsonObject list;
  list["lines"] = lines;
  list["total"] = amount(s.TotalPrice);
  list["discount"] = amount(s.Discount * static_cast<double>(s.TotalPrice) / 100);
  list["net"] = amount(s.TotalPrice * (1 - s.Discount / 100.0));
  return list;
}

int importPriceList(const QString& file, QTextStream& err) {
  try {
    const QString suffix = QFileInfo(file).suffix().toUpper();
    const std::vector<PriceEntry> entries = suffix == QLatin1String("XLS") ||
                                                    suffix == QLatin1String("XLSX")
                                                ? readPriceWorkbook(file)
                                                : readPriceFile(file);
    importPrices(QStringLiteral("Telmaris.mdb"), entries);
    return kDone;
  } catch (const PriceReadError& e) {
    err << file << ": " << e.detail() << '\n';
  } catch (const DatabaseError& e) {
    err << e.file() << ": " << e.engineMessage() << '\n';
  } catch (const std::exception& e) {
    err << file << ": " << e.what() << '\n';
  }
  return kFileError;
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
  CommandLine c;
  if (arguments.isEmpty() || !arguments.first().startsWith(QLatin1String("--"))) {
    c.directory = arguments.join(QLatin1Char(' '));
    return c;
  }
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    auto value = [&](QString& target) {
      if (i + 1 >= arguments.size()) return false;
      target = arguments[++i];
      return true;
    };
    auto command = [&](CommandLine::Kind kind, bool withOutput) {
      if (c.kind != CommandLine::Kind::Window) return false;
      c.kind = kind;
      return (!withOutput || value(c.output)) && value(c.file);
    };
    bool ok = true;
    if (a == QLatin1String("--help")) {
      c.kind = CommandLine::Kind::Help;
      return c;
    } else if (a == QLatin1String("--dir")) {
      ok = value(c.directory);
    } else if (a == QLatin1String("--date")) {
      ok = value(c.date) && QDate::fromString(c.date, Qt::ISODate).isValid();
    } else if (a == QLatin1String("--list")) {
      ok = command(CommandLine::Kind::List, false);
    } else if (a == QLatin1String("--json")) {
      ok = command(CommandLine::Kind::Json, false);
    } else if (a == QLatin1String("--pdf")) {
      ok = command(CommandLine::Kind::Pdf, true);
    } else if (a == QLatin1String("--xlsx")) {
      ok = command(CommandLine::Kind::Xlsx, true);
    } else if (a == QLatin1String("--import-prices")) {
      ok = command(CommandLine::Kind::ImportPrices, false);
    } else {
      return usage(QStringLiteral("unknown option %1").arg(a));
    }
    if (!ok) return usage(QStringLiteral("%1 is incomplete or wrong").arg(a));
  }
  if (c.kind == CommandLine::Kind::Window) return usage(QStringLiteral("no command given"));
  return c;
}

QString commandLineHelp() {
  return QStringLiteral(
      "Usage:\n"
      "  telmaris [PROGRAM-DIRECTORY]                    open the program's window\n"
      "  telmaris [--dir DIR] --list FILE                print the ordering list of a saved\n"
      "                                                  configuration (.telmaris)\n"
      "  telmaris [--dir DIR] --json FILE                the same list as JSON\n"
      "  telmaris [--dir DIR] [--date YYYY-MM-DD] --pdf OUT FILE\n"
      "                                                  write the printed page as a PDF file\n"
      "  telmaris [--dir DIR] --xlsx OUT FILE            write the spreadsheet export to OUT\n"
      "  telmaris [--dir DIR] --import-prices PRICES     import a price file (.DAT, .TXT) or a\n"
      "                                                  workbook (.XLS, .XLSX)\n"
      "  telmaris --help                                 this text\n"
      "\n"
      "--dir is the program directory, the folder of Telmaris.mdb (default: the program's own).\n"
      "Exit status: 0 done; 1 an answer of the configuration was refused (the message on\n"
      "standard error); 2 a wrong command line; 3 a file or database error (nothing changed).\n");
}

int runCommand(const CommandLine& command, const QString& executableDirectory, QTextStream& out,
               QTextStream& err) {
  if (command.kind == CommandLine::Kind::Help) {
    out << commandLineHelp();
    return kDone;
  }
  if (command.kind == CommandLine::Kind::Usage || command.kind == CommandLine::Kind::Window) {
    err << "telmaris: " << command.error << "\n\n" << commandLineHelp();
    return kUsageError;
  }
  // Files named on the command line are taken from where the command was given.
  const QDir here = QDir::current();
  const QString file = here.absoluteFilePath(command.file);
  const QString output = command.output.isEmpty() ? QString() : here.absoluteFilePath(command.output);
  const QString directory = command.directory.isEmpty() ? executableDirectory : command.directory;
  if (!QDir::setCurrent(directory)) {
    err << "telmaris: no program directory " << directory << '\n';
    return kFileError;
  }
  if (command.kind == CommandLine::Kind::ImportPrices) return importPriceList(file, err);

  OpenedConfiguration opened;
  QString problem;
  const int status = opened.open(file, problem);
  if (status != kDone) {
    err << problem << '\n';
    return status;
  }
  HMeny& window = opened.window();
  ProgramState& state = opened.state();
  switch (command.kind) {
    case CommandLine::Kind::List:
      window.composeScreenList();
      for (int r = 1; r <= state.OutputLineCount; ++r) out << state.OutputLines[r] << '\n';
      return kDone;
    case CommandLine::Kind::Json:
      window.composeScreenList();
      out << QJsonDocument(listAsJson(state)).toJson(QJsonDocument::Indented);
      return kDone;
    case CommandLine::Kind::Xlsx:
      window.composeScreenList();
      try {
        writeExportWorkbook(output, orderingListSheet(state));
      } catch (const ExportError& e) {
        err << output << ": " << e.message() << '\n';
        return kFileError;
      }
      return kDone;
    case CommandLine::Kind::Pdf: {
      auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
      printer->setOutputFormat(QPrinter::PdfFormat);
      printer->setOutputFileName(output);
      printer->setPageSize(QPageSize(QPageSize::A4));
      printer->setPageMargins(QMarginsF(kCommandPdfMargin, kCommandPdfMargin, kCommandPdfMargin,
                                        kCommandPdfMargin),
                              QPageLayout::Millimeter);
      HeadlessServices& services = opened.services();
      services.printAnswer = PrintRequest{printer, 1, {}};
      services.date = QDate::fromString(command.date, Qt::ISODate);
      const qsizetype before = services.messages.size();
      window.Printerutskrift_Click();
      if (services.messages.size() > before || !QFileInfo::exists(output)) {
        err << output << ": " << services.messages.mid(before).join(QLatin1Char(' ')) << '\n';
        return kFileError;
      }
      return kDone;
    }
    default:
      return kUsageError;
  }
}
