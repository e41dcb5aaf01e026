// The exported entries of Rnd_Software (include/vantaro/renderer.h).

#include <new>

#include "platform/boundary.h"
#include "render_context.h"
#include "vantaro/renderer.h"

#if defined(_WIN32)
#define RND_EXPORT
#else
#define RND_EXPORT __attribute__((visibility("default")))
#endif

namespace {

rnd::RenderContext* contextOf(void* context) { return static_cast<rnd::RenderContext*>(context); }

const vta::EffectSettings& recordOf(const VtaEffectSettings* settings) {
  return *reinterpret_cast<const vta::EffectSettings*>(settings);
}

}  // namespace

extern "C" {

RND_EXPORT void* VTA_CALL Rnd_CreateContext(void) { return new (std::nothrow) rnd::RenderContext; }

RND_EXPORT int VTA_CALL Rnd_FreeContext(void* context) {
  delete contextOf(context);
  return 1;
}

RND_EXPORT void* VTA_CALL Rnd_Prepare(void* context, VtaEffectSettings* settings,
                                      VtaRenderJob* job) {
  (void)job;
  rnd::RenderContext* own = context ? contextOf(context) : new (std::nothrow) rnd::RenderContext;
  if (!own || !settings) return own;
  const bool loaded = vta::guarded(false, [&] {
    own->effect(settings->effectName);
    return true;
  });
  // The caller takes the result in place of its context: a failed one goes.
  if (!loaded) delete own;
  return loaded ? own : nullptr;
}

// Nothing to do: the renderer takes its video sources from each job.
RND_EXPORT int VTA_CALL Rnd_StaticVideo(void) { return 0; }

RND_EXPORT int VTA_CALL Rnd_Render(void* context, VtaEffectSettings* settings, VtaRenderJob* job) {
  if (!context || !settings || !job) return 0;
  return vta::guarded(0, [&] {
    // Path-editor jobs (previewMark 0) draw their view into viewDC.
    if (job->previewMark == 0)
      return contextOf(context)->drawView(recordOf(settings), *job) ? 1 : 0;
    contextOf(context)->render(recordOf(settings), *job);
    return 1;
  });
}

}  // extern "C"
