// Reading price files and regrouping ordering numbers.
#include "prices/price_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <charconv>
#include <cmath>
#include <utility>

namespace {

// A price file is a few hundred kilobytes; anything far larger is not one.
constexpr qint64 kMaxPriceFileBytes = 64 * 1024 * 1024;

// DOS editors ended text files with Ctrl+Z; what follows it is not part of the text.
constexpr char16_t kDosEndOfFile = 0x1A;

struct Field {
  QString text;
  int line = 0;
  bool startsLine = false;  // the first field of its line
};

QString elided(const QString& text) {
  constexpr int kShown = 40;
  return text.size() <= kShown ? text : text.left(kShown) + QStringLiteral("...");
}

// Price files come from Notepad and from other systems alike: UTF-8 with or without a mark,
// UTF-16 with a mark, or a Windows code page, of which only Latin-1 matters for digits.
QString decode(QByteArrayView data) {
  if (data.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(data.sliced(3));
  if (data.startsWith("\xFF\xFE")) return QStringDecoder(QStringDecoder::Utf16LE)(data.sliced(2));
  if (data.startsWith("\xFE\xFF")) return QStringDecoder(QStringDecoder::Utf16BE)(data.sliced(2));
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(data);
  if (!utf8.hasError()) return text;
  return QString::fromLatin1(data);
}

bool isBlank(QChar c) {
  return c == u' ' || c == u'\t';
}

void skipBlanks(const QString& line, qsizetype& i) {
  while (i < line.size() && isBlank(line[i])) ++i;
}

// Splits one line into its comma-separated fields. A quoted field runs to the next quote on the
// same line; a price file has no use for quotes inside a field, so one is an error.
void splitLine(const QString& line, int lineNumber, std::vector<Field>& fields) {
  qsizetype i = 0;
  bool first = true;
  while (true) {
    skipBlanks(line, i);
    Field field{{}, lineNumber, std::exchange(first, false)};
    if (i < line.size() && line[i] == u'"') {
      const qsizetype close = line.indexOf(u'"', i + 1);
      if (close < 0)
        throw PriceReadError(
            QStringLiteral("Line %1: the closing quote is missing.").arg(lineNumber));
      field.text = line.mid(i + 1, close - i - 1);
      i = close + 1;
      skipBlanks(line, i);
      if (i < line.size() && line[i] != u',')
        throw PriceReadError(
            QStringLiteral("Line %1: a comma must follow the closing quote.").arg(lineNumber));
    } else {
      qsizetype end = line.indexOf(u',', i);
      if (end < 0) end = line.size();
      field.text = line.mid(i, end - i).trimmed();
      if (field.text.contains(u'"'))
        throw PriceReadError(QStringLiteral("Line %1: the field \"%2\" has a stray quote.")
                                 .arg(lineNumber)
                                 .arg(elided(field.text)));
      i = end;
    }
    fields.push_back(std::move(field));
    if (i >= line.size()) return;
    ++i;  // the comma
  }
}

std::vector<Field> splitFields(QString text) {
  const qsizetype dosEnd = text.indexOf(QChar(kDosEndOfFile));
  if (dosEnd >= 0) text.truncate(dosEnd);

  std::vector<Field> fields;
  int lineNumber = 0;
  qsizetype start = 0;
  while (start < text.size()) {
    qsizetype end = start;
    while (end < text.size() && text[end] != u'\n' && text[end] != u'\r') ++end;
    ++lineNumber;
    const QString line = text.mid(start, end - start);
    if (!line.trimmed().isEmpty()) splitLine(line, lineNumber, fields);
    // "\r\n" is one line end, a lone "\r" or "\n" another.
    if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n')
      ++end;
    start = end + 1;
  }
  return fields;
}

}  // namespace

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
  const std::vector<Field> fields = splitFields(decode(data));
  std::vector<PriceEntry> entries;
  entries.reserve(fields.size() / 2);
  // A line of more than two fields must start a record and end one; the fields of a line run
  // from the one that starts it to the next one that does. Problems are told in the order of
  // the file, so the first such line waits for its record.
  std::optional<std::size_t> badLine;
  std::size_t badCount = 0;
  for (std::size_t first = 0; first < fields.size() && !badLine;) {
    std::size_t end = first + 1;
    while (end < fields.size() && !fields[end].startsLine) ++end;
    if (end - first > 2 && (first % 2 != 0 || (end - first) % 2 != 0)) {
      badLine = first;
      badCount = end - first;
    }
    first = end;
  }

  for (std::size_t i = 0; i < fields.size(); i += 2) {
    const int record = static_cast<int>(i / 2) + 1;
    if (badLine && *badLine / 2 == i / 2)
      throw PriceReadError(
          QCoreApplication::translate(
              "Prices",
              "Record %1 (line %2): the line has %3 fields, which do not make whole records of an "
              "ordering number and a price. A price's decimals follow a period, not a comma "
              "(45.5, not 45,5).")
              .arg(record)
              .arg(fields[*badLine].line)
              .arg(badCount));
    const Field& number = fields[i];
    if (i + 1 >= fields.size())
      throw PriceReadError(
          QStringLiteral("Record %1 (line %2): the ordering number \"%3\" has no price.")
              .arg(record)
              .arg(number.line)
              .arg(elided(number.text)));
    const Field& price = fields[i + 1];
    const std::optional<double> value = parsePrice(price.text);
    if (!value)
      throw PriceReadError(QStringLiteral("Record %1 (line %2): the price \"%3\" is not a number.")
                               .arg(record)
                               .arg(price.line)
                               .arg(elided(price.text)));
    if (!isPriceInRange(*value))
      throw PriceReadError(priceOutOfRangeText(
          QStringLiteral("Record %1 (line %2)").arg(record).arg(price.line), elided(price.text)));
    entries.push_back({regroupOrderingNumber(number.text), value,
                       QStringLiteral("Record %1 (line %2)").arg(record).arg(number.line)});
  }
  return entries;
}

std::vector<PriceEntry> readPriceFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw PriceReadError(
        QStringLiteral("The file %1 cannot be opened: %2").arg(path, file.errorString()));
  // Read with a limit rather than trusting the size: a device reports none.
  const QByteArray data = file.read(kMaxPriceFileBytes + 1);
  if (file.error() != QFileDevice::NoError)
    throw PriceReadError(
        QStringLiteral("The file %1 cannot be read: %2").arg(path, file.errorString()));
  if (data.size() > kMaxPriceFileBytes)
    throw PriceReadError(QStringLiteral("The file %1 is too large for a price file.").arg(path));
  return parsePriceFile(data);
}
