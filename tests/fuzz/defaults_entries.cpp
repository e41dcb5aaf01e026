// The defaults file and its writer.
#include "fuzz_entries.h"
#include "model/effect_settings.h"
#include "model/files/defaults_file.h"
#include "scratch_file.h"

namespace vta::fuzz {

bool readDefaults(const uint8_t* data, size_t size) {
  ScratchFile input("in");
  EffectSettings record;
  loadDefaultsFile(record, input.write(data, size));
  return true;
}

// The file stores the record's fixed part and components only (a type or
// texts it was read with are not saved), so the round trip compares files:
// the saved file must read back whole and save the same bytes.
bool roundTripDefaults(const uint8_t* data, size_t size) {
  ScratchFile input("in"), first("out1"), second("out2");
  EffectSettings read, reread;
  loadDefaultsFile(read, input.write(data, size));
  if (!saveDefaultsFile(read, first.path())) return false;
  if (!loadDefaultsFile(reread, first.path())) return false;
  return saveDefaultsFile(reread, second.path()) && first.read() == second.read();
}

}  // namespace vta::fuzz
