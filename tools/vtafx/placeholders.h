#pragma once
// The preview's placeholder sources: one card per video source, coloured by
// its number, with the number drawn large and a white corner mark at the
// top left, so a preview shows at a glance which source lands where and
// whether it is mirrored.

#include "image_io.h"

namespace vtafx {

// Number of placeholder sources and their sizes by preview quality.
constexpr int kPlaceholderSources = 20;

Picture placeholderCard(int source, uint32_t size);

}  // namespace vtafx
