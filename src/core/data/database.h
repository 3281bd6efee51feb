// The one wrapper over the encrypted database engine (SQLCipher's sqlite3 API) that every
// database access of the program goes through.
//
// The program's SQL texts are written in the dialect of its original database: the wrapper reads
// "SELECT DISTINCTROW" as "SELECT" and provides the functions LEN and LEFT. Rows of a query
// without ORDER BY come back in insertion order.
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "common/problem.h"

struct sqlite3;
struct sqlite3_stmt;

// The engine refused: a problem of kind Database with the file and the engine's message.
class DatabaseError : public Failure {
 public:
  DatabaseError(const QString& file, const QString& engineMessage)
      : Failure(Problem{Problem::Kind::Database, file, engineMessage, std::nullopt}) {}
};

// The parts of a connect string such as ";pwd=QUINTARO" that the engine uses.
struct ConnectOptions {
  QString password;
};
ConnectOptions parseConnectString(const QString& connect);

// The program's SQL text in the engine's dialect.
QString translateSql(const QString& sql);

class Statement;
class Transaction;

class Database {
 public:
  // ReadOnly opens an existing file that no statement of this connection may change: a reader
  // beside the program that owns the file, such as the quote service.
  enum class Mode { OpenExisting, Create, ReadOnly };

  // Opens the file with the key of the connect string and checks that the key reads it.
  // Throws DatabaseError naming the file and the engine's message when it cannot; an existing
  // file that is empty (unless it is to be created) or no regular file (a device, a folder) is
  // refused as holding no database. Where the engine names a symptom of a file or a folder that
  // cannot be written ("unable to open database file" for a journal that cannot be made beside
  // the file), this and every later error names the read-only folder or file instead.
  static Database open(const QString& file, const QString& connect, Mode mode = Mode::OpenExisting);

  Database(Database&& other) noexcept;
  Database& operator=(Database&& other) noexcept;
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;
  ~Database();

  Statement prepare(const QString& sql);
  // Runs one or more statements that return no rows.
  void execute(const QString& sql);
  // Starts a transaction that is rolled back unless committed.
  Transaction transaction();

  const QString& file() const { return file_; }
  sqlite3* handle() const { return db_; }
  // Another connection to the same file with the same key. Throws DatabaseError.
  Database openAgain() const;
  void close();

 private:
  friend class Statement;
  Database(sqlite3* db, QString file, QString connect)
      : db_(db), file_(std::move(file)), connect_(std::move(connect)) {}
  [[noreturn]] void fail() const;

  sqlite3* db_ = nullptr;
  QString file_;
  QString connect_;
};

class Statement {
 public:
  Statement(Statement&& other) noexcept;
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  ~Statement();

  // Parameters are numbered from 1.
  Statement& bindNull(int index);
  Statement& bind(int index, qint64 value);
  Statement& bind(int index, double value);
  Statement& bind(int index, const QString& value);

  // Moves to the next row; false when there is none. Throws DatabaseError on failure.
  bool next();
  // Runs a statement that returns no rows.
  void run();
  void reset();

  int columnCount() const;
  bool isNull(int column) const;
  std::optional<qint64> integer(int column) const;
  std::optional<double> real(int column) const;
  // The value narrowed to single precision, as the program held prices once; a price read to be
  // written back is read with real(), which keeps it as stored.
  std::optional<QString> text(int column) const;

 private:
  friend class Database;
  Statement(const Database* db, sqlite3_stmt* stmt) : db_(db), stmt_(stmt) {}
  [[noreturn]] void fail() const;

  const Database* db_;
  sqlite3_stmt* stmt_;
};

class Transaction {
 public:
  Transaction(Transaction&& other) noexcept;
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  ~Transaction();
  // Ends the transaction, its changes written. The engine may report an error once the changes
  // are already in the file (an I/O error while it releases its lock, as a network share can
  // give): when the transaction has ended all the same, `written` is asked on a fresh connection
  // whether the changes are there, and a yes makes the commit a success. Throws DatabaseError
  // when they are not, or when there is no `written` to ask.
  void commit(const std::function<bool(Database&)>& written = {});

 private:
  friend class Database;
  explicit Transaction(Database* db) : db_(db) {}
  Database* db_;
};
