#pragma once
// Checks a file against its format and the library's limits.

#include <cstdint>
#include <string>
#include <vector>

namespace vtafx {

struct Problem {
  uint64_t offset;  // of the chunk (or of the damage) in the file
  uint32_t tag;     // 0 when the problem belongs to no chunk
  std::string message;
};

std::vector<Problem> validateFile(const char* path);

// "<file>:<offset>: <tag or ->: <message>"
std::string formatProblem(const std::string& file, const Problem& problem);

}  // namespace vtafx
