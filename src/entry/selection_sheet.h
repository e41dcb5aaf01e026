// The selection sheet "Vantaro - Selection Dialog" that VTAGUI_Select runs
// over the host's record, and the state its pages share during one run.
#pragma once

#include <windows.h>

#include <cstdint>

#include "model/effect_settings.h"

namespace vta {

class DialogPage;
class PreviewRenderer;

struct SheetState {
  EffectSettings* record = nullptr;     // the host's record, edited in place
  const void* secondRecord = nullptr;   // never read; not null means filter mode
  EffectSettings* lastPreviewed = nullptr;
  uint32_t cancelled = 0;               // set when the sheet is cancelled
  DialogPage* activePage = nullptr;     // whose pane was activated last
  DialogPage* returnPage = nullptr;     // active again when the open editor closes
  PreviewRenderer* preview = nullptr;   // the preview engine of this run

  bool filterMode() const { return secondRecord != nullptr; }
};

// The state of the sheet that is running (all empty between runs).
SheetState& sheet();

// Runs the sheet modally over record. Returns 0 (OK), 1 (cancelled: record
// restored to its state at the call) or 2 (the sheet could not be created).
int runSelectionSheet(HWND owner, EffectSettings* record, const void* secondRecord);

// With a second record, a filter frame count of 0 or not-a-number becomes 100
// and switches the filter on.
void correctFilterStart(EffectSettings& record);

}  // namespace vta
