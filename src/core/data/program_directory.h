// The program directory: the folder of the database, the pictures, the translations, the help
// and the reference document. Every file of the program is found through this one value; the
// process's current directory is never changed, so files named by the user keep meaning what
// they meant where the command was given.
#pragma once

#include <QDir>
#include <QString>

class ProgramDirectory {
 public:
  ProgramDirectory() = default;
  explicit ProgramDirectory(const QString& path) : path_(path) {}

  const QString& path() const { return path_; }
  bool exists() const { return !path_.isEmpty() && QDir(path_).exists(); }
  // The parts database, Telmaris.mdb.
  QString database() const { return file(QStringLiteral("Telmaris.mdb")); }
  // The register of issued quotes, a file of its own so that a new Telmaris.mdb never takes a
  // quote with it.
  QString quoteRegister() const { return file(QStringLiteral("Quotes.mdb")); }
  // A file or folder of the directory by its fixed name, such as "KRNLOGO.PCX" or "help".
  QString file(const QString& name) const { return QDir(path_).absoluteFilePath(name); }

 private:
  QString path_;
};
