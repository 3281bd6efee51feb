// JSON text written straight from values: the lists' JSON of --json and of the quote service,
// in the very layout QJsonDocument gives (compact, or indented by four blanks with a newline at
// the end), without building a document first. Callers give an object's keys in alphabetical
// order, as a QJsonObject holds them.
#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

class JsonWriter {
 public:
  enum class Format { Compact, Indented };
  explicit JsonWriter(Format format) : indented_(format == Format::Indented) {
    // An ordering list is one to two kilobytes: written without growing the text on the way.
    out_.reserve(4096);
  }

  JsonWriter& beginObject() { return open('{'); }
  JsonWriter& endObject() { return close('}'); }
  JsonWriter& beginArray() { return open('['); }
  JsonWriter& endArray() { return close(']'); }
  // The key of the next value; a key is plain ASCII.
  JsonWriter& key(std::string_view name);
  JsonWriter& value(const QString& text);
  JsonWriter& value(double number);
  JsonWriter& value(int number);
  JsonWriter& value(bool truth);
  JsonWriter& null();

  // The text, in UTF-8; the writer is empty afterwards.
  std::string take();

 private:
  JsonWriter& open(char bracket);
  JsonWriter& close(char bracket);
  // Before a value: the comma and the indentation of an array's element, nothing after a key.
  void element();
  void indent(std::size_t depth);

  bool indented_;
  std::string out_;
  std::vector<bool> empty_;  // by depth: nothing written in it yet
  bool afterKey_ = false;
};
