// The program's work from the command line, run as a process of its own.
#include "commands/command_line.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "data/database.h"
#include "data/parts_data.h"
#include "data/parts_loader.h"
#include "page/page_pdf.h"
#include "support/pdf_words.h"
#include "support/special_files.h"
#include "support/test_database.h"

namespace {

struct Ran {
  int status;
  QString out;
  QString err;
};

Ran telmaris(const QStringList& arguments) {
  QProcess process;
  process.start(QStringLiteral(TELMARIS_EXECUTABLE), arguments);
  process.waitForFinished(60000);
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

QString writeConfigurationFile(const QTemporaryDir& dir, const QString& name,
                               const QByteArray& json) {
  QFile f(dir.filePath(name));
  f.open(QIODevice::WriteOnly);
  f.write(json);
  return f.fileName();
}

}  // namespace

TEST(CommandLine, ReadsItsOptions) {
  EXPECT_EQ(parseCommandLine({}).kind, CommandLine::Kind::Window);
  const CommandLine old = parseCommandLine({"/opt/my", "prices"});
  EXPECT_EQ(old.kind, CommandLine::Kind::Window);
  EXPECT_EQ(old.directory, "/opt/my prices");  // the whole text is the program directory
  const CommandLine pdf =
      parseCommandLine({"--dir", "D", "--date", "2020-01-02", "--pdf", "O", "F"});
  EXPECT_EQ(pdf.kind, CommandLine::Kind::Pdf);
  EXPECT_EQ(pdf.directory, "D");
  EXPECT_EQ(pdf.output, "O");
  EXPECT_EQ(pdf.file, "F");
  EXPECT_EQ(parseCommandLine({"--list"}).kind, CommandLine::Kind::Usage);
  EXPECT_EQ(parseCommandLine({"--list", "A", "--json", "B"}).kind, CommandLine::Kind::Usage);

  EXPECT_EQ(telmaris({"--help"}).status, 0);
  const Ran bad = telmaris({"--list"});
  EXPECT_EQ(bad.status, 2);
  EXPECT_TRUE(bad.err.contains("Usage:"));
}

TEST(CommandLine, OpenTakesAFileOrNone) {
  const CommandLine open = parseCommandLine({"--open", "quote.telmaris"});
  EXPECT_EQ(open.kind, CommandLine::Kind::Open);
  EXPECT_EQ(open.file, "quote.telmaris");
  EXPECT_TRUE(open.directory.isEmpty());
  for (const QStringList& arguments :
       {QStringList{"--dir", "D", "--open", "F"}, QStringList{"--open", "F", "--dir", "D"}}) {
    const CommandLine c = parseCommandLine(arguments);
    EXPECT_EQ(c.kind, CommandLine::Kind::Open) << arguments.join(' ').toStdString();
    EXPECT_EQ(c.directory, "D");
    EXPECT_EQ(c.file, "F");
  }
  // A desktop entry started without a file leaves a bare --open: the window as without options.
  for (const QStringList& arguments : {QStringList{"--open"}, QStringList{"--dir", "D", "--open"},
                                       QStringList{"--open", "--dir", "D"}}) {
    const CommandLine c = parseCommandLine(arguments);
    EXPECT_EQ(c.kind, CommandLine::Kind::Open) << arguments.join(' ').toStdString();
    EXPECT_TRUE(c.file.isEmpty()) << arguments.join(' ').toStdString();
  }
  EXPECT_EQ(parseCommandLine({"--open", "--dir", "D"}).directory, "D");
  // One file, and no other command beside it.
  for (const QStringList& arguments :
       {QStringList{"--open", "A", "B"}, QStringList{"--open", "A", "--list", "B"},
        QStringList{"--list", "B", "--open", "A"}, QStringList{"--open", "A", "--open", "B"},
        QStringList{"--open", "A", "--dry-run"}}) {
    EXPECT_EQ(parseCommandLine(arguments).kind, CommandLine::Kind::Usage)
        << arguments.join(' ').toStdString();
  }
  const Ran help = telmaris({"--help"});
  EXPECT_TRUE(help.out.contains("telmaris [--dir DIR] --open [FILE]")) << help.out.toStdString();
}

// telmaris --open starts the window with the file opened: it is attached and lands in the recent
// configurations of the user's settings. The file is named from where the command was given.
TEST(CommandLine, OpenStartsTheWindowWithTheFile) {
  QTemporaryDir dir;
  QDir(dir.path()).mkpath("quotes");
  const QString file = dir.filePath("quotes/my hoist.telmaris");
  ASSERT_TRUE(
      QFile::copy(TELMARIS_SOURCE_DIR "/examples/deutsch-250-schmierfrei-rabatt.telmaris", file));
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("HOME", dir.path());
  environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  QProcess process;
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(dir.filePath("quotes"));
  process.start(QStringLiteral(TELMARIS_EXECUTABLE),
                {"--dir", TELMARIS_PROGRAM_DIR, "--open", "my hoist.telmaris"});
  ASSERT_TRUE(process.waitForStarted());
  const QString settings = dir.filePath("config/Telmaris/Telmaris.conf");
  auto listed = [&] {
    QFile f(settings);
    return f.open(QIODevice::ReadOnly) && QString::fromUtf8(f.readAll()).contains(file);
  };
  bool found = false;
  for (int i = 0; i < 300 && !found && process.state() == QProcess::Running; ++i) {
    process.waitForFinished(100);
    found = listed();
  }
  const bool running = process.state() == QProcess::Running;
  process.kill();
  process.waitForFinished();
  EXPECT_TRUE(running) << "the window stays open: " << process.readAllStandardError().toStdString();
  EXPECT_TRUE(found) << settings.toStdString();
}

TEST(CommandLine, FilesAndOutputs) {
  QTemporaryDir dir;
  // A key with a wrong value is a file error that names the key.
  const QString wrongKey =
      writeConfigurationFile(dir, "wrong.telmaris", R"({"trolley": "sideways"})");
  const Ran wrong = telmaris({"--dir", TELMARIS_PROGRAM_DIR, "--list", wrongKey});
  EXPECT_EQ(wrong.status, 3);
  EXPECT_TRUE(wrong.err.startsWith(wrongKey + ": ")) << wrong.err;  // where, then what
  EXPECT_TRUE(wrong.err.contains("\"trolley\"")) << wrong.err;

  const Ran missing = telmaris({"--dir", TELMARIS_PROGRAM_DIR, "--list", dir.filePath("none")});
  EXPECT_EQ(missing.status, 3);
  EXPECT_EQ(telmaris({"--dir", dir.filePath("nowhere"), "--list", wrongKey}).status, 3);

  const QString english = QStringLiteral(TELMARIS_SOURCE_DIR "/examples/english-european.telmaris");
  const Ran json = telmaris({"--dir", TELMARIS_PROGRAM_DIR, "--json", english});
  EXPECT_EQ(json.status, 0);
  EXPECT_TRUE(json.out.contains("\"orderingNumber\": \"8420 0250 00\"")) << json.out;
  EXPECT_TRUE(json.out.contains("\"total\": 3151.4")) << json.out;

  const QString pdf = dir.filePath("page.pdf");
  const Ran printed =
      telmaris({"--dir", TELMARIS_PROGRAM_DIR, "--date", "2021-03-04", "--pdf", pdf, english});
  EXPECT_EQ(printed.status, 0) << printed.err;
  EXPECT_TRUE(printed.err.isEmpty()) << printed.err;
  EXPECT_EQ(pdfPageCount(pdf), 1);
  // Text 111 of the English column and the example's model name the document.
  EXPECT_EQ(pdfInfoField(pdf, "Title"), "Ordering list PXH 250 EX");
  EXPECT_EQ(pdfInfoField(pdf, "Creator"), "Velmora Telmaris");
  const std::vector<PdfWord> words = pdfWords(pdf);
  const auto date = std::find_if(words.begin(), words.end(),
                                 [](const PdfWord& w) { return w.text == "2021-03-04"; });
  ASSERT_NE(date, words.end());
  EXPECT_NEAR(date->right, kCommandPdfMargin + 193, 0.5);

  const QString xlsx = dir.filePath("list.xlsx");
  EXPECT_EQ(telmaris({"--dir", TELMARIS_PROGRAM_DIR, "--xlsx", xlsx, english}).status, 0);
  EXPECT_GT(QFile(xlsx).size(), 1000);

  // A picture missing from the program directory: the page is written, and a warning names it.
  TestProgramDirectory bare(TestProgramDirectory::Built{});
  const QString sketch = QDir(bare.path()).filePath("SKISSPXH.PCX");
  ASSERT_TRUE(QFile::remove(sketch));
  const Ran warned = telmaris({"--dir", bare.path(), "--pdf", dir.filePath("bare.pdf"), english});
  EXPECT_EQ(warned.status, 0) << warned.err;
  EXPECT_EQ(pdfPageCount(dir.filePath("bare.pdf")), 1);
  EXPECT_EQ(warned.err,
            "telmaris: warning: The page lacks the pictures of these files, which are missing or "
            "cannot be read:\n" +
                sketch + "\n");
}

// A configuration file is read only when it is a regular file of a configuration's size: a link
// to a device, a FIFO, a folder or a file far too large is refused at once, naming it.
TEST(CommandLine, ReadsOnlyARegularFileOfAConfigurationsSize) {
  QTemporaryDir dir;
  const QString zero = dir.filePath("zero.telmaris");
  ASSERT_TRUE(QFile::link("/dev/zero", zero));
  const Fifo fifo(dir.filePath("fifo.telmaris"));
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.telmaris"));
  QFile large(dir.filePath("large.telmaris"));
  ASSERT_TRUE(large.open(QIODevice::WriteOnly) && large.resize(1024 * 1024));
  large.close();
  const std::pair<QString, QString> cases[] = {
      {zero, "This is not a regular file (a device, a pipe or a socket)."},
      {fifo.path(), "This is not a regular file (a device, a pipe or a socket)."},
      {dir.filePath("folder.telmaris"), "This is a folder, not a file."},
      {large.fileName(),
       "The file is larger than 64 KB, and a configuration is about half a "
       "kilobyte. It is no configuration."}};
  for (const auto& [file, why] : cases) {
    const Ran listed = telmaris({"--dir", TELMARIS_PROGRAM_DIR, "--list", file});
    EXPECT_EQ(listed.status, 3) << file.toStdString();
    EXPECT_EQ(listed.err, file + ": " + why + "\n");
  }
}

// A configuration whose steps stop before the output buttons is never priced, whatever the
// output: the command says where it stopped, as the window would, and exits with 1.
TEST(CommandLine, UnfinishedOrRefusedConfigurationsAreNeverListed) {
  QTemporaryDir dir;
  struct Case {
    const char* json;
    const char* err;
  };
  const Case cases[] = {
      // Answers the steps turn down, and a model the program has no data for.
      {R"({"model": "PXH 250 EX", "liftHeight": "4", "controlLength": "5", "trolley": "none",
           "hoistControl": "twist-rod"})",
       "The twist rod is only available for control lengths up to 4 m."},
      {R"({"model": "PXH 750 EX", "liftHeight": "4"})",
       "The model \"PXH 750 EX\" is not in the program's range.\n"
       "Please choose a model from the list."},
      // An empty or missing lift height, as the box says it: text 13.
      {R"({"model": "PXH 500 EX", "liftHeight": "", "controlLength": "3"})",
       "Please enter the lifting height."},
      {R"({"model": "PXH 500 EX", "controlLength": "3", "trolley": "none"})",
       "Please enter the lifting height."},
      // An empty or missing control length: text 15.
      {R"({"model": "PXH 250 EX", "liftHeight": "4", "controlLength": ""})",
       "Please enter the length of the control device."},
      {R"({"model": "PXH 250 EX", "liftHeight": "4", "trolley": "none"})",
       "Please enter the length of the control device."},
      // No trolley, no hoist control; the steps offer a choice and wait for it.
      {R"({"model": "PXH 250 EX", "liftHeight": "4", "controlLength": "3", "trolley": null})",
       "The trolley is not chosen."},
      {R"({"model": "PXH 250 EX", "liftHeight": "4", "controlLength": "3", "trolley": "none"})",
       "The hoist control is not chosen."},
      {R"({"model": "PXH 250 EX", "liftHeight": "4", "controlLength": "3", "trolley": "none",
           "hoistControl": null})",
       "The hoist control is not chosen."},
      // The heavy hoists ask for the motor trolley's control; the light ones take the 2-button
      // control by themselves, so a null there is complete (see the listed case below).
      {R"({"model": "PXH 2500 EX", "liftHeight": "4", "controlLength": "3",
           "trolley": "motor-narrow", "hoistControl": "pull-chain", "trolleyControl": null,
           "accessories": {"chainStop": true}, "discount": 10})",
       "The trolley control is not chosen."},
      {R"({"model": "PXH 5000 EX", "liftHeight": "4", "controlLength": "3",
           "trolley": "motor-wide", "hoistControl": "pull-chain"})",
       "The trolley control is not chosen."},
      // Options the model or the answers before do not offer, named.
      {R"({"model": "PXH 250 EX", "liftHeight": "4", "controlLength": "3", "trolley": "none",
           "hoistControl": "2-button-hook"})",
       "Hook-mounted: not offered for the PXH 250 EX with the answers of the steps before."},
      {R"({"model": "PXH 250 EX", "liftHeight": "4", "controlLength": "3", "trolley": "none",
           "hoistControl": "4-button"})",
       "4-Button: not offered for the PXH 250 EX with the answers of the steps before."},
      {R"({"model": "PXH 5000 EX", "liftHeight": "4", "controlLength": "3",
           "trolley": "manual-wide", "hoistControl": "pull-chain"})",
       "Manual, wide beam 181-300 mm: not offered for the PXH 5000 EX with the answers of the "
       "steps before."},
      // In the variant's language, the program's own words as well as the catalogue's.
      {R"({"variant": "Deutsch", "model": "PXH 250 EX", "liftHeight": "4", "controlLength": "3",
           "trolley": "none", "hoistControl": "4-button"})",
       "4 Tasten: für den PXH 250 EX mit den Antworten der vorigen Schritte nicht angeboten."},
      {R"({"variant": "Français", "model": "PXH 250 EX", "liftHeight": "4", "controlLength": "3"})",
       "Le chariot n'est pas choisi."},
  };
  int n = 0;
  for (const Case& c : cases) {
    const QString file = writeConfigurationFile(dir, QString("c%1.telmaris").arg(++n), c.json);
    const Ran listed = telmaris({"--dir", TELMARIS_PROGRAM_DIR, "--list", file});
    EXPECT_EQ(listed.status, 1) << c.json;
    EXPECT_EQ(listed.err.trimmed(), c.err) << c.json;
    EXPECT_TRUE(listed.out.isEmpty()) << c.json << listed.out.toStdString();
  }
  // Every output refuses alike, and writes nothing.
  const QString heavy = writeConfigurationFile(dir, "c10.telmaris", cases[9].json);
  EXPECT_EQ(telmaris({"--dir", TELMARIS_PROGRAM_DIR, "--json", heavy}).status, 1);
  EXPECT_EQ(telmaris({"--dir", TELMARIS_PROGRAM_DIR, "--pdf", dir.filePath("p.pdf"), heavy}).status,
            1);
  EXPECT_EQ(
      telmaris({"--dir", TELMARIS_PROGRAM_DIR, "--xlsx", dir.filePath("l.xlsx"), heavy}).status, 1);
  EXPECT_FALSE(QFile::exists(dir.filePath("p.pdf")));
  EXPECT_FALSE(QFile::exists(dir.filePath("l.xlsx")));

  // With its trolley control the same heavy hoist is listed whole: the chain stop and the
  // discount of the file are on it.
  const QString complete =
      writeConfigurationFile(dir, "complete.telmaris",
                             R"({"model": "PXH 2500 EX", "liftHeight": "4", "controlLength": "3",
          "trolley": "motor-narrow", "hoistControl": "pull-chain", "trolleyControl": "pull-chain",
          "accessories": {"chainStop": true}, "discount": 10})");
  const Ran whole = telmaris({"--dir", TELMARIS_PROGRAM_DIR, "--list", complete});
  EXPECT_EQ(whole.status, 0) << whole.err.toStdString();
  EXPECT_TRUE(whole.out.contains("7302 4730 10")) << whole.out.toStdString();  // chain stop 10 mm
  EXPECT_TRUE(whole.out.contains("\n Discount ")) << whole.out.toStdString();
  // A light hoist with a motor trolley takes the 2-button trolley control without a question.
  const QString light =
      writeConfigurationFile(dir, "light.telmaris",
                             R"({"model": "PXH 250 EX", "liftHeight": "4", "controlLength": "3",
          "trolley": "motor-narrow", "hoistControl": "pull-chain"})");
  EXPECT_EQ(telmaris({"--dir", TELMARIS_PROGRAM_DIR, "--list", light}).status, 0);
}

