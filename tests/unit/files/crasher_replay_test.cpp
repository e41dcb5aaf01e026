// Inputs that once made a fuzz target fail, kept in tests/crashers/<target>/,
// fed in every run to the entry that target fuzzes (tests/fuzz).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz_entries.h"

namespace vta {
namespace {

namespace fs = std::filesystem;

std::string bytesOf(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(CrasherReplay, EveryCrasherIsReadSafelyByItsTarget) {
  const fs::path root(VTA_CRASHERS_DIR);
  ASSERT_TRUE(fs::is_directory(root)) << root;
  int replayed = 0;
  for (const fs::directory_entry& folder : fs::directory_iterator(root)) {
    if (!folder.is_directory()) continue;
    const std::string target = folder.path().filename().string();
    const fuzz::Entry entry = fuzz::findEntry(target.c_str());
    ASSERT_NE(nullptr, entry) << "no fuzz target named " << target;
    for (const fs::directory_entry& file : fs::directory_iterator(folder)) {
      const std::string bytes = bytesOf(file.path());
      EXPECT_TRUE(entry(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()))
          << target << "/" << file.path().filename().string();
      ++replayed;
    }
  }
  EXPECT_GT(replayed, 0);
}

}  // namespace
}  // namespace vta
