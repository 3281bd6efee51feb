// The program's own rules for the files it reads and writes.
//
// A file the user names is read only when it is a regular file, and never beyond what such a file
// can hold: a FIFO, a device or a folder is refused at once, without waiting, and a file larger
// than its kind allows is refused before it is read. A file the program writes (a page, a
// workbook, a configuration) is written beside its target under another name, checked, and only
// then put in the target's place: a write that fails, on a full disk say, leaves the previous file
// as it was.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "common/problem.h"
#include "common/shown_text.h"

// Refuses, with a Failure of kind File naming the file, anything but a regular file that can be
// opened for reading. Does not block on a FIFO.
void requireRegularFile(const QString& path);

// The whole content of a regular file of at most `maxBytes`. A larger file is refused with
// `tooLarge` (e.g. "The file is too large for a price file."). Throws Failure of kind File naming
// the file.
QByteArray readRegularFile(const QString& path, qint64 maxBytes, const QString& tooLarge);

// A file written under a temporary name in the target's folder and put in the target's place by
// commit(). Until then the target is untouched; a replacement destroyed without commit() removes
// its temporary file.
class FileReplacement {
 public:
  // Throws Failure of kind File naming the target when its folder takes no new file.
  explicit FileReplacement(const QString& target);
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;
  ~FileReplacement();

  // Where the writer writes.
  const QString& temporaryPath() const { return temporary_; }
  const QString& target() const { return target_; }

  // Flushes the temporary file to the disk, checks it with `complete` (when given: false means
  // the writer stopped short, e.g. on a full disk), gives it the target's permissions and renames
  // it over the target. Throws Failure of kind File naming the target; the target is then as it
  // was.
  void commit(const std::function<bool(const QString& temporaryPath)>& complete = {});

 private:
  QString target_;
  QString temporary_;
  bool committed_ = false;
};

// Writes `content` to `target` whole or not at all. Throws Failure of kind File naming the target.
void writeFileWhole(const QString& target, const QByteArray& content);
