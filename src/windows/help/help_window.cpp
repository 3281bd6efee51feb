// The help window: a text browser over the help pages with a tool bar for moving and finding.
#include "help/help_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>

#include "help/help_files.h"
#include "widgets/services.h"

namespace {

// A page the help links to but the program directory lacks is explained in the window itself,
// the way a help viewer reports a missing file: the program shows no message box for it.
class HelpBrowser : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;

  QVariant loadResource(int type, const QUrl& name) override {
    if (type == QTextDocument::HtmlResource && name.isLocalFile() &&
        !QFileInfo::exists(name.toLocalFile()))
      return missingPage(name.toLocalFile());
    return QTextBrowser::loadResource(type, name);
  }

 private:
  static QString missingPage(const QString& path) {
    const QString title = QCoreApplication::translate("HelpWindow", "Help page not found");
    return QStringLiteral("<html><head><title>%1</title></head><body><h1>%1</h1>%2</body></html>")
        .arg(title.toHtmlEscaped(),
             QCoreApplication::translate(
                 "HelpWindow",
                 "<p>The help page <b>%1</b> is not in the program directory.</p>"
                 "<p>The help pages belong in the folder <b>%2</b> beside the program. "
                 "Installing the program again brings them back.</p>")
                 .arg(QDir::toNativeSeparators(path).toHtmlEscaped(), kHelpFolder));
  }
};

bool isHelpPage(const QUrl& url) {
  if (!url.isLocalFile()) return false;
  const QString suffix = QFileInfo(url.toLocalFile()).suffix().toLower();
  return suffix == QLatin1String("html") || suffix == QLatin1String("htm");
}

// The file name of a page that lies in one of the folders of the help, the language's first;
// empty for a page elsewhere. The pages of one language lie side by side in their folder.
QString pageNameIn(const QString& path, const QStringList& folders) {
  for (const QString& folder : folders) {
    if (folder.isEmpty()) continue;
    const QString name = QDir(folder).relativeFilePath(path);
    if (!name.contains(QLatin1Char('/')) && name != QLatin1String("..")) return name;
  }
  return QString();
}

}  // namespace

