// Services that record the messages and the end of the program instead of showing or doing them.
#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "widgets/services.h"

struct RecordedMessage {
  QString text;
  QString title;
  MsgIcon icon;
  MsgButtons buttons;
};

class RecordingServices : public Services {
 public:
  MsgAnswer message(QWidget*, const QString& text, const QString& title, MsgIcon icon,
                    MsgButtons buttons) override {
    messages.push_back({text, title, icon, buttons});
    if (answers.empty())
      return buttons == MsgButtons::SaveDiscardCancel ? MsgAnswer::Cancel : MsgAnswer::Ok;
    const MsgAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  MsgAnswer report(QWidget*, const QString& title, const QString& text,
                   MsgButtons buttons) override {
    reports.push_back({text, title, MsgIcon::None, buttons});
    if (whileReportShown) whileReportShown();
    if (answers.empty()) return MsgAnswer::Ok;
    const MsgAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  QString askOpenFileName(QWidget*, const QString& title, const QStringList& filters,
                          const QString& startFolder) override {
    fileDialogs.push_back({title, filters, startFolder});
    return fileAnswer;
  }
  QString askSaveFileName(QWidget*, const QString& title, const QStringList& filters,
                          const QString& suggested) override {
    fileDialogs.push_back({title, filters, suggested});
    return saveAnswer;
  }
  bool openWithDesktop(const QUrl& url) override {
    opened.push_back(url);
    return openAnswer;
  }
  std::optional<PrintRequest> askPrint(QWidget*, const QString& suggestedFile) override {
    ++printDialogs;
    suggestedPrintFile = suggestedFile;
    return printAnswer;
  }
  // The preview draws its pages into `previewPrinter` when a test gives one.
  void showPrintPreview(QWidget*, const QString& suggestedFile,
                        const std::function<void(QPrinter&)>& paint) override {
    ++previews;
    suggestedPrintFile = suggestedFile;
    if (previewPrinter) paint(*previewPrinter);
  }
  QDate today() override { return fixedDate; }
  QString settingsFile() override { return settingsPath; }
  void endProgram(int status) override { endStatus = status; }

  struct FileDialog {
    QString title;
    QStringList filters;
    QString startFolder;
  };
  std::vector<FileDialog> fileDialogs;
  QString fileAnswer;  // empty: the dialog is cancelled
  QString saveAnswer;  // empty: the dialog is cancelled
  std::vector<QUrl> opened;
  bool openAnswer = true;
  std::optional<PrintRequest> printAnswer;  // none: the dialog is cancelled
  int printDialogs = 0;
  int previews = 0;
  QString suggestedPrintFile;
  QPrinter* previewPrinter = nullptr;
  QDate fixedDate{2017, 10, 17};
  QString settingsPath;  // where the recent configurations are kept; empty: nowhere

  std::vector<RecordedMessage> messages;
  std::vector<RecordedMessage> reports;
  // Messages and reports alike, in order. Once they run out: Ok, and Cancel to a question of
  // Save / Discard / Cancel.
  std::deque<MsgAnswer> answers;
  // What happens elsewhere while a report is open (another program at work, say).
  std::function<void()> whileReportShown;
  std::optional<int> endStatus;
};
