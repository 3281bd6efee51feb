// The help window on the real main window, and the help pages of the program directory with the
// menus of the window they name.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <QTextDocumentFragment>

#include "common/variants.h"
#include "configurator/window_driver.h"
#include "help/help_files.h"
#include "help/help_window.h"

namespace {

// The help as the build lays it out in the program directory.
const QString kBuiltHelp = QStringLiteral(TELMARIS_PROGRAM_DIR "/help");

QString readText(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// A program directory with the built help in it.
struct HelpDriver : WindowDriver {
  HelpDriver() {
    QDirIterator it(kBuiltHelp, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString source = it.next();
      const QString target = help() + "/" + QDir(kBuiltHelp).relativeFilePath(source);
      QDir().mkpath(QFileInfo(target).path());
      QFile::copy(source, target);
    }
  }
  QString help() const { return QDir(dir->path()).canonicalPath() + "/" + kHelpFolder; }
  // Runs a menu command and gives the one help window there is.
  HelpWindow* run(QAction* command) {
    command->trigger();
    settle();
    const QList<HelpWindow*> all = w.findChildren<HelpWindow*>();
    return all.size() == 1 ? all.front() : nullptr;
  }
};

QString pageOf(const HelpWindow* window) {
  return QFileInfo(window->currentPage().toLocalFile()).canonicalFilePath();
}

QStringList matches(const QString& html, const char* pattern) {
  QStringList found;
  const QRegularExpression re(QString::fromLatin1(pattern));
  for (auto m = re.globalMatch(html); m.hasNext();) found << m.next().captured(1);
  return found;
}

// The mark between the menus and items of a menu path.
const QString kStep = QStringLiteral(" \u25b8 ");

// The menu paths of a menu bar, such as "File ▸ Save File As...", with the access keys' & taken
// out. Separators have no text. The entries of Recent configurations are left out: they are the
// names of the files last opened or saved, or "(none)" in their place, which change with the
// user's settings and are no command the help can name; the submenu itself is named.
void menuPaths(const QList<QAction*>& actions, const QString& above, const QMenu* recent,
               QSet<QString>& paths) {
  for (QAction* a : actions) {
    if (a->isSeparator()) continue;
    const QString path = above + QString(a->text()).remove(u'&');
    paths << path;
    if (a->menu() && a->menu() != recent)
      menuPaths(a->menu()->actions(), path + kStep, recent, paths);
  }
}

}  // namespace

TEST(HelpMenu, OneWindowInTheLanguageOfTheVariantOrInEnglishAndGoneWithTheProgram) {
  HelpDriver d;
  ASSERT_TRUE(d.loaded);
  HelpWindow* help = d.run(d.w.HowToUse);
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->windowTitle(), "Telmaris Help - Contents");

  // Closed by the reader, the window comes back from the menu.
  help->close();
  ASSERT_EQ(d.run(d.w.HowToUse), help);
  EXPECT_TRUE(help->isVisible());

  // Variant by variant: the pages of its language, the same window, Back not into the pages of
  // the language before, and links that stay in the language.
  const struct {
    int variant;
    const char* folder;
    const char* words;
  } variants[] = {{1, "/fr", "Configurer un palan"},
                  {2, "", "Configuring a hoist"},
                  {7, "/de", "Einen Kettenzug konfigurieren"},
                  {0, "", "Configuring a hoist"}};
  for (const auto& v : variants) {
    SCOPED_TRACE(v.variant);
    d.w.mnuSpråk[v.variant]->trigger();
    d.settle();
    const QString folder = d.help() + v.folder;
    ASSERT_EQ(d.run(d.w.HowToUse), help);
    EXPECT_EQ(pageOf(help), folder + "/index.html");
    EXPECT_TRUE(help->browser->toPlainText().contains(QString::fromUtf8(v.words)));
    EXPECT_FALSE(help->backAction->isEnabled());
    ASSERT_EQ(d.run(d.w.UsingHelp), help);
    EXPECT_EQ(pageOf(help), folder + "/using-help.html");
    help->followLink(QUrl("messages.html"));
    EXPECT_EQ(pageOf(help), folder + "/messages.html");
    EXPECT_TRUE(help->backAction->isEnabled());
  }

  // A page missing in the language of the variant is shown in English, and its links lead back
  // into the pages of the variant; a language without any pages shows the English ones.
  const QString english = d.help();
  ASSERT_TRUE(QFile::remove(english + "/de/using-help.html"));
  ASSERT_TRUE(QFile::remove(english + "/de/model.html"));
  ASSERT_TRUE(QDir(english + "/it").removeRecursively());
  d.w.mnuSpråk[7]->trigger();
  d.settle();
  ASSERT_EQ(d.run(d.w.UsingHelp), help);
  EXPECT_EQ(pageOf(help), english + "/using-help.html");
  help->followLink(QUrl("model.html#stainless"));
  EXPECT_EQ(pageOf(help), english + "/model.html");
  EXPECT_EQ(help->currentPage().fragment(), "stainless");
  help->followLink(QUrl("lengths.html#feet"));
  EXPECT_EQ(pageOf(help), english + "/de/lengths.html");
  help->backAction->trigger();
  EXPECT_EQ(pageOf(help), english + "/model.html");
  d.w.mnuSpråk[6]->trigger();
  d.settle();
  d.run(d.w.HowToUse);
  EXPECT_EQ(pageOf(help), english + "/index.html");
  EXPECT_TRUE(d.services.messages.empty());
  EXPECT_TRUE(d.services.opened.empty());

  // Exit takes the help window with it.
  QPointer<HelpWindow> watched(help);
  d.w.Exit->trigger();
  EXPECT_TRUE(watched.isNull());
}

