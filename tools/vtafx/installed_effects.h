#pragma once
// The effects of an installation tree: written from their documents, with a
// schematic icon where the document has none; a renderer may then replace
// those icons with rendered ones.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/effect_description.h"

namespace vtafx {

struct InstalledEffect {
  std::unique_ptr<vta::EffectDescription> description;
  std::filesystem::path file;
  bool drawnIcon;  // the document gives no icon
};

// Writes EFFECTS/<title>.VTA in out for every effects/*.json of src.
// Throws BuildError.
std::vector<InstalledEffect> installEffects(const std::filesystem::path& src,
                                            const std::filesystem::path& out);

// Renders the icons drawn by installEffects with the renderer plug-in
// library, reading the installation in out, and writes the effects again.
// Throws BuildError.
void renderIcons(const std::string& library, const std::filesystem::path& out,
                 std::vector<InstalledEffect>& effects);

std::vector<std::string> titlesOf(const std::vector<InstalledEffect>& effects);

}  // namespace vtafx
