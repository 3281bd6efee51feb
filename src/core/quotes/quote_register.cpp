// The register of issued quotes.
#include "quotes/quote_register.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>

#include "data/parts_loader.h"
#include "quotes/quote_file.h"

namespace {

// The counter gives each year's numbers; a number taken is never given again, as the counter
// only moves up and moves in the same transaction that records the quote.
const QString kSchema = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS tblQuoteCounter (year INTEGER PRIMARY KEY, last INTEGER NOT "
    "NULL);"
    "CREATE TABLE IF NOT EXISTS tblQuotes (id INTEGER PRIMARY KEY, number TEXT NOT NULL, "
    "revision INTEGER NOT NULL, issued TEXT NOT NULL, company TEXT NOT NULL, contact TEXT NOT "
    "NULL, customerReference TEXT NOT NULL, ourReference TEXT NOT NULL, language TEXT NOT NULL, "
    "net REAL NOT NULL, positions INTEGER NOT NULL, quote TEXT NOT NULL, lists TEXT NOT NULL, "
    "UNIQUE (number, revision));");

const QString kColumns = QStringLiteral(
    "number, revision, issued, company, contact, customerReference, ourReference, language, "
    "net, positions");

QJsonObject lineJson(const OrderingLine& l) {
  QJsonObject o;
  o[QStringLiteral("kind")] = static_cast<int>(l.kind);
  o[QStringLiteral("text")] = l.text;
  o[QStringLiteral("part")] = l.part;
  o[QStringLiteral("quantity")] = l.quantity;
  o[QStringLiteral("isLength")] = l.isLength;
  o[QStringLiteral("orderingNumber")] = l.orderingNumber;
  o[QStringLiteral("description")] = l.description;
  o[QStringLiteral("amount")] = l.amount;
  o[QStringLiteral("figure")] = l.figure;
  o[QStringLiteral("label")] = static_cast<int>(l.label);
  return o;
}

OrderingLine lineFrom(const QJsonObject& o) {
  OrderingLine l;
  l.kind = static_cast<OrderingLine::Kind>(
      std::clamp(o.value(u"kind").toInt(), 0, static_cast<int>(OrderingLine::Kind::Total)));
  l.text = o.value(u"text").toString();
  l.part = o.value(u"part").toInt(-1);
  l.quantity = o.value(u"quantity").toInt();
  l.isLength = o.value(u"isLength").toBool();
  l.orderingNumber = o.value(u"orderingNumber").toString();
  l.description = o.value(u"description").toString();
  l.amount = o.value(u"amount").toDouble();
  l.figure = o.value(u"figure").toDouble();
  l.label = static_cast<Text>(o.value(u"label").toInt());
  return l;
}

// The lists as issued, every line and figure as the list held it.
QByteArray listsJson(const std::vector<PricedPosition>& positions) {
  QJsonArray lists;
  for (const PricedPosition& p : positions) {
    QJsonArray lines;
    for (const OrderingLine& l : p.list.lines) lines.append(lineJson(l));
    QJsonObject o;
    o[QStringLiteral("lines")] = lines;
    o[QStringLiteral("total")] = p.list.total;
    o[QStringLiteral("discount")] = p.list.discount;
    o[QStringLiteral("imperial")] = p.list.imperial;
    o[QStringLiteral("phasedOutNote")] = p.list.phasedOutNote;
    lists.append(o);
  }
  return QJsonDocument(lists).toJson(QJsonDocument::Compact);
}

std::vector<OrderingList> listsFrom(const QByteArray& json) {
  std::vector<OrderingList> lists;
  for (const QJsonValue v : QJsonDocument::fromJson(json).array()) {
    const QJsonObject o = v.toObject();
    OrderingList list;
    for (const QJsonValue line : o.value(u"lines").toArray())
      list.lines.push_back(lineFrom(line.toObject()));
    list.total = o.value(u"total").toDouble();
    list.discount = o.value(u"discount").toInt();
    list.imperial = o.value(u"imperial").toBool();
    list.phasedOutNote = o.value(u"phasedOutNote").toString();
    lists.push_back(std::move(list));
  }
  return lists;
}

RegisteredQuote entryFrom(const Statement& s) {
  RegisteredQuote e;
  e.number = s.text(0).value_or(QString());
  e.revision = static_cast<int>(s.integer(1).value_or(1));
  e.issued = QDate::fromString(s.text(2).value_or(QString()), Qt::ISODate);
  e.company = s.text(3).value_or(QString());
  e.contact = s.text(4).value_or(QString());
  e.customerReference = s.text(5).value_or(QString());
  e.ourReference = s.text(6).value_or(QString());
  const QString code = s.text(7).value_or(QString());
  e.variant = variantByCaption(code).value_or(e.variant);
  e.net = s.real(8).value_or(0);
  e.positions = static_cast<int>(s.integer(9).value_or(0));
  return e;
}

Problem registerProblem(const QString& file, const QString& what) {
  return Problem{Problem::Kind::Database, file, what, std::nullopt};
}

}  // namespace

