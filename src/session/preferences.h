// The stored preferences of the selection sheet, one registry value each.
#pragma once

#include <cstdint>

namespace vta {

constexpr int kEngineNameSize = 41;
constexpr uint32_t kMinPreviewFrames = 1, kMaxPreviewFrames = 200;
constexpr uint32_t kMinPreviewSpeed = 1, kMaxPreviewSpeed = 30;

struct Preferences {
  uint32_t effectDisplay = 0;                // "Eff_Display": 0 icon, 1 name, 2 both
  uint32_t autoReverse = 0;                  // "Eff_Autoreverse"
  char orgFile[kEngineNameSize] = "";        // "OrgFile": a group list name
  uint32_t previewQuality = 0;               // "Prev_Quality": 0 low, 1 medium, 2 high
  char previewEngine[kEngineNameSize] = "";  // "Prev_Engine"
  uint32_t previewFrames = 0;                // "Prev_Frames": 1 to 200
  uint32_t previewRender = 0;                // "Prev_Render": automatic preview render
  uint32_t previewSpeed = 0;                 // "Prev_Speed": frames per second, 1 to 30
  char engine[kEngineNameSize] = "";         // "Engine": renderer of the final render
  uint32_t logging = 0;                      // "Rnd_Logging": 0 off, 1 summary, 2 detailed
  uint32_t multithreaded = 0;                // "Rnd_Multi"

  // Stored texts longer than their fields: shown as "", never overwritten
  // with "".
  bool orgFileKept = false, previewEngineKept = false, engineKept = false;

  // Reads every value; a missing number reads as 0 (frames and speed as 1,
  // their least), a missing text as "".
  void load();
  // Writes every value back, in a fixed order, but a kept text that is still
  // empty; a failed write is not reported.
  void save() const;
};

}  // namespace vta
