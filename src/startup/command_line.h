// The program's work from the command line: ordering lists, printed pages, workbooks and price
// imports without a window.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>

#include "configurator/configuration.h"

class QTextStream;

// The main window as it shows a configuration, for the image on the printed page.
using WindowImage = std::function<QImage(const Configuration&)>;

struct CommandLine {
  enum class Kind { Window, List, Json, Pdf, Xlsx, ImportPrices, Help, Usage };
  Kind kind = Kind::Window;
  QString directory;  // --dir; empty: the executable's directory
  QString date;       // --date YYYY-MM-DD
  QString output;     // the OUT of --pdf and --xlsx
  QString file;       // the configuration, or the price list of --import-prices
  QString error;      // what is wrong with a command line of kind Usage
};

// The border, in millimetres, that a page written by --pdf keeps around the printed page, as a
// printer keeps one it cannot print on.
inline constexpr double kCommandPdfMargin = 5;

// Exit statuses of a command.
enum CommandStatus { kDone = 0, kRefused = 1, kUsageError = 2, kFileError = 3 };

// The arguments after the program's name. A command line that does not start with "--" keeps
// its old meaning: the whole text is the program directory, and the window opens.
CommandLine parseCommandLine(const QStringList& arguments);

QString commandLineHelp();

// Runs a command of a kind other than Window. --pdf needs a QGuiApplication and draws the
// window image it is given; the other commands need no more than a QCoreApplication.
int runCommand(const CommandLine& command, const QString& executableDirectory, QTextStream& out,
               QTextStream& err, const WindowImage& windowImage = {});
