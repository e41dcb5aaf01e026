#include "mapped_clip.h"

#include "platform/file_system.h"

namespace rnd {

bool mapsFile(vta::SurfaceMapping mapping) {
  return mapping == vta::SurfaceMapping::kAviClip ||
         mapping == vta::SurfaceMapping::kBitmapSequence ||
         mapping == vta::SurfaceMapping::kTargaSequence;
}

std::unique_ptr<MappedClip> openMappedClip(vta::SurfaceMapping mapping, const std::string& path) {
  if (!mapsFile(mapping) || path.empty()) return nullptr;
  // Names written on Windows (backslashes, any letter case) resolve here too.
  const std::string onDisk = vta::resolvePath(path.c_str());
  if (mapping == vta::SurfaceMapping::kAviClip) return openVideoClip(onDisk);
  return openPictureSequence(onDisk);
}

}  // namespace rnd
