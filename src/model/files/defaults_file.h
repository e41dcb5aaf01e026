#pragma once
// The user's default options: "<Path>/Work/Defaults.VRI", magic "VTAR". It
// holds "RIN0" (the first 961 bytes of the settings record: name, padding
// and the reals, without the last three bytes of the fixed part) and every
// component of the record's description.

#include "model/effect_settings.h"

namespace vta {

// Replaces the record's fixed part and description with the defaults file's.
// Without a readable defaults file the record is left untouched. Otherwise
// the description is cleared, "RIN0" is copied over the start of the record
// (at most 961 bytes, never more than the chunk holds), components and the
// chunks "ETYP", "ENAM", "DESC", "VCNT", "VDSC" and "BEST" are applied as in
// an effect file, links are resolved, textures loaded, and effectName is
// emptied.
void loadDefaults(EffectSettings& record);

// The reading part of loadDefaults for the file at path (tools): as
// loadDefaults, except that effectName keeps the name stored in "RIN0".
// Returns 1 when the file was read to its end; 0 when it could not be opened
// (the record is then untouched) or broke off.
int loadDefaultsFile(EffectSettings& record, const char* path);

// The writing part of saveDefaults, to path. 1 when every chunk was written.
int saveDefaultsFile(const EffectSettings& record, const char* path);

// Writes the record as the defaults file, replacing the previous one only
// when every chunk was written. Returns 1; or 0 with *errorText (when
// errorText is not null) set to the message to show: "Error settings
// filename for defaults." when there is no installation folder, "Could not
// create defaults file." when the file could not be written.
int saveDefaults(const EffectSettings& record, const char** errorText);

}  // namespace vta
