#pragma once
// Whether an effect cuts cleanly: a transition sits between two cuts, so its
// first frame must show exactly the outgoing clip and its last exactly the
// incoming one, or the viewer sees a jump at both cuts. The frames are
// compared with the two pictures as the renderer receives them.

#include <cstdint>
#include <string>
#include <vector>

#include "image_io.h"
#include "render_session.h"

namespace vtafx {

// How far a frame is from the picture it should show, 0 to 1 of full scale.
struct EndDifference {
  double mean = 0;   // over every pixel and channel
  double worst = 0;  // largest channel difference, the one-pixel border left out
  bool clean() const;
};

// Pictures of the same size; a frame of another size differs by 1.
EndDifference endDifference(const Picture& frame, const Picture& expected);

struct EndCheck {
  bool last;      // the last frame (else the first)
  uint32_t size;  // square frames of size x size
  bool antialiased;
  EndDifference difference;
};

// The names of the effects in the installation's EFFECTS folder, sorted.
std::vector<std::string> installedEffects(const std::string& installDir);

// Sizes the ends are checked at by default: the preview's three qualities.
const std::vector<uint32_t>& previewSizes();

// Renders the first and last frame of the installed effect at each size,
// with antialiasing off and on, through a loaded session whose
// installation holds the effect.
std::vector<EndCheck> checkEnds(RenderSession& session, const std::string& effect,
                                const std::vector<uint32_t>& sizes);

// "last frame at 64 px, antialiased: mean 0.0123, worst 0.456"
std::string describe(const EndCheck& check);

}  // namespace vtafx
