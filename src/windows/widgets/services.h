// The program's doors to the desktop: message boxes and the end of the process. Windows call
// these instead of Qt directly, so that tests can answer them without modal dialogs.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <exception>
#include <functional>
#include <memory>
#include <optional>

#include "common/problem.h"

class QPrinter;
class QWidget;

enum class MsgIcon { None, Information, Warning, Critical, Question };
// SaveDiscardCancel asks what becomes of changes that were not saved; its answers are Save,
// Discard and Cancel (Escape and the close box).
enum class MsgButtons { Ok, OkCancel, SaveDiscardCancel };
enum class MsgAnswer { Ok, Cancel, Save, Discard };

// What the print dialog answered: the printer set up by the user and the number of copies.
struct PrintRequest {
  std::shared_ptr<QPrinter> printer;
  int copies = 1;
  // Runs before each copy is printed; each copy is a document of its own.
  std::function<void(QPrinter&, int copy)> beforeCopy;
};

// The title a message box carries when the caller gives none.
inline const QString kDefaultMessageTitle = QStringLiteral("Telmaris");

class Services {
 public:
  virtual ~Services() = default;

  virtual MsgAnswer message(QWidget* parent, const QString& text,
                            const QString& title = kDefaultMessageTitle,
                            MsgIcon icon = MsgIcon::None, MsgButtons buttons = MsgButtons::Ok) = 0;

  // A longer text to be read before going on, such as what an import will change, in a window
  // that scrolls, in a fixed-pitch font so that its columns stand.
  virtual MsgAnswer report(QWidget* parent, const QString& title, const QString& text,
                           MsgButtons buttons = MsgButtons::Ok) = 0;

  // The open-file dialog with its title, filters ("Price files (*.DAT *.TXT)") and start folder;
  // empty when the user cancels it. Filters match names in any case.
  virtual QString askOpenFileName(QWidget* parent, const QString& title, const QStringList& filters,
                                  const QString& startFolder) = 0;

  // The save-file dialog, suggesting a name; empty when the user cancels it.
  virtual QString askSaveFileName(QWidget* parent, const QString& title, const QStringList& filters,
                                  const QString& suggested) = 0;

  // Opens a file or an address with the desktop's program for it; false when none could.
  virtual bool openWithDesktop(const QUrl& url) = 0;

  // The system print dialog, whose printing to a file suggests `suggestedFile`; none when the
  // user cancels it.
  virtual std::optional<PrintRequest> askPrint(QWidget* parent, const QString& suggestedFile) = 0;

  // The print preview: `paint` draws the pages on the printer it is given, as often as the
  // preview needs them; the preview's own print button prints them.
  virtual void showPrintPreview(QWidget* parent, const QString& suggestedFile,
                                const std::function<void(QPrinter&)>& paint) = 0;

  // Today, as printed on the ordering document.
  virtual QDate today() { return QDate::currentDate(); }

  // The settings file in which the program keeps what the user did last, such as the recent
  // configurations; empty when nothing is to be kept.
  virtual QString settingsFile() { return {}; }

  // Ends the process with the given status. Callers return right after it, so that a replacement
  // that only records the request leaves the program in a sane state.
  virtual void endProgram(int status) = 0;
};

// The one way a window shows a problem: a message box with the lead, where and what
// (problemMessage), a warning unless said otherwise.
void showProblem(Services& services, QWidget* parent, const Problem& problem,
                 const TextCatalogueArray& texts, const QString& lead,
                 const QString& title = kDefaultMessageTitle, MsgIcon icon = MsgIcon::Warning);

// A command's failure that is no Failure of the program's own (memory that ran out, or a reason
// nobody foresaw) as a problem of the given kind and place: told like any other, and the window
// goes on.
Problem unforeseenProblem(const std::exception& e, const QString& where = {},
                          Problem::Kind kind = Problem::Kind::File);

// The message shown when the program meets a state it was never meant to reach.
QString contactAuthorMessage();

// The message box DesktopServices shows, made ready but not shown: its title, text, icon and
// Qt's standard buttons, and at least the width its title needs in a window manager's title bar.
class QMessageBox;
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text,
                                            const QString& title, MsgIcon icon, MsgButtons buttons);
// The window DesktopServices::report shows, made ready but not shown: the text in a fixed-pitch
// font, as wide as its longest line where the screen allows, its longer lines wrapped; Ok, and
// Cancel with OkCancel.
class QDialog;
std::unique_ptr<QDialog> makeReportDialog(QWidget* parent, const QString& title,
                                          const QString& text, MsgButtons buttons);
// Pixels a title bar takes beside its title: the window's icon and its three buttons.
inline constexpr int kTitleBarRoom = 110;

// The real desktop: QMessageBox and the process exit.
class DesktopServices : public Services {
 public:
  MsgAnswer message(QWidget* parent, const QString& text, const QString& title, MsgIcon icon,
                    MsgButtons buttons) override;
  MsgAnswer report(QWidget* parent, const QString& title, const QString& text,
                   MsgButtons buttons) override;
  QString askOpenFileName(QWidget* parent, const QString& title, const QStringList& filters,
                          const QString& startFolder) override;
  QString askSaveFileName(QWidget* parent, const QString& title, const QStringList& filters,
                          const QString& suggested) override;
  bool openWithDesktop(const QUrl& url) override;
  std::optional<PrintRequest> askPrint(QWidget* parent, const QString& suggestedFile) override;
  void showPrintPreview(QWidget* parent, const QString& suggestedFile,
                        const std::function<void(QPrinter&)>& paint) override;
  // The user's own: Telmaris/Telmaris.conf in the configuration folder.
  QString settingsFile() override;
  void endProgram(int status) override;
};

// Services for work without a window: messages are kept for the caller to report, dialogs are
// answered as set up beforehand (Save / Discard / Cancel with Cancel, which changes nothing),
// no settings are kept, and the end of the program is only noted.
class HeadlessServices : public Services {
 public:
  MsgAnswer message(QWidget* parent, const QString& text, const QString& title, MsgIcon icon,
                    MsgButtons buttons) override;
  MsgAnswer report(QWidget*, const QString&, const QString& text, MsgButtons) override {
    messages << text;
    return MsgAnswer::Ok;
  }
  QString askOpenFileName(QWidget*, const QString&, const QStringList&, const QString&) override {
    return {};
  }
  QString askSaveFileName(QWidget*, const QString&, const QStringList&, const QString&) override {
    return {};
  }
  bool openWithDesktop(const QUrl&) override { return false; }
  std::optional<PrintRequest> askPrint(QWidget*, const QString&) override { return printAnswer; }
  void showPrintPreview(QWidget*, const QString&, const std::function<void(QPrinter&)>&) override {}
  QDate today() override { return date.isValid() ? date : Services::today(); }
  void endProgram(int status) override { endStatus = status; }

  QStringList messages;
  std::optional<PrintRequest> printAnswer;
  QDate date;
  std::optional<int> endStatus;
};
