// The program's doors to the desktop: message boxes and the end of the process. Windows call
// these instead of Qt directly, so that tests can answer them without modal dialogs.
#pragma once

#include <QString>

class QWidget;

enum class MsgIcon { None, Information, Warning, Critical, Question };
enum class MsgButtons { Ok, OkCancel };
enum class MsgAnswer { Ok, Cancel };

// The title a message box carries when the caller gives none.
inline const QString kDefaultMessageTitle = QStringLiteral("Telmaris");

class Services {
 public:
  virtual ~Services() = default;

  virtual MsgAnswer message(QWidget* parent, const QString& text,
                            const QString& title = kDefaultMessageTitle,
                            MsgIcon icon = MsgIcon::None, MsgButtons buttons = MsgButtons::Ok) = 0;

  // Ends the process with the given status. Callers return right after it, so that a replacement
  // that only records the request leaves the program in a sane state.
  virtual void endProgram(int status) = 0;
};

// The message shown when the program meets a state it was never meant to reach.
QString contactAuthorMessage();

// The real desktop: QMessageBox and the process exit.
class DesktopServices : public Services {
 public:
  MsgAnswer message(QWidget* parent, const QString& text, const QString& title, MsgIcon icon,
                    MsgButtons buttons) override;
  void endProgram(int status) override;
};
