#pragma once
// Checks across the components of one effect or defaults file: ids unique
// across all lists, links and parents that name existing components, and
// texture-mapped surfaces that name their texture.

#include <cstdint>
#include <map>
#include <vector>

#include "chunk_walk.h"
#include "validate.h"

namespace vtafx {

class SceneChecks {
 public:
  void chunk(const WalkedChunk& chunk, std::vector<Problem>& problems);
  void finish(std::vector<Problem>& problems) const;

 private:
  struct Reference {
    uint16_t link, parent;
    uint64_t offset;
    uint32_t tag;
  };
  std::map<uint16_t, uint32_t> tagsById_;
  std::vector<Reference> references_;
};

}  // namespace vtafx
