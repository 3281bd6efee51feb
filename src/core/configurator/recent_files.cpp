// The list of recent configurations.
#include "configurator/recent_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "configurator/configuration_file.h"

namespace {

const QString kRecentKey = QStringLiteral("recentConfigurations");

// The settings hold a few short lines; a larger file is not the program's.
constexpr qint64 kMaxSettingsBytes = 1024 * 1024;

// Whether QSettings may read and write the settings file: when there is none yet, or it is a
// regular file of a settings file's size. A FIFO, a device or a folder in its place would make
// QSettings wait forever or fill the memory, and is left alone: the list is then empty.
bool settingsFileUsable(const QString& file) {
  const QFileInfo info(file);
  return !info.exists() || (info.isFile() && info.size() <= kMaxSettingsBytes);
}

QString cleanName(const QString& file) {
  return QDir::cleanPath(QFileInfo(file).absoluteFilePath());
}

}  // namespace

QStringList withRecentFile(const QStringList& list, const QString& file, int kept) {
  QStringList result;
  if (!file.isEmpty()) result << cleanName(file);
  for (const QString& entry : list) {
    if (result.size() >= kept) break;
    if (entry.isEmpty()) continue;
    const QString name = cleanName(entry);
    if (!result.contains(name)) result << name;
  }
  return result;
}

QString recentFileMenuText(int index, const QString& file) {
  // An "&" in the name is a letter, not the mark of an accelerator.
  QString name = QFileInfo(file).fileName();
  name.replace(QLatin1Char('&'), QLatin1String("&&"));
  return index < 9 ? QStringLiteral("&%1 %2").arg(index + 1).arg(name)
                   : QStringLiteral("%1 %2").arg(index + 1).arg(name);
}

QString userSettingsFile() {
  // The native format of Unix is the INI format, in a file named .conf.
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, kSettingsOrganisation,
                   kSettingsApplication)
      .fileName();
}

RecentFiles::RecentFiles(QString settingsFile) : settingsFile_(std::move(settingsFile)) {}

QStringList RecentFiles::files() const {
  if (settingsFile_.isEmpty() || !settingsFileUsable(settingsFile_)) return {};
  const QSettings settings(settingsFile_, QSettings::IniFormat);
  // An edited or older settings file may hold more, twice, or empty names.
  return withRecentFile(settings.value(kRecentKey).toStringList(), QString());
}

void RecentFiles::add(const QString& file) {
  store(withRecentFile(files(), file));
}

void RecentFiles::remove(const QString& file) {
  QStringList list = files();
  list.removeAll(cleanName(file));
  store(list);
}

void RecentFiles::store(const QStringList& files) {
  if (settingsFile_.isEmpty() || !settingsFileUsable(settingsFile_)) return;
  QSettings settings(settingsFile_, QSettings::IniFormat);
  settings.setValue(kRecentKey, files);
}
