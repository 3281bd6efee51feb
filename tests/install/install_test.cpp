// The installed program: `cmake --install` into a temporary prefix, then the installed launcher
// run with a temporary home, as a user would start it for the first time and again later.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

const QString kBuildDir = QStringLiteral(TELMARIS_BUILD_DIR);
const QString kExample = QStringLiteral(TELMARIS_SOURCE_DIR "/examples/english-european.telmaris");

struct Ran {
  int status = -1;
  QString out;
  QString err;
};

Ran run(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  Ran ran;
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
    ran.err = program + " did not finish: " + process.errorString();
    return ran;
  }
  ran.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  ran.out = QString::fromUtf8(process.readAllStandardOutput());
  ran.err = QString::fromUtf8(process.readAllStandardError());
  return ran;
}

QString readAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

// A program of the desktop's tools, found on the path.
QString tool(const char* name) {
  const QString found = QStandardPaths::findExecutable(name);
  EXPECT_FALSE(found.isEmpty()) << name << " is missing";
  return found;
}

// Sets the price of one part in an encrypted database through the sqlcipher shell.
void setPrice(const QString& database, int part, double price) {
  const QString shell = tool("sqlcipher");
  const Ran ran =
      run(shell, {database, QStringLiteral("PRAGMA key='QUINTARO'; UPDATE tblDetaljPr SET "
                                           "sngPris=%1 WHERE lngNr=%2;")
                                .arg(price)
                                .arg(part)});
  ASSERT_EQ(ran.status, 0) << ran.err.toStdString();
}

// A fresh installation in a temporary prefix and a user with an empty home of their own.
class Installed : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(prefix_.isValid() && home_.isValid());
    const Ran install = run(QStringLiteral(TELMARIS_CMAKE_COMMAND),
                            {"--install", kBuildDir, "--prefix", prefix_.path()});
    ASSERT_EQ(install.status, 0) << install.out.toStdString() << install.err.toStdString();
    // No display, no data folder of the session: the launcher's own defaults.
    environment_ = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_DATA_HOME", "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
      environment_.remove(QString::fromLatin1(name));
    }
    environment_.insert("HOME", home_.path());
  }

  QString installed(const QString& name) const { return prefix_.filePath(name); }
  QString userDir() const { return home_.filePath(".local/share/telmaris"); }
  QString userFile(const QString& name) const { return QDir(userDir()).filePath(name); }

  Ran launch(const QStringList& arguments) const {
    return run(installed("bin/telmaris"), arguments, environment_);
  }

  // The ordering list of the example as the program in the build tree gives it.
  static QString buildTreeList() {
    const Ran ran = run(kBuildDir + "/telmaris/telmaris",
                        {"--dir", kBuildDir + "/telmaris", "--list", kExample});
    EXPECT_EQ(ran.status, 0) << ran.err.toStdString();
    return ran.out;
  }

  QTemporaryDir prefix_;
  QTemporaryDir home_;
  QProcessEnvironment environment_;
};

}  // namespace

// The program, the launcher, the icon, the desktop entry and the file type of the
// configurations, each as the desktop's own tools read it.
TEST_F(Installed, HoldsTheProgramTheLauncherTheDesktopEntryAndTheFileType) {
  EXPECT_TRUE(QFileInfo(installed("lib/telmaris/telmaris")).isExecutable());
  EXPECT_TRUE(QFileInfo(installed("bin/telmaris")).isExecutable());
  EXPECT_TRUE(QFileInfo(installed("share/icons/hicolor/256x256/apps/telmaris.png")).isFile());

  const QString entry = installed("share/applications/telmaris.desktop");
  const QString text = readAll(entry);
  for (const QString& line : QStringList{"Name=Telmaris", "Icon=telmaris",
                                         "Exec=" + installed("bin/telmaris") + " --open %f",
                                         "MimeType=application/x-telmaris;"})
    EXPECT_TRUE(text.contains("\n" + line + "\n")) << line.toStdString() << "\n"
                                                   << text.toStdString();
  const Ran validated = run(tool("desktop-file-validate"), {entry});
  EXPECT_EQ(validated.status, 0) << validated.err.toStdString();
  EXPECT_TRUE(validated.out.isEmpty() && validated.err.isEmpty()) << validated.out.toStdString();

  // The MIME database of a data folder of its own, so that the updater only speaks of faults.
  QTemporaryDir data;
  const QDir database(data.filePath("mime"));
  ASSERT_TRUE(database.mkpath("packages"));
  ASSERT_TRUE(QFile::copy(installed("share/mime/packages/telmaris.xml"),
                          database.filePath("packages/telmaris.xml")));
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("XDG_DATA_DIRS", data.path());
  const Ran updated = run(tool("update-mime-database"), {database.path()}, environment);
  ASSERT_EQ(updated.status, 0) << updated.err.toStdString();
  EXPECT_TRUE(updated.out.isEmpty() && updated.err.isEmpty()) << updated.err.toStdString();
  EXPECT_TRUE(
      readAll(database.filePath("globs2")).contains(":application/x-telmaris:*.telmaris\n"));
}

