#include <cstdio>

#include "json.h"

namespace vtafx {

namespace {

void writeString(std::string& out, const std::string& text) {
  out += '"';
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c >= 0x80) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    } else {
      out += static_cast<char>(c);
    }
  }
  out += '"';
}

bool isContainer(const Json& value) {
  return value.type() == Json::Type::kArray || value.type() == Json::Type::kObject;
}

bool holdsContainers(const Json& array) {
  for (const Json& item : array.items()) {
    if (isContainer(item)) return true;
  }
  return false;
}

void writeValue(std::string& out, const Json& value, int depth);

void newLine(std::string& out, int depth) {
  out += '\n';
  out.append(static_cast<size_t>(depth) * 2, ' ');
}

void writeArray(std::string& out, const Json& array, int depth) {
  const bool spread = holdsContainers(array);
  out += '[';
  bool first = true;
  for (const Json& item : array.items()) {
    if (!first) out += spread ? "," : ", ";
    if (spread) newLine(out, depth + 1);
    writeValue(out, item, depth + 1);
    first = false;
  }
  if (spread) newLine(out, depth);
  out += ']';
}

void writeObject(std::string& out, const Json& object, int depth) {
  out += '{';
  bool first = true;
  for (const auto& member : object.members()) {
    if (!first) out += ',';
    newLine(out, depth + 1);
    writeString(out, member.first);
    out += ": ";
    writeValue(out, member.second, depth + 1);
    first = false;
  }
  if (!first) newLine(out, depth);
  out += '}';
}

void writeValue(std::string& out, const Json& value, int depth) {
  switch (value.type()) {
    case Json::Type::kNull: out += "null"; break;
    case Json::Type::kBool: out += value.asBool() ? "true" : "false"; break;
    case Json::Type::kNumber: out += value.text(); break;
    case Json::Type::kString: writeString(out, value.text()); break;
    case Json::Type::kArray: writeArray(out, value, depth); break;
    case Json::Type::kObject: writeObject(out, value, depth); break;
  }
}

}  // namespace

std::string writeJson(const Json& value) {
  std::string out;
  writeValue(out, value, 0);
  out += '\n';
  return out;
}

}  // namespace vtafx
