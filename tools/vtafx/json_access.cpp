#include "json_access.h"

#include <cerrno>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "curves/kb_spline.h"

namespace vtafx {

namespace {

[[noreturn]] void fail(const char* what, const char* expected) {
  throw BuildError(std::string("\"") + what + "\": expected " + expected);
}

bool bitsFromString(const std::string& text, float& out) {
  if (text.size() != 10 || text.compare(0, 2, "0x") != 0) return false;
  char* end = nullptr;
  const unsigned long bits = std::strtoul(text.c_str() + 2, &end, 16);
  if (*end != '\0') return false;
  const uint32_t word = static_cast<uint32_t>(bits);
  std::memcpy(&out, &word, sizeof out);
  return true;
}

}  // namespace

Json jsonF32(float value) {
  char text[32];
  if (std::isfinite(value)) {
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return Json::number(text);
  }
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  std::snprintf(text, sizeof text, "0x%08" PRIx32, bits);
  return Json::string(text);
}

Json jsonUint(uint64_t value) { return Json::number(std::to_string(value)); }

Json jsonText(const char* text) { return text ? Json::string(text) : Json(); }

Json jsonHex(const void* bytes, size_t size) {
  static const char kDigits[] = "0123456789abcdef";
  std::string text;
  text.reserve(size * 2);
  const auto* p = static_cast<const uint8_t*>(bytes);
  for (size_t i = 0; i < size; ++i) {
    text += kDigits[p[i] >> 4];
    text += kDigits[p[i] & 15];
  }
  return Json::string(std::move(text));
}

Json jsonF32Array(const float* values, size_t count) {
  Json array = Json::array();
  for (size_t i = 0; i < count; ++i) array.push(jsonF32(values[i]));
  return array;
}

const Json* optional(const Json& object, const char* key) { return object.find(key); }

const Json& required(const Json& object, const char* key) {
  const Json* found = object.find(key);
  if (!found) throw BuildError(std::string("missing \"") + key + "\"");
  return *found;
}

float readF32(const Json& value, const char* what) {
  float out = 0.0f;
  if (value.type() == Json::Type::kString && bitsFromString(value.text(), out)) return out;
  if (value.type() != Json::Type::kNumber) fail(what, "a number");
  errno = 0;
  out = std::strtof(value.text().c_str(), nullptr);
  if (errno == ERANGE && std::isinf(out)) fail(what, "a number within float range");
  return out;
}

float readTime(const Json& value, const char* what) {
  const std::string& text = value.text();
  if (value.type() == Json::Type::kString && !text.empty() && text.back() == '%') {
    char* end = nullptr;
    const long percent = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || end != text.c_str() + text.size() - 1 || percent < -100000 ||
        percent > 100000) {
      fail(what, "a time or a whole percentage \"N%\"");
    }
    return vta::keyTimeFromPercent(static_cast<int>(percent));
  }
  return readF32(value, what);
}

uint32_t readUint(const Json& value, const char* what, uint32_t max) {
  const std::string& text = value.text();
  if (value.type() != Json::Type::kNumber || text.empty() || text[0] == '-' ||
      text.find_first_of(".eE") != std::string::npos) {
    fail(what, "a whole number");
  }
  errno = 0;
  const unsigned long long n = std::strtoull(text.c_str(), nullptr, 10);
  if (errno == ERANGE || n > max) fail(what, ("a number up to " + std::to_string(max)).c_str());
  return static_cast<uint32_t>(n);
}

std::string readText(const Json& value, const char* what, size_t maxLength) {
  if (value.type() != Json::Type::kString) fail(what, "a string");
  if (value.text().size() > maxLength || value.text().find('\0') != std::string::npos) {
    fail(what, ("a text of at most " + std::to_string(maxLength) + " bytes without NUL").c_str());
  }
  return value.text();
}

std::vector<uint8_t> readHex(const Json& value, const char* what, size_t maxBytes) {
  const std::string& text = value.text();
  if (value.type() != Json::Type::kString || text.size() % 2 != 0 || text.size() / 2 > maxBytes) {
    fail(what, ("hex digits for at most " + std::to_string(maxBytes) + " bytes").c_str());
  }
  std::vector<uint8_t> bytes(text.size() / 2);
  for (size_t i = 0; i < bytes.size(); ++i) {
    char pair[3] = {text[2 * i], text[2 * i + 1], '\0'};
    char* end = nullptr;
    bytes[i] = static_cast<uint8_t>(std::strtoul(pair, &end, 16));
    if (end != pair + 2 || pair[0] == '-' || pair[0] == '+' || pair[0] == ' ')
      fail(what, "hex digits");
  }
  return bytes;
}

const std::vector<Json>& readArray(const Json& value, const char* what, size_t maxItems) {
  if (value.type() != Json::Type::kArray || value.items().size() > maxItems) {
    fail(what, ("an array of at most " + std::to_string(maxItems) + " items").c_str());
  }
  return value.items();
}

void readF32Array(const Json& value, const char* what, float* out, size_t count) {
  const std::vector<Json>& items = readArray(value, what, count);
  if (items.size() != count) fail(what, (std::to_string(count) + " numbers").c_str());
  for (size_t i = 0; i < count; ++i) out[i] = readF32(items[i], what);
}

float memberF32(const Json& object, const char* key, float fallback) {
  const Json* found = object.find(key);
  return found ? readF32(*found, key) : fallback;
}

uint32_t memberUint(const Json& object, const char* key, uint32_t max, uint32_t fallback) {
  const Json* found = object.find(key);
  return found ? readUint(*found, key, max) : fallback;
}

bool zeroBits(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits == 0;
}

}  // namespace vtafx
