// The "Render Transition" dialog: the size, frame count, pictures and frames
// folder of a final render of the host's record, then the render itself on a
// worker thread, with a progress bar and Cancel.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "model/effect_settings.h"
#include "rgb_picture.h"

namespace vta::host {

// What the user entered, kept from one render to the next.
struct RenderChoices {
  uint32_t width = 640;
  uint32_t height = 360;
  uint32_t frames = 50;
  uint32_t threads = 0;  // render workers; 0: one per core
  std::string from, to;  // picture files; both empty: the sample pictures
  std::string folder;    // empty: a folder in the user's temporary folder
};

// Modal over owner. True when a render finished; frames then holds its
// frames. A cancelled or failed render keeps the dialog open.
bool showRenderDialog(HWND owner, const EffectSettings& record, RenderChoices& choices,
                      std::vector<render::RgbPicture>& frames);

}  // namespace vta::host
