#include "platform/memory.h"

#include <cstring>

#include "platform/heap.h"

namespace vta {

namespace {

int sign(int difference) { return (difference > 0) - (difference < 0); }

}  // namespace

void* allocate(size_t size) { return heapAllocate(size == 0 ? 1 : size); }

void release(void* p) {
  if (p != nullptr) {
    heapRelease(p);
  }
}

int compareBytes(const void* a, const void* b, size_t n) {
  if (a == nullptr || b == nullptr) {
    return 0;
  }
  const auto* x = static_cast<const unsigned char*>(a);
  const auto* y = static_cast<const unsigned char*>(b);
  for (size_t i = 0; i < n; ++i) {
    if (x[i] != y[i]) {
      return sign(x[i] - y[i]);
    }
  }
  return 0;
}

void* copyBytes(void* dst, const void* src, size_t n) {
  if (dst == nullptr || src == nullptr || n == 0) {
    return nullptr;
  }
  auto* to = static_cast<unsigned char*>(dst);
  const auto* from = static_cast<const unsigned char*>(src);
  for (size_t i = 0; i < n; ++i) {
    to[i] = from[i];
  }
  return dst;
}

void* fillBytes(void* dst, int value, size_t n) {
  if (dst == nullptr || n == 0) {
    return nullptr;
  }
  return std::memset(dst, value, n);
}

char* copyString(char* dst, const char* src) {
  if (dst == nullptr || src == nullptr) {
    return nullptr;
  }
  char* to = dst;
  while ((*to++ = *src++) != '\0') {
  }
  return dst;
}

char* appendString(char* dst, const char* src) {
  if (dst == nullptr || src == nullptr) {
    return nullptr;
  }
  copyString(dst + stringLength(dst), src);
  return dst;
}

int compareStrings(const char* a, const char* b) {
  if (a == nullptr || b == nullptr) {
    return 0;
  }
  while (*a == *b && *a != '\0') {
    ++a;
    ++b;
  }
  return sign(static_cast<signed char>(*a) - static_cast<signed char>(*b));
}

size_t stringLength(const char* s) {
  if (s == nullptr) {
    return 0;
  }
  size_t n = 0;
  while (s[n] != '\0') {
    ++n;
  }
  return n;
}

}  // namespace vta
