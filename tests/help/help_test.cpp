// The help window, the help pages of the program directory, the PDF hint and the lube-free
// reference document, on the real main window.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBrowser>

#include "configurator/window_driver.h"
#include "help/help_files.h"
#include "help/help_window.h"

namespace {

// The help as the build lays it out in the program directory.
const QString kBuiltHelp = QStringLiteral(TELMARIS_PROGRAM_DIR "/help");

// The folders of the help's languages inside the help folder: English in the help folder itself.
const QStringList kLanguageFolders{"", "fr", "es", "pt", "it", "de"};

QString languageFolder(const QString& help, const QString& language) {
  return language.isEmpty() ? help : help + "/" + language;
}

QString fileNameOf(const QUrl& page) {
  return QFileInfo(page.toLocalFile()).fileName();
}

QString canonicalDir(const QString& path) {
  return QFileInfo(path).dir().canonicalPath();
}

QString readText(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Copies the built help folder into a program directory.
void copyHelpInto(const QString& programDir) {
  QDirIterator it(kBuiltHelp, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString source = it.next();
    const QString target =
        QDir(programDir).filePath(kHelpFolder + "/" + QDir(kBuiltHelp).relativeFilePath(source));
    QDir().mkpath(QFileInfo(target).path());
    QFile::copy(source, target);
  }
}

HelpWindow* onlyHelpWindow(HMeny& w) {
  const QList<HelpWindow*> all = w.findChildren<HelpWindow*>();
  return all.size() == 1 ? all.front() : nullptr;
}

// Every link and picture address of an HTML page, as written.
QStringList addressesIn(const QString& html) {
  static const QRegularExpression attribute(QStringLiteral("\\b(?:href|src)\\s*=\\s*\"([^\"]*)\""),
                                            QRegularExpression::CaseInsensitiveOption);
  QStringList found;
  for (auto m = attribute.globalMatch(html); m.hasNext();) found << m.next().captured(1);
  return found;
}

bool hasAnchor(const QString& html, const QString& name) {
  return html.contains(QStringLiteral("name=\"%1\"").arg(name)) ||
         html.contains(QStringLiteral("id=\"%1\"").arg(name));
}

QStringList anchorsIn(const QString& html) {
  static const QRegularExpression anchor(QStringLiteral("\\b(?:name|id)\\s*=\\s*\"([^\"]*)\""));
  QStringList found;
  for (auto m = anchor.globalMatch(html); m.hasNext();) found << m.next().captured(1);
  found.sort();
  return found;
}

// The HTML pages of one language's folder, by file name.
QStringList pagesIn(const QString& folder) {
  QStringList pages = QDir(folder).entryList({"*.html"}, QDir::Files, QDir::Name);
  return pages;
}

}  // namespace

TEST(HelpMenu, OpensOneHelpWindowAtTheContentsAndAtHelpOnHelp) {
  WindowDriver d;
  ASSERT_TRUE(d.loaded);
  copyHelpInto(d.dir->path());

  d.w.HowToUse->trigger();
  d.settle();
  HelpWindow* help = onlyHelpWindow(d.w);
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(fileNameOf(help->currentPage()), kHelpContentsPage);
  EXPECT_EQ(canonicalDir(help->currentPage().toLocalFile()),
            QDir(d.dir->path() + "/help").canonicalPath());
  EXPECT_EQ(help->windowTitle(), "Telmaris Help - Contents");
  EXPECT_TRUE(help->browser->toPlainText().contains("Configuring a hoist"));
  EXPECT_FALSE(help->backAction->isEnabled());

  // Help on help comes up in the same window.
  d.w.UsingHelp->trigger();
  d.settle();
  ASSERT_EQ(onlyHelpWindow(d.w), help);
  EXPECT_EQ(fileNameOf(help->currentPage()), kUsingHelpPage);

  // Closed by the reader, the window comes back at the contents from the menu.
  help->close();
  EXPECT_FALSE(help->isVisible());
  d.w.HowToUse->trigger();
  d.settle();
  ASSERT_EQ(onlyHelpWindow(d.w), help);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(fileNameOf(help->currentPage()), kHelpContentsPage);

  // Help changes nothing of the configuration and asks nothing of the desktop.
  EXPECT_TRUE(d.w.ComboPXH->isVisible());
  EXPECT_TRUE(d.services.messages.empty());
  EXPECT_TRUE(d.services.opened.empty());

  // Exit takes the help window with it.
  QPointer<HelpWindow> watched(help);
  d.w.Exit->trigger();
  EXPECT_TRUE(watched.isNull());
  EXPECT_EQ(d.services.endStatus, 0);
}

TEST(HelpMenu, ShowsThePagesInTheLanguageOfTheVariantAndFollowsEveryChangeOfVariant) {
  WindowDriver d;
  ASSERT_TRUE(d.loaded);
  copyHelpInto(d.dir->path());
  const QString help = d.dir->path() + "/help";

  // Variant by variant: the folder of its language and words of the contents page in it.
  const struct {
    int variant;
    const char* folder;
    const char* words;
  } variants[] = {{1, "fr", "Configurer un palan"},
                  {2, "", "Configuring a hoist"},
                  {4, "es", "Configurar un polipasto"},
                  {5, "pt", "Configurar uma talha"},
                  {3, "", "Configuring a hoist"},
                  {6, "it", "Configurare un paranco"},
                  {7, "de", "Einen Kettenzug konfigurieren"},
                  {0, "", "Configuring a hoist"}};
  HelpWindow* kept = nullptr;
  for (const auto& v : variants) {
    SCOPED_TRACE(v.variant);
    d.w.mnuSpråk[v.variant]->trigger();
    d.settle();
    ASSERT_TRUE(d.w.mnuSpråk[v.variant]->isChecked());
    const QString folder = QDir(languageFolder(help, v.folder)).canonicalPath();

    d.w.HowToUse->trigger();
    d.settle();
    HelpWindow* window = onlyHelpWindow(d.w);
    ASSERT_NE(window, nullptr);
    if (!kept) kept = window;
    EXPECT_EQ(window, kept) << "the help window is kept between uses";
    EXPECT_EQ(fileNameOf(window->currentPage()), kHelpContentsPage);
    EXPECT_EQ(canonicalDir(window->currentPage().toLocalFile()), folder);
    const QString text = window->browser->toPlainText();
    EXPECT_TRUE(text.contains(QString::fromUtf8(v.words)));
    if (*v.folder) {
      EXPECT_FALSE(text.contains("Configuring a hoist"));
    }
    // Back does not lead into the pages of the language before.
    EXPECT_FALSE(window->backAction->isEnabled());

    d.w.UsingHelp->trigger();
    d.settle();
    EXPECT_EQ(fileNameOf(window->currentPage()), kUsingHelpPage);
    EXPECT_EQ(canonicalDir(window->currentPage().toLocalFile()), folder);
    // A link of the page stays in the language.
    window->followLink(QUrl("messages.html"));
    EXPECT_EQ(fileNameOf(window->currentPage()), "messages.html");
    EXPECT_EQ(canonicalDir(window->currentPage().toLocalFile()), folder);
    EXPECT_TRUE(window->backAction->isEnabled());
  }
  EXPECT_TRUE(d.services.messages.empty());
  EXPECT_TRUE(d.services.opened.empty());
}

TEST(HelpMenu, APageMissingInTheLanguageOfTheVariantIsShownInEnglish) {
  WindowDriver d("Tysk");
  ASSERT_TRUE(d.loaded);
  copyHelpInto(d.dir->path());
  const QString help = QDir(d.dir->path() + "/help").canonicalPath();
  ASSERT_TRUE(QFile::remove(help + "/de/using-help.html"));
  ASSERT_TRUE(QFile::remove(help + "/de/model.html"));

  d.w.UsingHelp->trigger();
  d.settle();
  HelpWindow* window = onlyHelpWindow(d.w);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->currentPage().toLocalFile(), help + "/using-help.html");
  EXPECT_TRUE(window->browser->toPlainText().contains("Finding a word in the page"));

