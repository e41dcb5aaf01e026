#include "preview/render_job.h"

#include "platform/memory.h"

namespace vta {

// All zero, gaps included: the images are then empty, as their own
// constructor leaves them.
RenderJob::RenderJob() { fillBytes(this, 0, sizeof *this); }

void RenderJob::copyFrom(const RenderJob& source) {
  if (&source == this) return;
  width = source.width;
  height = source.height;
  sourceCount = source.sourceCount;
  for (int i = 0; i < kRenderSourceCount; ++i) sources[i].copyFrom(source.sources[i]);
  output.copyFrom(source.output);
  position = source.position;
  range = source.range;
  reserved0 = source.reserved0;
  abortCallback = source.abortCallback;
  copyBytes(reservedReals, source.reservedReals, sizeof reservedReals);
  copyBytes(reservedReals2, source.reservedReals2, sizeof reservedReals2);
  previewMark = source.previewMark;
  reserved1 = source.reserved1;
  reserved2 = source.reserved2;
  viewFlags = source.viewFlags;
  viewObject = source.viewObject;
  viewDC = source.viewDC;
}

void RenderJob::describePreviewOutput() {
  output.clear();
  output.describeBgr24(width, height, VTA_ROW_ALIGN_PACKED);
}

}  // namespace vta
