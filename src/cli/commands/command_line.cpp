// Commands without a window.
#include "commands/command_line.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QTranslator>
#include <cmath>
#include <cstdio>

#include "common/file_access.h"
#include "common/units.h"
#include "common/variants.h"
#include "configurator/configuration_file.h"
#include "configurator/configuration_walk.h"
#include "configurator/ordering_list.h"
#include "data/database.h"
#include "data/parts_loader.h"
#include "data/program_directory.h"
#include "prices/excel_export.h"
#include "prices/price_file.h"
#include "prices/price_history.h"
#include "prices/price_import.h"
#include "prices/workbook_reader.h"

namespace {

Failure usageProblem(const QString& what) {
  return Failure(Problem{Problem::Kind::Usage, QStringLiteral("telmaris"), what, std::nullopt});
}

CommandLine usage(const QString& error) {
  CommandLine c;
  c.kind = CommandLine::Kind::Usage;
  c.error = error;
  return c;
}

// A saved configuration walked through the steps, on the parts data of its variant.
struct OpenedConfiguration {
  Configuration configuration;
  QString languageKey;
  PartsData data;
  ConfiguredHoist hoist;
  QTranslator translator;  // the program's own texts in the variant's language

  // Throws Failure: a file or database problem, an answer the steps refused, or a configuration
  // that stops before the output buttons, which the window would not print either.
  // The page of --pdf walks the answers itself, through the window whose image it shows:
  // `walk` false leaves the walk to it.
  void open(const QString& file, const ProgramDirectory& directory, bool walk = true) {
    const Result<Configuration> parsed = readConfigurationFile(file);
    if (!parsed) throw Failure(parsed.problem());
    configuration = *parsed;
    const Variant& variant = variantOf(configuration.variant);
    languageKey = variant.languageKey;
    // The steps' messages of the program's own in the variant's language, as the window says
    // them beside the catalogue's texts; without the file they stay in English.
    const QString language = variant.locale.left(2);
    if (language != QLatin1String("en") &&
        translator.load(QStringLiteral("telmaris_") + language,
                        directory.file(QStringLiteral("translations"))))
      QCoreApplication::installTranslator(&translator);
    loadPartsDatabase(directory.database(), languageKey, data);
    if (!walk) return;
    // A refused or missing answer: a text of the catalogue with its tail, or a text of its own.
    const Result<ConfiguredHoist> walked = ConfigurationWalk::apply(configuration);
    if (!walked) throw Failure(walked.problem());
    hoist = *walked;
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
    line[QLatin1StringView("quantity")] = part->quantity;
    line[QLatin1StringView("unit")] = part->isLength ? QStringLiteral("m") : QString();
    if (part->isLength && list.imperial)
      line[QLatin1StringView("feet")] = std::round(part->quantity / kMetresPerFoot);
    line[QLatin1StringView("orderingNumber")] = part->orderingNumber;
    line[QLatin1StringView("amount")] = amount(part->amount);
    line[QLatin1StringView("description")] = part->description;
    lines.append(line);
  }
  QJsonObject object;
  object[QLatin1StringView("lines")] = lines;
  object[QLatin1StringView("total")] = amount(list.total);
  object[QLatin1StringView("discount")] = amount(list.discountAmount());
  object[QLatin1StringView("net")] = amount(list.net());
  return object;
}

// Reads the price list and imports it, or with a dry run only compares it with the prices;
// prints what changes. Throws Failure.
void importPriceList(const ProgramDirectory& directory, const QString& file, bool dryRun,
                     QTextStream& out) {
  const QString suffix = QFileInfo(file).suffix().toUpper();
  std::vector<PriceEntry> entries;
  try {
    entries = suffix == QLatin1String("XLS") || suffix == QLatin1String("XLSX")
                  ? readPriceWorkbook(file)
                  : readPriceFile(file);
  } catch (const Failure& e) {
    // The readers' texts name the record or row; the file goes in front.
    Problem p = e.problem();
    if (p.where.isEmpty()) p.where = withControlsEscaped(file);
    throw Failure(p);
  }
  const PriceImportSummary summary =
      importPrices(directory.database(), entries, {QFileInfo(file).fileName(), dryRun});
  if (dryRun) out << "Dry run: nothing has been changed.\n";
  out << priceImportReport(summary);
}

// The history with the parts' descriptions of the default variant: the command line has no
// variant of its own.
void printPriceHistory(const ProgramDirectory& directory, QTextStream& out) {
  Database db = Database::open(directory.database(), kConnectString);
  const std::vector<PriceEvent> history = readPriceHistory(db);
  out << priceHistoryReport(history, readPartDescriptions(db, QString()));
}

void undoImport(const ProgramDirectory& directory, QTextStream& out) {
  const std::optional<PriceUndoSummary> undone = undoLastImport(directory.database());
  if (!undone)
    throw Failure(Problem{Problem::Kind::Database, QStringLiteral("telmaris"),
                          QStringLiteral("there is no price import to undo"), std::nullopt});
  out << priceUndoReport(*undone);
}

// Renames a price history the program cannot trust (or its own) aside, so that the next import
// starts a new one.
void setAsideHistory(const ProgramDirectory& directory, QTextStream& out) {
  Database db = Database::open(directory.database(), kConnectString);
  requirePartPrices(db);
  const QString aside = setAsidePriceHistory(db);
  if (aside.isEmpty())
    out << QCoreApplication::translate("Prices",
                                       "There is no price history to set aside; nothing has been "
                                       "changed.\n");
  else
    out << QCoreApplication::translate("Prices",
                                       "The price history %1 is now %2; the next import or price "
                                       "change starts a new, empty history.\n")
               .arg(kPriceHistoryTable, withControlsEscaped(aside));
}

// The command on the program directory's data. Throws Failure.
int runOnProgramDirectory(const CommandLine& command, const ProgramDirectory& directory,
                          const QString& file, const QString& output, QTextStream& out,
                          QTextStream& err, const PageWriter& writePage,
                          OpenedConfiguration& opened) {
  switch (command.kind) {
    case CommandLine::Kind::ImportPrices:
      importPriceList(directory, file, command.dryRun, out);
      return kDone;
    case CommandLine::Kind::PriceHistory:
      printPriceHistory(directory, out);
      return kDone;
    case CommandLine::Kind::UndoImport:
      undoImport(directory, out);
      return kDone;
    case CommandLine::Kind::SetAsidePriceHistory:
      setAsideHistory(directory, out);
      return kDone;
    default:
      break;
  }

  if (command.kind == CommandLine::Kind::Pdf) {
    if (!writePage) throw usageProblem(QStringLiteral("this program writes no pages"));
    opened.open(file, directory, false);
    const QDate date = command.date.isEmpty() ? QDate::currentDate()
                                              : QDate::fromString(command.date, Qt::ISODate);
    // A warning leaves the exit status as it is: the page has been written.
    for (const QString& warning :
         writePage(PageRequest{directory, opened.data, opened.configuration, output, date}))
      err << "telmaris: " << QCoreApplication::translate("Page", "warning: ") << warning << '\n';
    return kDone;
  }
  opened.open(file, directory);
  const OrderingList list = BuildOrderingList(opened.data, opened.hoist);
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
      } catch (const Failure& e) {
        Problem p = e.problem();
        if (p.where.isEmpty()) p.where = output;
        throw Failure(p);
      }
      return kDone;
    default:
      throw usageProblem(QStringLiteral("no command given"));
  }
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
    } else if (a == kSetAsidePriceHistoryOption) {
      ok = c.kind == CommandLine::Kind::Window;
      c.kind = CommandLine::Kind::SetAsidePriceHistory;
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
      "  telmaris [--dir DIR] --set-aside-price-history  rename the price history table aside\n"
      "                                                  (one the program cannot trust, say);\n"
      "                                                  the next import starts a new one\n"
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
    return printProblem(err, Problem{Problem::Kind::Usage, QStringLiteral("telmaris"),
                                     QStringLiteral("--open is the work of the window, which this "
                                                    "program does not have"),
                                     std::nullopt});
  }
  if (command.kind == CommandLine::Kind::Usage || command.kind == CommandLine::Kind::Window) {
    printProblem(err, Problem{Problem::Kind::Usage, QStringLiteral("telmaris"), command.error,
                              std::nullopt});
    err << '\n' << commandLineHelp();
    return kUsageError;
  }
  // Files named on the command line are taken from where the command was given.
  const QDir here = QDir::current();
  const QString file = here.absoluteFilePath(command.file);
  const QString output =
      command.output.isEmpty() ? QString() : here.absoluteFilePath(command.output);
  const ProgramDirectory directory(
      here.absoluteFilePath(command.directory.isEmpty() ? executableDirectory : command.directory));
  if (!directory.exists()) {
    return printProblem(err, Problem{Problem::Kind::File, directory.path(),
                                     QStringLiteral("no such program directory"), std::nullopt});
  }
  OpenedConfiguration opened;
  try {
    return runOnProgramDirectory(command, directory, file, output, out, err, writePage, opened);
  } catch (const Failure& e) {
    return printProblem(err, e.problem(), &opened.data.TextCatalogue);
  } catch (const std::exception& e) {
    // A file read in a way nobody foresaw is still a file that cannot be read.
    return printProblem(
        err, Problem{Problem::Kind::File, file, QString::fromLocal8Bit(e.what()), std::nullopt});
  }
}

int printProblem(QTextStream& err, const Problem& problem, const TextCatalogueArray* texts) {
  err << problem.describe(texts) << '\n';
  return exitStatusOf(problem);
}
