// Lines of the ordering list on the screen.
#include "output/screen_list.h"

#include "startup/program_state.h"

std::vector<ScreenLine> screenListLines(const ProgramState& state) {
  std::vector<ScreenLine> lines;
  const int count = state.OutputLineCount;
  if (count < 1) return lines;
  lines.push_back({state.OutputLines[1], true});
  for (int i = 2; i <= count - 1; ++i) {
    const QString& line = state.OutputLines[i];
    const QString& next = state.OutputLines[i + 1];
    if (line.isEmpty() && (next.isEmpty() || next.contains(QLatin1String("_____")))) continue;
    lines.push_back({line, false});
  }
  if (count > 1) lines.push_back({state.OutputLines[count], true});
  return lines;
}
