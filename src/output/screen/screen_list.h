// The ordering list as the screen shows it: the lines of the list with empty runs shrunk.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The indent of the list's lines on the screen.
inline constexpr int kScreenListIndent = 1;

struct ScreenLine {
  QString text;
  bool bold;
};

// The first and last lines in bold; in between, an empty line is left out when the next line is
// empty too or is the rule line, so runs of empty lines shrink to one.
std::vector<ScreenLine> screenListLines(const QStringList& lines);
