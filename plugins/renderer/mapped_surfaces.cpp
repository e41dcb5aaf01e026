#include "mapped_surfaces.h"

#include <algorithm>
#include <cstring>

#include "model/components/surface.h"
#include "model/components/surface_fields.h"

namespace rnd {

namespace {

// A view of the frame's pixels, valid while the frame lives.
Picture pictureOf(const MappedFrame& frame) {
  VtaTextureImage image{};
  image.format = 2;
  image.order = 0;
  image.bytesPerPixel = 3;
  image.width = image.rowPixels = frame.width;
  image.height = image.rowCount = frame.height;
  image.rowBytes = frame.width * 3;
  image.dataSize = static_cast<uint32_t>(frame.bgr.size());
  image.pixels = const_cast<uint8_t*>(frame.bgr.data());
  return Picture::of(image);
}

void mapSurfaces(MappedFrames& frames, const vta::ComponentList& surfaces, uint32_t position,
                 std::vector<Picture>& bySurfaceId) {
  for (const vta::EffectComponent* c = surfaces.head; c; c = c->next) {
    const auto& surface = static_cast<const vta::SurfaceComponent&>(*c);
    const vta::SurfaceMapping mapping = vta::surfaceSetup(surface).mapping;
    if (!mapsFile(mapping)) continue;
    const std::string path(surface.mapFile, strnlen(surface.mapFile, sizeof surface.mapFile));
    const MappedFrame* frame =
        frames.frame(mapping, path, mappedFrameIndex(surface.frameOffset, position));
    if (bySurfaceId.size() <= surface.id) bySurfaceId.resize(surface.id + size_t{1});
    bySurfaceId[surface.id] = frame ? pictureOf(*frame) : Picture{};
  }
}

}  // namespace

uint32_t mappedFrameIndex(float frameOffset, uint32_t position) {
  // Offsets before the clip's start count as its start; NaN as 0.
  const double first = frameOffset > 0 ? std::min<double>(frameOffset, UINT32_MAX) : 0.0;
  return static_cast<uint32_t>(std::min<double>(uint32_t(first) + double(position), UINT32_MAX));
}

void mappedPictures(MappedFrames& frames, const vta::EffectDescription& effect,
                    const vta::EffectDescription& user, uint32_t position,
                    std::vector<Picture>& bySurfaceId) {
  frames.beginFrame();
  bySurfaceId.clear();
  mapSurfaces(frames, effect.lists[vta::kSurfaces], position, bySurfaceId);
  mapSurfaces(frames, user.lists[vta::kSurfaces], position, bySurfaceId);
}

}  // namespace rnd
