// SQLCipher behind the program's database wrapper.
#include "data/database.h"

#include <sqlite3.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <utility>

namespace {

QString absolute(const QString& file) {
  return QFileInfo(file).absoluteFilePath();
}

bool writable(const QString& path) {
  return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

// The engine's message, or the cause behind it where the engine names only a symptom: a change
// needs a journal file beside the database, so a folder that takes no new file refuses every
// change with "unable to open database file".
QString explained(sqlite3* db, const QString& file, const QString& message) {
  switch (sqlite3_extended_errcode(db) & 0xff) {
    case SQLITE_CANTOPEN:
    case SQLITE_READONLY:
    case SQLITE_IOERR:
    case SQLITE_PERM: {
      const QFileInfo info(file);
      if (!info.exists()) break;
      const QString folder = QDir::toNativeSeparators(info.absolutePath());
      if (!writable(info.absolutePath()))
        return QCoreApplication::translate(
                   "Database",
                   "The folder %1 is read-only: the database cannot be changed there, as a change "
                   "needs a journal file beside it (%2).")
            .arg(folder, message);
      if (!writable(info.absoluteFilePath()))
        return QCoreApplication::translate(
                   "Database", "The database file is read-only: it cannot be changed (%1).")
            .arg(message);
      break;
    }
    default:
      break;
  }
  return message;
}

QString engineMessage(sqlite3* db, const QString& file) {
  if (!db) return QStringLiteral("out of memory");
  return explained(db, file, QString::fromUtf8(sqlite3_errmsg(db)));
}

// LEN(text): the number of characters; null stays null.
void sqlLen(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
    sqlite3_result_null(ctx);
    return;
  }
  const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
  sqlite3_result_int64(ctx, QString::fromUtf8(text).size());
}

// LEFT(text, n): the first n characters; null stays null.
void sqlLeft(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
    sqlite3_result_null(ctx);
    return;
  }
  const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
  const qint64 n = std::max<qint64>(0, sqlite3_value_int64(argv[1]));
  const QByteArray left = QString::fromUtf8(text).left(n).toUtf8();
  sqlite3_result_text(ctx, left.constData(), static_cast<int>(left.size()), SQLITE_TRANSIENT);
}

}  // namespace

ConnectOptions parseConnectString(const QString& connect) {
  ConnectOptions options;
  for (const QString& part : connect.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    const qsizetype eq = part.indexOf(QLatin1Char('='));
    if (eq < 0) continue;
    if (part.left(eq).trimmed().compare(QLatin1String("pwd"), Qt::CaseInsensitive) == 0)
      options.password = part.mid(eq + 1);
  }
  return options;
}

QString translateSql(const QString& sql) {
  // Drop the keyword DISTINCTROW wherever it stands outside a quoted string.
  static const QRegularExpression keyword(QStringLiteral("\\bDISTINCTROW\\s+"),
                                          QRegularExpression::CaseInsensitiveOption);
  // LEFT is a keyword of the engine (LEFT JOIN); as a function it goes by another name.
  static const QRegularExpression leftCall(QStringLiteral("\\bLEFT\\s*\\("),
                                           QRegularExpression::CaseInsensitiveOption);
  QString out;
  QChar quote;
  qsizetype runStart = 0;
  auto flushRun = [&](qsizetype end) {
    out += sql.mid(runStart, end - runStart)
               .replace(keyword, QString())
               .replace(leftCall, QStringLiteral("TELMARIS_LEFT("));
  };
  for (qsizetype i = 0; i < sql.size(); ++i) {
    const QChar c = sql[i];
    if (quote.isNull()) {
      if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('[')) {
        flushRun(i);
        runStart = i;
        quote = c == QLatin1Char('[') ? QLatin1Char(']') : c;
      }
    } else if (c == quote) {
      out += sql.mid(runStart, i + 1 - runStart);
      runStart = i + 1;
      quote = QChar();
    }
  }
  if (quote.isNull())
    flushRun(sql.size());
  else
    out += sql.mid(runStart);
  return out;
}

// ---- Database

Database Database::open(const QString& file, const QString& connect, Mode mode) {
  // An empty name would give a private temporary database instead of an error.
  if (file.isEmpty()) throw DatabaseError(file, QStringLiteral("no database file named"));
  // The engine would take a device such as /dev/null, or an empty file, for an empty database
  // and find no table in it.
  const QFileInfo info(file);
  if (info.exists() && !info.isFile())
    throw DatabaseError(
        absolute(file),
        info.isDir()
            ? QCoreApplication::translate("Database", "This is a folder, not a database file.")
            : QCoreApplication::translate("Database",
                                          "This is not a regular file (a device, a pipe "
                                          "or a socket), so it holds no database."));
  if (mode != Mode::Create && info.exists() && info.size() == 0)
    throw DatabaseError(
        absolute(file),
        QCoreApplication::translate("Database", "The file is empty: it holds no database."));
  sqlite3* db = nullptr;
  int flags = mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
  if (mode == Mode::Create) flags |= SQLITE_OPEN_CREATE;
  const QByteArray path = file.toUtf8();
  if (sqlite3_open_v2(path.constData(), &db, flags, nullptr) != SQLITE_OK) {
    const QString message = engineMessage(db, file);
    sqlite3_close(db);
    throw DatabaseError(absolute(file), message);
  }
  Database database(db, file, connect);

  const QByteArray key = parseConnectString(connect).password.toUtf8();
  if (!key.isEmpty() && sqlite3_key(db, key.constData(), static_cast<int>(key.size())) != SQLITE_OK)
    database.fail();
  // Another program may hold the file for a moment; wait a little before calling it locked.
  sqlite3_busy_timeout(db, 1500);

  // The key is only tried on the first read: a wrong key or a file of another kind fails here.
  if (sqlite3_exec(db, "SELECT count(*) FROM sqlite_master;", nullptr, nullptr, nullptr) !=
      SQLITE_OK)
    database.fail();

  const int fnFlags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
  sqlite3_create_function(db, "LEN", 1, fnFlags, nullptr, sqlLen, nullptr, nullptr);
  sqlite3_create_function(db, "TELMARIS_LEFT", 2, fnFlags, nullptr, sqlLeft, nullptr, nullptr);
  return database;
}

