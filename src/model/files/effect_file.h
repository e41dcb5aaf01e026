#pragma once
// Effect description files: "<Path>/EFFECTS/<name>.VTA", magic "VTAE".

#include <cstdint>

#include "model/effect_description.h"

namespace vta {

// Clears the description, then reads the effect file of effectName chunk by
// chunk (see applyDescriptionChunk) up to its end, or up to and including the
// first chunk tagged stopTag (0: the whole file; fourCC("IMG0"): texts, type,
// flags and icon only). Whether or not the file could be read, links are
// resolved and textures loaded. Returns 1 when the file was read to its end
// or to the stop tag; 0 when it is missing, foreign or broke off.
int loadDescription(EffectDescription& description, const char* effectName, uint32_t stopTag);

// As loadDescription, for the effect file at path (tools that work outside
// an installation); textures still come from the installation's folder.
int loadDescriptionFile(EffectDescription& description, const char* path, uint32_t stopTag);

// Writes the description as an effect file, replacing path only when every
// chunk was written: "ETYP", "ENAM" and "DESC" (when there is a text),
// "VCNT" and one "VDSC" per variant text present, "BEST", "ALOW", "IMG0"
// (when the icon has a size or pixels), then every component in list order.
// The texts, type, flags and icon thus precede the components, as a load up
// to "IMG0" expects. Returns 1 on success.
int saveEffectFile(const EffectDescription& description, const char* path);

// Replaces the description's textures: one image per surface whose
// mappingKind is 2, in surface-list order, loaded from
// "<Path>/Textures/<mapFile>.VTT" and named by mapFile. An image whose file
// cannot be read still joins, without pixels.
void loadTextures(EffectDescription& description);

// Reads only the title ("ENAM", cut to titleSize - 1 characters) and the
// allow flags ("ALOW") of the effect file of effectName, by the same rules
// as loadDescription, without building a description. Both start empty (""
// and 0). Returns 1 when the file was read to its end, else 0.
int readEffectSummary(const char* effectName, char* title, unsigned titleSize,
                      uint32_t* allowFlags);

}  // namespace vta
