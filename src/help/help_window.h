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
  // The pages lie in `folder`; addresses outside the help (web pages, documents) go to the
  // desktop through `services`. With an owner the window stays in front of it and goes with it.
  HelpWindow(const QString& folder, Services& services, QWidget* owner = nullptr);

  void showContents();
  void showUsingHelp();
  // A page of the help folder by its file name, optionally followed by "#" and an anchor.
  void showPage(const QString& page);
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
  Services& services_;
};
