// The selection sheet "Vantaro - Selection Dialog" that VTAGUI_Select runs
// over the host's record.
#pragma once

#include <windows.h>

#include <cstdint>

#include "model/effect_settings.h"
#include "ui/sheet/sheet_state.h"

namespace vta {

// Runs the sheet modally over record. Returns 0 (OK), 1 (cancelled: record
// restored to its state at the call) or 2 (the sheet could not be created).
int runSelectionSheet(HWND owner, EffectSettings* record, const void* secondRecord);

// With a second record, a filter frame count of 0 or not-a-number becomes 100
// and switches the filter on.
void correctFilterStart(EffectSettings& record);

}  // namespace vta
