#pragma once
// Path files (*.pth): the magic "VPTH" and one "PTH0" chunk.

#include <cstdint>

#include "model/files/curve_file.h"
#include "model/components/path.h"

namespace vta {

constexpr uint32_t kPathFileMagic = fourCC("VPTH");

// Takes the keys of the file's first chunk; the path keeps its own id, span
// and links. A first chunk of another kind changes nothing.
CurveFileResult loadPathFile(const char* path, PathComponent& component);

// Saves the path, replacing path only when the whole file was written.
CurveFileResult savePathFile(const char* path, const PathComponent& component);

}  // namespace vta
