#include "transition_instance.h"

#include <cstdio>
#include <cstring>

namespace vta::frei0r {

void TransitionInstance::reload() {
  loadedFrom_ = parameters_.source;
  std::string why;
  loaded_ = LoadedTransition::load(*loadedFrom_, width_, height_, why);
  if (!loaded_) std::fprintf(stderr, "vantaro frei0r: %s; showing a plain cut\n", why.c_str());
}

void TransitionInstance::update(const uint8_t* from, const uint8_t* to, uint8_t* out) {
  if (loadedFrom_ != parameters_.source) reload();
  if (loaded_) return loaded_->draw(parameters_.progress, from, to, out);
  const uint8_t* shown = parameters_.progress < 0.5 ? from : to;
  std::memmove(out, shown, size_t(width_) * height_ * 4);
}

}  // namespace vta::frei0r
