#include "model/files/path_file.h"

namespace vta {

CurveFileResult loadPathFile(const char* path, PathComponent& component) {
  return loadComponentFile(path, kPathFileMagic, PathComponent::kTag, component);
}

CurveFileResult savePathFile(const char* path, const PathComponent& component) {
  return saveComponentFile(path, kPathFileMagic, component);
}

}  // namespace vta