  d.w.HowToUse->trigger();
  d.settle();
  EXPECT_EQ(window->currentPage().toLocalFile(), help + "/de/index.html");
  window->followLink(QUrl("model.html#stainless"));
  EXPECT_EQ(window->currentPage().toLocalFile(), help + "/model.html");
  EXPECT_EQ(window->currentPage().fragment(), "stainless");
  // From the English page the links lead back into the German pages.
  window->followLink(QUrl("lengths.html#feet"));
  EXPECT_EQ(window->currentPage().toLocalFile(), help + "/de/lengths.html");
  EXPECT_EQ(window->currentPage().fragment(), "feet");
  window->backAction->trigger();
  EXPECT_EQ(window->currentPage().toLocalFile(), help + "/model.html");

  // A program directory without the pages of a language shows the English ones.
  ASSERT_TRUE(QDir(help + "/it").removeRecursively());
  d.w.mnuSpråk[6]->trigger();
  d.settle();
  d.w.HowToUse->trigger();
  d.settle();
  EXPECT_EQ(window->currentPage().toLocalFile(), help + "/index.html");
  EXPECT_TRUE(window->browser->toPlainText().contains("Configuring a hoist"));
  EXPECT_TRUE(d.services.messages.empty());
}

TEST(HelpPages, EveryLanguageHasEveryPageAndEveryLinkLeadsToAPageOrPictureThatExists) {
  const QDir help(kBuiltHelp);
  const QStringList english = pagesIn(kBuiltHelp);
  ASSERT_TRUE(english.contains(kHelpContentsPage));
  ASSERT_TRUE(english.contains(kUsingHelpPage));
  ASSERT_EQ(english.size(), 15);

  for (const QString& language : kLanguageFolders) {
    const QString folder = languageFolder(kBuiltHelp, language);
    const std::string lang = language.isEmpty() ? "en" : language.toStdString();
    // The same pages under the same names, with the same anchors, as the English help.
    const QStringList pages = pagesIn(folder);
    EXPECT_EQ(pages, english) << lang;

    QSet<QString> reached{kHelpContentsPage};
    QStringList queue{kHelpContentsPage};
    while (!queue.isEmpty()) {
      const QString page = queue.takeFirst();
      const QString pagePath = QDir(folder).filePath(page);
      const QString html = readText(pagePath);
      const std::string at = lang + "/" + page.toStdString();
      EXPECT_TRUE(QRegularExpression("<title>[^<]+</title>").match(html).hasMatch())
          << at << " has no title";
      EXPECT_EQ(anchorsIn(html), anchorsIn(readText(help.filePath(page)))) << at;
      for (const QString& address : addressesIn(html)) {
        const std::string where = at + ": " + address.toStdString();
        const QUrl url(address);
        if (!url.scheme().isEmpty()) {
          EXPECT_TRUE(url.scheme() == "https" || url.scheme() == "http") << where;
          continue;
        }
        const QString target =
            url.path(QUrl::FullyDecoded).isEmpty()
                ? pagePath
                : QFileInfo(pagePath).dir().absoluteFilePath(url.path(QUrl::FullyDecoded));
        ASSERT_TRUE(QFileInfo::exists(target)) << where << " leads nowhere";
        const QString suffix = QFileInfo(target).suffix();
        if (suffix == "png") {
          // One set of pictures for every language.
          EXPECT_EQ(QFileInfo(target).dir().canonicalPath(),
                    QDir(help.filePath("images")).canonicalPath())
              << where;
          EXPECT_FALSE(QImage(target).isNull()) << where << " is no picture";
        } else if (suffix == "css") {
          EXPECT_EQ(QFileInfo(target).canonicalFilePath(),
                    QFileInfo(help.filePath("help.css")).canonicalFilePath())
              << where;
        } else if (suffix == "html") {
          // A link between pages stays in the reader's language.
          ASSERT_EQ(QFileInfo(target).dir().canonicalPath(), QDir(folder).canonicalPath())
              << where << " leaves the language";
          if (url.hasFragment()) {
            EXPECT_TRUE(hasAnchor(readText(target), url.fragment())) << where << ": no such anchor";
          }
          const QString linked = QFileInfo(target).fileName();
          if (!reached.contains(linked)) {
            reached.insert(linked);
            queue << linked;
          }
        } else {
          // The reference document beside the program.
          EXPECT_EQ(QFileInfo(target).canonicalFilePath(),
                    QFileInfo(TELMARIS_PROGRAM_DIR "/Lube free hoists.doc").canonicalFilePath())
              << where;
        }
      }
    }
    // Every page can be found from the contents.
    for (const QString& page : pages)
      EXPECT_TRUE(reached.contains(page)) << lang << "/" << page.toStdString();
  }
}

