// The ordering list as the screen shows it: the lines of the list with empty runs shrunk.
#pragma once

#include <QString>
#include <vector>

struct ProgramState;

struct ScreenLine {
  QString text;
  bool bold;
};

// The first and last lines in bold; in between, an empty line is left out when the next line is
// empty too or is the rule line, so runs of empty lines shrink to one.
std::vector<ScreenLine> screenListLines(const ProgramState& state);