// A page or a spreadsheet that cannot be written whole (a full disk) leaves the file that was
// there and nothing beside it, and the command says so in its own words only, naming the file.
// Written whole, the new file takes the old one's place and keeps its permissions.
TEST(CommandLine, AFailedWriteLeavesThePreviousFileAndTheProgramsMessageAlone) {
  QTemporaryDir dir;
  const QString english = QStringLiteral(TELMARIS_SOURCE_DIR "/examples/english-european.telmaris");
  for (const QString& option : {QStringLiteral("--pdf"), QStringLiteral("--xlsx")}) {
    const QString target = dir.filePath(option == "--pdf" ? "page.pdf" : "list.xlsx");
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the file before");
    old.close();
    old.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    // Files of 8 blocks of 512 bytes at most; a write beyond fails instead of ending the program.
    QProcess full;
    full.start("sh", {"-c", R"(trap "" XFSZ; ulimit -f 8; exec "$0" "$@")", TELMARIS_EXECUTABLE,
                      "--dir", TELMARIS_PROGRAM_DIR, option, target, english});
    ASSERT_TRUE(full.waitForFinished(60000));
    const QString err = QString::fromUtf8(full.readAllStandardError());
    EXPECT_EQ(full.exitCode(), 3) << option.toStdString();
    EXPECT_TRUE(err.startsWith(target + ": ")) << err.toStdString();
    EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the file before") << option.toStdString();
    old.close();

    EXPECT_EQ(telmaris({"--dir", TELMARIS_PROGRAM_DIR, option, target, english}).status, 0);
    EXPECT_GT(old.size(), 1000);
    EXPECT_EQ(old.permissions() & (QFile::ReadGroup | QFile::ReadOther), 0) << option.toStdString();
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList({"list.xlsx", "page.pdf"}));
}

