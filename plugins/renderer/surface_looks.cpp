#include "surface_looks.h"

#include <algorithm>
#include <cstring>

#include "block_reals.h"
#include "model/texture_image.h"
#include "vantaro/vantaro.h"

namespace rnd {

namespace {

enum Mapping { kColourOnly = 0, kVideo = 1, kTexture = 2 };

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

Picture surfacePicture(const LookInputs& in, const vta::SurfaceComponent& s, bool& missing) {
  Picture picture;
  if (s.mappingKind == kColourOnly) return picture;
  if (s.mappingKind == kTexture) {
    if (!texturePicture(in.effect, s.mapFile, picture) || picture.empty()) missing = true;
    return picture;
  }
  picture = in.sources.source(s.objectIndex + 1u);
  if (picture.empty() && !in.sources.hidden(s.objectIndex + 1u)) missing = true;
  return picture;
}

bool showsHiddenSource(const LookInputs& in, const vta::SurfaceComponent& s) {
  return s.mappingKind != kColourOnly && s.mappingKind != kTexture &&
         in.sources.hidden(s.objectIndex + 1u);
}

Vec3 surfaceTint(const vta::SurfaceComponent& s, float& alpha) {
  float rgba[4];
  for (int i = 0; i < 4; ++i) rgba[i] = blockReal(s.blocks[0], i);
  bool unset = rgba[0] == 0 && rgba[1] == 0 && rgba[2] == 0 && rgba[3] == 0;
  alpha = unset ? 1.0f : clamp01(rgba[3]);
  float brightness = s.amount != 0 ? s.amount : 1.0f;
  Vec3 colour = unset ? Vec3{1, 1, 1} : Vec3{rgba[0], rgba[1], rgba[2]};
  return colour * brightness;
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
    float colourAlpha = 1.0f;
    look.tint = surfaceTint(*s, colourAlpha);
    look.picture = surfacePicture(in, *s, missing);
    opacity *= colourAlpha * (1.0f - clamp01(in.options.forSurface(s->id, VTA_TRANSPARENCY) / 100));
    if (showsHiddenSource(in, *s)) opacity = 0;
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
  if (sources.hidden(n)) look.alpha = 0;
  else if (look.picture.empty()) missing = true;
  return look;
}

}  // namespace rnd
