#include "platform/settings_store.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>

#include "platform/safe_save.h"
#include "platform/settings_text.h"

namespace vta {

namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

// Where the settings live; "" when no location can be worked out.
std::string settingsPath() {
  std::string path = environment("VANTARO_SETTINGS");
  if (!path.empty()) {
    return path;
  }
  std::string base = environment("XDG_CONFIG_HOME");
  if (base.empty()) {
    std::string home = environment("HOME");
    if (home.empty()) {
      return std::string();
    }
    base = home + "/.config";
  }
  std::string key = registryKeyPath();
  for (char& c : key) {
    c = c == '\\' ? '/' : c;
  }
  return base + "/vantaro/" + key + ".ini";
}

bool readSettings(const std::string& path, std::string& content) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  content = text.str();
  return true;
}

// Creates every missing folder above path.
bool makeParentFolders(const std::string& path) {
  for (size_t slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    std::string folder = path.substr(0, slash);
    if (mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
      return false;
    }
  }
  return true;
}

bool replaceSettings(const std::string& path, const std::string& content) {
  return makeParentFolders(path) && saveFile(path.c_str(), content.data(), content.size());
}

bool readValue(const char* name, char type, std::string& value) {
  std::string path = settingsPath();
  std::string content;
  return name != nullptr && !path.empty() && readSettings(path, content) &&
         findSettingsValue(content, name, type, value);
}

int writeValue(const char* name, char type, const std::string& value) {
  std::string path = settingsPath();
  if (path.empty() || !canStoreSettingsValue(name, value.c_str())) {
    return 0;
  }
  std::string content;
  readSettings(path, content);  // a missing file is simply empty
  return replaceSettings(path, storeSettingsValue(content, name, type, value)) ? 1 : 0;
}

// Parses a plain decimal u32; false for anything else.
bool parseNumber(const std::string& text, uint32_t& number) {
  if (text.empty()) {
    return false;
  }
  uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') {
      return false;
    }
    value = value * 10 + static_cast<uint64_t>(c - '0');
    if (value > 0xFFFFFFFFu) {
      return false;
    }
  }
  number = static_cast<uint32_t>(value);
  return true;
}

}  // namespace

uint32_t readRegistryDword(const char* name) {
  std::string text;
  uint32_t number = 0;
  if (!readValue(name, kSettingsNumber, text) || !parseNumber(text, number)) {
    return 0;
  }
  return number;
}

int readRegistryString(char* buffer, uint32_t size, const char* name) {
  std::string text;
  if (buffer == nullptr || !readValue(name, kSettingsText, text) || text.size() >= size) {
    return 0;
  }
  text.copy(buffer, text.size());
  buffer[text.size()] = '\0';
  return 1;
}

int writeRegistryString(const char* name, const char* text) {
  if (text == nullptr) {
    return 0;
  }
  return writeValue(name, kSettingsText, text);
}

int writeRegistryDword(const char* name, uint32_t value) {
  return writeValue(name, kSettingsNumber, std::to_string(value));
}

}  // namespace vta