// The printed page of --pdf, window image included, comes from one reading of the database and
// one walk through the steps: the file is opened once.
TEST(CommandLine, APageReadsTheDatabaseOnce) {
  QTemporaryDir dir;
  QProcess strace;
  // The leak checker of a sanitizer build cannot work under ptrace; the rest of it can.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  const QString sanitizer = environment.value("ASAN_OPTIONS");
  environment.insert("ASAN_OPTIONS", sanitizer.isEmpty() ? QString("detect_leaks=0")
                                                         : sanitizer + ":detect_leaks=0");
  strace.setProcessEnvironment(environment);
  strace.start("strace",
               {"-f", "-e", "trace=openat", "-o", dir.filePath("trace"), TELMARIS_EXECUTABLE,
                "--dir", TELMARIS_PROGRAM_DIR, "--pdf", dir.filePath("p.pdf"),
                TELMARIS_SOURCE_DIR "/examples/english-european.telmaris"});
  if (!strace.waitForStarted()) GTEST_SKIP() << "strace is not installed";
  ASSERT_TRUE(strace.waitForFinished(120000));
  ASSERT_EQ(strace.exitCode(), 0) << strace.readAllStandardError().toStdString();
  QFile trace(dir.filePath("trace"));
  ASSERT_TRUE(trace.open(QIODevice::ReadOnly));
  int opens = 0;
  for (const QByteArray& line : trace.readAll().split('\n'))
    if (line.contains("/Telmaris.mdb\"")) ++opens;
  EXPECT_EQ(opens, 1);
  EXPECT_EQ(pdfPageCount(dir.filePath("p.pdf")), 1);
}

