// The selection sheet "Vantaro - Selection Dialog" that VTAGUI_Select runs
// over the host's record.
#pragma once

#include <windows.h>

#include <cstdint>

#include "model/effect_settings.h"

namespace vta {

// Runs the sheet modally over record. Returns 0 (OK), 1 (cancelled: record
// restored to its state at the call) or 2 (the sheet could not be created).
int runSelectionSheet(HWND owner, EffectSettings* record, const void* secondRecord);

}  // namespace vta
