#include "record_listing.h"

#include <cstdio>
#include <cstring>

namespace vta {
namespace {

const char* const kKindNames[kComponentKindCount] = {"cameras", "lights",    "objects", "surfaces",
                                                     "paths",   "envelopes", "warps"};

std::string line(const char* format, double value, int index) {
  char text[96];
  std::snprintf(text, sizeof text, format, index, value);
  return text;
}

std::string listOptions(const EffectSettings& record) {
  std::string text;
  for (int i = 0; i < kGlobalParamCount; ++i) {
    if (record.globalParams[i] != 0.0f)
      text += line("  option %d = %g\r\n", record.globalParams[i], i);
  }
  for (int n = 0; n < kObjectEntryCount; ++n) {
    for (int k = 0; k < kObjectParamCount; ++k) {
      const float value = record.objectParams[n][k];
      if (value != 0.0f) text += line("  object option %d = %g\r\n", value, 100 * (n + 1) + k);
    }
  }
  return text.empty() ? "  (all options are 0)\r\n" : text;
}

std::string listComponents(const EffectDescription& description) {
  std::string text;
  for (int kind = 0; kind < kComponentKindCount; ++kind) {
    const ComponentList& list = description.lists[kind];
    if (list.count == 0) continue;
    text += "  " + std::to_string(list.count) + " " + kKindNames[kind] + ":";
    for (const EffectComponent* member = list.head; member; member = member->next) {
      text += " #" + std::to_string(member->id);
    }
    text += "\r\n";
  }
  return text.empty() ? "  (none)\r\n" : text;
}

}  // namespace

std::string describeRecord(const EffectSettings& record) {
  std::string name(record.effectName, strnlen(record.effectName, sizeof record.effectName));
  return "Effect: " + (name.empty() ? std::string("(none chosen)") : name) +
         "\r\n\r\nOptions:\r\n" + listOptions(record) + "\r\nComponents:\r\n" +
         listComponents(record.description);
}

}  // namespace vta
