// Each Windows module carries its own copy of the C++ runtime. The library
// loads and unloads the renderer for every preview engine it makes, and a
// host may unload the library: each unload must give back what the module's
// runtime took when it was loaded.
#include <windows.h>
#include <malloc.h>

#include <gtest/gtest.h>

#include "process_figures.h"

namespace {

constexpr int kLoads = 20;
// A runtime that keeps its exception reserve leaves about 73 KB (x86_64)
// per load, one that keeps its record of the loading thread two handles
// (i686); the bounds leave room for the loader's own bookkeeping.
constexpr long long kBoundBytes = 16 * 1024;
constexpr int kBoundHandles = 4;

// Bytes in use in the C runtime's heap, which every module's runtime uses.
long long heapInUse() {
  _HEAPINFO entry = {};
  long long total = 0;
  while (_heapwalk(&entry) == _HEAPOK) {
    if (entry._useflag == _USEDENTRY) total += static_cast<long long>(entry._size);
  }
  return total;
}

int openHandles() { return static_cast<int>(vta::test::countKernelHandles()); }

struct Growth {
  bool loaded;
  long long heapBytes;
  int handles;
};

// Growth over kLoads loads and unloads of the module at path, after a first
// one (the loader keeps some records of a module it has seen).
Growth growthOverLoads(const char* path) {
  HMODULE first = LoadLibraryA(path);
  if (!first) return {false, 0, 0};
  FreeLibrary(first);
  const long long heapBefore = heapInUse();
  const int handlesBefore = openHandles();
  for (int i = 0; i < kLoads; ++i) FreeLibrary(LoadLibraryA(path));
  return {true, heapInUse() - heapBefore, openHandles() - handlesBefore};
}

// Video for Windows, which the renderer imports for mapped clips, stays
// loaded for the whole test: under Wine, unloading and loading it again
// opens handles of its own that are not the renderer's.
TEST(ModuleUnload, TheRendererGivesBackWhatItsRuntimeTook) {
  ASSERT_NE(nullptr, LoadLibraryA("avifil32.dll"));
  const Growth growth = growthOverLoads(RND_SOFTWARE_PATH);
  ASSERT_TRUE(growth.loaded);
  EXPECT_LT(growth.heapBytes, kBoundBytes);
  EXPECT_LT(growth.handles, kBoundHandles);
}

// The library's handles are not checked: under Wine, loading the system
// modules it imports (common controls and dialogs, video) opens handles
// that unloading them again does not close.
TEST(ModuleUnload, TheLibraryGivesBackWhatItsRuntimeTook) {
  const Growth growth = growthOverLoads(VANTARO30_PATH);
  ASSERT_TRUE(growth.loaded);
  EXPECT_LT(growth.heapBytes, kBoundBytes);
}

}  // namespace
