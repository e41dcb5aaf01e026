#include "record_json.h"

#include <cstring>

#include "component_json.h"
#include "json_access.h"
#include "record_names.h"

namespace vtafx {

namespace {

// The name up to its NUL; "effectNameRest" keeps the bytes after the NUL
// when they are not all zero, so a record is stored back byte for byte.
void addName(const vta::EffectSettings& record, Json& out) {
  const size_t length = strnlen(record.effectName, vta::kEffectNameSize - 1);
  out.add("effectName", Json::string(std::string(record.effectName, length)));
  const char* rest = record.effectName + length + 1;
  const size_t restSize = vta::kEffectNameSize - length - 1;
  for (size_t i = 0; i < restSize; ++i) {
    if (rest[i]) {
      out.add("effectNameRest", jsonHex(rest, restSize));
      break;
    }
  }
}

void readName(const Json& in, vta::EffectSettings& record) {
  const Json* value = optional(in, "effectName");
  const std::string name = value ? readText(*value, "effectName", vta::kEffectNameSize - 1) : "";
  std::memset(record.effectName, 0, sizeof record.effectName);
  std::memcpy(record.effectName, name.data(), name.size());
  if (const Json* rest = optional(in, "effectNameRest")) {
    const std::vector<uint8_t> bytes =
        readHex(*rest, "effectNameRest", vta::kEffectNameSize - name.size() - 1);
    std::memcpy(record.effectName + name.size() + 1, bytes.data(), bytes.size());
  }
}

Json namedReals(const float* values, const char* const* names, int count) {
  Json out = Json::object();
  for (int i = 0; i < count; ++i) out.add(names[i], jsonF32(values[i]));
  return out;
}

void readNamedReals(const Json& in, float* values, const char* const* names, int count) {
  for (int i = 0; i < count; ++i) values[i] = memberF32(in, names[i]);
}

}  // namespace

void addRecordJson(const vta::EffectSettings& record, Json& out) {
  addName(record, out);
  out.add("padding", jsonHex(record.padding, sizeof record.padding));
  out.add("globals", namedReals(record.globalParams, kGlobalNames, vta::kGlobalParamCount));
  Json objects = Json::array();
  for (const auto& entry : record.objectParams) {
    objects.push(namedReals(entry, kObjectOptionNames, vta::kObjectParamCount));
  }
  out.add("objectOptions", std::move(objects));
  addComponentLists(record.description, out);
}

void recordFromJson(const Json& in, vta::EffectSettings& record) {
  readName(in, record);
  if (const Json* padding = optional(in, "padding")) {
    const std::vector<uint8_t> bytes = readHex(*padding, "padding", sizeof record.padding);
    std::memcpy(record.padding, bytes.data(), bytes.size());
  }
  if (const Json* globals = optional(in, "globals")) {
    readNamedReals(*globals, record.globalParams, kGlobalNames, vta::kGlobalParamCount);
  }
  if (const Json* objects = optional(in, "objectOptions")) {
    const std::vector<Json>& entries = readArray(*objects, "objectOptions", vta::kObjectEntryCount);
    for (size_t n = 0; n < entries.size(); ++n) {
      readNamedReals(entries[n], record.objectParams[n], kObjectOptionNames,
                     vta::kObjectParamCount);
    }
  }
  readComponentLists(in, record.description);
}

}  // namespace vtafx