QuoteRegister::QuoteRegister(Database db, QString file)
    : db_(std::move(db)), file_(std::move(file)) {}

QuoteRegister QuoteRegister::open(const QString& file) {
  const bool exists = QFileInfo::exists(file);
  Database db = Database::open(file, kConnectString,
                               exists ? Database::Mode::OpenExisting : Database::Mode::Create);
  db.execute(kSchema);
  // A dealer's customers and prices are the user's alone, as the parts database is.
  if (!exists) QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
  return QuoteRegister(std::move(db), file);
}

void QuoteRegister::moveCounter(qint64 year, qint64 atLeast) {
  Statement add = db_.prepare(
      QStringLiteral("INSERT OR IGNORE INTO tblQuoteCounter (year, last) VALUES (?1, 0)"));
  add.bind(1, year);
  add.run();
  Statement past = db_.prepare(
      QStringLiteral("UPDATE tblQuoteCounter SET last = MAX(last, ?2) WHERE year = ?1"));
  past.bind(1, year).bind(2, atLeast);
  past.run();
}

Quote QuoteRegister::issue(const PricedQuote& priced, const QDate& today) {
  Quote quote = priced.quote;
  const QByteArray lists = listsJson(priced.positions);
  Transaction t = db_.transaction();
  if (!quote.header.number.isEmpty()) {
    Statement last = db_.prepare(
        QStringLiteral("SELECT revision, quote, lists FROM tblQuotes WHERE number = ?1 ORDER BY "
                       "revision DESC LIMIT 1"));
    last.bind(1, quote.header.number);
    if (last.next()) {
      Quote before = quote;
      before.madeAsQuote = true;
      const Result<Quote> stored = parseQuote(last.text(1).value_or(QString()).toUtf8());
      if (stored) before.header.date = stored->header.date;
      if (stored && *stored == before && last.text(2).value_or(QString()).toUtf8() == lists) {
        quote.header.date = stored->header.date;
        return quote;  // issued as it stands: nothing to record
      }
    } else {
      // A number this register has not given (a quote file from another computer): the
      // counter moves past it, so that it is never given to another quote here.
      static const QRegularExpression ours(QStringLiteral("^Q-(\\d{4})-(\\d{1,9})$"));
      const QRegularExpressionMatch m = ours.match(quote.header.number);
      if (m.hasMatch()) {
        moveCounter(m.captured(1).toLongLong(), m.captured(2).toLongLong());
      }
    }
  } else {
    const int year = today.year();
    moveCounter(year, 0);
    Statement step =
        db_.prepare(QStringLiteral("UPDATE tblQuoteCounter SET last = last + 1 WHERE year = ?1"));
    step.bind(1, static_cast<qint64>(year));
    step.run();
    Statement next =
        db_.prepare(QStringLiteral("SELECT last FROM tblQuoteCounter WHERE year = ?1"));
    next.bind(1, static_cast<qint64>(year));
    if (!next.next()) throw Failure(registerProblem(file_, QStringLiteral("no number given")));
    const qint64 n = next.integer(0).value_or(0);
    next.reset();
    quote.header.number = QStringLiteral("Q-%1-%2").arg(year).arg(n, 4, 10, QLatin1Char('0'));
  }
  quote.header.date = today;
  Statement revision =
      db_.prepare(QStringLiteral("SELECT COALESCE(MAX(revision), 0) + 1 FROM tblQuotes WHERE "
                                 "number = ?1"));
  revision.bind(1, quote.header.number);
  revision.next();
  const qint64 rev = revision.integer(0).value_or(1);
  revision.reset();

  Statement insert = db_.prepare(QStringLiteral(
      "INSERT INTO tblQuotes (number, revision, issued, company, contact, customerReference, "
      "ourReference, language, net, positions, quote, lists) VALUES "
      "(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12)"));
  const QuoteHeader& h = quote.header;
  insert.bind(1, h.number)
      .bind(2, rev)
      .bind(3, today.toString(Qt::ISODate))
      .bind(4, h.company)
      .bind(5, h.contact)
      .bind(6, h.customerReference)
      .bind(7, h.ourReference)
      .bind(8, variantOf(priced.variant).startCaption)
      .bind(9, priced.net)
      .bind(10, static_cast<qint64>(quote.positions.size()));
  Quote stored = quote;
  stored.madeAsQuote = true;
  insert.bind(11, QString::fromUtf8(writeQuote(stored))).bind(12, QString::fromUtf8(lists));
  insert.run();
  if (beforeCommit_) beforeCommit_();
  const QString number = h.number;
  t.commit([&](Database& again) {
    Statement check = again.prepare(
        QStringLiteral("SELECT 1 FROM tblQuotes WHERE number = ?1 AND revision = ?2"));
    check.bind(1, number).bind(2, rev);
    return check.next();
  });
  return quote;
}

