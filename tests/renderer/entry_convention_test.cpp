// The plug-ins' entries use the calling convention of include/vantaro
// (VTA_CALL: __stdcall on 32-bit Windows, where the callee removes its
// arguments from the stack). The headers only declare pointer types for the
// entries, so an entry defined without VTA_CALL still compiles and exports
// under its plain name; GCC-built callers that address their locals through
// the frame pointer then run on, but a host or renderer built by another
// compiler loses its stack. The check counts the bytes each entry removes.

#include <gtest/gtest.h>

#if defined(_WIN32) && defined(__i386__)
#include <windows.h>

#include <iterator>
#endif

namespace rndtest {
namespace {

#if defined(_WIN32) && defined(__i386__)

struct Entry {
  const char* name;
  int argumentWords;  // 32-bit stack words; all-zero arguments are safe
};

// Calls entry with `words` zero words pushed and returns how many bytes of
// them the callee removed; the stack is put back whatever it did.
int bytesRemoved(FARPROC entry, int words) {
  int moved;  // stack pointer after the call minus before the pushes
  int count = words;
  __asm__ volatile(
      "movl %%esp, %%esi\n\t"
      "1:\n\t"
      "testl %%ecx, %%ecx\n\t"
      "jz 2f\n\t"
      "pushl $0\n\t"
      "decl %%ecx\n\t"
      "jmp 1b\n\t"
      "2:\n\t"
      "call *%%edi\n\t"
      "movl %%esp, %%eax\n\t"
      "subl %%esi, %%eax\n\t"
      "movl %%esi, %%esp\n\t"
      : "=a"(moved), "+c"(count)
      : "D"(entry)
      : "esi", "edx", "memory", "cc", "xmm0", "xmm1", "xmm2", "xmm3", "xmm4", "xmm5", "xmm6",
        "xmm7", "st", "st(1)", "st(2)", "st(3)", "st(4)", "st(5)", "st(6)", "st(7)");
  return moved + 4 * words;
}

void expectCalleeRemovesArguments(const char* modulePath, const Entry* entries, size_t n) {
  HMODULE module = LoadLibraryA(modulePath);
  ASSERT_NE(module, nullptr) << modulePath;
  for (size_t i = 0; i < n; ++i) {
    FARPROC entry = GetProcAddress(module, entries[i].name);
    ASSERT_NE(entry, nullptr) << entries[i].name;
    EXPECT_EQ(bytesRemoved(entry, entries[i].argumentWords), 4 * entries[i].argumentWords)
        << entries[i].name << " is not __stdcall (VTA_CALL)";
  }
  FreeLibrary(module);
}

#endif

TEST(EntryConvention, RendererAndWarpEntriesRemoveTheirArguments) {
#if defined(_WIN32) && defined(__i386__)
  // Entries without arguments are left out: both conventions agree there.
  // With null arguments Rnd_Prepare makes a context, which Rnd_FreeContext
  // (called with null here) does not free; the leak ends with the process.
  const Entry renderer[] = {{"Rnd_Prepare", 3}, {"Rnd_Render", 3}, {"Rnd_FreeContext", 1}};
  const Entry warp[] = {{"VTA_Warp_Set", 4}, {"VTA_Warp_Callback", 3}, {"VTA_Warp", 3}};
  expectCalleeRemovesArguments(RND_SOFTWARE_PATH, renderer, std::size(renderer));
  expectCalleeRemovesArguments(RIPPLE_WARP_PATH, warp, std::size(warp));
#else
  GTEST_SKIP() << "only 32-bit Windows has a convention in which the callee removes the "
                  "arguments; other builds have one convention for every entry";
#endif
}

}  // namespace
}  // namespace rndtest
