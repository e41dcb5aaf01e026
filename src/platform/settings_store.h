#pragma once
// Library-wide settings: named string and number values under one key.
//
// Windows keeps them in the registry under HKEY_LOCAL_MACHINE\<key path>.
// Each call opens the key for that single operation and closes it again.
//
// POSIX systems keep them in a text file:
//   - the file named by the environment variable VANTARO_SETTINGS, if set;
//   - else $XDG_CONFIG_HOME/vantaro/<key path>.ini, the key path's
//     backslashes turned into '/';
//   - else $HOME/.config/vantaro/<key path>.ini.
// One value per line, "<name>=s:<text>" for strings and "<name>=d:<decimal>"
// for numbers, for example
//   Path=s:/opt/vantaro
//   Effect_Count=d:12
// Names are matched ignoring ASCII case, as registry value names are. Lines
// that do not follow this form are ignored when reading and kept untouched
// when writing. A value read with the other type's accessor counts as
// missing. The file is read on every call; a write rewrites it through a
// temporary file in the same folder, renamed over the old one, and creates
// missing folders. Names containing '=' and any name or text containing a
// line break cannot be stored.

#include <cstdint>

namespace vta {

// The key path the library uses by default.
extern const char kRegistryRoot[];  // "Software\\Corvane\\Vantaro\\3.0"

// Chooses the key path for all later calls, library-wide. Paths longer than
// 255 characters are cut to 255; null is taken as "". Returns 1.
int setRegistryKey(const char* path);

// The key path in use; kRegistryRoot until setRegistryKey() is called.
const char* registryKeyPath();

// The number stored under name, or 0 when the key cannot be opened or the
// value is missing.
uint32_t readRegistryDword(const char* name);

// Copies the text stored under name into buffer and returns 1. Returns 0 when
// the key cannot be opened, the value is missing, or the text and its NUL do
// not fit in size bytes. Never writes past buffer; on success the text is
// always NUL-terminated.
int readRegistryString(char* buffer, uint32_t size, const char* name);

// Stores text (as strlen(text) + 1 bytes, NUL included) under name, creating
// the key when missing. Returns 1, or 0 on failure.
int writeRegistryString(const char* name, const char* text);

// Stores a number under name, creating the key when missing. Returns 1, or 0
// on failure.
int writeRegistryDword(const char* name, uint32_t value);

}  // namespace vta
