// The register of issued quotes: an encrypted database file of its own beside the parts
// database, so that a new price list in its place never touches a quote. It numbers quotes
// from a counter that never gives a number twice, and keeps every quote as it was issued: the
// header, the whole quote and each position's list with its amounts.
#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "data/database.h"
#include "quotes/quote_pricing.h"

// A line of the register's list: the newest issue of each quote.
struct RegisteredQuote {
  QString number;
  int revision = 1;  // 1, and one more for each issue after a change
  QDate issued;
  QString company;
  QString contact;
  QString customerReference;
  QString ourReference;
  VariantId variant = VariantId::EnglishEuropean;
  double net = 0;
  int positions = 0;
};

// A quote as it was issued.
struct IssuedQuote {
  RegisteredQuote entry;
  Quote quote;                      // with its number and issue date
  std::vector<OrderingList> lists;  // each position's list as issued, amounts included
};

// An amount that repricing changed.
struct RepricedAmount {
  int position = 0;        // from 1; 0 for the quote's own totals
  QString orderingNumber;  // the part, or empty for a total
  QString what;            // the part's description, or the total's name
  double issued = 0;
  double today = 0;
};

class QuoteRegister {
 public:
  // Opens the register, creating it (empty, encrypted) when the file does not exist. Throws
  // DatabaseError naming the file.
  static QuoteRegister open(const QString& file);

  // Issues a quote: one without a number gets the next number of the counter ("Q-2026-0001",
  // the year of `today`), and the quote, its lists and totals are recorded in one transaction;
  // a numbered quote is recorded as a new revision when its header, positions or lists changed
  // since its last issue, and left as it is when nothing changed. Returns the quote with its
  // number and issue date. Throws Failure (kind Database) when it cannot be recorded; then no
  // number has been given.
  Quote issue(const PricedQuote& priced, const QDate& today);

  // The newest issue of every quote, newest first; with a filter, only those whose number,
  // customer (company or contact) or either reference contains it, case ignored.
  std::vector<RegisteredQuote> list(const QString& filter = {}) const;

  // The newest issue of a number; none for a number the register does not have.
  std::optional<IssuedQuote> find(const QString& number) const;

  // For tests that stop the program between giving a number and recording the quote: called
  // inside the transaction, after the counter has moved.
  void setBeforeCommit(std::function<void()> hook) { beforeCommit_ = std::move(hook); }

  QuoteRegister(QuoteRegister&&) noexcept = default;
  QuoteRegister& operator=(QuoteRegister&&) noexcept = default;

 private:
  explicit QuoteRegister(Database db, QString file);
  // The year's counter made, and moved up to `atLeast` when it is below.
  void moveCounter(qint64 year, qint64 atLeast);
  mutable Database db_;  // reading prepares statements on it
  QString file_;
  std::function<void()> beforeCommit_;
};

// The amounts that differ between a quote as issued and the same quote priced today, part by
// part and for the totals; empty when nothing changed.
std::vector<RepricedAmount> repricedAmounts(const PricedQuote& issued, const PricedQuote& today);
// Those changes as lines of text, in the program's language ("Position 2, 7001234 chain: 120.0 →
// 125.5"), or a line that says no amount changed.
QString repricingReport(const QString& number, const std::vector<RepricedAmount>& changes);
