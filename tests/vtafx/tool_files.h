#pragma once
// Helpers for the vtafx tests: files in a temporary folder and the commands
// run with their output captured.

#include <string>
#include <vector>

#include "json.h"
#include "temp_folder.h"

namespace vtafx {

// Runs a command function with stdout captured.
struct CommandRun {
  int code;
  std::string out;
};
CommandRun runCaptured(int (*command)(const std::vector<std::string>&),
                       const std::vector<std::string>& args);

// The sample sources in the repository.
std::string samplesDir();

std::string readBytes(const std::string& path);

// The document text holds; a text that does not parse fails the test.
Json parsedJson(const std::string& text);

}  // namespace vtafx
