#include "model/files/effect_search.h"

#include <cstdio>

#include "model/files/effect_file.h"
#include "platform/byte_order.h"

namespace vta {
namespace {

std::string folded(const char* text) {
  std::string result = text ? text : "";
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

}  // namespace

void EffectSearch::add(const char* name, const char* title, const char* text) {
  for (const Entry& entry : effects_) {
    if (entry.name == name) return;
  }
  // A line break between the parts, so no match spans two of them.
  effects_.push_back({name, folded(name) + "\n" + folded(title) + "\n" + folded(text)});
}

void EffectSearch::addGroups(const EffectGroupList& groups) {
  EffectDescription texts;
  for (int i = 0; i < groups.groupCount(); ++i) {
    for (int j = 0; j < groups.itemCount(i); ++j) {
      const char* name = groups.itemName(i, j);
      loadDescription(texts, name, fourCC("IMG0"));
      add(name, texts.title, texts.text);
    }
  }
}

int EffectSearch::find(const char* query, EffectGroup& results) const {
  results.itemCount = 0;
  const std::string wanted = folded(query);
  if (wanted.empty()) return 0;
  int matches = 0;
  for (const Entry& entry : effects_) {
    if (entry.foldedWords.find(wanted) == std::string::npos) continue;
    if (results.itemCount < kMaxGroupItems) {
      std::snprintf(results.items[results.itemCount++], kGroupNameSize, "%s", entry.name.c_str());
    }
    ++matches;
  }
  return matches;
}

}  // namespace vta
