// Bounded reads and whole-or-nothing writes on POSIX files.
#include "common/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

[[noreturn]] void fail(const QString& path, const QString& what) {
  throw Failure(Problem{Problem::Kind::File, QDir::toNativeSeparators(withControlsEscaped(path)),
                        what, std::nullopt});
}

QString systemError(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

// A descriptor closed on every way out.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

// Opens the file for reading without blocking on a FIFO, and checks on the open descriptor (not
// the name, which may change meanwhile) that it is a regular file.
int openRegular(const QString& path, struct stat& info) {
  const QByteArray name = QFile::encodeName(path);
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    const int error = errno;
    fail(path, QCoreApplication::translate("Files", "The file cannot be opened: %1")
                   .arg(systemError(error)));
  }
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    const bool folder = S_ISDIR(info.st_mode);
    ::close(fd);
    fail(path, folder ? QCoreApplication::translate("Files", "This is a folder, not a file.")
                      : QCoreApplication::translate(
                            "Files", "This is not a regular file (a device, a pipe or a socket)."));
  }
  // Back to blocking reads: a regular file never waits for long.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

bool syncFile(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  const Descriptor fd(::open(name.constData(), O_RDONLY | O_CLOEXEC));
  return fd.get() >= 0 && ::fsync(fd.get()) == 0;
}

void syncFolder(const QString& folder) {
  const QByteArray name = QFile::encodeName(folder);
  const Descriptor fd(::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) ::fsync(fd.get());  // a file system without it has written all the same
}

}  // namespace

void requireRegularFile(const QString& path) {
  struct stat info {};
  const Descriptor fd(openRegular(path, info));
}

QByteArray readRegularFile(const QString& path, qint64 maxBytes, const QString& tooLarge) {
  struct stat info {};
  const Descriptor fd(openRegular(path, info));
  if (info.st_size > maxBytes) fail(path, tooLarge);
  QByteArray content;
  content.resize(static_cast<qsizetype>(info.st_size));
  qint64 done = 0;
  while (true) {
    // A file that grows while it is read is read up to the limit and one byte beyond.
    if (done == content.size()) {
      if (done > maxBytes) fail(path, tooLarge);
      content.resize(static_cast<qsizetype>(std::min<qint64>(maxBytes + 1, done + 65536)));
    }
    const ssize_t n = ::read(fd.get(), content.data() + done, content.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      fail(path, QCoreApplication::translate("Files", "The file cannot be read: %1")
                     .arg(systemError(error)));
    }
    if (n == 0) break;
    done += n;
  }
  if (done > maxBytes) fail(path, tooLarge);
  content.resize(static_cast<qsizetype>(done));
  return content;
}

// ---- FileReplacement

FileReplacement::FileReplacement(const QString& target) {
  // A link is followed: its target is replaced, and the link stays.
  const QFileInfo info(target);
  target_ = info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
  QTemporaryFile file(QFileInfo(target_).absolutePath() + QStringLiteral("/.") +
                      QFileInfo(target_).fileName() + QStringLiteral(".XXXXXX"));
  file.setAutoRemove(false);
  if (!file.open())
    fail(target, QCoreApplication::translate("Files", "The file cannot be written: %1")
                     .arg(file.errorString()));
  temporary_ = file.fileName();
}

FileReplacement::~FileReplacement() {
  if (!committed_) QFile::remove(temporary_);
}

void FileReplacement::commit(const std::function<bool(const QString&)>& complete) {
  if (!syncFile(temporary_) || (complete && !complete(temporary_)))
    fail(target_, QCoreApplication::translate(
                      "Files",
                      "The file could not be written completely; the disk may be full. A "
                      "previous file of this name is unchanged."));
  // The target's permissions, or those of a new file.
  const QByteArray temporaryName = QFile::encodeName(temporary_);
  const QByteArray targetName = QFile::encodeName(target_);
  struct stat existing {};
  mode_t mode = 0;
  if (::stat(targetName.constData(), &existing) == 0) {
    mode = existing.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  ::chmod(temporaryName.constData(), mode);
  if (std::rename(temporaryName.constData(), targetName.constData()) != 0) {
    const int error = errno;
    fail(target_, QCoreApplication::translate("Files", "The file cannot be written: %1")
                      .arg(systemError(error)));
  }
  committed_ = true;
  syncFolder(QFileInfo(target_).absolutePath());
}

void writeFileWhole(const QString& target, const QByteArray& content) {
  FileReplacement replacement(target);
  QFile out(replacement.temporaryPath());
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      out.write(content) != content.size() || !out.flush())
    fail(target, QCoreApplication::translate(
                     "Files",
                     "The file could not be written completely; the disk may be full. A previous "
                     "file of this name is unchanged."));
  out.close();
  replacement.commit(
      [&content](const QString& written) { return QFileInfo(written).size() == content.size(); });
}

QString withControlsEscaped(const QString& text) {
  QString shown;
  shown.reserve(text.size());
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    const bool control = (u < 0x20 && u != u'\t') || u == 0x7F || (u >= 0x80 && u < 0xA0);
    if (control)
      shown += QStringLiteral("\\x%1").arg(static_cast<unsigned>(u), 2, 16, QLatin1Char('0'));
    else
      shown += c;
  }
  return shown;
}