TEST(CommandLine, ImportsPricesOrChangesNothing) {
  TestProgramDirectory dir(TestProgramDirectory::Built{});
  QTemporaryDir files;
  const QString list = files.filePath("prices.dat");
  QFile f(list);
  f.open(QIODevice::WriteOnly);
  f.write("\"8420 0250 00\",3500.00\n\"7302 4410 02\",45.50\n\"7302 4430 05\"\n");
  f.close();
  auto price = [&](int part) {
    PartsData data;
    loadPartsDatabase(dir.database(), QString(), data);
    return data.PartPrice[part];
  };
  const auto before = price(2);
  const Ran failed = telmaris({"--dir", dir.path(), "--import-prices", list});
  EXPECT_EQ(failed.status, 3);
  EXPECT_FALSE(failed.err.isEmpty());
  EXPECT_EQ(price(2), before);

  f.open(QIODevice::WriteOnly);
  f.write("\"8420 0250 00\",3500.00\n\"7302 4410 02\",45.50\n");
  f.close();
  // A dry run prints what the import would do and writes nothing.
  QFile database(dir.database());
  database.open(QIODevice::ReadOnly);
  const QByteArray bytes = database.readAll();
  database.close();
  const Ran dry = telmaris({"--dir", dir.path(), "--import-prices", list, "--dry-run"});
  EXPECT_EQ(dry.status, 0);
  EXPECT_TRUE(dry.out.startsWith("Dry run: nothing has been changed.\nNew price:  2\n"))
      << dry.out.toStdString();
  database.open(QIODevice::ReadOnly);
  EXPECT_EQ(database.readAll(), bytes);
  database.close();

  const Ran imported = telmaris({"--dir", dir.path(), "--import-prices", list});
  EXPECT_EQ(imported.status, 0);
  EXPECT_TRUE(imported.out.startsWith("New price:  2\n")) << imported.out.toStdString();
  EXPECT_EQ(price(2), 3500.0);

  const Ran history = telmaris({"--dir", dir.path(), "--price-history"});
  EXPECT_EQ(history.status, 0);
  EXPECT_TRUE(history.out.contains("1. Import of prices.dat:")) << history.out.toStdString();
  EXPECT_EQ(telmaris({"--dir", dir.path(), "--undo-import"}).status, 0);
  EXPECT_EQ(price(2), before);
  const Ran nothing = telmaris({"--dir", dir.path(), "--undo-import"});
  EXPECT_EQ(nothing.status, 3);
  EXPECT_EQ(nothing.err, "telmaris: there is no price import to undo\n");
}

