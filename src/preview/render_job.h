#pragma once
// The frame request handed to renderer plug-ins, laid out exactly as
// VtaRenderJob (1836 bytes on 32-bit builds): output size, the pictures of
// the video sources, the output image and the frame's time.

#include <cstdint>

#include "model/texture_image.h"
#include "vantaro/renderer.h"

namespace vta {

constexpr int kRenderSourceCount = 20;

struct RenderJob {
  uint32_t width;
  uint32_t height;
  uint32_t sourceCount;
  TextureImage sources[kRenderSourceCount];
  TextureImage output;
  uint32_t position;
  uint32_t range;
  uint32_t reserved0;
  VtaAbortFunction abortCallback;
  float reservedReals[2];
  float reservedReals2[4];
  uint16_t previewMark;
  uint16_t reserved1;
  uint32_t reserved2;
  uint32_t viewFlags;
  uint32_t viewObject;
  void* viewDC;

  // Every field zero, 21 empty images.
  RenderJob();
  ~RenderJob() = default;
  RenderJob(const RenderJob&) = delete;
  RenderJob& operator=(const RenderJob&) = delete;

  // Copies every plain field and makes the 21 images independent copies
  // (pixels duplicated into memory this job owns).
  void copyFrom(const RenderJob& source);

  // Describes the output as a preview frame of width x height: 24-bit,
  // rows of exactly width x 3 bytes, no pixels yet.
  void describePreviewOutput();
};

}  // namespace vta
