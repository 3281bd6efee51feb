// Parts databases made for a test, and program directories that hold them.
#pragma once

#include <QString>
#include <QTemporaryDir>

#include "data/program_directory.h"

// Makes an encrypted parts database at `path` with the program's tables and the given records.
void makeDatabase(const QString& path, const QString& recordsSql);

// Records that give every text number 1 to 150 in every column a text that names its column and
// number, such as "Eng12" or "Fra12", and a small part matrix and parts list with the same kind
// of descriptions ("Eng part 5").
QString syntheticRecordsSql();

// A temporary program directory, removed with the object. The current directory stays where it
// is: the program finds its files through the directory it is given.
class TestProgramDirectory {
 public:
  struct Built {};
  // A copy of the build's program directory: the shipped database, pictures and documents.
  explicit TestProgramDirectory(Built);
  explicit TestProgramDirectory(const QString& recordsSql = syntheticRecordsSql());
  QString path() const { return dir_.path(); }
  QString database() const { return ProgramDirectory(dir_.path()).database(); }
  ProgramDirectory directory() const { return ProgramDirectory(dir_.path()); }

 private:
  QTemporaryDir dir_;
};
