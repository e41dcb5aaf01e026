// The "Settings" page (dialog 114) and the preferences it keeps for the
// sheet's run; the other pages read them from here.
#pragma once

#include <cstdint>

#include "pages/sheet_page.h"

namespace vta {

constexpr int kEngineNameSize = 41;

// The stored preferences, one registry value each.
struct Preferences {
  uint32_t effectDisplay = 0;   // "Eff_Display": 0 icon, 1 name, 2 both
  uint32_t autoReverse = 0;     // "Eff_Autoreverse"
  char orgFile[kEngineNameSize] = "";         // "OrgFile": a group list name
  uint32_t previewQuality = 0;  // "Prev_Quality": 0 low, 1 medium, 2 high
  char previewEngine[kEngineNameSize] = "";   // "Prev_Engine"
  uint32_t previewFrames = 0;   // "Prev_Frames": 1 to 200
  uint32_t previewRender = 0;   // "Prev_Render": automatic preview render
  uint32_t previewSpeed = 0;    // "Prev_Speed": frames per second, 1 to 30
  char engine[kEngineNameSize] = "";          // "Engine": renderer of the final render
  uint32_t logging = 0;         // "Rnd_Logging": 0 off, 1 summary, 2 detailed
  uint32_t multithreaded = 0;   // "Rnd_Multi"

  // Reads every value; a missing number reads as 0, a missing text as "".
  void load();
};

class SettingsPage final : public SheetPage<SettingsPage> {
 public:
  static constexpr bool kChecksEveryMessage = true;
  static constexpr int kTemplate = 114;
  static constexpr const char* kTitle = "Settings";

  SettingsPage() { preferences_.load(); }

  uint32_t effectDisplay() const { return preferences_.effectDisplay; }
  uint32_t autoReverse() const { return preferences_.autoReverse; }
  uint32_t previewRender() const { return preferences_.previewRender; }
  uint32_t previewSpeed() const { return preferences_.previewSpeed; }
  void setPreviewSpeed(uint32_t framesPerSecond) { preferences_.previewSpeed = framesPerSecond; }

 private:
  Preferences preferences_;
};

}  // namespace vta
