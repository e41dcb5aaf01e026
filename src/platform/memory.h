#pragma once
// Memory and C-string services used throughout the library.
//
// Every function tolerates null pointers, so callers holding optional buffers
// need no checks of their own. Blocks come from the process heap and are
// always zero-filled.

#include <cstddef>

namespace vta {

// Returns a zero-filled block of `size` bytes, or null when memory runs out.
// A request for 0 bytes still returns a distinct, valid one-byte block, so a
// non-null result always means "allocated" and must be passed to release().
void* allocate(size_t size);

// Returns a block from allocate() to the heap. Null is ignored.
void release(void* p);

// Compares up to n bytes as unsigned values. Returns -1, 0 or 1; 0 when
// either pointer is null or n is 0.
int compareBytes(const void* a, const void* b, size_t n);

// Copies n bytes one at a time from the first byte upward (so an overlapping
// copy to a higher address repeats the leading bytes) and returns dst.
// Copies nothing and returns null when either pointer is null or n is 0.
void* copyBytes(void* dst, const void* src, size_t n);

// Sets n bytes to (unsigned char)value and returns dst; null when dst is null
// or n is 0.
void* fillBytes(void* dst, int value, size_t n);

// Copies src including its NUL and returns dst; null when either is null.
char* copyString(char* dst, const char* src);

// Appends src to the string in dst and returns dst; null when either is null.
char* appendString(char* dst, const char* src);

// Compares bytes as signed char values up to the first difference or NUL, so
// a byte of 0x80 or above sorts before plain ASCII. Returns -1, 0 or 1; 0
// (equal) when either pointer is null.
int compareStrings(const char* a, const char* b);

// Length of s without its NUL; 0 for null.
size_t stringLength(const char* s);

}  // namespace vta
