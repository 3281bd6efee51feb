// The database wrapper: the program's SQL dialect, typed reads, transactions and the ways a file
// can fail to open.
#include "data/database.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "data/parts_loader.h"

namespace {

Database scratch(const QTemporaryDir& dir) {
  Database db = Database::open(dir.filePath("t.mdb"), kConnectString, Database::Mode::Create);
  db.execute(
      "CREATE TABLE t (n INTEGER, s TEXT, p REAL);"
      "INSERT INTO t VALUES (1, 'Kettenzug', 12.5);"
      "INSERT INTO t VALUES (2, NULL, NULL);"
      "INSERT INTO t VALUES (3, 'Fran\u00e7ais \u00e5', 0.1);");
  return db;
}

QString openError(const QString& file, const QString& connect) {
  try {
    Database::open(file, connect);
  } catch (const DatabaseError& e) {
    EXPECT_EQ(e.problem().kind, Problem::Kind::Database);
    EXPECT_EQ(e.problem().where, QFileInfo(file).absoluteFilePath());
    return e.problem().what;
  }
  return {};
}

}  // namespace

TEST(Database, ReadsTheProgramsDialect) {
  EXPECT_EQ(parseConnectString(";pwd=QUINTARO").password, "QUINTARO");
  EXPECT_EQ(parseConnectString("ODBC;PWD=abc;x=1").password, "abc");
  EXPECT_EQ(parseConnectString("").password, "");
  EXPECT_EQ(translateSql("SELECT DISTINCTROW a, 'DISTINCTROW b' FROM t; "),
            "SELECT a, 'DISTINCTROW b' FROM t; ");
  EXPECT_EQ(translateSql("select distinctrow [DISTINCTROW x] from t"),
            "select [DISTINCTROW x] from t");
  EXPECT_EQ(translateSql("SELECT a FROM t LEFT JOIN u ON 1"), "SELECT a FROM t LEFT JOIN u ON 1");

  QTemporaryDir dir;
  Database db = scratch(dir);
  Statement s = db.prepare(
      "SELECT DISTINCTROW LEN(s), LEFT(s, 5), LEFT(s, 99), LEN(NULL), LEFT(s, 0) FROM t "
      "WHERE n <> 2 ORDER BY n; ");
  ASSERT_TRUE(s.next());
  EXPECT_EQ(s.integer(0), 9);
  EXPECT_EQ(s.text(1), QString("Kette"));
  EXPECT_EQ(s.text(2), QString("Kettenzug"));
  EXPECT_FALSE(s.integer(3).has_value());
  EXPECT_EQ(s.text(4), QString(""));
  ASSERT_TRUE(s.next());
  EXPECT_EQ(s.integer(0), 10);  // characters, not bytes
  EXPECT_EQ(s.text(1), QString::fromUtf8("Fran\u00e7"));
  EXPECT_FALSE(s.next());
}

TEST(Database, KeepsNullAsNullAndReadsInInsertionOrder) {
  QTemporaryDir dir;
  Database db = scratch(dir);
  db.execute("INSERT INTO t VALUES (0, 'last', 7);");
  Statement s = db.prepare("SELECT n, s, p FROM t");
  std::vector<qint64> order;
  while (s.next()) {
    order.push_back(*s.integer(0));
    if (*s.integer(0) == 2) {
      EXPECT_TRUE(s.isNull(1));
      EXPECT_FALSE(s.text(1).has_value());
      EXPECT_FALSE(s.real(2).has_value());
    }
    if (*s.integer(0) == 3) {
      EXPECT_EQ(s.real(2), 0.1) << "as stored, not narrowed";
    }
  }
  EXPECT_EQ(order, (std::vector<qint64>{1, 2, 3, 0}));

  Statement bound = db.prepare("SELECT ? IS NULL, ?, ?, ?");
  bound.bindNull(1).bind(2, qint64{5}).bind(3, 2.5).bind(4, QString("x"));
  ASSERT_TRUE(bound.next());
  EXPECT_EQ(bound.integer(0), 1);
  EXPECT_EQ(bound.integer(1), 5);
  EXPECT_EQ(bound.real(2), 2.5);
  EXPECT_EQ(bound.text(3), QString("x"));
}

TEST(Database, ReportsEveryFileThatCannotBeOpened) {
  QTemporaryDir dir;
  { scratch(dir); }
  const QString good = dir.filePath("t.mdb");

  EXPECT_NE(openError(dir.filePath("missing.mdb"), kConnectString), "");
  EXPECT_FALSE(QFile::exists(dir.filePath("missing.mdb")));  // never created by an open

  const QString wrongKey = openError(good, ";pwd=WRONG");
  EXPECT_TRUE(wrongKey.contains("not a database")) << wrongKey.toStdString();
  EXPECT_NE(openError(good, ""), "");  // without the key the file reads as no database

  QFile text(dir.filePath("notes.mdb"));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write(QByteArray(4096, 'x'));
  text.close();
  EXPECT_TRUE(openError(text.fileName(), kConnectString).contains("not a database"));
  // The engine would take an empty file or a device for an empty database.
  QFile empty(dir.filePath("empty.mdb"));
  ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
  empty.close();
  EXPECT_EQ(openError(empty.fileName(), kConnectString),
            "The file is empty: it holds no database.");
  EXPECT_TRUE(openError("/dev/null", kConnectString).startsWith("This is not a regular file"));
  EXPECT_EQ(openError(dir.path(), kConnectString), "This is a folder, not a database file.");

  Database holder = Database::open(good, kConnectString);
  holder.execute("BEGIN EXCLUSIVE; UPDATE t SET p = 1;");
  EXPECT_TRUE(openError(good, kConnectString).contains("locked"));
  holder.execute("ROLLBACK;");
  EXPECT_NO_THROW(Database::open(good, kConnectString));
}

// A change needs a journal file beside the database: in a read-only folder it fails although the
// database file itself is writable, and the message names the folder, not the engine's "unable
// to open database file".
TEST(Database, NamesTheReadOnlyFolderThatKeepsAChangeOut) {
  QTemporaryDir dir;
  { scratch(dir); }
  const QString folder = dir.filePath("read-only");
  QDir().mkpath(folder);
  if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", folder}) != 0)
    GTEST_SKIP() << "no file system can be mounted here";
  const QString file = folder + "/t.mdb";
  QFile(file).open(QIODevice::WriteOnly);
  // The folder read-only, the writable database of `dir` in it under the same name.
  const bool mounted = QProcess::execute("mount", {"-o", "remount,ro", folder}) == 0 &&
                       QProcess::execute("mount", {"--bind", dir.filePath("t.mdb"), file}) == 0;
  QString message;
  if (mounted) {
    try {
      Database db = Database::open(file, kConnectString);
      db.execute("UPDATE t SET p = 2;");
    } catch (const DatabaseError& e) {
      message = e.problem().what;
    }
  }
  QProcess::execute("umount", {file});
  QProcess::execute("umount", {folder});
  ASSERT_TRUE(mounted);
  EXPECT_TRUE(message.startsWith("The folder " + folder +
                                 " is read-only: the database cannot be "
                                 "changed there"))
      << message.toStdString();
}
