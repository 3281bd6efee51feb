// Test databases.
#include "support/test_database.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

#include "data/database.h"
#include "data/parts_loader.h"

void makeDatabase(const QString& path, const QString& recordsSql) {
  QFile schema(QStringLiteral(TELMARIS_SOURCE_DIR "/resources/database/schema.sql"));
  if (!schema.open(QIODevice::ReadOnly)) throw std::runtime_error("schema.sql not found");
  QFile::remove(path);
  Database db = Database::open(path, kConnectString, Database::Mode::Create);
  Transaction t = db.transaction();
  db.execute(QString::fromUtf8(schema.readAll()));
  db.execute(recordsSql);
  t.commit();
}

QString syntheticRecordsSql() {
  const QStringList textPrefixes{"Eng", "Imp", "Fra", "Spa", "Por", "Ita", "Tys"};
  QString sql;
  for (int n = 1; n <= 150; ++n) {
    QStringList values;
    for (const QString& p : textPrefixes) values << QStringLiteral("'%1%2'").arg(p).arg(n);
    sql += QStringLiteral("INSERT INTO tblSprak VALUES (%1, %2);\n").arg(n).arg(values.join(", "));
  }
  const QStringList partPrefixes{"Eng", "USM", "Imp", "Fra", "Spa", "Por", "Ita", "Tys"};
  for (int k = 0; k <= 130; ++k) {
    QStringList values;
    for (const QString& p : partPrefixes) values << QStringLiteral("'%1 part %2'").arg(p).arg(k);
    sql += QStringLiteral("INSERT INTO tblDetaljPr VALUES (%1, %2, '7302 %3 01', %4);\n")
               .arg(k)
               .arg(values.join(", "))
               .arg(k, 4, 10, QLatin1Char('0'))
               .arg(k * 10 + 0.5);
  }
  for (int r = 1; r <= 44; ++r) {
    QStringList cells;
    for (int c = 1; c <= 18; ++c) cells << QString::number((r * 18 + c) % 131);
    sql +=
        QStringLiteral("INSERT INTO tblDetaljer VALUES (%1, %2);\n").arg(r).arg(cells.join(", "));
  }
  return sql;
}

TestProgramDirectory::TestProgramDirectory(const QString& recordsSql) {
  makeDatabase(database(), recordsSql);
}

TestProgramDirectory::TestProgramDirectory(Built) {
  const QDir built(QStringLiteral(TELMARIS_PROGRAM_DIR));
  for (const QFileInfo& file : built.entryInfoList(QDir::Files))
    if (file.fileName() != QLatin1String("telmaris"))
      QFile::copy(file.filePath(), dir_.filePath(file.fileName()));
  // The program's own texts in the other languages, as the windows load them.
  const QDir translations(built.filePath(QStringLiteral("translations")));
  QDir(dir_.path()).mkdir(QStringLiteral("translations"));
  for (const QFileInfo& file : translations.entryInfoList(QDir::Files))
    QFile::copy(file.filePath(), dir_.filePath(QStringLiteral("translations/") + file.fileName()));
}
