// The defaults file and its writer.
#include "fuzz_entries.h"
#include "model/effect_settings.h"
#include "model/files/defaults_file.h"
#include "scratch_file.h"

namespace vta::fuzz {

bool readDefaults(const uint8_t* data, size_t size) {
  ScratchFiles files;
  EffectSettings record;
  loadDefaultsFile(record, files.input(data, size));
  return true;
}

// The file stores the record's fixed part and components only (a type or
// texts it was read with are not saved), so the round trip compares files:
// the saved file must read back whole and save the same bytes.
bool roundTripDefaults(const uint8_t* data, size_t size) {
  ScratchFiles files;
  EffectSettings read, reread;
  loadDefaultsFile(read, files.input(data, size));
  if (!saveDefaultsFile(read, files.first())) return false;
  if (!loadDefaultsFile(reread, files.first())) return false;
  return saveDefaultsFile(reread, files.second()) && files.sameOutputs();
}

}  // namespace vta::fuzz
