// The parts data the service answers from: every variant's, loaded read-only, held as one value
// and replaced whole when the database changes (a price import, an edit in the price grid), so
// that a request sees the old price list or the new one, never a mixture.
#pragma once

#include <QDateTime>
#include <QString>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "data/parts_loader.h"

struct LoadedPrices {
  std::shared_ptr<const EveryVariantData> data;
  QDateTime changed;  // when the database file was last written, as loaded
  QDateTime loaded;
};

class PriceData {
 public:
  // Loads the data. Throws Failure: a database that cannot be read.
  explicit PriceData(QString databaseFile);

  // The data as it stands now; it stays whole for as long as the caller holds it.
  std::shared_ptr<const LoadedPrices> current() const;
  // Reloads when the file has changed since the last load and swaps the new data in whole.
  // A load that fails keeps the data as it was; the next call tries again. Returns true when
  // new data was swapped in.
  bool refresh();
  // Why the last reload failed; none after a load that succeeded.
  std::optional<QString> problem() const;

 private:
  struct Stamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modifiedNs = 0;
    friend bool operator==(const Stamp&, const Stamp&) = default;
  };
  static std::optional<Stamp> stampOf(const QString& file);

  QString file_;
  mutable std::mutex mutex_;
  std::shared_ptr<const LoadedPrices> current_;
  std::optional<Stamp> stamp_;  // of the file the data was loaded from
  std::optional<QString> problem_;
};

// Calls refresh() at an interval on a thread of its own, until destroyed.
class PriceWatch {
 public:
  PriceWatch(PriceData& data, std::chrono::milliseconds interval);
  ~PriceWatch();
  PriceWatch(const PriceWatch&) = delete;
  PriceWatch& operator=(const PriceWatch&) = delete;

 private:
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  std::thread thread_;
};
