#include "platform/file_system.h"

namespace vta {

namespace {

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameLetter(char a, char b) { return lowerAscii(a) == lowerAscii(b); }

}  // namespace

bool matchesPattern(const char* name, const char* pattern) {
  if (name == nullptr || pattern == nullptr) {
    return false;
  }
  // Greedy scan that remembers the last '*': on a mismatch, let that star
  // swallow one more character and retry from just after it.
  const char* star = nullptr;
  const char* resume = nullptr;
  while (*name != '\0') {
    if (*pattern == '*') {
      star = pattern++;
      resume = name;
    } else if (*pattern == '?' || (*pattern != '\0' && sameLetter(*pattern, *name))) {
      ++pattern;
      ++name;
    } else if (star != nullptr) {
      pattern = star + 1;
      name = ++resume;
    } else {
      return false;
    }
  }
  while (*pattern == '*') {
    ++pattern;
  }
  return *pattern == '\0';
}

}  // namespace vta
