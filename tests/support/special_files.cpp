// A FIFO that never keeps its reader waiting.
#include "support/special_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <chrono>
#include <stdexcept>

Fifo::Fifo(const QString& path) : path_(path) {
  const QByteArray name = QFile::encodeName(path);
  if (::mkfifo(name.constData(), 0600) != 0)
    throw std::runtime_error("cannot make the FIFO " + path.toStdString());
  writer_ = std::thread([this, name] {
    while (!done_) {
      // Without a reader the open fails at once (ENXIO); with one, the reader's wait ends.
      const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
      if (fd >= 0) ::close(fd);
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  });
}

Fifo::~Fifo() {
  done_ = true;
  writer_.join();
  QFile::remove(path_);
}
