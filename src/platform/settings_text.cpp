#include "platform/settings_text.h"

#include <cstring>
#include <strings.h>

namespace vta {

namespace {

// Splits a line into name, type and value.
// Returns false for lines not of the form "<name>=<type>:<value>".
bool parseLine(const std::string& line, std::string& name, char& type, std::string& value) {
  size_t equals = line.find('=');
  if (equals == std::string::npos || line.size() - equals < 3 || line[equals + 2] != ':') {
    return false;
  }
  name.assign(line, 0, equals);
  type = line[equals + 1];
  value.assign(line, equals + 3, std::string::npos);
  return type == kSettingsText || type == kSettingsNumber;
}

// Calls visit(line) for each line, without its line break (a "\r\n" break
// counts as one).
template <typename Visit>
void forEachLine(const std::string& content, Visit visit) {
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    size_t next = end == std::string::npos ? content.size() : end + 1;
    if (end == std::string::npos) {
      end = content.size();
    }
    if (end > start && content[end - 1] == '\r') {
      --end;
    }
    visit(content.substr(start, end - start));
    start = next;
  }
}

bool namesLine(const std::string& line, const char* name) {
  std::string lineName, value;
  char type;
  return parseLine(line, lineName, type, value) && strcasecmp(lineName.c_str(), name) == 0;
}

}  // namespace

bool findSettingsValue(const std::string& content, const char* name, char type,
                       std::string& value) {
  bool found = false;
  forEachLine(content, [&](const std::string& line) {
    std::string lineName, lineValue;
    char lineType;
    if (!found && parseLine(line, lineName, lineType, lineValue) && lineType == type &&
        strcasecmp(lineName.c_str(), name) == 0) {
      value = lineValue;
      found = true;
    }
  });
  return found;
}

bool canStoreSettingsValue(const char* name, const char* value) {
  return name != nullptr && value != nullptr && std::strpbrk(name, "=\r\n") == nullptr &&
         std::strpbrk(value, "\r\n") == nullptr;
}

std::string storeSettingsValue(const std::string& content, const char* name, char type,
                               const std::string& value) {
  std::string entry = std::string(name) + '=' + type + ':' + value + '\n';
  std::string result;
  bool stored = false;
  forEachLine(content, [&](const std::string& line) {
    if (!namesLine(line, name)) {
      result += line + '\n';
    } else if (!stored) {
      result += entry;
      stored = true;
    }
  });
  return stored ? result : result + entry;
}

}  // namespace vta
