// Making quote documents in a process of the desktop program.
#include "pdf/pdf_documents.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

PdfDocuments::PdfDocuments(QString program, ProgramDirectory directory, int workers,
                           std::size_t queueLimit, std::chrono::milliseconds timeout)
    : program_(std::move(program)),
      directory_(std::move(directory)),
      queueLimit_(queueLimit),
      timeout_(timeout) {
  for (int i = 0; i < std::max(1, workers); ++i)
    workers_.emplace_back([this] {
      std::unique_lock lock(mutex_);
      for (;;) {
        wake_.wait(lock, [this] { return stop_ || !queue_.empty(); });
        if (queue_.empty()) return;
        PdfJob job = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        job.done(print(job));
        lock.lock();
      }
    });
}

PdfDocuments::~PdfDocuments() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  for (std::thread& t : workers_) t.join();
}

bool PdfDocuments::make(PdfJob job) {
  {
    std::lock_guard lock(mutex_);
    if (queue_.size() >= queueLimit_) return false;
    queue_.push_back(std::move(job));
  }
  wake_.notify_one();
  return true;
}

Result<QByteArray> PdfDocuments::print(const PdfJob& job) const {
  auto failed = [](const QString& what) {
    return Problem{Problem::Kind::File, {}, what, std::nullopt};
  };
  // A folder of this document's own, readable by this user alone, removed afterwards.
  QTemporaryDir folder;
  if (!folder.isValid())
    return failed(QStringLiteral("no temporary folder: ") + folder.errorString());
  const QString input = folder.filePath(QStringLiteral("quote.telmaris"));
  const QString output = folder.filePath(QStringLiteral("quote.pdf"));
  QFile in(input);
  if (!in.open(QIODevice::WriteOnly) || in.write(job.quoteFile) != job.quoteFile.size() ||
      !in.flush())
    return failed(QStringLiteral("the quote cannot be handed to the printer: ") + in.errorString());
  in.close();

  QStringList arguments{QStringLiteral("--dir"), directory_.path()};
  if (!job.language.isEmpty()) arguments << QStringLiteral("--language") << job.language;
  arguments << QStringLiteral("--unissued") << QStringLiteral("--pdf") << output << input;
  QProcess process;
  process.setProcessChannelMode(QProcess::SeparateChannels);
  process.setStandardOutputFile(QProcess::nullDevice());
  process.start(program_, arguments);
  if (!process.waitForStarted(static_cast<int>(timeout_.count())))
    return failed(QStringLiteral("the desktop program %1 cannot be started").arg(program_));
  if (!process.waitForFinished(static_cast<int>(timeout_.count()))) {
    process.kill();
    process.waitForFinished(5000);
    return failed(
        QStringLiteral("the document was not made within %1 seconds").arg(timeout_.count() / 1000));
  }
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
    return failed(QString::fromUtf8(process.readAllStandardError()).trimmed());
  QFile pdf(output);
  if (!pdf.open(QIODevice::ReadOnly))
    return failed(QStringLiteral("the document was not written: ") + pdf.errorString());
  return pdf.readAll();
}
