#pragma once
// The preview's placeholder sources: one picture per video source, a scene
// of its own (source_scenes.h) with the source's number on a small badge in
// the top left corner, so a preview shows which source lands where and
// whether it is mirrored.

#include "image_io.h"

namespace vtafx {

// Number of placeholder sources and their sizes by preview quality.
constexpr int kPlaceholderSources = 20;
// Part of the name of placeholders kept on disk (vtafx render): raise it
// when the pictures change, so no older one is taken for a new one.
constexpr int kPlaceholderEdition = 1;

Picture placeholderPicture(int source, uint32_t size);

// Placeholders 1 to 20 at size, as the preview's sources; painted once per
// size and process.
std::vector<Picture> placeholderSources(uint32_t size);

// The badge's corner: x and y from 0 to badgeSide(size) - 1 hold the badge.
uint32_t badgeSide(uint32_t size);

}  // namespace vtafx
