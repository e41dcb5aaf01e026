#pragma once
// File-system queries that behave alike on Windows and POSIX systems.
//
// Installed content and presets name files the way Windows users typed them:
// backslashes and any mix of letter case. On POSIX systems these helpers map
// such names onto what is really on disk; on Windows the file system is
// already case-blind and paths pass through unchanged.

#include <string>
#include <vector>

namespace vta {

// POSIX: accepts '/' and '\\' as separators and returns the path with '/'.
// Each folder or file name that exists on disk only in a different letter
// case is replaced by the on-disk spelling; an exact match is preferred, and
// among several case variants the lowest in byte order is taken. A name that
// is not found keeps the given spelling, as do all names after it, so a path
// for a file yet to be created in an existing folder still resolves.
// Windows: returns the path unchanged. Null gives "".
std::string resolvePath(const char* path);

// True when path names an existing file (not a folder).
bool fileExists(const char* path);

// Names (without folder) of the regular files in folder whose names match
// pattern (see matchesPattern), sorted by byte value so every system lists
// them in the same order. The folder is found case-blindly. Empty when the
// folder cannot be read.
std::vector<std::string> listDirectory(const char* folder, const char* pattern);

// Case-blind wildcard match of a whole name: '*' matches any run of
// characters (also none), '?' exactly one; all other characters match
// themselves ignoring ASCII case. An empty pattern matches only an empty
// name. False when either argument is null.
bool matchesPattern(const char* name, const char* pattern);

}  // namespace vta
