// The compound file layer of .xls workbooks: header, sector allocation tables, directory and
// mini stream, each checked against the size of the file as it is read.
#include "prices/compound_file.h"

#include <QCoreApplication>
#include <QtEndian>
#include <algorithm>

#include "prices/workbook_reader.h"

namespace {

constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kNoEntry = 0xFFFFFFFF;
constexpr int kHeaderSize = 512;
constexpr int kHeaderFatSectors = 109;  // the first sectors of the table are listed in the header
constexpr int kEntrySize = 128;
constexpr qint64 kMiniSectorSize = 64;
// Streams shorter than this are kept in the mini stream.
constexpr quint64 kMiniStreamCutoff = 4096;

quint16 u16(const char* at) {
  return qFromLittleEndian<quint16>(at);
}
quint32 u32(const char* at) {
  return qFromLittleEndian<quint32>(at);
}

}  // namespace

CompoundFile::CompoundFile(QByteArray data, const QString& path)
    : data_(std::move(data)), path_(path) {
  if (data_.size() < kHeaderSize)
    fail(QCoreApplication::translate("Workbooks", "it is cut short."));
  const char* header = data_.constData();
  if (!data_.startsWith(QByteArrayLiteral("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")))
    fail(QCoreApplication::translate("Workbooks", "it is not a compound file."));
  const quint16 shift = u16(header + 0x1E);
  if (u16(header + 0x1C) != 0xFFFE || (shift != 9 && shift != 12) || u16(header + 0x20) != 6)
    fail(QCoreApplication::translate("Workbooks", "its compound file header is damaged."));
  sectorSize_ = qint64(1) << shift;
  if (data_.size() <= sectorSize_)
    fail(QCoreApplication::translate("Workbooks", "it is cut short."));
  // A last sector cut short still counts; reading past the end of the file is refused below.
  sectorCount_ = (data_.size() - sectorSize_ + sectorSize_ - 1) / sectorSize_;

  // The sectors of the allocation table: up to 109 in the header, the others in a chain of
  // sectors that each end with the number of the next.
  const quint32 fatCount = u32(header + 0x2C);
  if (fatCount > static_cast<quint64>(sectorCount_))
    fail(QCoreApplication::translate("Workbooks", "its sector allocation table is damaged."));
  std::vector<quint32> fatSectors;
  fatSectors.reserve(fatCount);
  for (int i = 0; i < kHeaderFatSectors && fatSectors.size() < fatCount; ++i)
    fatSectors.push_back(u32(header + 0x4C + 4 * i));
  const qint64 perSector = sectorSize_ / 4 - 1;
  std::vector<bool> seen(static_cast<std::size_t>(sectorCount_));
  quint32 next = u32(header + 0x44);
  while (fatSectors.size() < fatCount) {
    if (next >= static_cast<quint64>(sectorCount_) || seen[next])
      fail(QCoreApplication::translate("Workbooks",
                                       "the list of its allocation table's sectors is damaged."));
    seen[next] = true;
    const char* s = sector(next, sectorSize_);
    for (qint64 i = 0; i < perSector && fatSectors.size() < fatCount; ++i)
      fatSectors.push_back(u32(s + 4 * i));
    next = u32(s + 4 * perSector);
  }
  fat_ = readTable(fatSectors,
                   QCoreApplication::translate("Workbooks", "its sector allocation table"));

  const quint32 miniFatStart = u32(header + 0x3C);
  if (miniFatStart != kEndOfChain) {
    const std::vector<quint32> sectors =
        chain(fat_, miniFatStart, sectorCount_,
              QCoreApplication::translate("Workbooks", "its mini allocation table"));
    miniFat_ =
        readTable(sectors, QCoreApplication::translate("Workbooks", "its mini allocation table"));
  }
  readDirectory(u32(header + 0x30));
}

void CompoundFile::fail(const QString& why) const {
  failWorkbook(path_, why);
}

const char* CompoundFile::sector(quint32 number, qint64 length) const {
  const qint64 offset = (static_cast<qint64>(number) + 1) * sectorSize_;
  if (number >= static_cast<quint64>(sectorCount_) || offset + length > data_.size())
    fail(QCoreApplication::translate("Workbooks", "it is cut short or its sectors are damaged."));
  return data_.constData() + offset;
}

std::vector<quint32> CompoundFile::chain(const std::vector<quint32>& table, quint32 start,
                                         qint64 limit, const QString& what) const {
  std::vector<quint32> sectors;
  std::vector<bool> seen(table.size());
  quint32 at = start;
  while (static_cast<qint64>(sectors.size()) < limit && at != kEndOfChain) {
    if (at >= table.size())
      fail(QCoreApplication::translate("Workbooks", "%1 names a sector it does not have.")
               .arg(what));
    if (seen[at])
      fail(QCoreApplication::translate("Workbooks", "the sectors of %1 go round in a loop.")
               .arg(what));
    seen[at] = true;
    sectors.push_back(at);
    at = table[at];
  }
  return sectors;
}