HelpWindow::HelpWindow(const QString& folder, Services& services, QWidget* owner,
                       const QString& fallbackFolder)
    : QMainWindow(owner, Qt::Window),
      folder_(folder),
      fallbackFolder_(fallbackFolder),
      services_(services) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(tr("Telmaris Help"));

  browser = new HelpBrowser(this);
  browser->setObjectName(QStringLiteral("helpBrowser"));
  // Links are followed here, so that web addresses and documents go to the desktop.
  browser->setOpenLinks(false);
  browser->setOpenExternalLinks(false);
  // The windows of the program use a small font; help is read at length.
  QFont reading = browser->font();
  reading.setPointSize(10);
  browser->setFont(reading);
  browser->document()->setDocumentMargin(10);
  setCentralWidget(browser);

  QToolBar* bar = addToolBar(tr("Help"));
  bar->setObjectName(QStringLiteral("helpToolBar"));
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  auto action = [this, bar](const char* name, const QString& text, QStyle::StandardPixmap icon,
                            const QKeySequence& key, const QString& tip) {
    QAction* a = bar->addAction(style()->standardIcon(icon), text);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(key);
    a->setToolTip(QStringLiteral("%1 (%2)").arg(tip, key.toString(QKeySequence::NativeText)));
    return a;
  };
  contentsAction = action("helpContents", tr("&Contents"), QStyle::SP_DirHomeIcon,
                          QKeySequence(Qt::ALT | Qt::Key_Home), tr("The contents"));
  backAction = action("helpBack", tr("&Back"), QStyle::SP_ArrowBack,
                      QKeySequence(QKeySequence::Back), tr("The page shown before"));
  forwardAction = action("helpForward", tr("&Forward"), QStyle::SP_ArrowForward,
                         QKeySequence(QKeySequence::Forward), tr("The page you came back from"));
  bar->addSeparator();
  usingHelpAction = action("helpUsingHelp", tr("&Using Help"), QStyle::SP_MessageBoxQuestion,
                           QKeySequence(QKeySequence::HelpContents), tr("How this window works"));
  bar->addSeparator();

  auto* findLabel = new QLabel(tr(" Find in page: "), bar);
  bar->addWidget(findLabel);
  findBox = new QLineEdit(bar);
  findBox->setObjectName(QStringLiteral("helpFind"));
  findBox->setClearButtonEnabled(true);
  findBox->setPlaceholderText(tr("word or words"));
  findBox->setMaximumWidth(200);
  findLabel->setBuddy(findBox);
  bar->addWidget(findBox);
  findPreviousAction = action("helpFindPrevious", tr("Previous"), QStyle::SP_ArrowUp,
                              QKeySequence(QKeySequence::FindPrevious), tr("The place before"));
  findNextAction = action("helpFindNext", tr("Next"), QStyle::SP_ArrowDown,
                          QKeySequence(QKeySequence::FindNext), tr("The next place"));
  auto* findAction = new QAction(this);
  findAction->setShortcut(QKeySequence::Find);
  addAction(findAction);
  // The page sizes are relative to the reading font, so a larger font scales the whole page.
  auto* larger = new QAction(this);
  larger->setShortcuts(
      {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  addAction(larger);
  auto* smaller = new QAction(this);
  smaller->setShortcut(QKeySequence::ZoomOut);
  addAction(smaller);
  connect(larger, &QAction::triggered, browser, [this] { browser->zoomIn(1); });
  connect(smaller, &QAction::triggered, browser, [this] { browser->zoomOut(1); });

  backAction->setEnabled(false);
  forwardAction->setEnabled(false);
  connect(contentsAction, &QAction::triggered, this, &HelpWindow::showContents);
  connect(backAction, &QAction::triggered, browser, &QTextBrowser::backward);
  connect(forwardAction, &QAction::triggered, browser, &QTextBrowser::forward);
  connect(usingHelpAction, &QAction::triggered, this, &HelpWindow::showUsingHelp);
  connect(browser, &QTextBrowser::backwardAvailable, backAction, &QAction::setEnabled);
  connect(browser, &QTextBrowser::forwardAvailable, forwardAction, &QAction::setEnabled);
  connect(browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
  connect(browser, &QTextBrowser::sourceChanged, this, &HelpWindow::pageChanged);
  connect(findAction, &QAction::triggered, this, [this] {
    findBox->setFocus(Qt::ShortcutFocusReason);
    findBox->selectAll();
  });
  // Typing looks for the text from the top of the page, as the reader expects the first place.
  connect(findBox, &QLineEdit::textEdited, this, [this](const QString& text) {
    highlightInPage(text);
    findFrom(text, QTextCursor(browser->document()), false);
  });
  connect(findBox, &QLineEdit::returnPressed, this, [this] { findInPage(findBox->text()); });
  connect(findNextAction, &QAction::triggered, this, [this] { findInPage(findBox->text()); });
  connect(findPreviousAction, &QAction::triggered, this,
          [this] { findInPage(findBox->text(), true); });

  // At the right of the screen, so that the main window at the top left stays in sight, and wide
  // enough to show the pictures of the windows at their own size.
  const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
  const QRect free = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  resize(qMin(840, free.width()), qMin(660, free.height()));
  move(free.right() + 1 - width(), free.top());
}

void HelpWindow::showContents() {
  showPage(kHelpContentsPage);
}

void HelpWindow::showUsingHelp() {
  showPage(kUsingHelpPage);
}

void HelpWindow::setFolders(const QString& folder, const QString& fallbackFolder) {
  if (folder == folder_ && fallbackFolder == fallbackFolder_) return;
  folder_ = folder;
  fallbackFolder_ = fallbackFolder;
  forgetHistory_ = true;
}

void HelpWindow::showPage(const QString& page) {
  const qsizetype hash = page.indexOf(QLatin1Char('#'));
  QUrl url = pageUrl(page.left(hash));
  if (hash >= 0) url.setFragment(page.mid(hash + 1));
  browser->setSource(url);
  // The first page of another language starts a history of its own.
  if (forgetHistory_) {
    browser->clearHistory();
    forgetHistory_ = false;
  }
}

QUrl HelpWindow::pageUrl(const QString& fileName) const {
  const QString here = QDir(folder_).absoluteFilePath(fileName);
  if (!fallbackFolder_.isEmpty() && !QFileInfo::exists(here)) {
    const QString there = QDir(fallbackFolder_).absoluteFilePath(fileName);
    if (QFileInfo::exists(there)) return QUrl::fromLocalFile(there);
  }
  return QUrl::fromLocalFile(here);
}

QUrl HelpWindow::currentPage() const {
  return browser->source();
}

bool HelpWindow::findInPage(const QString& text, bool backwards) {
  return findFrom(text, browser->textCursor(), backwards);
}

bool HelpWindow::findFrom(const QString& text, const QTextCursor& from, bool backwards) {
  if (text.isEmpty()) {
    showFindResult(true);
    return false;
  }
  const QTextDocument::FindFlags flags =
      backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
  QTextDocument* page = browser->document();
  QTextCursor hit = page->find(text, from, flags);
  if (hit.isNull()) {
    QTextCursor edge(page);
    if (backwards) edge.movePosition(QTextCursor::End);
    hit = page->find(text, edge, flags);
  }
  // Only a place found moves the page; otherwise the reader stays where they were.
  if (!hit.isNull()) browser->setTextCursor(hit);
  showFindResult(!hit.isNull());
  return !hit.isNull();
}

int HelpWindow::highlightInPage(const QString& text) {
  QList<QTextEdit::ExtraSelection> marks;
  if (!text.isEmpty()) {
    QTextCursor at(browser->document());
    while (true) {
      at = browser->document()->find(text, at);
      if (at.isNull()) break;
      QTextEdit::ExtraSelection mark;
      mark.cursor = at;
      mark.format.setBackground(QColor(255, 236, 120));
      marks << mark;
    }
  }
  browser->setExtraSelections(marks);
  if (!text.isEmpty())
    statusBar()->showMessage(marks.isEmpty()     ? tr("Not found in this page")
                             : marks.size() == 1 ? tr("1 place in this page")
                                                 : tr("%1 places in this page").arg(marks.size()));
  return static_cast<int>(marks.size());
}

void HelpWindow::followLink(const QUrl& link) {
  const QUrl target = browser->source().resolved(link);
  if (!isHelpPage(target)) {
    services_.openWithDesktop(target);
    return;
  }
  // A page of the help opens in the reader's language where there is one, also from an English
  // page that stood in for a missing one.
  QUrl page = target;
  const QString name = pageNameIn(target.toLocalFile(), {folder_, fallbackFolder_});
  if (!name.isEmpty()) {
    page = pageUrl(name);
    page.setFragment(target.fragment());
  }
  browser->setSource(page);
}

void HelpWindow::pageChanged() {
  const QString title = browser->documentTitle();
  setWindowTitle(title.isEmpty() ? tr("Telmaris Help") : tr("Telmaris Help - %1").arg(title));
  // What was found belongs to the page before; the search text stays for the new page.
  browser->setExtraSelections({});
  statusBar()->clearMessage();
  showFindResult(true);
}

void HelpWindow::showFindResult(bool found) {
  QPalette p = findBox->palette();
  p.setColor(QPalette::Base, found ? palette().color(QPalette::Base) : QColor(255, 200, 200));
  findBox->setPalette(p);
  if (!found) statusBar()->showMessage(tr("Not found in this page"));
}
