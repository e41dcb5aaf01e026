// Each Windows module carries its own copy of the C++ runtime. The library
// loads and unloads the renderer for every preview engine it makes, and a
// host may unload the library: each unload must give back what the module's
// runtime took when it was loaded.
#include <windows.h>
#include <malloc.h>

#include <gtest/gtest.h>

namespace {

constexpr int kLoads = 20;
// A runtime that keeps its exception reserve leaves about 73 KB (x86_64)
// per load; the bound leaves room for the loader's own bookkeeping.
constexpr long long kBoundBytes = 16 * 1024;

// Bytes in use in the C runtime's heap, which every module's runtime uses.
long long heapInUse() {
  _HEAPINFO entry = {};
  long long total = 0;
  while (_heapwalk(&entry) == _HEAPOK) {
    if (entry._useflag == _USEDENTRY) total += static_cast<long long>(entry._size);
  }
  return total;
}

// Growth of the heap over kLoads loads and unloads of the module at path,
// after a first one (the loader keeps some records of a module it has seen).
long long growthOverLoads(const char* path) {
  HMODULE first = LoadLibraryA(path);
  if (!first) return -1;
  FreeLibrary(first);
  const long long before = heapInUse();
  for (int i = 0; i < kLoads; ++i) FreeLibrary(LoadLibraryA(path));
  return heapInUse() - before;
}

TEST(ModuleUnload, TheRendererGivesBackWhatItsRuntimeTook) {
  const long long growth = growthOverLoads(RND_SOFTWARE_PATH);
  ASSERT_GE(growth, -kBoundBytes) << "the renderer did not load";
  EXPECT_LT(growth, kBoundBytes);
}

TEST(ModuleUnload, TheLibraryGivesBackWhatItsRuntimeTook) {
  const long long growth = growthOverLoads(VANTARO30_PATH);
  ASSERT_GE(growth, -kBoundBytes) << "the library did not load";
  EXPECT_LT(growth, kBoundBytes);
}

}  // namespace
