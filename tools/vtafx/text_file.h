#pragma once
// Whole text files in and out.

#include <cstddef>
#include <string>

namespace vtafx {

// False when the file cannot be read or is larger than maxBytes.
bool readTextFile(const std::string& path, std::string& out, size_t maxBytes);
// Saves through SafeSave: the previous file stays whole when this fails.
bool writeTextFile(const std::string& path, const std::string& text);

}  // namespace vtafx
