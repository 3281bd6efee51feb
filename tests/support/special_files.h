// Files that are no regular files, for the tests of the readers that refuse them.
#pragma once

#include <QString>
#include <atomic>
#include <thread>

// A FIFO at `path`. A reader that opens it and waits for a writer is let go: whenever the FIFO
// has a reader, a writer opens it and closes it at once, so the reader reads an empty file
// instead of waiting forever. A reader that refuses FIFOs never sees that.
class Fifo {
 public:
  explicit Fifo(const QString& path);
  ~Fifo();
  Fifo(const Fifo&) = delete;
  Fifo& operator=(const Fifo&) = delete;
  const QString& path() const { return path_; }

 private:
  QString path_;
  std::atomic<bool> done_{false};
  std::thread writer_;
};
