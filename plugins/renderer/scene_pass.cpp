#include "scene_pass.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "frame_time.h"
#include "object_drawing.h"
#include "row_lanes.h"
#include "scene_meshes.h"
#include "vantaro/vantaro.h"

namespace rnd {

namespace {

// Sets up the effect's warps in memory, the surfaces' ones by surface id.
// Returns the frame's warp, null when none is active.
const WarpBinding* setUpWarps(const vta::EffectDescription& effect, SceneMemory& memory) {
  size_t count = 0;
  for (auto* c = effect.lists[vta::kWarps].head; c; c = c->next) ++count;
  memory.warps.resize(count);
  memory.surfaceWarps.clear();
  const WarpBinding* frame = nullptr;
  size_t i = 0;
  for (auto* c = effect.lists[vta::kWarps].head; c; c = c->next) {
    WarpBinding& binding = memory.warps[i++];
    binding.setUp(*static_cast<const vta::WarpComponent*>(c));
    if (!binding.active()) continue;
    if (c->linkId == 0 && binding.warpPicture) frame = &binding;
    if (c->linkId == 0 || !binding.map) continue;
    if (memory.surfaceWarps.size() <= c->linkId)
      memory.surfaceWarps.resize(c->linkId + 1u, nullptr);
    memory.surfaceWarps[c->linkId] = &binding;
  }
  return frame;
}

#if defined(__SSE2__)
// Picture::pixel() of pixels x to x + 3 of row y, four at once, into to.
void copyFour(const Picture& picture, int x, int y, Vec3* to) {
  alignas(16) uint8_t rgb[16] = {};
  const uint8_t* bgr = picture.bytesAt(x, y);
  for (int i = 0; i < 12; i += 3) rgb[i] = bgr[i + 2], rgb[i + 1] = bgr[i + 1], rgb[i + 2] = bgr[i];
  const __m128i bytes = _mm_load_si128(reinterpret_cast<const __m128i*>(rgb));
  const __m128i zero = _mm_setzero_si128();
  const __m128i low = _mm_unpacklo_epi8(bytes, zero), high = _mm_unpackhi_epi8(bytes, zero);
  const __m128 scale = _mm_set1_ps(Picture::kByteScale);
  float* values = &to->x;
  _mm_storeu_ps(values, _mm_mul_ps(_mm_cvtepi32_ps(_mm_unpacklo_epi16(low, zero)), scale));
  _mm_storeu_ps(values + 4, _mm_mul_ps(_mm_cvtepi32_ps(_mm_unpackhi_epi16(low, zero)), scale));
  _mm_storeu_ps(values + 8, _mm_mul_ps(_mm_cvtepi32_ps(_mm_unpacklo_epi16(high, zero)), scale));
}
#endif

bool fillBackground(Canvas& canvas, const vta::EffectDescription& effect,
                    const FrameSources& sources, const CameraView& camera, bool bilinear) {
  if (effect.effectType != 0 || sources.hidden(2)) {
    std::fill(canvas.colour.begin(), canvas.colour.end(), camera.background);
    return true;
  }
  const Picture& picture = sources.source(2);
  if (picture.empty()) return false;
  const int wide = canvas.pixelsWide(), high = canvas.pixelsHigh();
  if (picture.width() == wide && picture.height() == high) {
    // Pixel centres fall on texel centres: both filters give the texel.
    for (int y = 0; y < high; ++y) {
      int x = 0;
#if defined(__SSE2__)
      if (canvas.factor == 1)
        for (; x + kLanes <= wide; x += kLanes)
          copyFour(picture, x, y, &canvas.colour[size_t(y) * wide + x]);
#endif
      for (; x < wide; ++x) canvas.setPixel(x, y, picture.pixel(x, y));
    }
    return true;
  }
  const float du = 1.0f / wide, dv = 1.0f / high;
  for (int y = 0; y < high; ++y)
    for (int x = 0; x < wide; ++x) {
      float u = (x + 0.5f) * du, v = (y + 0.5f) * dv;
      canvas.setPixel(x, y, bilinear ? picture.bilinear(u, v) : picture.nearest(u, v));
    }
  return true;
}

#if defined(__SSE2__)
// Pixels x to x + 3 of row y of shadeBackdrop.
void shadeBackdropLanes(Canvas& canvas, const CameraView& camera, float aspect,
                        const Shadows& shadows, int x, int y, float sy) {
  int open = 0;
  for (int l = 0; l < kLanes; ++l) open |= canvas.covered(x + l, y) ? 0 : 1 << l;
  if (open == 0) return;
  const __m128 sx =
      _mm_sub_ps(_mm_mul_ps(_mm_div_ps(laneCentres(x), _mm_set1_ps(float(canvas.pixelsWide()))),
                            _mm_set1_ps(2.0f)),
                 _mm_set1_ps(1.0f));
  const __m128 vx = _mm_mul_ps(_mm_mul_ps(sx, _mm_set1_ps(camera.tanHalfFov)), _mm_set1_ps(aspect));
  const __m128 vy = _mm_set1_ps(sy * camera.tanHalfFov), vz = _mm_set1_ps(-1.0f);
  const Mat3& turn = camera.rotation;
  const __m128 rx = dotLanes(turn.row[0], vx, vy, vz), ry = dotLanes(turn.row[1], vx, vy, vz);
  const __m128 rz = dotLanes(turn.row[2], vx, vy, vz);
  const __m128 t = _mm_div_ps(_mm_set1_ps(-camera.position.z), rz);
  const auto along = [&](float start, __m128 r) {
    return _mm_add_ps(_mm_set1_ps(start), _mm_mul_ps(r, t));
  };
  float kept[kLanes];
  _mm_storeu_ps(
      kept, _mm_sub_ps(_mm_set1_ps(1.0f),
                       shadows.lossLanes(along(camera.position.x, rx), along(camera.position.y, ry),
                                         along(camera.position.z, rz))));
  const int ahead = _mm_movemask_ps(_mm_cmpgt_ps(t, _mm_setzero_ps()));
  for (int l = 0; l < kLanes; ++l)
    if (open & ahead & 1 << l) canvas.scaleEmptySamples(x + l, y, kept[l]);
}
#endif

// Darkens the picture behind the scene where objects keep the light off
// it, taking it as lying in the plane z = 0 (where the default camera sees
// exactly the frame): on the samples no object covers yet. With SSE2 the
// rays and shadow lookups of four pixels go together, in the same order of
// operations as one pixel's.
void shadeBackdrop(Canvas& canvas, const CameraView& camera, float aspect, const Shadows& shadows) {
  const int wide = canvas.pixelsWide(), high = canvas.pixelsHigh();
  for (int y = 0; y < high; ++y) {
    const float sy = 1 - (y + 0.5f) / high * 2;
    int x = 0;
#if defined(__SSE2__)
    for (; x + kLanes <= wide; x += kLanes)
      shadeBackdropLanes(canvas, camera, aspect, shadows, x, y, sy);
#endif
    for (; x < wide; ++x) {
      if (canvas.covered(x, y)) continue;
      float sx = (x + 0.5f) / wide * 2 - 1;
      Vec3 ray =
          camera.rotation.apply({sx * camera.tanHalfFov * aspect, sy * camera.tanHalfFov, -1.0f});
      float t = -camera.position.z / ray.z;
      if (t > 0) canvas.scaleEmptySamples(x, y, 1 - shadows.loss(camera.position + ray * t));
    }
  }
}

bool drawsBefore(const ObjectMesh& a, const ObjectMesh& b) {
  bool aOpaque = a.front.alpha >= 1, bOpaque = b.front.alpha >= 1;
  if (aOpaque != bOpaque) return aOpaque;
  return !aOpaque && a.distance > b.distance;
}

// Opaque meshes first, in scene order; then see-through ones from far to
// near. An insertion sort: stable, and without the buffer a library stable
// sort allocates, for the few meshes of a scene.
void sortForDrawing(std::vector<ObjectMesh>& meshes) {
  for (auto next = meshes.begin(); next != meshes.end(); ++next)
    std::rotate(std::upper_bound(meshes.begin(), next, *next, drawsBefore), next, next + 1);
}

}  // namespace

PassResult drawScene(Canvas& canvas, SceneMemory& memory, vta::EffectDescription& effect,
                     const vta::EffectSettings& record, const VtaRenderJob& job, double t,
                     AbortPoll& abort, const SceneView& view) {
  PassResult result;
  FrameTime time = frameTime(record.globalParams, t);
  FrameOptions options;
  std::memcpy(options.global, record.globalParams, sizeof options.global);
  std::memcpy(options.object, record.objectParams, sizeof options.object);
  SceneComponents scene(effect, record.description);
  scene.apply(time.u, options);
  if (const WarpBinding* frameWarp = setUpWarps(effect, memory)) result.frameWarp = *frameWarp;

  bool bilinear = options.global[VTA_IMAGE_QUALITY] == 1;
  FrameSources sources(job, time.exchange, filterMode(record.globalParams));
  const CameraView effectCamera = cameraView(effect);
  SceneTurn turn = filterTurn(options.global, effectCamera.forward(),
                              std::sqrt(dot(effectCamera.position, effectCamera.position)));
  const CameraView& camera = view.camera ? *view.camera : effectCamera;
  if (view.camera)
    std::fill(canvas.colour.begin(), canvas.colour.end(), camera.background);
  else if (!fillBackground(canvas, effect, sources, camera, bilinear))
    return result;
  canvas.clearDepth();

  float aspect = float(canvas.width) / canvas.height;
  LookInputs looks{effect,
                   sources,
                   options,
                   bilinear,
                   options.global[VTA_QUALITY] == 1,
                   memory.surfaceWarps,
                   memory.mappedPictures};
  MeshInputs inputs{effect, scene, options, camera, looks, turn, aspect, time.u};
  if (!buildMeshes(inputs, memory.meshes)) return result;
  std::vector<ObjectMesh>& meshes = memory.meshes.meshes;
  sortForDrawing(meshes);
  LightRig lights = lightRig(effect, camera, options, time.u);
  int style = view.wire ? 2 : static_cast<int>(options.global[VTA_RENDER_STYLE]);
  bool lighting = options.global[VTA_LIGHTING] != 0;
  Shadows& shadows = memory.shadows;
  shadows.prepare(lights, meshes, options.global[VTA_SHADOWS], lighting && style != 2);
  DrawSettings settings{camera,   lights,
                        lighting, style == 1 ? kFlat : (style == 2 ? kWire : kSmooth),
                        aspect,   shadows};
  // The backdrop's shadows go on after the opaque meshes, on the samples
  // they left uncovered, and before the see-through ones blend over them.
  auto mesh = meshes.begin();
  for (; mesh != meshes.end() && mesh->front.alpha >= 1; ++mesh)
    drawObject(canvas, *mesh, settings, true, abort);
  if (effect.effectType == 0 && shadows.active() && !view.camera)
    shadeBackdrop(canvas, camera, aspect, shadows);
  for (; mesh != meshes.end(); ++mesh) drawObject(canvas, *mesh, settings, false, abort);
  result.drawn = !abort.stopped();
  return result;
}

}  // namespace rnd
