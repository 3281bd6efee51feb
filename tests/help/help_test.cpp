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

TEST(HelpPages, EveryLinkLeadsToAPageOrPictureThatExists) {
  QStringList pages;
  QDirIterator built(kBuiltHelp, {"*.html"}, QDir::Files, QDirIterator::Subdirectories);
  while (built.hasNext()) pages << QDir(kBuiltHelp).relativeFilePath(built.next());
  ASSERT_TRUE(pages.contains(kHelpContentsPage));
  ASSERT_TRUE(pages.contains(kUsingHelpPage));

  QSet<QString> reached{kHelpContentsPage};
  QStringList queue{kHelpContentsPage};
  while (!queue.isEmpty()) {
    const QString page = queue.takeFirst();
    const QString pagePath = QDir(kBuiltHelp).filePath(page);
    const QString html = readText(pagePath);
    EXPECT_TRUE(QRegularExpression("<title>[^<]+</title>").match(html).hasMatch())
        << page.toStdString() << " has no title";
    for (const QString& address : addressesIn(html)) {
      const std::string where = page.toStdString() + ": " + address.toStdString();
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
        EXPECT_FALSE(QImage(target).isNull()) << where << " is no picture";
      } else if (suffix == "html") {
        if (url.hasFragment()) {
          EXPECT_TRUE(hasAnchor(readText(target), url.fragment())) << where << ": no such anchor";
        }
        const QString linked = QDir(kBuiltHelp).relativeFilePath(target);
        if (!reached.contains(linked)) {
          reached.insert(linked);
          queue << linked;
        }
      }
    }
  }
  // Every page can be found from the contents.
  for (const QString& page : pages) EXPECT_TRUE(reached.contains(page)) << page.toStdString();
}

TEST(PdfHint, CancelOpensNothingAndOkOpensTheDownloadPageOnce) {
  WindowDriver d;
  ASSERT_TRUE(d.loaded);
  const QString text =
      "If you want to create printer outputs in form of files in PDF-format, you can for "
      "example buy the Adobe Acrobat program. Or you can download a Freeware PDF program, for "
      "example PDF ReDirect. Press Ok to get a link to download PDF ReDirect.";

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
