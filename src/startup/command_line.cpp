// Commands without a window.
#include "startup/command_line.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <cmath>
#include <cstdio>

#include "common/units.h"
#include "configurator/configuration_file.h"
#include "configurator/configurator.h"
#include "configurator/ordering_list.h"
#include "data/database.h"
#include "data/parts_loader.h"
#include "prices/excel_export.h"
#include "prices/price_file.h"
#include "prices/price_history.h"
#include "prices/price_import.h"
#include "prices/workbook_reader.h"
#include "startup/variants.h"

namespace {

CommandLine usage(const QString& error) {
  CommandLine c;
  c.kind = CommandLine::Kind::Usage;
  c.error = error;
  return c;
}

// A saved configuration walked through the configurator, on the parts data of its variant.
struct OpenedConfiguration {
  Configuration configuration;
  QString languageKey;
  PartsData data;
  Configurator engine;

  // The status says what went wrong: a file or database error, or a refused answer; the
  // problem says it in words.
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
    configuration = std::get<Configuration>(parsed);
    languageKey = variantByIndex(configuration.variant)->languageKey;
    try {
      loadPartsDatabase(QStringLiteral("Telmaris.mdb"), languageKey, data);
    } catch (const DatabaseError& e) {
      problem = QStringLiteral("%1: %2").arg(e.file(), e.engineMessage());
      return kFileError;
    } catch (const RecordOutOfBounds& e) {
      problem = e.userMessage();
      return kFileError;
    }
    if (const std::optional<StepMessage> refusal = engine.apply(configuration, languageKey)) {
      problem = refusal->prefix + (refusal->text ? data.TextCatalogue[refusal->text] : QString()) +
                refusal->suffix;
      return kRefused;
    }
    return kDone;
  }
};

// The list's lines start with one blank, as on the screen.
constexpr int kListIndent = 1;

// An amount as the list shows it, without the noise of single precision.
double amount(double value) {
  return std::round(value * 100) / 100;
}

QJsonObject listAsJson(const OrderingList& list) {
  QJsonArray lines;
  for (const OrderingLine* part : list.parts()) {
    QJsonObject line;
    line["quantity"] = part->quantity;
    line["unit"] = part->isLength ? QStringLiteral("m") : QString();
    if (part->isLength && list.imperial) line["feet"] = std::round(part->quantity / kMetresPerFoot);
    line["orderingNumber"] = part->orderingNumber;
    line["amount"] = amount(part->amount);
    line["description"] = part->description;
    lines.append(line);
  }
  QJsonObject object;
  object["lines"] = lines;
  object["total"] = amount(list.total);
  object["discount"] = amount(list.discountAmount());
  object["net"] = amount(list.net());
  return object;
}

// Reads the price list and imports it, or with a dry run only compares it with the prices;
// prints what changes.
int importPriceList(const QString& file, bool dryRun, QTextStream& out, QTextStream& err) {
  try {
    const QString suffix = QFileInfo(file).suffix().toUpper();
    const std::vector<PriceEntry> entries =
        suffix == QLatin1String("XLS") || suffix == QLatin1String("XLSX") ? readPriceWorkbook(file)
                                                                          : readPriceFile(file);
    const PriceImportSummary summary =
        importPrices(QStringLiteral("Telmaris.mdb"), entries, {QFileInfo(file).fileName(), dryRun});
    if (dryRun) out << "Dry run: nothing has been changed.\n";
    out << priceImportReport(summary);
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

int printPriceHistory(QTextStream& out, QTextStream& err) {
  try {
    Database db = Database::open(QStringLiteral("Telmaris.mdb"), kConnectString);
    out << priceHistoryReport(readPriceHistory(db));
    return kDone;
  } catch (const DatabaseError& e) {
    err << e.file() << ": " << e.engineMessage() << '\n';
  }
  return kFileError;
}

int undoImport(QTextStream& out, QTextStream& err) {
  try {
    const std::optional<PriceUndoSummary> undone = undoLastImport(QStringLiteral("Telmaris.mdb"));
    if (!undone) {
      err << "telmaris: there is no price import to undo\n";
      return kFileError;
    }
    out << priceUndoReport(*undone);
    return kDone;
  } catch (const DatabaseError& e) {
    err << e.file() << ": " << e.engineMessage() << '\n';
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
    } else if (a == QLatin1String("--open")) {
      // A desktop entry runs "--open %f", which leaves a bare --open when it is started
      // without a file.
      ok = c.kind == CommandLine::Kind::Window;
      c.kind = CommandLine::Kind::Open;
      if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1String("--")))
        c.file = arguments[++i];
    } else if (a == QLatin1String("--dry-run")) {
      c.dryRun = true;
    } else if (a == QLatin1String("--price-history")) {
      ok = c.kind == CommandLine::Kind::Window;
      c.kind = CommandLine::Kind::PriceHistory;
    } else if (a == QLatin1String("--undo-import")) {
      ok = c.kind == CommandLine::Kind::Window;
      c.kind = CommandLine::Kind::UndoImport;
    } else {
      return usage(QStringLiteral("unknown option %1").arg(a));
    }
    if (!ok) return usage(QStringLiteral("%1 is incomplete or wrong").arg(a));
  }
  if (c.kind == CommandLine::Kind::Window) return usage(QStringLiteral("no command given"));
  if (c.dryRun && c.kind != CommandLine::Kind::ImportPrices)
    return usage(QStringLiteral("--dry-run goes with --import-prices only"));
  return c;
}