std::vector<quint32> CompoundFile::readTable(const std::vector<quint32>& sectors,
                                             const QString& what) const {
  std::vector<quint32> table;
  table.reserve(sectors.size() * static_cast<std::size_t>(sectorSize_ / 4));
  for (quint32 number : sectors) {
    if (number >= static_cast<quint64>(sectorCount_))
      fail(QCoreApplication::translate("Workbooks", "%1 is damaged.").arg(what));
    const char* s = sector(number, sectorSize_);
    for (qint64 i = 0; i < sectorSize_ / 4; ++i) table.push_back(u32(s + 4 * i));
  }
  return table;
}

QByteArray CompoundFile::readChain(quint32 start, quint64 size, const QString& what) const {
  if (size > static_cast<quint64>(data_.size()))
    fail(QCoreApplication::translate("Workbooks", "%1 is longer than the file.").arg(what));
  const qint64 length = static_cast<qint64>(size);
  const qint64 needed = (length + sectorSize_ - 1) / sectorSize_;
  const std::vector<quint32> sectors = chain(fat_, start, needed, what);
  if (static_cast<qint64>(sectors.size()) < needed)
    fail(QCoreApplication::translate("Workbooks", "%1 ends before its length.").arg(what));
  QByteArray out;
  out.reserve(length);
  for (quint32 number : sectors) {
    const qint64 piece = std::min(sectorSize_, length - out.size());
    out.append(sector(number, piece), piece);
  }
  return out;
}

void CompoundFile::readDirectory(quint32 firstSector) {
  const QString what = QCoreApplication::translate("Workbooks", "its directory");
  const std::vector<quint32> sectors = chain(fat_, firstSector, sectorCount_, what);
  const bool version3 = u16(data_.constData() + 0x1A) == 3;
  for (quint32 number : sectors) {
    const char* s = sector(number, sectorSize_);
    for (qint64 at = 0; at + kEntrySize <= sectorSize_; at += kEntrySize) {
      const char* e = s + at;
      Entry entry;
      entry.at = e;
      entry.type = static_cast<quint8>(e[66]);
      entry.left = u32(e + 68);
      entry.right = u32(e + 72);
      entry.child = u32(e + 76);
      entry.start = u32(e + 116);
      // Files of version 3 may leave anything in the high half of the size.
      entry.size = u32(e + 120) | (version3 ? 0 : static_cast<quint64>(u32(e + 124)) << 32);
      entries_.push_back(std::move(entry));
    }
  }
  if (entries_.empty() || entries_[0].type != 5)
    fail(QCoreApplication::translate("Workbooks", "its directory is damaged."));

  // The entries below the root form a tree through their left and right neighbours.
  std::vector<bool> seen(entries_.size());
  std::vector<quint32> pending{entries_[0].child};
  while (!pending.empty()) {
    const quint32 id = pending.back();
    pending.pop_back();
    if (id == kNoEntry) continue;
    if (id >= entries_.size() || seen[id])
      fail(QCoreApplication::translate("Workbooks", "its directory is damaged."));
    seen[id] = true;
    top_.push_back(id);
    // Only these names are ever looked at.
    Entry& entry = entries_[id];
    const int nameBytes = std::min<int>(u16(entry.at + 64), 64);
    for (int i = 0; i + 1 < nameBytes / 2; ++i) entry.name += QChar(u16(entry.at + 2 * i));
    pending.push_back(entries_[id].right);
    pending.push_back(entries_[id].left);
  }
}

std::optional<QByteArray> CompoundFile::stream(const QString& name) const {
  const auto found = std::find_if(top_.begin(), top_.end(), [&](quint32 id) {
    return entries_[id].type == 2 && entries_[id].name.compare(name, Qt::CaseInsensitive) == 0;
  });
  if (found == top_.end()) return std::nullopt;
  const Entry& entry = entries_[*found];
  const QString what = QCoreApplication::translate("Workbooks", "its stream %1").arg(entry.name);
  if (entry.size == 0) return QByteArray();
  if (entry.size >= kMiniStreamCutoff) return readChain(entry.start, entry.size, what);

  // A short stream lies in 64-byte pieces of the mini stream, which the root's chain holds.
  const Entry& root = entries_[0];
  const QByteArray mini =
      readChain(root.start, root.size, QCoreApplication::translate("Workbooks", "its mini stream"));
  const qint64 length = static_cast<qint64>(entry.size);
  const qint64 needed = (length + kMiniSectorSize - 1) / kMiniSectorSize;
  const std::vector<quint32> pieces = chain(miniFat_, entry.start, needed, what);
  if (static_cast<qint64>(pieces.size()) < needed)
    fail(QCoreApplication::translate("Workbooks", "%1 ends before its length.").arg(what));
  QByteArray out;
  out.reserve(length);
  for (quint32 number : pieces) {
    const qint64 offset = static_cast<qint64>(number) * kMiniSectorSize;
    const qint64 piece = std::min(kMiniSectorSize, length - out.size());
    if (offset + piece > mini.size())
      fail(QCoreApplication::translate("Workbooks", "%1 lies past the end of the mini stream.")
               .arg(what));
    out.append(mini.constData() + offset, piece);
  }
  return out;
}
