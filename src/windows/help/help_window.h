// The program's help window: the HTML help pages of the program directory, with contents, back,
// forward and search in the page.
#pragma once

#include <QMainWindow>
#include <QUrl>

class QAction;
class QLineEdit;
class QTextCursor;
class QTextBrowser;
class Services;

class HelpWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The pages lie in `folder`; a page missing there is taken from `fallbackFolder` (the English
  // pages) when one is given. Addresses outside the help (web pages, documents) go to the
  // desktop through `services`. With an owner the window stays in front of it and goes with it.
  HelpWindow(const QString& folder, Services& services, QWidget* owner = nullptr,
             const QString& fallbackFolder = QString());

  // The pages of another language from the next page on. The pages seen in the language before
  // are no longer offered by Back and Forward.
  void setFolders(const QString& folder, const QString& fallbackFolder = QString());

  void showContents();
  void showUsingHelp();
  // A page of the help folder by its file name, optionally followed by "#" and an anchor.
  void showPage(const QString& page);
  // The address of a page of the help by its file name: in the folder of the pages, or in the
  // fallback folder when only that one holds it.
  QUrl pageUrl(const QString& fileName) const;
  // The page shown now, as the address of a local file.
  QUrl currentPage() const;

  // Looks for the text in the page after the selection (before it when backwards), going round
  // at the end of the page, and selects it; false when the page does not hold it. Case is
  // ignored.
  bool findInPage(const QString& text, bool backwards = false);
  // How often the text stands in the page; every place is highlighted.
  int highlightInPage(const QString& text);

  // A link of the page was followed: a help page opens here, anything else on the desktop.
  void followLink(const QUrl& link);

  QTextBrowser* browser = nullptr;
  QLineEdit* findBox = nullptr;
  QAction* contentsAction = nullptr;
  QAction* backAction = nullptr;
  QAction* forwardAction = nullptr;
  QAction* usingHelpAction = nullptr;
  QAction* findNextAction = nullptr;
  QAction* findPreviousAction = nullptr;

 private:
  bool findFrom(const QString& text, const QTextCursor& from, bool backwards);
  void pageChanged();
  void showFindResult(bool found);

  QString folder_;
  QString fallbackFolder_;
  bool forgetHistory_ = false;
  Services& services_;
};
