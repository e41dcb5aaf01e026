#include "model/owned_text.h"

#include "platform/memory.h"

namespace vta {

char* duplicateText(const char* text) {
  if (!text) return nullptr;
  const size_t size = stringLength(text) + 1;
  auto* copy = static_cast<char*>(allocate(size));
  if (copy) copyBytes(copy, text, size);
  return copy;
}

void replaceText(char*& slot, const char* text) {
  char* copy = duplicateText(text);
  release(slot);
  slot = copy;
}

void copyTextOut(char* buffer, unsigned size, const char* text) {
  if (!buffer || size == 0) return;
  unsigned i = 0;
  for (; text && text[i] && i + 1 < size; ++i) buffer[i] = text[i];
  buffer[i] = '\0';
}

}  // namespace vta
