// An effect made ready to draw between two frames of one size: the
// installation's Rnd_Software bound through the render library, the record
// it draws (the effect's name, a saved record's options, envelopes, paths
// and mapped files) and a renderer context of its own prepared with it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "frame_job.h"
#include "model/effect_settings.h"
#include "renderer_plugin.h"
#include "transition_parameters.h"

namespace vta::frei0r {

class LoadedTransition {
 public:
  // Null, with why saying what is missing, when the installation, its
  // renderer, the record or the effect cannot be had.
  static std::unique_ptr<LoadedTransition> load(const TransitionSource& source, uint32_t width,
                                                uint32_t height, std::string& why);

  // Draws the moment progress (0 to 1) of the transition from the frame
  // from to the frame to into out: RGBA frames of the loaded size.
  void draw(double progress, const uint8_t* from, const uint8_t* to, uint8_t* out);

  LoadedTransition(const LoadedTransition&) = delete;
  LoadedTransition& operator=(const LoadedTransition&) = delete;

 private:
  LoadedTransition(uint32_t width, uint32_t height);
  bool bind(const TransitionSource& source, std::string& why);
  VtaEffectSettings& settings() { return reinterpret_cast<VtaEffectSettings&>(record_); }

  render::RendererPlugin plugin_;
  EffectSettings record_;
  std::vector<render::JobImage> sources_;  // the outgoing and the incoming frame
  render::RendererContext context_;
  render::FrameJob frame_;
};

}  // namespace vta::frei0r
