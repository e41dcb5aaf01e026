#include <cstring>

#include "json.h"

namespace vtafx {

namespace {

class Parser {
 public:
  explicit Parser(const std::string& text) : text_(text) {}

  bool document(Json& out, std::string& error) {
    if (text_.size() > kMaxJsonBytes) return fail(error, "document too large");
    skipSpace();
    if (!value(out, 0)) return fail(error, problem_);
    skipSpace();
    if (at_ != text_.size()) return fail(error, "text after the document");
    return true;
  }

 private:
  bool fail(std::string& error, const char* what) {
    error = std::string(what) + " at byte " + std::to_string(at_);
    return false;
  }
  bool problem(const char* what) {
    problem_ = what;
    return false;
  }
  bool more() const { return at_ < text_.size(); }
  char peek() const { return more() ? text_[at_] : '\0'; }
  void skipSpace() {
    while (more() && std::strchr(" \t\r\n", text_[at_]) != nullptr) ++at_;
  }
  bool literal(const char* word) {
    const size_t n = std::strlen(word);
    if (text_.compare(at_, n, word) != 0) return problem("unknown word");
    at_ += n;
    return true;
  }

  bool value(Json& out, int depth) {
    if (depth > kMaxJsonDepth) return problem("nesting too deep");
    switch (peek()) {
      case '{': return object(out, depth);
      case '[': return array(out, depth);
      case '"': {
        std::string s;
        if (!string(s)) return false;
        out = Json::string(std::move(s));
        return true;
      }
      case 't': out = Json::boolean(true); return literal("true");
      case 'f': out = Json::boolean(false); return literal("false");
      case 'n': out = Json(); return literal("null");
      default: return number(out);
    }
  }

  bool digits() {
    const size_t start = at_;
    while (more() && peek() >= '0' && peek() <= '9') ++at_;
    return at_ > start;
  }

  bool number(Json& out) {
    const size_t start = at_;
    if (peek() == '-') ++at_;
    if (!digits()) return problem("expected a value");
    if (peek() == '.') {
      ++at_;
      if (!digits()) return problem("bad number");
    }
    if (peek() == 'e' || peek() == 'E') {
      ++at_;
      if (peek() == '+' || peek() == '-') ++at_;
      if (!digits()) return problem("bad number");
    }
    out = Json::number(text_.substr(start, at_ - start));
    return true;
  }

  static int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }

  // \u00XX only: strings hold bytes.
  bool unicodeEscape(std::string& s) {
    if (text_.size() - at_ < 4) return problem("short escape");
    int code = 0;
    for (int i = 0; i < 4; ++i) {
      const int d = hexDigit(text_[at_ + i]);
      if (d < 0) return problem("bad escape");
      code = code * 16 + d;
    }
    if (code > 0xFF) return problem("escape above \\u00ff");
    s += static_cast<char>(code);
    at_ += 4;
    return true;
  }

  bool escape(std::string& s) {
    const char c = peek();
    ++at_;
    static const char kFrom[] = "\"\\/bfnrt";
    static const char kTo[] = "\"\\/\b\f\n\r\t";
    if (c == 'u') return unicodeEscape(s);
    const char* found = c ? std::strchr(kFrom, c) : nullptr;
    if (!found) return problem("bad escape");
    s += kTo[found - kFrom];
    return true;
  }

  bool string(std::string& s) {
    ++at_;  // opening quote
    while (more()) {
      const char c = text_[at_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return problem("control character in a string");
      if (c != '\\')
        s += c;
      else if (!escape(s))
        return false;
    }
    return problem("unterminated string");
  }

  bool array(Json& out, int depth) {
    ++at_;
    out = Json::array();
    skipSpace();
    if (peek() == ']') return ++at_, true;
    for (;;) {
      Json item;
      skipSpace();
      if (!value(item, depth + 1)) return false;
      out.push(std::move(item));
      skipSpace();
      if (peek() == ']') return ++at_, true;
      if (peek() != ',') return problem("expected ',' or ']'");
      ++at_;
    }
  }

  bool object(Json& out, int depth) {
    ++at_;
    out = Json::object();
    skipSpace();
    if (peek() == '}') return ++at_, true;
    for (;;) {
      std::string key;
      Json item;
      skipSpace();
      if (peek() != '"') return problem("expected a member name");
      if (!string(key)) return false;
      skipSpace();
      if (peek() != ':') return problem("expected ':'");
      ++at_;
      skipSpace();
      if (!value(item, depth + 1)) return false;
      out.add(std::move(key), std::move(item));
      skipSpace();
      if (peek() == '}') return ++at_, true;
      if (peek() != ',') return problem("expected ',' or '}'");
      ++at_;
    }
  }

  const std::string& text_;
  size_t at_ = 0;
  const char* problem_ = "bad document";
};

}  // namespace

bool parseJson(const std::string& text, Json& out, std::string& error) {
  return Parser(text).document(out, error);
}

}  // namespace vtafx
