#pragma once
// The looks of a surface in one frame: which picture it shows, tint and
// opacity (docs/scene.md, "Surface").

#include <vector>

#include "filter_mode.h"
#include "frame_time.h"
#include "model/components/surface.h"
#include "model/effect_description.h"
#include "picture.h"
#include "scene_components.h"
#include "surface_look.h"
#include "vantaro/renderer.h"

namespace rnd {

// The job's video sources as the frame sees them: Fly-On exchanges 1 and 2;
// in filter mode the job's first source is the clip, shown as the chosen
// source, and the effect's other sources are hidden.
class FrameSources {
 public:
  FrameSources(const VtaRenderJob& job, bool exchange, const FilterMode& filter);
  // Source n (1 to 20); empty when missing or hidden.
  const Picture& source(unsigned n) const;
  // True when the scene leaves source n out on purpose (filter mode).
  bool hidden(unsigned n) const { return filter_.on && n != filter_.source; }

 private:
  Picture pictures_[VTA_RENDER_SOURCE_COUNT];
  Picture none_;
  bool exchange_;
  FilterMode filter_;
};

// What the frame's looks are built from.
struct LookInputs {
  const vta::EffectDescription& effect;
  const FrameSources& sources;
  const FrameOptions& options;
  bool bilinear, perspective;
  // Warp bindings by surface id, null where none; index 0 unused.
  const std::vector<const WarpBinding*>& surfaceWarps;
  // The pictures of mapped files by surface id, empty where none.
  const std::vector<Picture>& mappedPictures;
};

// The front look of surface (null: plain white), with opacity from fade and
// the entry's transparency; invisible when it shows a hidden source.
// missing is set when its picture is absent.
SurfaceLook frontLook(const LookInputs& in, const vta::SurfaceComponent* surface, float fade,
                      bool& missing);
// The look of back faces that show video source n (invisible when hidden).
SurfaceLook backLook(const SurfaceLook& front, const FrameSources& sources, unsigned n,
                     bool& missing);

const vta::SurfaceComponent* findSurface(const vta::EffectDescription& effect, unsigned id);

}  // namespace rnd
