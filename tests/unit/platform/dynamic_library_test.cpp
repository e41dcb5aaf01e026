#include "platform/dynamic_library.h"

#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace vta {
namespace {

using AnswerFunction = int (*)();

// The test module is built beside this program. On POSIX systems its path
// is opened with the file name's letter case changed, which only works
// through the case-blind lookup.
#ifdef _WIN32
const std::string kModule = VTA_TEST_MODULE_NAME;
#else
std::string moduleWithOtherCase() {
  std::string path = VTA_TEST_MODULE_PATH;
  for (size_t i = path.rfind('/') + 1; i < path.size(); ++i) {
    path[i] = static_cast<char>(toupper(static_cast<unsigned char>(path[i])));
  }
  return path;
}
const std::string kModule = moduleWithOtherCase();
#endif

TEST(DynamicLibrary, OpensModulesAndSystemLibrariesFindsSymbolsAndMovesOwnership) {
  DynamicLibrary library;
  ASSERT_TRUE(library.open(kModule.c_str())) << kModule;
  EXPECT_TRUE(library.isOpen());
  auto answer = reinterpret_cast<AnswerFunction>(library.symbol("vtaTestAnswer"));
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answer(), 42);
  EXPECT_EQ(library.symbol("vtaNoSuchSymbol"), nullptr);
  EXPECT_EQ(library.symbol(nullptr), nullptr);
  library.close();
  EXPECT_FALSE(library.isOpen());
  EXPECT_EQ(library.symbol("vtaTestAnswer"), nullptr);

  // Moving transfers the ownership.
  DynamicLibrary first;
  ASSERT_TRUE(first.open(kModule.c_str()));
  DynamicLibrary second(std::move(first));
  EXPECT_FALSE(first.isOpen());
  ASSERT_TRUE(second.isOpen());
  DynamicLibrary third;
  third = std::move(second);
  EXPECT_FALSE(second.isOpen());
  EXPECT_NE(third.symbol("vtaTestAnswer"), nullptr);

  // A system library opens by its name alone; a missing one fails.
  DynamicLibrary system;
#ifdef _WIN32
  ASSERT_TRUE(system.open("kernel32.dll"));
  EXPECT_NE(system.symbol("GetTickCount"), nullptr);
#else
  ASSERT_TRUE(system.open("libm.so.6"));
  EXPECT_NE(system.symbol("cos"), nullptr);
#endif
  EXPECT_FALSE(system.open("vta_no_such_library.dll"));
  EXPECT_FALSE(system.open(nullptr));
  EXPECT_FALSE(system.isOpen());
  EXPECT_EQ(system.symbol("GetTickCount"), nullptr);
}

}  // namespace
}  // namespace vta
