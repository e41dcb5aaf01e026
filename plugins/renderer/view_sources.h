#pragma once
// Stand-in pictures for the path editor's views, whose jobs bring no video
// sources: a checked card in a colour of its own for each source, so the
// scene can be drawn and its surfaces told apart.

#include <cstdint>
#include <vector>

#include "vantaro/renderer.h"

namespace rnd {

class ViewSources {
 public:
  // Gives each empty source of job a card; the cards live as long as this.
  void fill(VtaRenderJob& job);

 private:
  static constexpr uint32_t kSide = 32;
  std::vector<uint8_t> cards_[VTA_RENDER_SOURCE_COUNT];
};

}  // namespace rnd
