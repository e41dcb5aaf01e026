#include "scene_checks.h"

#include "model/components/component_factory.h"
#include "model/components/object.h"
#include "model/components/surface.h"
#include "model/components/surface_fields.h"

namespace vtafx {

namespace {

bool textureWithoutName(const WalkedChunk& c) {
  if (c.tag != vta::SurfaceComponent::kTag) return false;
  vta::EffectComponent* made = vta::createComponentFromChunk(c.tag, c.length, c.payload, nullptr);
  if (!made) return false;
  const auto* surface = static_cast<const vta::SurfaceComponent*>(made);
  const bool texture = vta::surfaceSetup(*surface).mapping == vta::SurfaceMapping::kTexture;
  const bool unnamed = texture && surface->mapFile[0] == '\0';
  made->destroy(true);
  return unnamed;
}

}  // namespace

void SceneChecks::chunk(const WalkedChunk& c, std::vector<Problem>& problems) {
  vta::ComponentHeader header{};
  if (!vta::isComponentTag(c.tag) || !vta::readComponentHeader(c.payload, c.length, header)) return;
  if (!tagsById_.emplace(header.id, c.tag).second) {
    problems.push_back(
        {c.offset, c.tag,
         "id " + std::to_string(header.id) + " is already used by another component"});
  }
  if (textureWithoutName(c))
    problems.push_back({c.offset, c.tag, "texture-mapped surface without a texture name"});
  references_.push_back({header.linkId, header.parentId, c.offset, c.tag});
}

void SceneChecks::finish(std::vector<Problem>& problems) const {
  for (const Reference& r : references_) {
    if (r.link && tagsById_.count(r.link) == 0) {
      problems.push_back(
          {r.offset, r.tag, "links to id " + std::to_string(r.link) + ", which no component has"});
    }
    const auto parent = tagsById_.find(r.parent);
    if (r.parent && (parent == tagsById_.end() || parent->second != vta::ObjectComponent::kTag)) {
      problems.push_back(
          {r.offset, r.tag, "parent id " + std::to_string(r.parent) + " is no object"});
    }
  }
}

}  // namespace vtafx
