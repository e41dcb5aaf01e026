// One frei0r instance: the host's parameters and the transition loaded from
// them, at the frame size the host made the instance for. The transition is
// loaded at the first frame and again only after the effect, the record or
// the installation changed; until one is loaded the frames show a plain
// cut, and the reason goes to standard error once per load.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "loaded_transition.h"
#include "transition_parameters.h"

namespace vta::frei0r {

class TransitionInstance {
 public:
  TransitionInstance(uint32_t width, uint32_t height) : width_(width), height_(height) {}

  TransitionParameters& parameters() { return parameters_; }

  // Draws the moment the progress parameter names between the RGBA frames
  // from and to into out.
  void update(const uint8_t* from, const uint8_t* to, uint8_t* out);

 private:
  void reload();

  uint32_t width_;
  uint32_t height_;
  TransitionParameters parameters_;
  std::optional<TransitionSource> loadedFrom_;  // what the last load tried
  std::unique_ptr<LoadedTransition> loaded_;
};

}  // namespace vta::frei0r
