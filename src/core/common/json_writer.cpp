// Writing JSON text as QJsonDocument lays it out.
#include "common/json_writer.h"

#include <QByteArray>
#include <QLocale>
#include <charconv>
#include <cmath>
#include <utility>

void JsonWriter::indent(std::size_t depth) {
  if (indented_) out_.append(4 * depth, ' ');
}

void JsonWriter::element() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (empty_.empty()) return;
  if (!empty_.back()) out_ += indented_ ? ",\n" : ",";
  empty_.back() = false;
  indent(empty_.size());
}

JsonWriter& JsonWriter::key(std::string_view name) {
  element();
  out_ += '"';
  out_.append(name);
  out_ += indented_ ? "\": " : "\":";
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::open(char bracket) {
  element();
  out_ += bracket;
  if (indented_) out_ += '\n';
  empty_.push_back(true);
  return *this;
}

JsonWriter& JsonWriter::close(char bracket) {
  const bool wasEmpty = empty_.back();
  empty_.pop_back();
  if (indented_ && !wasEmpty) out_ += '\n';
  indent(empty_.size());
  out_ += bracket;
  if (indented_ && empty_.empty()) out_ += '\n';
  return *this;
}

JsonWriter& JsonWriter::value(const QString& text) {
  element();
  static const char hex[] = "0123456789abcdef";
  out_ += '"';
  // Most texts are plain ASCII without a character to escape: copied as they are.
  bool plain = true;
  for (const QChar c : text)
    plain = plain && c.unicode() >= 0x20 && c.unicode() < 0x80 && c != u'"' && c != u'\\';
  if (plain) {
    for (const QChar c : text) out_ += static_cast<char>(c.unicode());
    out_ += '"';
    return *this;
  }
  for (const char c : text.toStdString()) {
    switch (c) {
      case '"':
        out_ += "\\\"";
        break;
      case '\\':
        out_ += "\\\\";
        break;
      case '\b':
        out_ += "\\b";
        break;
      case '\f':
        out_ += "\\f";
        break;
      case '\n':
        out_ += "\\n";
        break;
      case '\r':
        out_ += "\\r";
        break;
      case '\t':
        out_ += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          out_ += "\\u00";
          out_ += hex[(c >> 4) & 15];
          out_ += hex[c & 15];
        } else {
          out_ += c;
        }
    }
  }
  out_ += '"';
  return *this;
}

JsonWriter& JsonWriter::value(double number) {
  element();
  if (!std::isfinite(number)) {
    out_ += "null";
    return *this;
  }
  // As QJsonDocument writes a number: a whole one as an integer, any other as the shortest text
  // that reads back the same. Amounts (cents) take the quick way, which gives the same text for
  // them; only very large or very small numbers take Qt's own.
  const double magnitude = std::abs(number);
  if (number == std::trunc(number) && magnitude < 9007199254740992.0) {
    out_ += std::to_string(static_cast<long long>(number));
  } else if (magnitude >= 0.001 && magnitude < 1e15) {
    char text[32];
    const std::to_chars_result r =
        std::to_chars(text, text + sizeof text, number, std::chars_format::fixed);
    out_.append(text, r.ptr);
  } else {
    out_ += QByteArray::number(number, 'g', QLocale::FloatingPointShortest).toStdString();
  }
  return *this;
}

JsonWriter& JsonWriter::value(int number) {
  element();
  out_ += std::to_string(number);
  return *this;
}

JsonWriter& JsonWriter::value(bool truth) {
  element();
  out_ += truth ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::null() {
  element();
  out_ += "null";
  return *this;
}

std::string JsonWriter::take() {
  empty_.clear();
  afterKey_ = false;
  return std::exchange(out_, {});
}
