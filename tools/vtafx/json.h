#pragma once
// A small JSON document model with a reader and a writer, enough for the
// tool's files. Numbers keep their text, so 32-bit floats and 32-bit
// integers are converted exactly where they are used. Strings hold bytes:
// the writer escapes bytes 0x80 and above as \u0080 to \u00ff and the reader
// turns those escapes back into single bytes.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace vtafx {

class Json {
 public:
  enum class Type { kNull, kBool, kNumber, kString, kArray, kObject };

  Json() = default;
  static Json boolean(bool value);
  static Json number(std::string text);
  static Json string(std::string text);
  static Json array();
  static Json object();

  Type type() const { return type_; }
  bool isNull() const { return type_ == Type::kNull; }
  bool asBool() const { return flag_; }
  // The number's text or the string's bytes.
  const std::string& text() const { return text_; }
  const std::vector<Json>& items() const { return items_; }
  const std::vector<std::pair<std::string, Json>>& members() const { return members_; }
  // The member named key, or null.
  const Json* find(const std::string& key) const;

  // Appends to an array or an object; returns *this for chaining.
  Json& push(Json item);
  Json& add(std::string key, Json value);

 private:
  Type type_ = Type::kNull;
  bool flag_ = false;
  std::string text_;
  std::vector<Json> items_;
  std::vector<std::pair<std::string, Json>> members_;
};

// Limits that keep a hostile document from exhausting the tool.
constexpr size_t kMaxJsonBytes = size_t{256} << 20;
constexpr int kMaxJsonDepth = 64;

// Parses a whole document. On failure returns false with error set to a
// message naming the byte offset.
bool parseJson(const std::string& text, Json& out, std::string& error);

// Indented text; arrays of plain values stay on one line.
std::string writeJson(const Json& value);

}  // namespace vtafx
