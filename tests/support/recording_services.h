// Services that record the messages and the end of the program instead of showing or doing them.
#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "common/services.h"

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
    if (answers.empty()) return MsgAnswer::Ok;
    const MsgAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  void endProgram(int status) override { endStatus = status; }

  std::vector<RecordedMessage> messages;
  std::deque<MsgAnswer> answers;  // given in order; Ok once they run out
  std::optional<int> endStatus;
};
