// Reading and writing the entries of the scene field tables.
#include <cstring>

#include "curve_keys_json.h"
#include "json_access.h"
#include "curves/path_key.h"
#include "scene_fields.h"

namespace vtafx {

namespace {

float floatAt(const uint8_t* p) {
  float v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

uint16_t u16At(const uint8_t* p) {
  uint16_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

bool allZero(const uint8_t* p, size_t n) {
  for (size_t i = 0; i < n; ++i) {
    if (p[i]) return false;
  }
  return true;
}

// One value or an array of count values made by make(i).
template <class Make>
Json valueOrArray(uint32_t count, Make make) {
  if (count == 1) return make(0);
  Json array = Json::array();
  for (uint32_t i = 0; i < count; ++i) array.push(make(i));
  return array;
}

void addField(const FieldLayout& field, const uint8_t* p, Json& out) {
  switch (field.type) {
    case FieldType::kF32:
      out.add(field.name, valueOrArray(field.count, [p](uint32_t i) { return jsonF32(floatAt(p + 4 * i)); }));
      return;
    case FieldType::kU16:
      out.add(field.name, valueOrArray(field.count, [p](uint32_t i) { return jsonUint(u16At(p + 2 * i)); }));
      return;
    case FieldType::kU32: {
      uint32_t v;
      std::memcpy(&v, p, sizeof v);
      out.add(field.name, jsonUint(v));
      return;
    }
    case FieldType::kBytes:
      if (!allZero(p, field.count)) out.add(field.name, jsonHex(p, field.count));
      return;
    case FieldType::kText:
      out.add(field.name, Json::string(std::string(reinterpret_cast<const char*>(p),
                                                  strnlen(reinterpret_cast<const char*>(p), field.count))));
      return;
    case FieldType::kKey: {
      vta::PathKey key;
      std::memcpy(&key, p, sizeof key);
      out.add(field.name, pathKeyJson(key));
      return;
    }
  }
}

// The values of a member holding one value or an array of count values.
const Json& nth(const Json& value, const FieldLayout& field, uint32_t i) {
  return field.count == 1 ? value : readArray(value, field.name, field.count).at(i);
}

void checkCount(const Json& value, const FieldLayout& field) {
  if (field.count > 1 && readArray(value, field.name, field.count).size() != field.count) {
    throw BuildError(std::string("\"") + field.name + "\": expected " + std::to_string(field.count) + " values");
  }
}

void setField(const FieldLayout& field, const Json& value, uint8_t* p) {
  switch (field.type) {
    case FieldType::kF32:
      checkCount(value, field);
      for (uint32_t i = 0; i < field.count; ++i) {
        const float v = readF32(nth(value, field, i), field.name);
        std::memcpy(p + 4 * i, &v, sizeof v);
      }
      return;
    case FieldType::kU16:
      checkCount(value, field);
      for (uint32_t i = 0; i < field.count; ++i) {
        const auto v = static_cast<uint16_t>(readUint(nth(value, field, i), field.name, 0xFFFF));
        std::memcpy(p + 2 * i, &v, sizeof v);
      }
      return;
    case FieldType::kU32: {
      const uint32_t v = readUint(value, field.name);
      std::memcpy(p, &v, sizeof v);
      return;
    }
    case FieldType::kBytes: {
      const std::vector<uint8_t> bytes = readHex(value, field.name, field.count);
      if (bytes.size() != field.count) throw BuildError(std::string("\"") + field.name + "\": wrong byte count");
      std::memcpy(p, bytes.data(), bytes.size());
      return;
    }
    case FieldType::kText: {
      const std::string text = readText(value, field.name, field.count - 1);
      std::memset(p, 0, field.count);
      std::memcpy(p, text.data(), text.size());
      return;
    }
    case FieldType::kKey: {
      const vta::PathKey key = pathKeyFromJson(value);
      std::memcpy(p, &key, sizeof key);
      return;
    }
  }
}

}  // namespace

void fieldsToJson(const FieldTable& table, const void* base, Json& out) {
  for (size_t i = 0; i < table.count; ++i) {
    const FieldLayout& field = table.fields[i];
    addField(field, static_cast<const uint8_t*>(base) + field.offset, out);
  }
}

void fieldsFromJson(const FieldTable& table, void* base, const Json& in) {
  for (size_t i = 0; i < table.count; ++i) {
    const FieldLayout& field = table.fields[i];
    uint8_t* p = static_cast<uint8_t*>(base) + field.offset;
    if (const Json* value = in.find(field.name)) {
      setField(field, *value, p);
    } else if (field.type == FieldType::kKey) {
      setField(field, Json::object(), p);  // a resting placement at scale 1
    }
  }
}

}  // namespace vtafx
