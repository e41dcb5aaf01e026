#pragma once
// The line format of the POSIX settings file (described in settings_store.h):
// finding a value in the file's text and replacing or adding one.

#include <string>

namespace vta {

// Value types as written after '=': 's' text, 'd' decimal number.
constexpr char kSettingsText = 's';
constexpr char kSettingsNumber = 'd';

// Finds the first line storing name with the given type and puts its text in
// value. False when there is none.
bool findSettingsValue(const std::string& content, const char* name, char type, std::string& value);

// Whether name and value can be stored: no line breaks, no '=' in the name.
bool canStoreSettingsValue(const char* name, const char* value);

// content with every line storing name (of any type) replaced by a single
// line holding the new value, in the place of the first; appended at the end
// when there was none. Other lines are kept as they are.
std::string storeSettingsValue(const std::string& content, const char* name, char type,
                               const std::string& value);

}  // namespace vta