TEST(PdfHint, CancelOpensNothingAndOkOpensTheDownloadPageOnce) {
  WindowDriver d;
  ASSERT_TRUE(d.loaded);
  const QString text = QString::fromUtf8(
      "If you want to create printer outputs in form of files in PDF-format, you can for "
      "example buy the Adobe Acrobat program. Or you can download a Freeware PDF program, for "
      "example PDF ReDirect. Press Ok to get a link to download PDF ReDirect.\n\n"
      "On this computer, File \u25B8 Export as PDF... writes the ordering page to a PDF file.");

  d.services.answers = {MsgAnswer::Cancel};
  d.w.mnuPDF->trigger();
  ASSERT_EQ(d.services.messages.size(), 1u);
  EXPECT_EQ(d.services.messages[0].title, "PDF file");
  EXPECT_EQ(d.services.messages[0].text, text);
  EXPECT_EQ(d.services.messages[0].buttons, MsgButtons::OkCancel);
  EXPECT_TRUE(d.services.opened.empty());

  d.services.answers = {MsgAnswer::Ok};
  d.w.mnuPDF->trigger();
  ASSERT_EQ(d.services.messages.size(), 2u);
  EXPECT_EQ(d.services.messages[1].text, text);
  ASSERT_EQ(d.services.opened.size(), 1u);
  const QUrl page = d.services.opened[0];
  EXPECT_EQ(page, pdfDownloadAddress());
  EXPECT_EQ(page.scheme(), "https");
  EXPECT_FALSE(page.host().isEmpty());
}