TEST(HelpPages, EveryLanguageHasEveryPageAndEveryLinkLeadsToAFileThatExists) {
  const QDir help(kBuiltHelp);
  const QStringList english = help.entryList({"*.html"}, QDir::Files, QDir::Name);
  ASSERT_EQ(english.size(), 16);
  ASSERT_TRUE(english.contains(kHelpContentsPage) && english.contains(kUsingHelpPage));
  for (const QString language : {"", "fr", "es", "pt", "it", "de"}) {
    const QDir folder(language.isEmpty() ? kBuiltHelp : kBuiltHelp + "/" + language);
    EXPECT_EQ(folder.entryList({"*.html"}, QDir::Files, QDir::Name), english)
        << language.toStdString();
    for (const QString& page : english) {
      for (const QString& address :
           matches(readText(folder.filePath(page)), "\\b(?:href|src)\\s*=\\s*\"([^\"]*)\"")) {
        const std::string where = (language + "/" + page + ": " + address).toStdString();
        const QUrl url(address);
        if (!url.scheme().isEmpty()) continue;  // on the web
        const QString path = url.path(QUrl::FullyDecoded);
        const QFileInfo target(path.isEmpty() ? folder.filePath(page) : folder.filePath(path));
        ASSERT_TRUE(target.exists()) << where << " leads nowhere";
        if (target.suffix() == "png") {
          EXPECT_FALSE(QImage(target.filePath()).isNull()) << where << " is no picture";
        } else if (target.suffix() == "html") {
          // A link between pages stays in the reader's language and leads to an anchor there.
          EXPECT_EQ(target.dir().canonicalPath(), folder.canonicalPath()) << where;
          if (url.hasFragment()) {
            EXPECT_TRUE(matches(readText(target.filePath()), "\\b(?:name|id)\\s*=\\s*\"([^\"]*)\"")
                            .contains(url.fragment()))
                << where;
          }
        }
      }
    }
  }
}

TEST(HelpPages, NameExactlyTheMenusOfTheWindowInTheirLanguage) {
  // Every menu and item of the main window is named in the help pages of the variant's language,
  // as <span class="menu">, and nothing else is: the English pages serve English European and
  // both US variants. A path such as File ▸ Save File As... runs from the menu bar down, and no
  // menu path is written any other way (no ">" and no loose "▸").
  WindowDriver d("", true);
  ASSERT_TRUE(d.loaded);
  const char* folders[kVariantCount] = {"", "fr", "", "", "es", "pt", "it", "de"};
  const QRegularExpression path(QStringLiteral(
      "<span class=\"menu\">[^<]*</span>(?:\\s*\u25b8\\s*<span class=\"menu\">[^<]*</span>)*"));
  for (int v = 0; v < kVariantCount; ++v) {
    SCOPED_TRACE(variantByIndex(v)->startCaption.toStdString());
    d.w.mnuSpråk[v]->trigger();
    d.settle();
    QSet<QString> menuPathsOfWindow, menuNames, named;
    menuPaths(d.w.menuBar()->actions(), QString(), d.w.mnuRecent, menuPathsOfWindow);
    for (const QString& p : menuPathsOfWindow) menuNames << p.section(kStep, -1);
    const QDir folder(kBuiltHelp + "/" + folders[v]);
    for (const QString& page : folder.entryList({"*.html"}, QDir::Files)) {
      QString html = readText(folder.filePath(page));
      for (auto m = path.globalMatch(html); m.hasNext();) {
        const QString written =
            QTextDocumentFragment::fromHtml(m.next().captured()).toPlainText().simplified();
        EXPECT_TRUE(written.contains(u'\u25b8') ? menuPathsOfWindow.contains(written)
                                                : menuNames.contains(written))
            << page.toStdString() << ": " << written.toStdString();
        for (const QString& name : written.split(kStep)) named << name;
      }
      html.remove(path);
      EXPECT_FALSE(html.contains(QStringLiteral("&gt;")) || html.contains(u'\u25b8'))
          << page.toStdString() << " writes a menu path without the marks";
    }
    for (const QString& missing : menuNames - named)
      ADD_FAILURE() << "the pages never name " << missing.toStdString();
  }
}

// The lube-free document opens with the desktop's program; a document missing, or a desktop
// without a program for it, is said in a message naming the file.
TEST(ReferenceDocuments, TheLubeFreeDocumentThatCannotBeOpenedIsToldNamingIt) {
  WindowDriver d;
  const QString document = QDir(d.dir->path()).filePath("Lube free hoists.doc");
  d.w.cmdLubeFree_Click();
  EXPECT_TRUE(d.services.opened.empty());
  ASSERT_EQ(d.services.messages.size(), 1u);
  EXPECT_EQ(d.lastMessage(), "The document " + document + " is missing.");

  QFile file(document);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  d.services.openAnswer = false;
  d.w.cmdLubeFree_Click();
  ASSERT_EQ(d.services.opened.size(), 1u);
  EXPECT_EQ(d.services.opened[0], QUrl::fromLocalFile(document));
  ASSERT_EQ(d.services.messages.size(), 2u);
  EXPECT_EQ(d.lastMessage(), "The document " + document +
                                 " cannot be opened: this computer has no program for documents "
                                 "of its kind (a word processor).");
  EXPECT_EQ(d.services.messages[1].icon, MsgIcon::Warning);

  d.services.openAnswer = true;
  d.w.cmdLubeFree_Click();
  EXPECT_EQ(d.services.opened.size(), 2u);
  EXPECT_EQ(d.services.messages.size(), 2u);
}
