#pragma once
// Files holding one component as a single chunk after a four-character
// magic: envelope files ("VENV", "ENV0") and path files ("VPTH", "PTH0").
// Editors and tools load and save through envelope_file.h and path_file.h,
// which build on these.

#include <cstdint>

#include "model/effect_component.h"

namespace vta {

enum class CurveFileResult {
  kDone,        // loaded or saved
  kNotOpened,   // not opened, or not a file of this kind: nothing changed
  kFailed,      // a read or write failed; for a save the target is as before
  kOtherChunk,  // loading: the first chunk is of another kind; nothing loaded
};

// Reads the first chunk of the file and, when its tag is tag, hands it to
// component.readChunk; a refused payload gives kFailed.
CurveFileResult loadComponentFile(const char* path, uint32_t magic, uint32_t tag,
                                  EffectComponent& component);

// Saves magic and the component's chunk at path through SafeSave; on any
// failure path is left as it was.
CurveFileResult saveComponentFile(const char* path, uint32_t magic,
                                  const EffectComponent& component);

}  // namespace vta