CommandLine parseCommandLine(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return parseCommandLine(arguments);
}

void quietQtMessages() {
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
  });
}

QString commandLineHelp() {
  return QStringLiteral(
      "Usage:\n"
      "  telmaris [PROGRAM-DIRECTORY]                    open the program's window\n"
      "  telmaris [--dir DIR] --open [FILE]              open the window with a saved\n"
      "                                                  configuration (.telmaris), in its\n"
      "                                                  variant; without FILE as above\n"
      "  telmaris [--dir DIR] --list FILE                print the ordering list of a saved\n"
      "                                                  configuration (.telmaris)\n"
      "  telmaris [--dir DIR] --json FILE                the same list as JSON\n"
      "  telmaris [--dir DIR] [--date YYYY-MM-DD] --pdf OUT FILE\n"
      "                                                  write the printed page as a PDF file\n"
      "  telmaris [--dir DIR] --xlsx OUT FILE            write the spreadsheet export to OUT\n"
      "  telmaris [--dir DIR] --import-prices PRICES [--dry-run]\n"
      "                                                  import a price file (.DAT, .TXT) or a\n"
      "                                                  workbook (.XLS, .XLSX) and print what\n"
      "                                                  changed; --dry-run changes nothing\n"
      "  telmaris [--dir DIR] --price-history            the imports and edits of the prices,\n"
      "                                                  newest first\n"
      "  telmaris [--dir DIR] --undo-import              put back the prices from before the\n"
      "                                                  last import not yet undone\n"
      "  telmaris --help                                 this text\n"
      "\n"
      "--dir is the program directory, the folder of Telmaris.mdb (default: the program's own).\n"
      "Exit status: 0 done; 1 an answer of the configuration was refused (the message on\n"
      "standard error); 2 a wrong command line; 3 a file or database error, or no import to\n"
      "undo (nothing changed).\n");
}

int runCommand(const CommandLine& command, const QString& executableDirectory, QTextStream& out,
               QTextStream& err, const PageWriter& writePage) {
  if (command.kind == CommandLine::Kind::Help) {
    out << commandLineHelp();
    return kDone;
  }
  if (command.kind == CommandLine::Kind::Open) {
    err << "telmaris: --open is the work of the window, which this program does not have\n";
    return kUsageError;
  }
  if (command.kind == CommandLine::Kind::Usage || command.kind == CommandLine::Kind::Window) {
    err << "telmaris: " << command.error << "\n\n" << commandLineHelp();
    return kUsageError;
  }
  // Files named on the command line are taken from where the command was given.
  const QDir here = QDir::current();
  const QString file = here.absoluteFilePath(command.file);
  const QString output =
      command.output.isEmpty() ? QString() : here.absoluteFilePath(command.output);
  const QString directory = command.directory.isEmpty() ? executableDirectory : command.directory;
  if (!QDir::setCurrent(directory)) {
    err << "telmaris: no program directory " << directory << '\n';
    return kFileError;
  }
  switch (command.kind) {
    case CommandLine::Kind::ImportPrices:
      return importPriceList(file, command.dryRun, out, err);
    case CommandLine::Kind::PriceHistory:
      return printPriceHistory(out, err);
    case CommandLine::Kind::UndoImport:
      return undoImport(out, err);
    default:
      break;
  }

  OpenedConfiguration opened;
  QString problem;
  const int status = opened.open(file, problem);
  if (status != kDone) {
    err << problem << '\n';
    return status;
  }
  const OrderingList list = BuildOrderingList(opened.data, opened.engine.hoist());
  switch (command.kind) {
    case CommandLine::Kind::List:
      for (const QString& line : orderingListLines(list, kListIndent)) out << line << '\n';
      return kDone;
    case CommandLine::Kind::Json:
      out << QJsonDocument(listAsJson(list)).toJson(QJsonDocument::Indented);
      return kDone;
    case CommandLine::Kind::Xlsx:
      try {
        writeExportWorkbook(output, orderingListSheet(opened.data.TextCatalogue, list));
      } catch (const ExportError& e) {
        err << output << ": " << e.message() << '\n';
        return kFileError;
      }
      return kDone;
    case CommandLine::Kind::Pdf: {
      if (!writePage) {
        err << "telmaris: this program writes no pages\n";
        return kUsageError;
      }
      const QDate date = command.date.isEmpty() ? QDate::currentDate()
                                                : QDate::fromString(command.date, Qt::ISODate);
      return writePage(
          PageRequest{opened.data, opened.configuration, opened.engine.hoist(), list, output, date},
          err);
    }
    default:
      return kUsageError;
  }
}
