// The configuration files the user works with: the list of the last ones opened or saved,
// newest first, kept in the user's settings (a configuration is read by readConfigurationFile).
#pragma once

#include <QString>
#include <QStringList>

#include "common/problem.h"
#include "configurator/configuration.h"
#include "configurator/configuration_file.h"  // readConfigurationFile

// How many configurations File > Recent configurations offers.
inline constexpr int kRecentFilesKept = 5;

// The list with the file put first: an entry naming the same file leaves its old place, and
// the list ends after `kept` entries. Names are made absolute and clean.
QStringList withRecentFile(const QStringList& list, const QString& file,
                           int kept = kRecentFilesKept);

// The text of the entry at `index` (0 the newest) in the menu: its number 1 to 9 as the
// accelerator, then the file's name without its folder.
QString recentFileMenuText(int index, const QString& file);

// Where the program keeps the user's settings: Telmaris/Telmaris.conf in the user's
// configuration folder ($XDG_CONFIG_HOME, else ~/.config).
QString userSettingsFile();
inline const QString kSettingsOrganisation = QStringLiteral("Telmaris");
inline const QString kSettingsApplication = QStringLiteral("Telmaris");

// The recent configurations in a settings file (INI). Each call reads or writes the file, so
// that several running programs share one list.
class RecentFiles {
 public:
  // With an empty name nothing is kept: the list is always empty.
  explicit RecentFiles(QString settingsFile);

  // Newest first; at most kRecentFilesKept, each once.
  QStringList files() const;
  // The file opened or saved: now the newest.
  void add(const QString& file);
  void remove(const QString& file);

 private:
  void store(const QStringList& files);

  QString settingsFile_;
};