std::vector<RegisteredQuote> QuoteRegister::list(const QString& filter) const {
  // The newest revision of each number; issues of the same day by the order they were made.
  Statement s = db_.prepare(
      QStringLiteral("SELECT %1 FROM tblQuotes q WHERE revision = (SELECT MAX(revision) FROM "
                     "tblQuotes WHERE number = q.number) AND (?1 = '' OR instr(lower(number || "
                     "char(10) || company || char(10) || contact || char(10) || "
                     "customerReference || char(10) || ourReference), lower(?1)) > 0) ORDER BY "
                     "(SELECT MIN(id) FROM tblQuotes WHERE number = q.number) DESC")
          .arg(kColumns));
  s.bind(1, filter.trimmed());
  std::vector<RegisteredQuote> entries;
  while (s.next()) entries.push_back(entryFrom(s));
  return entries;
}

std::optional<IssuedQuote> QuoteRegister::find(const QString& number) const {
  Statement s = db_.prepare(
      QStringLiteral("SELECT %1, quote, lists FROM tblQuotes WHERE number = ?1 ORDER BY "
                     "revision DESC LIMIT 1")
          .arg(kColumns));
  s.bind(1, number.trimmed());
  if (!s.next()) return std::nullopt;
  IssuedQuote issued;
  issued.entry = entryFrom(s);
  const Result<Quote> quote = parseQuote(s.text(10).value_or(QString()).toUtf8());
  if (!quote)
    throw Failure(
        registerProblem(file_, QCoreApplication::translate("Quotes",
                                                           "The quote %1 in the register cannot "
                                                           "be read: %2")
                                   .arg(number, quote.problem().what)));
  issued.quote = *quote;
  issued.lists = listsFrom(s.text(11).value_or(QString()).toUtf8());
  if (issued.lists.size() != issued.quote.positions.size())
    throw Failure(registerProblem(
        file_, QCoreApplication::translate("Quotes",
                                           "The quote %1 in the register cannot be read: its "
                                           "lists do not match its positions.")
                   .arg(number)));
  return issued;
}

std::vector<RepricedAmount> repricedAmounts(const PricedQuote& issued, const PricedQuote& today) {
  std::vector<RepricedAmount> changes;
  // Amounts are compared as they are stated, to the cent.
  const auto differ = [](double a, double b) { return quoteAmount(a) != quoteAmount(b); };
  const std::size_t n = std::min(issued.positions.size(), today.positions.size());
  for (std::size_t i = 0; i < n; ++i) {
    const std::vector<const OrderingLine*> before = issued.positions[i].list.parts();
    const std::vector<const OrderingLine*> now = today.positions[i].list.parts();
    const int position = static_cast<int>(i) + 1;
    // Lines by ordering number: a price list may add or drop a part of the same hoist. A part
    // on two lines (the pull chain of the hoist and of the trolley) pairs first with first.
    std::vector<bool> paired(now.size(), false);
    for (const OrderingLine* b : before) {
      const OrderingLine* match = nullptr;
      for (std::size_t k = 0; k < now.size() && !match; ++k)
        if (!paired[k] && now[k]->orderingNumber == b->orderingNumber && now[k]->part == b->part) {
          paired[k] = true;
          match = now[k];
        }
      const double after = match ? match->amount : 0;
      if (!match || differ(b->amount, after))
        changes.push_back(
            {position, b->orderingNumber, b->description.trimmed(), b->amount, after});
    }
    for (std::size_t k = 0; k < now.size(); ++k)
      if (!paired[k])
        changes.push_back(
            {position, now[k]->orderingNumber, now[k]->description.trimmed(), 0, now[k]->amount});
  }
  if (differ(issued.total, today.total))
    changes.push_back(
        {0, {}, QCoreApplication::translate("Quotes", "total"), issued.total, today.total});
  if (differ(issued.discount, today.discount))
    changes.push_back({0,
                       {},
                       QCoreApplication::translate("Quotes", "discounts"),
                       issued.discount,
                       today.discount});
  if (differ(issued.net, today.net))
    changes.push_back(
        {0, {}, QCoreApplication::translate("Quotes", "net total"), issued.net, today.net});
  return changes;
}

QString repricingReport(const QString& number, const std::vector<RepricedAmount>& changes) {
  const auto figure = [](double v) { return QString::number(quoteAmount(v), 'f', 2); };
  if (changes.empty())
    return QCoreApplication::translate("Quotes",
                                       "Quote %1: no amount differs from today's prices.\n")
        .arg(number);
  QString report =
      QCoreApplication::translate("Quotes", "Quote %1 at today's prices, amounts changed:\n")
          .arg(number);
  for (const RepricedAmount& c : changes) {
    const QString where = c.position > 0
                              ? QCoreApplication::translate("Quotes", "Position %1, %2 %3")
                                    .arg(c.position)
                                    .arg(c.orderingNumber, c.what)
                              : c.what;
    report += QStringLiteral("  %1: %2 -> %3\n").arg(where, figure(c.issued), figure(c.today));
  }
  return report;
}
