// The record of the ordering lists shown on the screen.
#include "screen/screen_list_log.h"

#include <QByteArray>
#include <QFile>

void logScreenList(const QStringList& lines) {
  const QString path = qEnvironmentVariable("TELMARIS_SCREEN_LIST_LOG");
  if (path.isEmpty()) return;
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return;
  QByteArray record;
  for (const QString& line : lines) {
    record += line.toUtf8();
    record += '\n';
  }
  record += "----\n";
  file.write(record);
  file.flush();
}
