// Formatting of numbers with the program's digit patterns.
#include "common/number_format.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace {

// The value as decimal digits: value = 0.digits × 10^intLen.
struct Decimal {
  std::string digits;
  int intLen = 0;
  bool negative = false;
};

Decimal toDecimal(double value, int significantDigits) {
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                    std::chars_format::scientific, significantDigits - 1);
  const std::string text(buf, result.ptr);
  const auto e = text.find('e');
  Decimal d;
  d.negative = std::signbit(value);
  for (std::size_t i = 0; i < e; ++i)
    if (text[i] != '.') d.digits += text[i];
  d.intLen = std::stoi(text.substr(e + 1)) + 1;
  return d;
}

// Rounds half away from zero so that exactly `decimals` digits follow the point, and splits the
// result into integer digits (no leading zeros, empty for zero) and fraction digits.
void roundTo(Decimal d, int decimals, std::string& integer, std::string& fraction) {
  const int keep = d.intLen + decimals;
  if (keep < 0) {
    d.digits.clear();
  } else if (keep < static_cast<int>(d.digits.size())) {
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) {
      int i = keep - 1;
      for (; i >= 0 && d.digits[i] == '9'; --i) d.digits[i] = '0';
      if (i >= 0) {
        ++d.digits[i];
      } else {
        d.digits.insert(d.digits.begin(), '1');
        ++d.intLen;
      }
    }
  }
  auto digitAt = [&](int i) {
    return i >= 0 && i < static_cast<int>(d.digits.size()) ? d.digits[i] : '0';
  };
  integer.clear();
  for (int i = 0; i < d.intLen; ++i) integer += digitAt(i);
  integer.erase(0, integer.find_first_not_of('0'));
  fraction.clear();
  for (int j = 0; j < decimals; ++j) fraction += digitAt(d.intLen + j);
}

struct Token {
  enum Kind { Hash, Zero, Point, Literal } kind;
  QString text;  // for literals
};

std::vector<Token> parse(const QString& pattern) {
  std::vector<Token> tokens;
  bool pointSeen = false;
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    const QChar c = pattern[i];
    if (c == u'#') {
      tokens.push_back({Token::Hash, {}});
    } else if (c == u'0') {
      tokens.push_back({Token::Zero, {}});
    } else if (c == u'.' && !pointSeen) {
      pointSeen = true;
      tokens.push_back({Token::Point, {}});
    } else if (c == u'\\' && i + 1 < pattern.size()) {
      tokens.push_back({Token::Literal, QString(pattern[++i])});
    } else if (c == u'"') {
      const qsizetype end = pattern.indexOf(u'"', i + 1);
      const qsizetype stop = end < 0 ? pattern.size() : end;
      tokens.push_back({Token::Literal, pattern.mid(i + 1, stop - i - 1)});
      i = stop;
    } else {
      tokens.push_back({Token::Literal, QString(c)});
    }
  }
  return tokens;
}

bool isDigit(const Token& t) {
  return t.kind == Token::Hash || t.kind == Token::Zero;
}

QString format(double value, int significantDigits, const QString& pattern,
               const QString& separator) {
  if (!std::isfinite(value) || pattern.isEmpty())
    return QString::number(value, 'g', significantDigits);
  const std::vector<Token> tokens = parse(pattern);
  std::size_t pointAt = tokens.size();
  for (std::size_t i = 0; i < tokens.size(); ++i)
    if (tokens[i].kind == Token::Point) pointAt = i;

  int intPlaces = 0, decimals = 0, firstZero = -1;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (!isDigit(tokens[i])) continue;
    if (i < pointAt) {
      if (tokens[i].kind == Token::Zero && firstZero < 0) firstZero = intPlaces;
      ++intPlaces;
    } else {
      ++decimals;
    }
  }

  const Decimal d = toDecimal(value, significantDigits);
  std::string integer, fraction;
  roundTo(d, decimals, integer, fraction);
  const bool negative =
      d.negative && (!integer.empty() || fraction.find_first_not_of('0') != std::string::npos);
  const int minDigits = firstZero < 0 ? 0 : intPlaces - firstZero;
  if (static_cast<int>(integer.size()) < minDigits)
    integer.insert(0, minDigits - integer.size(), '0');

  // The last fraction digit shown: trailing zeros on '#' places are dropped.
  int lastShown = -1;
  {
    int j = 0;
    for (std::size_t i = pointAt; i < tokens.size(); ++i) {
      if (!isDigit(tokens[i])) continue;
      if (tokens[i].kind == Token::Zero || fraction[j] != '0') lastShown = j;
      ++j;
    }
  }

  QString out;
  if (negative) out += u'-';
  const int len = static_cast<int>(integer.size());
  int place = 0;  // integer placeholder counted from the left
  int frac = 0;   // fraction placeholder counted from the left
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const Token& t = tokens[i];
    if (i < pointAt) {
      if (!isDigit(t)) {
        out += t.text;
        continue;
      }
      const int fromRight = intPlaces - 1 - place;
      if (place == 0 && len > intPlaces) {
        out += QString::fromStdString(integer.substr(0, len - intPlaces + 1));
      } else if (fromRight < len) {
        out += QChar::fromLatin1(integer[len - 1 - fromRight]);
      }
      ++place;
    } else if (t.kind == Token::Point) {
      // Without integer placeholders the integer digits still belong before the point.
      if (intPlaces == 0) out += QString::fromStdString(integer);
      out += separator;
    } else if (isDigit(t)) {
      if (frac <= lastShown) out += QChar::fromLatin1(fraction[frac]);
      ++frac;
    } else {
      out += t.text;
    }
  }
  return out;
}

}  // namespace

QString systemDecimalSeparator() {
  return QLocale::system().decimalPoint();
}

QString FormatNumber(double value, const QString& pattern, const QString& decimalSeparator) {
  return format(value, 15, pattern, decimalSeparator);
}

QString FormatNumber(float value, const QString& pattern, const QString& decimalSeparator) {
  return format(value, 7, pattern, decimalSeparator);
}

QString PadLeft(const QString& text, int width) {
  return text.size() >= width ? text : QString(width - text.size(), u' ') + text;
}
