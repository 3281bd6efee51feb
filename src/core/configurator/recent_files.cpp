// Reading a configuration file for the window, and the list of recent configurations.
#include "configurator/recent_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "configurator/configuration_file.h"

namespace {

const QString kRecentKey = QStringLiteral("recentConfigurations");

QString cleanName(const QString& file) {
  return QDir::cleanPath(QFileInfo(file).absoluteFilePath());
}

}  // namespace

Result<Configuration> readConfigurationFile(const QString& file) {
  const QString where = QDir::toNativeSeparators(file);
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly)) {
    return Problem{Problem::Kind::File, where,
                   QCoreApplication::translate("ConfigurationFiles", "The file cannot be read: %1")
                       .arg(in.errorString()),
                   std::nullopt};
  }
  Result<Configuration> parsed = parseConfiguration(in.readAll());
  if (!parsed) return Problem{Problem::Kind::File, where, parsed.problem().what, std::nullopt};
  return parsed;
}

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
  if (settingsFile_.isEmpty()) return {};
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
  if (settingsFile_.isEmpty()) return;
  QSettings settings(settingsFile_, QSettings::IniFormat);
  settings.setValue(kRecentKey, files);
}
