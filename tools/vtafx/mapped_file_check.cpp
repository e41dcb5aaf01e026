#include "mapped_file_check.h"

#include <algorithm>
#include <cstring>

#include "mapped_clip.h"
#include "model/components/surface.h"

namespace vtafx {

std::vector<std::string> unreadableMappedFiles(const vta::EffectDescription& user) {
  std::vector<std::string> unreadable;
  for (const vta::EffectComponent* c = user.lists[vta::kSurfaces].head; c; c = c->next) {
    const auto& surface = static_cast<const vta::SurfaceComponent&>(*c);
    const auto mapping = vta::surfaceSetup(surface).mapping;
    if (!rnd::mapsFile(mapping)) continue;
    const std::string path(surface.mapFile, strnlen(surface.mapFile, sizeof surface.mapFile));
    if (std::find(unreadable.begin(), unreadable.end(), path) != unreadable.end()) continue;
    std::unique_ptr<rnd::MappedClip> clip = rnd::openMappedClip(mapping, path);
    rnd::MappedFrame first;
    if (!clip || !clip->decode(0, first)) unreadable.push_back(path);
  }
  return unreadable;
}

}  // namespace vtafx
