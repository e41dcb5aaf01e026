#pragma once
// Paths of installed files, built from the installation folder recorded in
// the settings store under "Path".

#include <cstdint>

namespace vta {

// Writes "<Path><sep><folder><sep><name>.<extension>" into buffer, where
// <sep> is kPathSeparator, and returns 1. Returns 0 when there is no "Path"
// setting, an argument is null, or the result and its NUL do not fit in size
// bytes; buffer then holds an empty string (when size > 0) and nothing is
// ever written past it.
int buildPath(char* buffer, uint32_t size, const char* folder,
              const char* name, const char* extension);

}  // namespace vta