TEST_F(Installed, FirstStartCopiesTheDataAndTheUsersPricesAreKept) {
  ASSERT_FALSE(QFileInfo::exists(userDir()));
  const Ran first = launch({"--list", kExample});
  ASSERT_EQ(first.status, 0) << first.err.toStdString();
  EXPECT_EQ(first.out, buildTreeList());
  EXPECT_TRUE(first.err.isEmpty()) << first.err.toStdString();
  EXPECT_FALSE(QFileInfo::exists(userFile("telmaris"))) << "the executables stay installed";
  EXPECT_FALSE(QFileInfo::exists(userFile("telmaris-desktop")));
  EXPECT_TRUE(QFileInfo(userFile("help/index.html")).isFile());
  EXPECT_TRUE(QFileInfo(userFile("KRNLOGO.PCX")).isFile());
  ASSERT_TRUE(QFileInfo(userFile("Telmaris.mdb")).isWritable());
  // The user's alone, whatever the umask (the test runs with the usual 022).
  const auto owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                     QFileDevice::WriteUser;
  EXPECT_EQ(QFileInfo(userDir()).permissions(),
            owner | QFileDevice::ExeOwner | QFileDevice::ExeUser);
  EXPECT_EQ(QFileInfo(userFile("Telmaris.mdb")).permissions(), owner);

  // A folder an older launcher made open to all, with the window executable copied in, is
  // tightened and cleared at the next start.
  ASSERT_TRUE(QFile::setPermissions(userDir(), QFileInfo(userDir()).permissions() |
                                                   QFileDevice::ReadOther | QFileDevice::ExeOther));
  ASSERT_TRUE(QFile::setPermissions(userFile("Telmaris.mdb"), owner | QFileDevice::ReadOther));
  ASSERT_TRUE(
      QFile::copy(installed("lib/telmaris/telmaris-desktop"), userFile("telmaris-desktop")));

  setPrice(userFile("Telmaris.mdb"), 2, 1234.5);
  const Ran second = launch({"--list", kExample});
  ASSERT_EQ(second.status, 0) << second.err.toStdString();
  EXPECT_EQ(QFileInfo(userDir()).permissions(),
            owner | QFileDevice::ExeOwner | QFileDevice::ExeUser);
  EXPECT_EQ(QFileInfo(userFile("Telmaris.mdb")).permissions(), owner);
  EXPECT_FALSE(QFileInfo::exists(userFile("telmaris-desktop")));
  EXPECT_TRUE(second.out.contains("8420 0250 00   1234.5")) << second.out.toStdString();
  EXPECT_TRUE(second.err.isEmpty()) << second.err.toStdString();

  // A --dir of the user's own is passed on: the installed directory has the shipped price.
  const Ran own = launch({"--dir", installed("lib/telmaris"), "--list", kExample});
  ASSERT_EQ(own.status, 0) << own.err.toStdString();
  EXPECT_EQ(own.out, buildTreeList());
}

TEST_F(Installed, ANewerInstalledPriceListIsNotedButNeverTakenSilently) {
  ASSERT_EQ(launch({"--list", kExample}).status, 0);
  // A later installation comes with other prices and with a changed help page.
  setPrice(installed("lib/telmaris/Telmaris.mdb"), 2, 999);
  {
    QFile page(installed("lib/telmaris/help/index.html"));
    ASSERT_TRUE(page.open(QIODevice::Append));
    page.write("<!-- a later edition -->\n");
  }

  const Ran kept = launch({"--list", kExample});
  ASSERT_EQ(kept.status, 0) << kept.err.toStdString();
  EXPECT_EQ(kept.out, buildTreeList());
  EXPECT_TRUE(kept.err.contains("~/.local/share/telmaris/Telmaris.mdb")) << kept.err.toStdString();
  EXPECT_TRUE(kept.err.contains("--import-prices")) << kept.err.toStdString();
  EXPECT_EQ(readAll(userFile("help/index.html")),
            readAll(installed("lib/telmaris/help/index.html")))
      << "help pages are refreshed from the installation";

  // An imported price file is the user's own choice and ends the note; a dry run changes
  // nothing, so the note stays.
  QTemporaryDir lists;
  const QString list = lists.filePath("PRICES.DAT");
  {
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\"8420 0250 00\",3500.00\n");
  }
  ASSERT_EQ(launch({"--import-prices", list, "--dry-run"}).status, 0);
  const Ran afterDryRun = launch({"--list", kExample});
  EXPECT_TRUE(afterDryRun.err.contains("--import-prices")) << afterDryRun.err.toStdString();
  const Ran imported = launch({"--import-prices", list});
  ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
  const Ran afterImport = launch({"--list", kExample});
  EXPECT_TRUE(afterImport.out.contains("8420 0250 00   3500.0")) << afterImport.out.toStdString();
  EXPECT_TRUE(afterImport.err.isEmpty()) << afterImport.err.toStdString();

  // Removing the user's database takes the installed one at the next start.
  ASSERT_TRUE(QFile::remove(userFile("Telmaris.mdb")));
  const Ran taken = launch({"--list", kExample});
  ASSERT_EQ(taken.status, 0) << taken.err.toStdString();
  EXPECT_TRUE(taken.out.contains("8420 0250 00    999.0")) << taken.out.toStdString();
  EXPECT_TRUE(taken.err.isEmpty()) << taken.err.toStdString();
}
