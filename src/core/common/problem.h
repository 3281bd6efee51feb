// What went wrong and where: the one type every failure of the program travels as, from the
// database, the price lists, the workbooks and the configuration files up to the window that
// shows it or the command that prints it. The layers below the windows only describe a problem;
// showing it is the window's work (showProblem), printing it the command line's.
#pragma once

#include <QString>
#include <optional>
#include <stdexcept>
#include <utility>
#include <variant>

#include "common/shown_text.h"
#include "data/text_catalogue.h"

struct Problem {
  // What kind of thing failed. The command line's exit status follows from it.
  enum class Kind {
    Refused,   // an answer of a configuration was turned down by a step
    Usage,     // the command line itself is wrong
    File,      // a file cannot be read, written or understood
    Database,  // the parts database cannot be opened, read or written
  };
  Kind kind = Kind::File;
  QString where;  // the file, table, record, row or cell at fault; empty when nothing closer
  QString what;   // what is wrong with it
  // The catalogue text that says it in the variant's language, when there is one; `what`
  // follows it directly.
  std::optional<Text> text;

  // What is wrong in words: the catalogue's text, when there is one, and `what`. Both may
  // quote input (a price file's field, a file name), so control characters are shown escaped.
  QString whatIn(const TextCatalogueArray* texts) const {
    return (text && texts ? (*texts)[*text] : QString()) + withControlsEscaped(what, true);
  }
  // The place, escaped: a file name may hold anything.
  QString shownWhere() const { return withControlsEscaped(where); }
  // "where: what", or what alone: how a command prints it on standard error.
  QString describe(const TextCatalogueArray* texts = nullptr) const {
    return where.isEmpty() ? whatIn(texts) : shownWhere() + QStringLiteral(": ") + whatIn(texts);
  }
};

// How a window says it: the lead (what could not be done), a blank line, where it happened on a
// line of its own, and what is wrong.
inline QString problemMessage(const Problem& p, const TextCatalogueArray& texts,
                              const QString& lead = {}) {
  QString message = lead.isEmpty() ? QString() : lead + QStringLiteral("\n\n");
  if (!p.where.isEmpty()) message += p.shownWhere() + QStringLiteral("\n");
  return message + p.whatIn(&texts);
}

// The exit status of a command that stopped at the problem: 1 refused, 2 a wrong command line,
// 3 a file or database error.
inline int exitStatusOf(const Problem& p) {
  switch (p.kind) {
    case Problem::Kind::Refused:
      return 1;
    case Problem::Kind::Usage:
      return 2;
    case Problem::Kind::File:
    case Problem::Kind::Database:
      break;
  }
  return 3;
}

// The one exception of the program: a problem thrown where a function cannot go on, caught
// where it can be shown or printed.
class Failure : public std::runtime_error {
 public:
  explicit Failure(Problem problem)
      : std::runtime_error(problem.describe().toStdString()), problem_(std::move(problem)) {}
  const Problem& problem() const { return problem_; }

 private:
  Problem problem_;
};

// A value, or the problem that kept it from being made: for work whose failure is an ordinary
// outcome (a file the user picked), where nothing is thrown.
template <typename T>
class Result {
 public:
  Result(T value) : value_(std::move(value)) {}            // NOLINT: a value is a result
  Result(Problem problem) : value_(std::move(problem)) {}  // NOLINT: so is a problem

  explicit operator bool() const { return std::holds_alternative<T>(value_); }
  const T& operator*() const { return std::get<T>(value_); }
  const T* operator->() const { return &std::get<T>(value_); }
  const Problem& problem() const { return std::get<Problem>(value_); }

 private:
  std::variant<T, Problem> value_;
};
