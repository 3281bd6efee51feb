// Lines of the ordering list on the screen.
#include "screen/screen_list.h"

std::vector<ScreenLine> screenListLines(const QStringList& all) {
  std::vector<ScreenLine> lines;
  const qsizetype count = all.size();
  if (count < 1) return lines;
  lines.push_back({all[0], true});
  for (qsizetype i = 1; i < count - 1; ++i) {
    const QString& line = all[i];
    const QString& next = all[i + 1];
    if (line.isEmpty() && (next.isEmpty() || next.contains(QLatin1String("_____")))) continue;
    lines.push_back({line, false});
  }
  if (count > 1) lines.push_back({all[count - 1], true});
  return lines;
}