Database::Database(Database&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)),
      file_(std::move(other.file_)),
      connect_(std::move(other.connect_)) {}

Database& Database::operator=(Database&& other) noexcept {
  if (this != &other) {
    close();
    db_ = std::exchange(other.db_, nullptr);
    file_ = std::move(other.file_);
    connect_ = std::move(other.connect_);
  }
  return *this;
}

Database Database::openAgain() const {
  return open(file_, connect_);
}

Database::~Database() {
  close();
}

void Database::close() {
  if (db_) sqlite3_close_v2(db_);
  db_ = nullptr;
}

void Database::fail() const {
  throw DatabaseError(absolute(file_), engineMessage(db_, file_));
}

Statement Database::prepare(const QString& sql) {
  const QByteArray text = translateSql(sql).toUtf8();
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db_, text.constData(), static_cast<int>(text.size()), &stmt, nullptr) !=
      SQLITE_OK)
    fail();
  return Statement(this, stmt);
}

void Database::execute(const QString& sql) {
  const QByteArray text = translateSql(sql).toUtf8();
  char* error = nullptr;
  if (sqlite3_exec(db_, text.constData(), nullptr, nullptr, &error) != SQLITE_OK) {
    const QString message =
        error ? explained(db_, file_, QString::fromUtf8(error)) : engineMessage(db_, file_);
    sqlite3_free(error);
    throw DatabaseError(absolute(file_), message);
  }
}

Transaction Database::transaction() {
  execute(QStringLiteral("BEGIN IMMEDIATE;"));
  return Transaction(this);
}

// ---- Statement

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_), stmt_(std::exchange(other.stmt_, nullptr)) {}

Statement::~Statement() {
  if (stmt_) sqlite3_finalize(stmt_);
}

void Statement::fail() const {
  db_->fail();
}

Statement& Statement::bindNull(int index) {
  if (sqlite3_bind_null(stmt_, index) != SQLITE_OK) fail();
  return *this;
}

Statement& Statement::bind(int index, qint64 value) {
  if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK) fail();
  return *this;
}

Statement& Statement::bind(int index, double value) {
  if (sqlite3_bind_double(stmt_, index, value) != SQLITE_OK) fail();
  return *this;
}

Statement& Statement::bind(int index, const QString& value) {
  const QByteArray text = value.toUtf8();
  if (sqlite3_bind_text(stmt_, index, text.constData(), static_cast<int>(text.size()),
                        SQLITE_TRANSIENT) != SQLITE_OK)
    fail();
  return *this;
}

bool Statement::next() {
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  fail();
}

void Statement::run() {
  while (next()) {
  }
}

void Statement::reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

int Statement::columnCount() const {
  return sqlite3_column_count(stmt_);
}

bool Statement::isNull(int column) const {
  return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

std::optional<qint64> Statement::integer(int column) const {
  if (isNull(column)) return std::nullopt;
  return sqlite3_column_int64(stmt_, column);
}

std::optional<double> Statement::real(int column) const {
  if (isNull(column)) return std::nullopt;
  return sqlite3_column_double(stmt_, column);
}

std::optional<QString> Statement::text(int column) const {
  if (isNull(column)) return std::nullopt;
  const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
  return QString::fromUtf8(bytes, sqlite3_column_bytes(stmt_, column));
}

// ---- Transaction

Transaction::Transaction(Transaction&& other) noexcept : db_(std::exchange(other.db_, nullptr)) {}

Transaction::~Transaction() {
  if (db_ && db_->handle()) sqlite3_exec(db_->handle(), "ROLLBACK;", nullptr, nullptr, nullptr);
}

void Transaction::commit(const std::function<bool(Database&)>& written) {
  try {
    db_->execute(QStringLiteral("COMMIT;"));
  } catch (const DatabaseError&) {
    // Still inside the transaction (the file was busy, say): nothing has been written, and the
    // destructor rolls it back.
    if (!written || sqlite3_get_autocommit(db_->handle()) == 0) throw;
    // Ended, but committed or rolled back? Only the file can tell, read afresh: this
    // connection's cache is not to be trusted after the error.
    bool there = false;
    try {
      Database fresh = db_->openAgain();
      there = written(fresh);
    } catch (const Failure&) {
    }
    if (!there) throw;
  }
  db_ = nullptr;
}