// Bytes of a price file, or of a file's name, never reach the terminal as escape sequences: a
// colour change or a new window title shows as \xNN.
TEST(CommandLine, ControlCharactersFromInputAreShownEscaped) {
  TestProgramDirectory dir(TestProgramDirectory::Built{});
  QTemporaryDir files;
  const QString list = files.filePath("prices.dat");
  QFile f(list);
  f.open(QIODevice::WriteOnly);
  f.write("\"8420 0250 00\",\x1b[31m3500\n");
  f.close();
  const Ran field = telmaris({"--dir", dir.path(), "--import-prices", list});
  EXPECT_EQ(field.status, 3);
  EXPECT_TRUE(field.err.contains("\"\\x1b[31m3500\"")) << field.err.toStdString();
  EXPECT_FALSE(field.err.contains(QChar(0x1b)));

  const Ran name =
      telmaris({"--dir", dir.path(), "--list", files.filePath("\x1b]0;owned\x07.telmaris")});
  EXPECT_EQ(name.status, 3);
  EXPECT_TRUE(name.err.contains("\\x1b]0;owned\\x07.telmaris")) << name.err.toStdString();
  EXPECT_FALSE(name.err.contains(QChar(0x1b)) || name.err.contains(QChar(0x07)));
}

// The price commands on a database that cannot be read say why and exit with 3; a history table
// that is not the program's is refused until --set-aside-price-history renames it aside; a file
// name from the command line reaches the terminal with its control characters escaped.
TEST(CommandLine, PriceCommandsNameWhatIsWrongWithTheDatabase) {
  QTemporaryDir dirs;
  const QString list = dirs.filePath("B\x1b]0;title\x07\x1b[31m.DAT");
  QFile f(list);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("\"7302 0011 01\",5\n");
  f.close();
  auto programDirectory = [&](const QString& name) {
    QDir(dirs.path()).mkpath(name);
    return ProgramDirectory(dirs.filePath(name)).database();
  };
  QFile(programDirectory("empty")).open(QIODevice::WriteOnly);
  QFile::link("/dev/null", programDirectory("device"));
  makeDatabase(programDirectory("no-parts"), "DROP TABLE tblDetaljPr;");
  const std::pair<QString, QString> broken[] = {
      {"empty", "The file is empty: it holds no database."},
      {"device", "This is not a regular file"},
      {"no-parts", "The database has no table tblDetaljPr"}};
  for (const auto& [name, cause] : broken)
    for (const QStringList& command :
         {QStringList{"--price-history"}, QStringList{"--undo-import"},
          QStringList{"--import-prices", list}, QStringList{"--set-aside-price-history"}}) {
      const Ran ran = telmaris(QStringList{"--dir", dirs.filePath(name)} + command);
      EXPECT_EQ(ran.status, 3) << name.toStdString() << ' ' << command[0].toStdString();
      EXPECT_TRUE(ran.err.contains(cause)) << ran.err.toStdString();
    }

  TestProgramDirectory dir;
  Database::open(dir.database(), kConnectString)
      .execute("CREATE VIEW tblPriceHistory AS SELECT 1 AS lngEvent;");
  const Ran refused = telmaris({"--dir", dir.path(), "--import-prices", list});
  EXPECT_EQ(refused.status, 3);
  EXPECT_TRUE(refused.err.contains("The table tblPriceHistory is not the program's price history"))
      << refused.err.toStdString();
  const Ran setAside = telmaris({"--dir", dir.path(), "--set-aside-price-history"});
  EXPECT_EQ(setAside.status, 0) << setAside.err.toStdString();
  EXPECT_TRUE(
      setAside.out.startsWith("The price history tblPriceHistory is now "
                              "tblPriceHistory_set_aside_"))
      << setAside.out.toStdString();
  EXPECT_EQ(telmaris({"--dir", dir.path(), "--import-prices", list}).status, 0);
  const Ran history = telmaris({"--dir", dir.path(), "--price-history"});
  EXPECT_EQ(history.status, 0);
  EXPECT_TRUE(history.out.contains("1. Import of B\\x1b]0;title\\x07\\x1b[31m.DAT:"))
      << history.out.toStdString();
  // The parts by their descriptions of the default variant.
  EXPECT_TRUE(history.out.contains("    7302 0011 01        110.50  ->        5.00  Eng part 11\n"))
      << history.out.toStdString();
  EXPECT_FALSE(history.out.contains('\x1b'));
}
