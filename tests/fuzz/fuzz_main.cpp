// One libFuzzer target: VTA_FUZZ_TARGET names its entry (fuzz_entries.h).
// An entry's failed check aborts, so libFuzzer keeps the input as a finding.
#include <cstdio>
#include <cstdlib>

#include "fuzz_entries.h"

namespace {

const vta::fuzz::Entry entry = vta::fuzz::findEntry(VTA_FUZZ_TARGET);

}  // namespace

// Scratch files need not reach the disk: the writers' sync per save would
// make the round trips a hundred times slower. This replaces the C library's.
extern "C" int fsync(int) { return 0; }

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (!entry) {
    std::fprintf(stderr, "no fuzz entry named %s\n", VTA_FUZZ_TARGET);
    std::abort();
  }
  // No installation: readers find no "Path", so nothing outside the input is read.
  setenv("VANTARO_SETTINGS", "/nonexistent/vantaro-fuzz.ini", 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!entry(data, size)) {
    std::fprintf(stderr, "%s: a check of the entry failed\n", VTA_FUZZ_TARGET);
    std::abort();
  }
  return 0;
}
