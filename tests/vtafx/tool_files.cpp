#include "tool_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace vtafx {

CommandRun runCaptured(int (*command)(const std::vector<std::string>&),
                       const std::vector<std::string>& args) {
  testing::internal::CaptureStdout();
  const int code = command(args);
  return CommandRun{code, testing::internal::GetCapturedStdout()};
}

std::string samplesDir() { return VTA_SAMPLES_DIR; }

Json parsedJson(const std::string& text) {
  Json document;
  std::string error;
  EXPECT_TRUE(parseJson(text, document, error)) << error;
  return document;
}

std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace vtafx
