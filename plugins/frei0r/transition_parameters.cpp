#include "transition_parameters.h"

#include <cstdlib>

namespace vta::frei0r {
namespace {

std::string defaultInstallation() {
  const char* chosen = std::getenv("VANTARO_INSTALL");
  return chosen && *chosen ? chosen : VTA_SAMPLE_INSTALL_DIR;
}

// The text field of a parameter index, null for the others.
template <class Source>
auto text(Source& source, int index) -> decltype(&source.effect) {
  switch (index) {
    case kEffect: return &source.effect;
    case kRecord: return &source.record;
    case kInstallation: return &source.installation;
    default: return nullptr;
  }
}

}  // namespace

TransitionParameters::TransitionParameters() { source.installation = defaultInstallation(); }

void TransitionParameters::set(int index, const void* value) {
  if (index == kProgress) {
    progress = *static_cast<const double*>(value);
  } else if (std::string* field = text(source, index)) {
    const char* chars = *static_cast<const char* const*>(value);
    field->assign(chars ? chars : "");
  }
}

void TransitionParameters::get(int index, void* value) const {
  if (index == kProgress) {
    *static_cast<double*>(value) = progress;
  } else if (const std::string* field = text(source, index)) {
    *static_cast<const char**>(value) = field->c_str();
  }
}

}  // namespace vta::frei0r
