// Compile-time proof that the frame request renderers read has the
// published layout: VtaRenderJob has the 32-bit offsets, and RenderJob
// matches it field by field in every build.
#include <cstddef>

#include "preview/render_job.h"
#include "vantaro/renderer.h"

namespace vta {
namespace {

#define VTA_SAME_FIELD(field) \
  static_assert(offsetof(RenderJob, field) == offsetof(VtaRenderJob, field), "RenderJob." #field)

VTA_SAME_FIELD(width);
VTA_SAME_FIELD(height);
VTA_SAME_FIELD(sourceCount);
VTA_SAME_FIELD(sources);
VTA_SAME_FIELD(output);
VTA_SAME_FIELD(position);
VTA_SAME_FIELD(range);
VTA_SAME_FIELD(reserved0);
VTA_SAME_FIELD(abortCallback);
VTA_SAME_FIELD(reservedReals);
VTA_SAME_FIELD(reservedReals2);
VTA_SAME_FIELD(previewMark);
VTA_SAME_FIELD(reserved1);
VTA_SAME_FIELD(reserved2);
VTA_SAME_FIELD(viewFlags);
VTA_SAME_FIELD(viewObject);
VTA_SAME_FIELD(viewDC);
static_assert(sizeof(RenderJob) == sizeof(VtaRenderJob), "RenderJob size");

#undef VTA_SAME_FIELD

// The shipping 32-bit layout.
#if defined(__i386__) || defined(_M_IX86)
static_assert(sizeof(VtaRenderJob) == 1836, "VtaRenderJob is 1836 bytes");
static_assert(offsetof(VtaRenderJob, height) == 4, "height");
static_assert(offsetof(VtaRenderJob, sourceCount) == 8, "sourceCount");
static_assert(offsetof(VtaRenderJob, sources) == 12, "sources");
static_assert(offsetof(VtaRenderJob, sources[19]) == 12 + 19 * 84, "source 20");
static_assert(offsetof(VtaRenderJob, output) == 1692, "output");
static_assert(offsetof(VtaRenderJob, position) == 1776, "position");
static_assert(offsetof(VtaRenderJob, range) == 1780, "range");
static_assert(offsetof(VtaRenderJob, reserved0) == 1784, "reserved after range");
static_assert(offsetof(VtaRenderJob, abortCallback) == 1788, "abortCallback");
static_assert(offsetof(VtaRenderJob, reservedReals) == 1792, "two reals");
static_assert(offsetof(VtaRenderJob, reservedReals2) == 1800, "four reals");
static_assert(offsetof(VtaRenderJob, previewMark) == 1816, "previewMark");
static_assert(offsetof(VtaRenderJob, reserved1) == 1818, "alignment gap");
static_assert(offsetof(VtaRenderJob, reserved2) == 1820, "reserved word");
static_assert(offsetof(VtaRenderJob, viewFlags) == 1824, "viewFlags");
static_assert(offsetof(VtaRenderJob, viewObject) == 1828, "viewObject");
static_assert(offsetof(VtaRenderJob, viewDC) == 1832, "viewDC");
#endif

}  // namespace
}  // namespace vta
