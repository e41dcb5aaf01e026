// Reading and writing the entries of the scene field tables.
#include "scene_fields_json.h"

#include <cstring>

#include "curve_keys_json.h"
#include "json_access.h"

namespace vtafx {

namespace {

using vta::FieldLayout;
using vta::FieldTable;
using vta::FieldType;
using vta::loadField;
using vta::storeField;

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

void addField(const FieldLayout& field, const void* base, Json& out) {
  const auto* p = static_cast<const uint8_t*>(base) + field.offset;
  switch (field.type) {
    case FieldType::kF32: {
      const auto item = [&](uint32_t i) { return jsonF32(loadField<float>(base, field, i)); };
      out.add(field.name, valueOrArray(field.count, item));
      return;
    }
    case FieldType::kU16: {
      const auto item = [&](uint32_t i) { return jsonUint(loadField<uint16_t>(base, field, i)); };
      out.add(field.name, valueOrArray(field.count, item));
      return;
    }
    case FieldType::kU32: out.add(field.name, jsonUint(loadField<uint32_t>(base, field))); return;
    case FieldType::kBytes:
      if (!allZero(p, field.count)) out.add(field.name, jsonHex(p, field.count));
      return;
    case FieldType::kText:
      out.add(field.name,
              Json::string(std::string(reinterpret_cast<const char*>(p),
                                       strnlen(reinterpret_cast<const char*>(p), field.count))));
      return;
    case FieldType::kKey:
      out.add(field.name, pathKeyJson(loadField<vta::PathKey>(base, field)));
      return;
  }
}

// The values of a member holding one value or an array of count values.
const Json& nth(const Json& value, const FieldLayout& field, uint32_t i) {
  return field.count == 1 ? value : readArray(value, field.name, field.count).at(i);
}

void checkCount(const Json& value, const FieldLayout& field) {
  if (field.count > 1 && readArray(value, field.name, field.count).size() != field.count) {
    throw BuildError(std::string("\"") + field.name + "\": expected " +
                     std::to_string(field.count) + " values");
  }
}

void setField(const FieldLayout& field, const Json& value, void* base) {
  auto* p = static_cast<uint8_t*>(base) + field.offset;
  switch (field.type) {
    case FieldType::kF32:
      checkCount(value, field);
      for (uint32_t i = 0; i < field.count; ++i)
        storeField(base, field, readF32(nth(value, field, i), field.name), i);
      return;
    case FieldType::kU16:
      checkCount(value, field);
      for (uint32_t i = 0; i < field.count; ++i) {
        storeField(base, field,
                   static_cast<uint16_t>(readUint(nth(value, field, i), field.name, 0xFFFF)), i);
      }
      return;
    case FieldType::kU32: storeField(base, field, readUint(value, field.name)); return;
    case FieldType::kBytes: {
      const std::vector<uint8_t> bytes = readHex(value, field.name, field.count);
      if (bytes.size() != field.count)
        throw BuildError(std::string("\"") + field.name + "\": wrong byte count");
      std::memcpy(p, bytes.data(), bytes.size());
      return;
    }
    case FieldType::kText: {
      const std::string text = readText(value, field.name, field.count - 1);
      std::memset(p, 0, field.count);
      std::memcpy(p, text.data(), text.size());
      return;
    }
    case FieldType::kKey: storeField(base, field, pathKeyFromJson(value)); return;
  }
}

}  // namespace

void fieldsToJson(const FieldTable& table, const void* base, Json& out) {
  for (size_t i = 0; i < table.count; ++i) addField(table.fields[i], base, out);
}

void fieldsFromJson(const FieldTable& table, void* base, const Json& in) {
  for (size_t i = 0; i < table.count; ++i) {
    const FieldLayout& field = table.fields[i];
    if (const Json* value = in.find(field.name)) {
      setField(field, *value, base);
    } else if (field.type == FieldType::kKey) {
      setField(field, Json::object(), base);  // a resting placement at scale 1
    }
  }
}

}  // namespace vtafx
