// Printed quote documents for the service, made by the desktop program in a process of its own
// (the page needs the window library, which the service itself never loads), a few at a time.
#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "common/problem.h"
#include "data/program_directory.h"

struct PdfJob {
  QByteArray quoteFile;  // the configuration or quote, as its file holds it
  QString language;      // the language code to print in; empty: the quote's own
  std::function<void(Result<QByteArray>)> done;  // the PDF, or why there is none
};

class PdfDocuments {
 public:
  // `program` is the desktop program; `workers` documents are made at once, `queueLimit` more
  // wait, and one that takes longer than `timeout` is given up.
  PdfDocuments(QString program, ProgramDirectory directory, int workers, std::size_t queueLimit,
               std::chrono::milliseconds timeout);
  // Finishes the documents begun and those waiting.
  ~PdfDocuments();
  PdfDocuments(const PdfDocuments&) = delete;
  PdfDocuments& operator=(const PdfDocuments&) = delete;

  // Queues a document; false (and `done` is not called) when the queue is full.
  bool make(PdfJob job);

 private:
  Result<QByteArray> print(const PdfJob& job) const;

  QString program_;
  ProgramDirectory directory_;
  std::size_t queueLimit_;
  std::chrono::milliseconds timeout_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<PdfJob> queue_;
  bool stop_ = false;
  std::vector<std::thread> workers_;
};
