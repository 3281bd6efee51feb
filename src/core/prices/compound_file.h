// The streams of a compound file (OLE2), the container an .xls workbook keeps its records in.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// A compound file read whole into memory: its header, sector allocation table (with the list of
// its sectors beyond the header), directory, and the mini stream that holds the streams shorter
// than 4096 bytes. Sectors of 512 and of 4096 bytes are read. Every chain of sectors is checked
// as it is followed, so a damaged file gives PriceReadError, never a loop or a read past the end.
class CompoundFile {
 public:
  // Throws PriceReadError ("The workbook <path> cannot be read: ...") when the header, the
  // allocation tables or the directory are damaged.
  CompoundFile(QByteArray data, const QString& path);

  // The contents of the stream at the top of the file with this name in any case, none when
  // there is no such stream. Throws PriceReadError when the stream is damaged.
  std::optional<QByteArray> stream(const QString& name) const;

 private:
  struct Entry {
    const char* at = nullptr;  // in the file's data
    QString name;              // for the entries directly below the root
    quint8 type = 0;           // 1 storage, 2 stream, 5 root
    quint32 left = 0, right = 0, child = 0;
    quint32 start = 0;
    quint64 size = 0;
  };

  [[noreturn]] void fail(const QString& why) const;
  // The sector's bytes in the file: `length` of them from its start, all within the file.
  const char* sector(quint32 number, qint64 length) const;
  // The sectors of the chain that starts at `start` in `table`, each once; at most `limit`.
  std::vector<quint32> chain(const std::vector<quint32>& table, quint32 start, qint64 limit,
                             const QString& what) const;
  // The first `size` bytes of a chain of regular sectors.
  QByteArray readChain(quint32 start, quint64 size, const QString& what) const;
  std::vector<quint32> readTable(const std::vector<quint32>& sectors, const QString& what) const;
  void readDirectory(quint32 firstSector);

  QByteArray data_;
  QString path_;
  qint64 sectorSize_ = 512;
  qint64 sectorCount_ = 0;  // the whole sectors after the header
  std::vector<quint32> fat_;
  std::vector<quint32> miniFat_;
  QByteArray miniStream_;
  std::vector<Entry> entries_;
  std::vector<quint32> top_;  // the entries directly below the root, in the order of the tree
};
