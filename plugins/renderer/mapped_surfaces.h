#pragma once
// Which picture each surface that maps a file shows in one frame: frame
// frameOffset + position of its file (docs/renderer.md, "Mapped files").
// The record's surfaces (set on the Objects page) take the place of the
// effect's ones with the same id.

#include <vector>

#include "mapped_frames.h"
#include "model/effect_description.h"
#include "picture.h"

namespace rnd {

// Fills bySurfaceId with the frame's pictures (empty where a surface maps
// no file or its file cannot be read); they stay valid until the next call
// with the same frames.
void mappedPictures(MappedFrames& frames, const vta::EffectDescription& effect,
                    const vta::EffectDescription& user, uint32_t position,
                    std::vector<Picture>& bySurfaceId);

// The clip frame a surface with frameOffset shows at job position.
uint32_t mappedFrameIndex(float frameOffset, uint32_t position);

}  // namespace rnd
