// Holding and reloading the service's parts data.
#include "data/price_data.h"

#include <sys/stat.h>

#include <QFile>

PriceData::PriceData(QString databaseFile) : file_(std::move(databaseFile)) {
  const std::optional<Stamp> stamp = stampOf(file_);
  auto loaded = std::make_shared<LoadedPrices>();
  loaded->data = loadEveryVariant(file_);
  loaded->loaded = QDateTime::currentDateTimeUtc();
  if (stamp)
    loaded->changed = QDateTime::fromMSecsSinceEpoch(stamp->modifiedNs / 1'000'000, Qt::UTC);
  current_ = std::move(loaded);
  stamp_ = stamp;
}

std::shared_ptr<const LoadedPrices> PriceData::current() const {
  std::lock_guard lock(mutex_);
  return current_;
}

std::optional<QString> PriceData::problem() const {
  std::lock_guard lock(mutex_);
  return problem_;
}

bool PriceData::refresh() {
  // The stamp is taken before the load: a change while loading is found by the next call.
  const std::optional<Stamp> stamp = stampOf(file_);
  {
    std::lock_guard lock(mutex_);
    if (stamp == stamp_ && !problem_) return false;
  }
  auto loaded = std::make_shared<LoadedPrices>();
  try {
    loaded->data = loadEveryVariant(file_);
  } catch (const Failure& e) {
    std::lock_guard lock(mutex_);
    problem_ = e.problem().describe();
    return false;
  } catch (const std::exception& e) {
    std::lock_guard lock(mutex_);
    problem_ = QString::fromLocal8Bit(e.what());
    return false;
  }
  loaded->loaded = QDateTime::currentDateTimeUtc();
  if (stamp)
    loaded->changed = QDateTime::fromMSecsSinceEpoch(stamp->modifiedNs / 1'000'000, Qt::UTC);
  std::lock_guard lock(mutex_);
  current_ = std::move(loaded);
  stamp_ = stamp;
  problem_.reset();
  return true;
}

std::optional<PriceData::Stamp> PriceData::stampOf(const QString& file) {
  struct stat s {};
  if (::stat(QFile::encodeName(file).constData(), &s) != 0) return std::nullopt;
  return Stamp{s.st_dev, s.st_ino, s.st_size,
               static_cast<std::int64_t>(s.st_mtim.tv_sec) * 1'000'000'000 + s.st_mtim.tv_nsec};
}

PriceWatch::PriceWatch(PriceData& data, std::chrono::milliseconds interval)
    : thread_([this, &data, interval] {
        std::unique_lock lock(mutex_);
        while (!wake_.wait_for(lock, interval, [this] { return stop_; })) {
          lock.unlock();
          data.refresh();
          lock.lock();
        }
      }) {}

PriceWatch::~PriceWatch() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  thread_.join();
}