TEST(LubeFreeButton, AsksTheDesktopForTheDocumentOfTheProgramDirectoryAndSaysNothing) {
  WindowDriver d;
  ASSERT_TRUE(d.loaded);
  d.chooseModel("PXH 500 EX");
  ASSERT_TRUE(d.w.LiftHeightB->isVisible());

  // The document is missing from this program directory; the desktop is asked all the same.
  d.click(d.w.cmdLubeFree);
  ASSERT_EQ(d.services.opened.size(), 1u);
  const QUrl doc = d.services.opened[0];
  ASSERT_TRUE(doc.isLocalFile());
  EXPECT_EQ(QFileInfo(doc.toLocalFile()).fileName(), "Lube free hoists.doc");
  EXPECT_EQ(canonicalDir(doc.toLocalFile()), QDir(d.dir->path()).canonicalPath());

  // No program for it on the desktop: still no message of the program's own.
  d.services.openAnswer = false;
  d.click(d.w.cmdLubeFree);
  EXPECT_EQ(d.services.opened.size(), 2u);
  EXPECT_TRUE(d.services.messages.empty());
  // The configuration in progress is left as it was.
  EXPECT_TRUE(d.w.LiftHeightB->isVisible());
  EXPECT_EQ(d.w.ComboPXH->currentText(), "PXH 500 EX");
}
