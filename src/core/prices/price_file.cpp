// Reading price files and regrouping ordering numbers.
#include "prices/price_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QStringDecoder>
#include <charconv>
#include <cmath>
#include <utility>

#include "common/file_access.h"

namespace {

// DOS editors ended text files with Ctrl+Z; what follows it is not part of the text.
constexpr char16_t kDosEndOfFile = 0x1A;

// A field of the line at hand, as a piece of the file's text.
struct Field {
  QStringView text;
  int line = 0;
};

QString elided(QStringView text) {
  constexpr int kShown = 40;
  return text.size() <= kShown ? text.toString()
                               : text.left(kShown).toString() + QStringLiteral("...");
}

// Price files come from Notepad and from other systems alike: UTF-8 with or without a mark,
// UTF-16 with a mark, or a Windows code page, of which only Latin-1 matters for digits.
QString decode(QByteArrayView data) {
  if (data.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(data.sliced(3));
  if (data.startsWith("\xFF\xFE")) return QStringDecoder(QStringDecoder::Utf16LE)(data.sliced(2));
  if (data.startsWith("\xFE\xFF")) return QStringDecoder(QStringDecoder::Utf16BE)(data.sliced(2));
  {
    // Gone before the Latin-1 text is made: never two texts of the file at once.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(data);
    if (!utf8.hasError()) return text;
  }
  return QString::fromLatin1(data);
}

bool isBlank(QChar c) {
  return c == u' ' || c == u'\t';
}

void skipBlanks(QStringView line, qsizetype& i) {
  while (i < line.size() && isBlank(line[i])) ++i;
}

// Splits one line into its comma-separated fields. A quoted field runs to the next quote on the
// same line; a price file has no use for quotes inside a field, so one is an error. False when
// the line has more than `maxFields` fields; the first of them are then in `fields`.
bool splitLine(QStringView line, int lineNumber, std::vector<Field>& fields,
               std::size_t maxFields) {
  qsizetype i = 0;
  while (true) {
    if (fields.size() == maxFields) return false;
    skipBlanks(line, i);
    Field field{{}, lineNumber};
    if (i < line.size() && line[i] == u'"') {
      const qsizetype close = line.indexOf(u'"', i + 1);
      if (close < 0)
        throw PriceReadError(
            QCoreApplication::translate("Prices", "Line %1: the closing quote is missing.")
                .arg(lineNumber));
      field.text = line.sliced(i + 1, close - i - 1);
      i = close + 1;
      skipBlanks(line, i);
      if (i < line.size() && line[i] != u',')
        throw PriceReadError(
            QCoreApplication::translate("Prices", "Line %1: a comma must follow the closing quote.")
                .arg(lineNumber));
    } else {
      qsizetype end = line.indexOf(u',', i);
      if (end < 0) end = line.size();
      field.text = line.sliced(i, end - i).trimmed();
      if (field.text.contains(u'"'))
        throw PriceReadError(
            QCoreApplication::translate("Prices", "Line %1: the field \"%2\" has a stray quote.")
                .arg(lineNumber)
                .arg(elided(field.text)));
      i = end;
    }
    fields.push_back(field);
    if (i >= line.size()) return true;
    ++i;  // the comma
  }
}

// Reads the records line by line: the fields of one line at a time, the ordering number of a
// record that goes on to the next line, and the entries read so far.
class PriceListReader {
 public:
  explicit PriceListReader(const QString& file) : file_(file) {}

  void readLine(QStringView line, int lineNumber) {
    fields_.clear();
    // The fields of the records still allowed, and of one more: a line of more can only be
    // refused, and is, before its fields fill the memory.
    const std::size_t recordsLeft = kMaxPriceRecords - entries_.size();
    if (!splitLine(line, lineNumber, fields_, 2 * recordsLeft + 2)) tooManyRecords(lineNumber);
    // A line of more than two fields must start a record and end one.
    const std::size_t count = fields_.size();
    if (count > 2 && (pending_ || count % 2 != 0))
      throw PriceReadError(
          QCoreApplication::translate(
              "Prices",
              "Record %1 (line %2): the line has %3 fields, which do not make whole records of an "
              "ordering number and a price. A price's decimals follow a period, not a comma "
              "(45.5, not 45,5).")
              .arg(record())
              .arg(lineNumber)
              .arg(count));
    for (const Field& field : fields_) {
      if (!pending_) {
        if (entries_.size() >= static_cast<std::size_t>(kMaxPriceRecords))
          tooManyRecords(lineNumber);
        pending_ = field;
      } else {
        addRecord(*pending_, field);
        pending_.reset();
      }
    }
  }

  std::vector<PriceEntry> finish() {
    if (pending_)
      throw PriceReadError(
          QCoreApplication::translate(
              "Prices", "Record %1 (line %2): the ordering number \"%3\" has no price.")
              .arg(record())
              .arg(pending_->line)
              .arg(elided(pending_->text)));
    return std::move(entries_);
  }

 private:
  [[noreturn]] void tooManyRecords(int lineNumber) const {
    throw PriceReadError(file_,
                         QCoreApplication::translate(
                             "Prices",
                             "Line %1: the file holds more than %2 records, and a price list "
                             "names a few thousand parts. It is no price file.")
                             .arg(lineNumber)
                             .arg(kMaxPriceRecords));
  }

  // The number of the record the next field or the pending number belongs to.
  int record() const { return static_cast<int>(entries_.size()) + 1; }

  void addRecord(const Field& number, const Field& price) {
    const QString priceText = price.text.toString();
    const std::optional<double> value = parsePrice(priceText);
    if (!value)
      throw PriceReadError(QCoreApplication::translate(
                               "Prices", "Record %1 (line %2): the price \"%3\" is not a number.")
                               .arg(record())
                               .arg(price.line)
                               .arg(elided(price.text)));
    if (!isPriceInRange(*value))
      throw PriceReadError(
          priceOutOfRangeText(QCoreApplication::translate("Prices", "Record %1 (line %2)")
                                  .arg(record())
                                  .arg(price.line),
                              elided(price.text)));
    entries_.push_back({regroupOrderingNumber(number.text.toString()), value,
                        QCoreApplication::translate("Prices", "Record %1 (line %2)")
                            .arg(record())
                            .arg(number.line)});
  }

  QString file_;  // for the refusal of a file of too many records; empty when not known
  std::vector<Field> fields_;
  std::optional<Field> pending_;
  std::vector<PriceEntry> entries_;
};

// The records of the file's text; `file` names the file for a refusal of the file as a whole.
std::vector<PriceEntry> parsePriceText(const QString& text, const QString& file) {
  QStringView rest(text);
  const qsizetype dosEnd = rest.indexOf(QChar(kDosEndOfFile));
  if (dosEnd >= 0) rest.truncate(dosEnd);

  PriceListReader reader(file);
  int lineNumber = 0;
  qsizetype start = 0;
  while (start < rest.size()) {
    qsizetype end = start;
    while (end < rest.size() && rest[end] != u'\n' && rest[end] != u'\r') ++end;
    ++lineNumber;
    const QStringView line = rest.sliced(start, end - start);
    if (!line.trimmed().isEmpty()) reader.readLine(line, lineNumber);
    // "\r\n" is one line end, a lone "\r" or "\n" another.
    if (end < rest.size() && rest[end] == u'\r' && end + 1 < rest.size() && rest[end + 1] == u'\n')
      ++end;
    start = end + 1;
  }
  return reader.finish();
}

}  // namespace

QString shownFileName(const QString& path) {
  return QDir::toNativeSeparators(withControlsEscaped(path));
}

QByteArray readPriceListFile(const QString& path, qint64 maxBytes, const QString& tooLarge) {
  try {
    return readRegularFile(path, maxBytes, tooLarge);
  } catch (const PriceReadError&) {
    throw;
  } catch (const Failure& e) {
    throw PriceReadError(e.problem().where, e.problem().what);
  }
}

QString regroupOrderingNumber(const QString& number) {
  if (number.size() >= 12) return number;
  return number.left(4) + u' ' + number.mid(4, 4) + u' ' + number.mid(8, 2);
}

QString priceOutOfRangeText(const QString& where, const QString& price) {
  return QCoreApplication::translate("Prices", "%1: the price \"%2\" is not between 0 and %3.")
      .arg(where, price, QString::number(kMaxPrice, 'f', 2));
}

std::optional<double> parsePrice(const QString& text) {
  static const QRegularExpression form(
      QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)([eE][+-]?\\d+)?$"));
  const QString trimmed = text.trimmed();
  if (!form.match(trimmed).hasMatch()) return std::nullopt;
  // from_chars reads the period whatever the user's regional settings say, and takes no "+".
  const QByteArray digits = trimmed.toLatin1();
  const char* first = digits.constData() + (digits.startsWith('+') ? 1 : 0);
  double value = 0;
  const auto [end, error] = std::from_chars(first, digits.constData() + digits.size(), value);
  if (error != std::errc() || end != digits.constData() + digits.size()) return std::nullopt;
  if (!std::isfinite(value)) return std::nullopt;
  return value == 0 ? 0.0 : value;  // "-0" is 0, not a price that shows as "-0.00"
}

std::vector<PriceEntry> parsePriceFile(QByteArrayView data) {
  return parsePriceText(decode(data), QString());
}

std::vector<PriceEntry> readPriceFile(const QString& path) {
  QByteArray data = readPriceListFile(
      path, kMaxPriceFileBytes,
      QCoreApplication::translate("Prices",
                                  "The file is larger than %1 MB, and a price file is a few "
                                  "hundred kilobytes. It is no price file.")
          .arg(kMaxPriceFileBytes / (1024 * 1024)));
  const QString text = decode(data);
  data = QByteArray();  // the file's bytes are let go once they are text
  return parsePriceText(text, shownFileName(path));
}
