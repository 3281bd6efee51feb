// The program's work from the command line: ordering lists, printed pages, workbooks and price
// imports without a window.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "common/problem.h"
#include "configurator/configuration.h"
#include "configurator/configured_hoist.h"
#include "configurator/ordering_list.h"
#include "data/program_directory.h"
#include "quotes/quote.h"

class QTextStream;

// What --pdf writes: the printed document of a quote, or the page of a configuration (a quote
// of one position, not made as a quote), with the image of the main window that walked each
// position.
struct PageRequest {
  const ProgramDirectory& directory;
  const PartsData& data;  // in the quote's print variant
  const Quote& quote;     // numbered and dated when it has been issued
  QString output;         // the PDF file
  QDate date;             // printed on the pages of a quote not issued, and of a configuration
  // Each position's list as the register keeps it, for a quote printed as issued; none: the
  // lists are priced from `data`.
  std::optional<std::vector<OrderingList>> lists;
};
// Walks the positions and writes the document; returns what the user is to be warned of, such
// as pictures the pages lack (the document is written all the same). Throws Failure, a refused
// or missing answer as the list commands give it.
using PageWriter = std::function<QStringList(const PageRequest& request)>;

struct CommandLine {
  // Open is the window with a configuration opened (--open), the work of the desktop program
  // as Window is.
  enum class Kind {
    Window,
    Open,
    List,
    Json,
    Pdf,
    Xlsx,
    ImportPrices,
    PriceHistory,
    UndoImport,
    SetAsidePriceHistory,
    Quotes,   // --quotes: the register of issued quotes
    Reprice,  // --reprice: an issued quote against today's prices
    Serve,    // --serve: the quote service over HTTP
    Help,
    Usage
  };
  Kind kind = Kind::Window;
  QString directory;  // --dir; empty: the executable's directory
  QString date;       // --date YYYY-MM-DD
  QString output;     // the OUT of --pdf and --xlsx
  QString language;   // --language CODE: the language a quote prints in, instead of its own
  // The number of an issued quote: --quote NUMBER with --pdf or --xlsx, --reprice NUMBER.
  QString quoteNumber;
  QString filter;  // the TEXT of --quotes
  // The configuration or quote, or the price list of --import-prices. Empty for an --open without a
  // file, which opens the window as without options.
  QString file;
  bool dryRun = false;  // --dry-run: say what --import-prices would change, change nothing
  // --unissued: --pdf or --xlsx of a quote without issuing it; the document carries the number
  // its file holds, or none, and nothing is written but OUT.
  bool unissued = false;
  // --serve: --listen ADDRESS:PORT, --threads N, --tokens FILE, --request-timeout SECONDS.
  QString listen = QStringLiteral("127.0.0.1:8080");
  int threads = 0;  // 0: one per processor
  QString tokens;
  int requestTimeout = 10;
  QString error;  // what is wrong with a command line of kind Usage
};

// Exit statuses of a command: done, or the status of the problem that stopped it
// (exitStatusOf).
enum CommandStatus { kDone = 0, kRefused = 1, kUsageError = 2, kFileError = 3 };

// The arguments after the program's name. A command line that does not start with "--" keeps
// its old meaning: the whole text is the program directory, and the window opens.
CommandLine parseCommandLine(const QStringList& arguments);
// The same for the arguments of main().
CommandLine parseCommandLine(int argc, char** argv);

// Keeps Qt's own notes off standard error, which carries only what a command has to say.
void quietQtMessages();

QString commandLineHelp();

// Runs a command of a kind other than Window on a QCoreApplication; --pdf hands the page to
// the writer, which the desktop program gives.
int runCommand(const CommandLine& command, const QString& executableDirectory, QTextStream& out,
               QTextStream& err, const PageWriter& writePage = {});

// The one way a command reports a problem: "where: what" on standard error, with the texts of
// the catalogue when the problem names one. Returns the command's exit status.
int printProblem(QTextStream& err, const Problem& problem,
                 const TextCatalogueArray* texts = nullptr);
