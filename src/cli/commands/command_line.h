// The program's work from the command line: ordering lists, printed pages, workbooks and price
// imports without a window.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

#include "common/problem.h"
#include "configurator/configuration.h"
#include "configurator/configured_hoist.h"
#include "configurator/ordering_list.h"
#include "data/program_directory.h"

class QTextStream;

// What --pdf writes: the printed page of a configuration.
// The page of a configuration, and the image of the main window that walked it: the window's
// step driver walks the answers once, for both.
struct PageRequest {
  const ProgramDirectory& directory;
  const PartsData& data;
  const Configuration& configuration;
  QString output;  // the PDF file
  QDate date;      // printed on the page
};
// Walks the configuration and writes its page; returns what the user is to be warned of, such
// as pictures the page lacks (the page is written all the same). Throws Failure, a refused or
// missing answer as the list commands give it.
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
    Help,
    Usage
  };
  Kind kind = Kind::Window;
  QString directory;  // --dir; empty: the executable's directory
  QString date;       // --date YYYY-MM-DD
  QString output;     // the OUT of --pdf and --xlsx
  // The configuration, or the price list of --import-prices. Empty for an --open without a
  // file, which opens the window as without options.
  QString file;
  bool dryRun = false;  // --dry-run: say what --import-prices would change, change nothing
  QString error;        // what is wrong with a command line of kind Usage
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
