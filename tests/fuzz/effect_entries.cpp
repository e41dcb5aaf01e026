// Effect files, whole and up to the icon, and the effect writer.
#include "fuzz_entries.h"
#include "model/effect_description.h"
#include "model/files/effect_file.h"
#include "platform/byte_order.h"
#include "scratch_file.h"

namespace vta::fuzz {

namespace {

bool readEffect(const uint8_t* data, size_t size, uint32_t stopTag) {
  ScratchFile input("in");
  EffectDescription description;
  loadDescriptionFile(description, input.write(data, size), stopTag);
  return true;
}

}  // namespace

bool readEffectFull(const uint8_t* data, size_t size) { return readEffect(data, size, 0); }

bool readEffectIcon(const uint8_t* data, size_t size) {
  return readEffect(data, size, fourCC("IMG0"));
}

// Whatever the reader keeps, the writer must store so that the file reads
// back whole and writes the same bytes again. Files, not descriptions, are
// compared: a stored NaN compares unequal to itself.
bool roundTripEffect(const uint8_t* data, size_t size) {
  ScratchFile input("in"), first("out1"), second("out2");
  EffectDescription read, reread;
  loadDescriptionFile(read, input.write(data, size), 0);
  if (!saveEffectFile(read, first.path())) return false;
  if (!loadDescriptionFile(reread, first.path(), 0)) return false;
  return saveEffectFile(reread, second.path()) && first.read() == second.read();
}

}  // namespace vta::fuzz
