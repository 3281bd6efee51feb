// Makes the encrypted parts database from its readable SQL source:
//   telmaris_make_database OUT.mdb SCHEMA.sql DATA.sql ...
// The file is written beside OUT under a temporary name and moved into place only when every
// statement ran, so a failed build never leaves half a database behind.
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "data/database.h"
#include "data/parts_loader.h"
#include "prices/price_history.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s OUT.mdb SOURCE.sql...\n", argv[0]);
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  const QString temporary = out + QStringLiteral(".new");
  QFile::remove(temporary);
  try {
    Database db = Database::open(temporary, kConnectString, Database::Mode::Create);
    Transaction t = db.transaction();
    for (int i = 2; i < argc; ++i) {
      QFile source(QString::fromLocal8Bit(argv[i]));
      if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[i]);
        return 1;
      }
      db.execute(QString::fromUtf8(source.readAll()));
    }
    createPriceHistoryTable(db);  // empty: the history starts with the user's first change
    t.commit();
    db.close();
  } catch (const DatabaseError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    QFile::remove(temporary);
    return 1;
  }
  QFile::remove(out);
  if (!QFile::rename(temporary, out)) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
