// Saved configurations in the window: the recent configurations, the question before a changed
// configuration is set aside, and a file opened at start-up.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

#include "configurator/configuration_file.h"
#include "configurator/recent_files.h"
#include "configurator/window_driver.h"
#include "startup/frm_vinjett.h"
#include "support/file_size_limit.h"
#include "support/special_files.h"

// Failures show a configuration as its file, with the one answer a file does not hold.
void PrintTo(const Configuration& c, std::ostream* os) {
  *os << writeConfiguration(c).toStdString() << " discountAsked " << c.discountAsked;
}

namespace {

// Copies of the examples, and a settings file of the test's own.
struct Files {
  QTemporaryDir dir;

  QString copy(const QString& example, const QString& name) {
    const QString file = dir.filePath(name);
    QDir().mkpath(QFileInfo(file).path());
    EXPECT_TRUE(QFile::copy(kExamples + example, file)) << file.toStdString();
    return file;
  }
  QString settings() const { return dir.filePath(QStringLiteral("config/Telmaris.conf")); }
};

QByteArray contents(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The visible entries of File > Recent configurations: text, then the full name its tool tip
// shows.
QStringList recentMenu(HMeny& w) {
  QStringList entries;
  for (QAction* a : w.mnuRecent->actions()) {
    if (!a->isVisible()) continue;
    const QString file = a->data().toString();
    entries << a->text() + QStringLiteral(" | ") + file;
    if (!file.isEmpty()) {
      EXPECT_EQ(a->toolTip(), file);
    }
  }
  return entries;
}

QAction* recentEntry(HMeny& w, int index) {
  return w.findChild<QAction*>(QStringLiteral("mnuRecent(%1)").arg(index));
}

}  // namespace

TEST(SavedConfigurations, AModelAloneIsSetAsideWithoutAsking) {
  // Nothing but the model picked, with or without a file: nothing to lose.
  WindowDriver d("", true);
  d.chooseModel("PXH 500 EX");
  d.w.mnuSpråk[2]->trigger();
  EXPECT_EQ(d.state.LanguageKey, "US Metric");
  d.chooseModel("PXH 500 EX");
  d.w.NewFile->trigger();
  d.w.ComboPXH->hidePopup();
  d.chooseModel("PXH 500 EX");
  d.w.Exit->trigger();
  EXPECT_EQ(d.services.endStatus, 0);
  EXPECT_TRUE(d.services.messages.empty()) << d.lastMessage().toStdString();
}

TEST(SavedConfigurations, AChangedConfigurationIsNotSetAsideWithoutAsking) {
  Files files;
  const QString quote = files.copy("english-european.telmaris", "quote.telmaris");
  const QString other = files.copy("us-imperial-1000.telmaris", "other.telmaris");
  const QByteArray saved = contents(quote);
  WindowDriver d("", true);

  // Opened and not changed: Exit ends at once.
  d.openFile(quote);
  ASSERT_TRUE(d.w.Printerutskrift->isVisible());
  d.w.Exit->trigger();
  EXPECT_EQ(d.services.endStatus, 0);
  EXPECT_TRUE(d.services.messages.empty()) << d.lastMessage().toStdString();
  d.services.endStatus.reset();

  // Exit: Cancel stays, Discard ends without writing.
  d.openFile(quote);
  d.changeLiftHeight("5");
  const Configuration changed = d.w.currentConfiguration();
  ASSERT_EQ(changed.liftHeight, "5");
  d.services.answers = {MsgAnswer::Cancel};
  d.w.Exit->trigger();
  ASSERT_EQ(d.questions().size(), 1);
  EXPECT_TRUE(d.questions()[0].contains("quote.telmaris")) << d.questions()[0].toStdString();
  EXPECT_EQ(d.services.messages.back().icon, MsgIcon::Question);
  EXPECT_FALSE(d.services.endStatus.has_value());
  EXPECT_EQ(d.w.currentConfiguration(), changed);
  d.services.answers = {MsgAnswer::Discard};
  d.w.Exit->trigger();
  EXPECT_EQ(d.questions().size(), 2);
  EXPECT_EQ(d.services.endStatus, 0);
  EXPECT_EQ(contents(quote), saved);
  d.services.endStatus.reset();

  // The close box: Cancel keeps the window. (The window still holds the changed answers the
  // Exit before let go of: opening the file again asks about them first.)
  d.services.answers = {MsgAnswer::Discard};
  d.openFile(quote);
  d.changeLiftHeight("5");
  d.services.answers = {MsgAnswer::Cancel};
  d.w.close();
  EXPECT_EQ(d.questions().size(), 4);
  EXPECT_TRUE(d.w.isVisible());
  EXPECT_FALSE(d.services.endStatus.has_value());

  // Cancel on New File, the variant and Open keeps the answers as it does for a configuration
  // never saved (MainWindow, AConfigurationNeverSavedIsNotDiscardedWithoutAsking); here Discard.
  // New File: Discard starts anew, and the file is no longer the one Save writes to.
  d.services.answers = {MsgAnswer::Discard};
  d.w.NewFile->trigger();
  d.w.ComboPXH->hidePopup();
  EXPECT_EQ(d.questions().size(), 5);
  EXPECT_TRUE(d.w.currentConfiguration().liftHeight.isEmpty());
  const std::size_t dialogs = d.services.fileDialogs.size();
  d.w.SaveFile->trigger();  // asks for a name, and the test cancels the dialog
  EXPECT_EQ(d.services.fileDialogs.size(), dialogs + 1);
  EXPECT_EQ(contents(quote), saved);

  // The variant: Discard changes it.
  d.openFile(quote);
  d.changeLiftHeight("5");
  d.services.answers = {MsgAnswer::Discard};
  d.w.mnuSpråk[1]->trigger();
  d.w.ComboPXH->hidePopup();
  EXPECT_EQ(d.questions().size(), 6);
  EXPECT_EQ(d.state.LanguageKey, "Fransk");
  EXPECT_TRUE(d.w.mnuSpråk[1]->isChecked());

  // Open: a file that is no configuration is reported before anything is asked, and keeps the
  // changed answers; Discard opens the other file.
  d.openFile(quote);
  EXPECT_EQ(d.state.LanguageKey, "");
  d.changeLiftHeight("5");
  QFile bad(files.dir.filePath("bad.telmaris"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("{\"trolley\": 7}");
  bad.close();
  d.openFile(bad.fileName());
  EXPECT_EQ(d.questions().size(), 6);
  EXPECT_TRUE(d.lastMessage().contains("\"trolley\"")) << d.lastMessage().toStdString();
  EXPECT_EQ(d.w.currentConfiguration(), changed);
  d.services.answers = {MsgAnswer::Discard};
  d.openFile(other);
  EXPECT_EQ(d.questions().size(), 7);
  EXPECT_EQ(d.state.LanguageKey, "US Imperial");
  EXPECT_EQ(d.w.currentConfiguration().liftHeight, "20");
  EXPECT_EQ(contents(quote), saved);
  // The file opened in another variant is unchanged: nothing to ask.
  d.w.Exit->trigger();
  EXPECT_EQ(d.questions().size(), 7);
  EXPECT_EQ(d.services.endStatus, 0);
}

TEST(SavedConfigurations, SaveWritesTheAttachedFileAndAFailedSaveIsCancel) {
  Files files;
  const QString quote = files.copy("english-european.telmaris", "quote.telmaris");
  const QString lost = files.copy("english-european.telmaris", "gone/lost.telmaris");
  WindowDriver d("", true);

  d.openFile(quote);
  d.changeLiftHeight("5");
  d.services.answers = {MsgAnswer::Save};
  d.w.Exit->trigger();
  EXPECT_EQ(d.questions().size(), 1);
  EXPECT_EQ(d.services.endStatus, 0);
  EXPECT_EQ(d.services.fileDialogs.size(), 1u) << "the open dialog, and no save dialog";
  EXPECT_EQ(configurationIn(quote).liftHeight, "5");
  EXPECT_EQ(configurationIn(quote), d.w.currentConfiguration());
  d.services.endStatus.reset();

  // Saved with Save As, then changed: asked as well, and Save writes that file.
  const QString copy = files.dir.filePath("copy.telmaris");
  d.services.saveAnswer = copy;
  d.w.SaveFileAs->trigger();
  ASSERT_EQ(configurationIn(copy).liftHeight, "5");
  d.changeLiftHeight("6");
  d.services.answers = {MsgAnswer::Save};
  d.w.NewFile->trigger();
  d.w.ComboPXH->hidePopup();
  EXPECT_EQ(d.questions().size(), 2);
  EXPECT_EQ(configurationIn(copy).liftHeight, "6");
  EXPECT_EQ(configurationIn(quote).liftHeight, "5");
  EXPECT_TRUE(d.w.currentConfiguration().liftHeight.isEmpty());

  // The folder of the file went away: the save fails, is reported, and nothing is set aside.
  d.openFile(lost);
  d.changeLiftHeight("7");
  ASSERT_TRUE(QDir(files.dir.filePath("gone")).removeRecursively());
  d.services.answers = {MsgAnswer::Save};
  d.w.Exit->trigger();
  EXPECT_EQ(d.questions().size(), 3);
  EXPECT_TRUE(d.lastMessage().contains("could not be saved")) << d.lastMessage().toStdString();
  EXPECT_TRUE(d.lastMessage().contains("lost.telmaris")) << d.lastMessage().toStdString();
  EXPECT_FALSE(d.services.endStatus.has_value());
  EXPECT_EQ(d.w.currentConfiguration().liftHeight, "7");

  // A full disk: the save fails and says so, and the file keeps what it held.
  d.services.answers = {MsgAnswer::Discard};
  d.openFile(copy);
  d.changeLiftHeight("8");
  {
    const FileSizeLimit full(0);
    d.w.SaveFile->trigger();
  }
  EXPECT_TRUE(d.lastMessage().contains("could not be saved")) << d.lastMessage().toStdString();
  EXPECT_TRUE(d.lastMessage().contains(copy)) << d.lastMessage().toStdString();
  EXPECT_EQ(configurationIn(copy).liftHeight, "6");
  EXPECT_EQ(QDir(files.dir.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList({"copy.telmaris", "quote.telmaris"}));
}

TEST(SavedConfigurations, RecentConfigurationsNewestFirstFiveAtMost) {
  Files files;
  QStringList quotes;
  for (const char* name : {"a", "b", "c", "d", "e"})
    quotes << files.copy("english-european.telmaris", QStringLiteral("%1.telmaris").arg(name));
  const QString german = files.copy("deutsch-250-schmierfrei-rabatt.telmaris", "de.telmaris");
  WindowDriver d("", true);
  d.services.settingsPath = files.settings();

  d.w.refreshRecentMenu();
  EXPECT_EQ(recentMenu(d.w), QStringList{"(none) | "});
  EXPECT_FALSE(d.w.findChild<QAction*>("mnuRecentNone")->isEnabled());

  // Opened and saved, newest first; the sixth file pushes the first out.
  for (const QString& q : quotes.mid(0, 4)) d.openFile(q);
  d.services.saveAnswer = quotes[4];
  d.w.SaveFileAs->trigger();
  d.openFile(german);
  EXPECT_EQ(recentMenu(d.w),
            QStringList({"&1 de.telmaris | " + german, "&2 e.telmaris | " + quotes[4],
                         "&3 d.telmaris | " + quotes[3], "&4 c.telmaris | " + quotes[2],
                         "&5 b.telmaris | " + quotes[1]}));
  EXPECT_EQ(RecentFiles(files.settings()).files(),
            QStringList({german, quotes[4], quotes[3], quotes[2], quotes[1]}));
  EXPECT_EQ(d.state.LanguageKey, "Tysk");

  // Choosing an entry opens it as File > Open does: asked about the changed configuration
  // first, then opened, attached and moved to the front.
  d.changeLiftHeight("5");
  d.services.answers = {MsgAnswer::Cancel};
  recentEntry(d.w, 3)->trigger();
  EXPECT_EQ(d.questions().size(), 1);
  EXPECT_EQ(d.state.LanguageKey, "Tysk");
  d.services.answers = {MsgAnswer::Discard};
  recentEntry(d.w, 3)->trigger();
  d.w.ComboPXH->hidePopup();
  EXPECT_EQ(d.questions().size(), 2);
  EXPECT_EQ(d.state.LanguageKey, "");
  EXPECT_EQ(d.w.currentConfiguration().liftHeight, "4");
  EXPECT_EQ(RecentFiles(files.settings()).files(),
            QStringList({quotes[2], german, quotes[4], quotes[3], quotes[1]}));
  EXPECT_EQ(recentMenu(d.w)[0], "&1 c.telmaris | " + quotes[2]);
  d.changeLiftHeight("6");
  d.services.answers = {MsgAnswer::Save};
  d.w.NewFile->trigger();
  d.w.ComboPXH->hidePopup();
  EXPECT_EQ(configurationIn(quotes[2]).liftHeight, "6");

  // A file that no longer exists is named and leaves the list; the window keeps its answers.
  ASSERT_TRUE(QFile::remove(quotes[4]));
  const std::size_t before = d.services.messages.size();
  recentEntry(d.w, 2)->trigger();
  ASSERT_EQ(d.services.messages.size(), before + 1);
  EXPECT_TRUE(d.lastMessage().contains(quotes[4])) << d.lastMessage().toStdString();
  EXPECT_TRUE(d.lastMessage().contains("no longer exists")) << d.lastMessage().toStdString();
  EXPECT_EQ(RecentFiles(files.settings()).files(),
            QStringList({quotes[2], german, quotes[3], quotes[1]}));
  EXPECT_EQ(recentMenu(d.w).size(), 4);
  EXPECT_TRUE(d.w.currentConfiguration().liftHeight.isEmpty());

  // Another window on the same settings shows the same list when its menu opens.
  WindowDriver second("", true);
  second.services.settingsPath = files.settings();
  second.w.refreshRecentMenu();
  EXPECT_EQ(recentMenu(second.w), recentMenu(d.w));
  second.openFile(quotes[0]);
  emit d.w.mnuRecent->aboutToShow();
  EXPECT_EQ(recentMenu(d.w)[0], "&1 a.telmaris | " + quotes[0]);
  EXPECT_EQ(recentMenu(d.w).size(), 5);
}

// Settings that are no regular file (a FIFO, a folder) are neither read nor replaced: the list
// is empty and stays so, and the FIFO or folder stays where it is.
TEST(SavedConfigurations, SettingsThatAreNoFileAreLeftAlone) {
  Files files;
  const QString quote = files.copy("english-european.telmaris", "a.telmaris");
  QDir(files.dir.path()).mkpath("config");
  const Fifo fifo(files.settings());
  RecentFiles fromFifo(fifo.path());
  fromFifo.add(quote);
  EXPECT_TRUE(fromFifo.files().isEmpty());
  EXPECT_FALSE(QFileInfo(fifo.path()).isFile());
  const QString folder = files.dir.filePath("folder.conf");
  ASSERT_TRUE(QDir().mkdir(folder));
  RecentFiles(folder).add(quote);
  EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST(SavedConfigurations, OpenedAtStartInTheFilesVariant) {
  Files files;
  const QString german = files.copy("deutsch-250-schmierfrei-rabatt.telmaris", "de.telmaris");
  TestProgramDirectory dir(TestProgramDirectory::Built{});
  {
    ProgramState state;
    RecordingServices services;
    services.settingsPath = files.settings();
    frmVinjett start(state, services);
    ASSERT_TRUE(start.Form_Load(dir.path(), "/nowhere", german));
    HMeny* main = start.mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(start.isVisible());
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(state.LanguageKey, "Tysk");
    for (int i = 0; i < 8; ++i) EXPECT_EQ(main->mnuSpråk[i]->isChecked(), i == 7) << i;
    const Configuration opened = main->currentConfiguration();
    EXPECT_EQ(opened.variant, VariantId::German);
    EXPECT_TRUE(opened.lubeFree);
    EXPECT_EQ(opened.model, "PXH 250L EX");
    EXPECT_EQ(opened.liftHeight, "4");
    EXPECT_EQ(opened.hoistControl, HoistControl::TwoButton);
    EXPECT_EQ(opened.accessories, (std::array<bool, 5>{true, true, true, true, false}));
    EXPECT_EQ(opened.discount, 10);
    EXPECT_TRUE(main->Printerutskrift->isVisible());
    EXPECT_EQ(RecentFiles(files.settings()).files(), QStringList{german});
    // Attached: Save writes the file without asking for a name.
    main->SaveFile->trigger();
    EXPECT_TRUE(services.fileDialogs.empty());
    main->ComboPXH->hidePopup();
  }
  {
    // A file that is no configuration: the message File > Open gives, in the language of the
    // last session (German, that of the file opened above), then the start-up window as usual.
    QFile bad(files.dir.filePath("bad.telmaris"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("{\"trolley\": 7}");
    bad.close();
    ProgramState state;
    RecordingServices services;
    frmVinjett start(state, services);
    ASSERT_TRUE(start.Form_Load(dir.path(), "/nowhere", bad.fileName()));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].text.startsWith(
        "Die Konfiguration kann nicht geöffnet werden.\n\n" + bad.fileName() + "\n"))
        << services.messages[0].text.toStdString();
    EXPECT_TRUE(services.messages[0].text.contains("\"trolley\""));
    EXPECT_TRUE(start.isVisible());
    EXPECT_EQ(start.mainWindow(), nullptr);
    EXPECT_FALSE(services.endStatus.has_value());
  }
}
