#pragma once
// Paths of installed files, built from the installation folder recorded in
// the settings store under "Path".

#include <cstdint>

namespace vta {

// Size of every buffer that holds the path of an installed file: the longest
// path Windows opens by its plain file functions (MAX_PATH).
constexpr uint32_t kInstallPathSize = 260;

// Writes "<Path><sep><folder><sep><name>.<extension>" into buffer, where
// <sep> is kPathSeparator, and returns 1. Returns 0 when there is no "Path"
// setting, an argument is null, name is not a plain file name (see below),
// or the result and its NUL do not fit in size bytes; buffer then holds an
// empty string (when size > 0) and nothing is ever written past it. Names
// come from files and records, so one that could reach outside folder is
// treated as missing.
int buildPath(char* buffer, uint32_t size, const char* folder, const char* name,
              const char* extension);

// As buildPath, for a search pattern: name may also hold the wildcards * and ?.
int buildSearchPattern(char* buffer, uint32_t size, const char* folder, const char* pattern,
                       const char* extension);

// A plain file name: not empty, not "." or "..", no path separator, no
// drive colon and no character Windows forbids in names (< > " | ? * and
// control characters). With wildcards, * and ? are allowed.
bool isPlainFileName(const char* name, bool wildcards = false);

}  // namespace vta
