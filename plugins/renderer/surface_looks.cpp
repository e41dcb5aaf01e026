#include "surface_looks.h"

#include <algorithm>
#include <cstring>

#include "model/components/surface_fields.h"
#include "model/texture_image.h"
#include "vantaro/vantaro.h"

namespace rnd {

namespace {

const Picture* texturePicture(const vta::EffectDescription& effect, const char* name,
                              Picture& holder) {
  for (uint32_t i = 0; i < effect.textureCount; ++i) {
    const vta::TextureImage* image = effect.textures[i];
    if (!image || !image->name || std::strcmp(image->name, name) != 0) continue;
    holder = Picture::of(reinterpret_cast<const VtaTextureImage&>(*image));
    return &holder;
  }
  return nullptr;
}

// The picture of the file the surface maps; null when none is shown.
const Picture* mappedPicture(const LookInputs& in, const vta::SurfaceComponent& s) {
  const bool shown = s.id < in.mappedPictures.size() && !in.mappedPictures[s.id].empty();
  return shown ? &in.mappedPictures[s.id] : nullptr;
}

Picture surfacePicture(const LookInputs& in, const vta::SurfaceComponent& s,
                       const vta::SurfaceSetup& setup, bool& missing) {
  if (const Picture* mapped = mappedPicture(in, s)) return *mapped;
  Picture picture;
  if (setup.mapping == vta::SurfaceMapping::kTexture) {
    if (!texturePicture(in.effect, s.mapFile, picture) || picture.empty()) missing = true;
    return picture;
  }
  if (!setup.showsVideoSource()) return picture;
  picture = in.sources.source(setup.videoSource());
  if (picture.empty() && !in.sources.hidden(setup.videoSource())) missing = true;
  return picture;
}

bool showsHiddenSource(const LookInputs& in, const vta::SurfaceSetup& setup) {
  return setup.showsVideoSource() && in.sources.hidden(setup.videoSource());
}

Vec3 surfaceTint(const vta::SurfaceSetup& setup, float& alpha) {
  const vta::ColourRgba colour = setup.colourInUse();
  alpha = clamp01(colour.alpha);
  return Vec3{colour.red, colour.green, colour.blue} * setup.brightnessInUse();
}

}  // namespace

FrameSources::FrameSources(const VtaRenderJob& job, bool exchange, const FilterMode& filter)
    : exchange_(exchange), filter_(filter) {
  // A transition always has its two clips, even when the effect's entries
  // (and so the job's count) name only the outgoing one; a filter has one.
  unsigned count = std::min<unsigned>(job.sourceCount, VTA_RENDER_SOURCE_COUNT);
  count = filter.on ? 1u : std::max(count, 2u);
  for (unsigned i = 0; i < count; ++i) pictures_[i] = Picture::of(job.sources[i]);
}

const Picture& FrameSources::source(unsigned n) const {
  if (hidden(n)) return none_;
  if (filter_.on) return pictures_[0];
  if (exchange_ && (n == 1 || n == 2)) n = 3 - n;
  return n >= 1 && n <= VTA_RENDER_SOURCE_COUNT ? pictures_[n - 1] : none_;
}

const vta::SurfaceComponent* findSurface(const vta::EffectDescription& effect, unsigned id) {
  auto* c = effect.lists[vta::kSurfaces].findById(static_cast<uint16_t>(id));
  return static_cast<const vta::SurfaceComponent*>(c);
}

SurfaceLook frontLook(const LookInputs& in, const vta::SurfaceComponent* s, float fade,
                      bool& missing) {
  SurfaceLook look;
  look.bilinear = in.bilinear;
  look.perspective = in.perspective;
  float opacity = 1.0f - clamp01(fade);
  if (s) {
    const vta::SurfaceSetup setup = vta::surfaceSetup(*s);
    float colourAlpha = 1.0f;
    look.tint = surfaceTint(setup, colourAlpha);
    look.picture = surfacePicture(in, *s, setup, missing);
    opacity *= colourAlpha * (1.0f - clamp01(in.options.forSurface(s->id, VTA_TRANSPARENCY) / 100));
    if (showsHiddenSource(in, setup) && !mappedPicture(in, *s)) opacity = 0;
    if (s->id < in.surfaceWarps.size()) look.warp = in.surfaceWarps[s->id];
  }
  look.alpha = opacity;
  return look;
}

SurfaceLook backLook(const SurfaceLook& front, const FrameSources& sources, unsigned n,
                     bool& missing) {
  SurfaceLook look = front;
  look.warp = nullptr;
  look.picture = sources.source(n);
  if (sources.hidden(n))
    look.alpha = 0;
  else if (look.picture.empty())
    missing = true;
  return look;
}

}  // namespace rnd
