// Effect files, whole and up to the icon, and the effect writer.
#include "fuzz_entries.h"
#include "model/effect_description.h"
#include "model/files/effect_file.h"
#include "platform/byte_order.h"
#include "scratch_file.h"

namespace vta::fuzz {

namespace {

bool readEffect(const uint8_t* data, size_t size, uint32_t stopTag) {
  ScratchFiles files;
  EffectDescription description;
  loadDescriptionFile(description, files.input(data, size), stopTag);
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
  ScratchFiles files;
  EffectDescription read, reread;
  loadDescriptionFile(read, files.input(data, size), 0);
  if (!saveEffectFile(read, files.first())) return false;
  if (!loadDescriptionFile(reread, files.first(), 0)) return false;
  return saveEffectFile(reread, files.second()) && files.sameOutputs();
}

}  // namespace vta::fuzz
