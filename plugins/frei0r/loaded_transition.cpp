#include "loaded_transition.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "installation_choice.h"
#include "model/files/defaults_file.h"
#include "model/files/effect_file.h"

namespace vta::frei0r {
namespace {

namespace fs = std::filesystem;

// Progress reaches the renderer as a position in this many steps: the
// effect's time, and the frame a mapped clip shows (docs/sdk.md).
constexpr uint32_t kProgressSteps = 1000;

std::string rendererOf(const std::string& installation) {
  return (fs::path(installation) / "LIBS" / "Rnd_Software.so").string();
}

// The record's reals as a host's record starts (lighting, perspective-
// correct mapping and bilinear filtering on, the rest 0), or those of the
// saved record; then the effect's name when one is given.
bool readRecord(const TransitionSource& source, EffectSettings& record, std::string& why) {
  record.clear();
  if (source.record.empty()) {
    record.globalParams[VTA_QUALITY] = 1;
    record.globalParams[VTA_IMAGE_QUALITY] = 1;
    record.globalParams[VTA_LIGHTING] = 1;
  } else if (!loadDefaultsFile(record, source.record.c_str())) {
    why = source.record + " is not a complete record file";
    return false;
  }
  if (source.effect.size() >= kEffectNameSize) {
    why = "the effect name \"" + source.effect + "\" is too long";
    return false;
  }
  if (!source.effect.empty())
    std::memcpy(record.effectName, source.effect.c_str(), source.effect.size() + 1);
  if (record.effectName[0] == '\0') why = "no effect is named (parameter \"effect\" or \"record\")";
  return why.empty();
}

bool effectInstalled(const EffectSettings& record, const std::string& installation,
                     std::string& why) {
  char title[kEffectNameSize];
  uint32_t allowFlags = 0;
  if (readEffectSummary(record.effectName, title, sizeof title, &allowFlags)) return true;
  why = std::string("no effect \"") + record.effectName + "\" in " + installation;
  return false;
}

}  // namespace

LoadedTransition::LoadedTransition(uint32_t width, uint32_t height)
    : sources_{render::JobImage(width, height), render::JobImage(width, height)},
      context_(plugin_),
      frame_(width, height, kProgressSteps + 1, sources_, nullptr) {}

std::unique_ptr<LoadedTransition> LoadedTransition::load(const TransitionSource& source,
                                                         uint32_t width, uint32_t height,
                                                         std::string& why) {
  std::unique_ptr<LoadedTransition> transition(new LoadedTransition(width, height));
  return transition->bind(source, why) ? std::move(transition) : nullptr;
}

bool LoadedTransition::bind(const TransitionSource& source, std::string& why) {
  std::error_code ec;
  if (!fs::is_directory(source.installation, ec)) {
    why = "no installation folder " + source.installation;
    return false;
  }
  if (!plugin_.load(rendererOf(source.installation), why)) return false;
  const bool chosen = withInstallation(source.installation, [&] {
    if (readRecord(source, record_, why) && effectInstalled(record_, source.installation, why))
      context_.prepare(settings(), frame_.job);
  });
  if (!chosen) why = "the installation folder cannot be recorded in a settings file";
  return why.empty();
}

void LoadedTransition::draw(double progress, const uint8_t* from, const uint8_t* to,
                            uint8_t* out) {
  const double moment = progress > 0 ? std::min(progress, 1.0) : 0.0;  // NaN too
  sources_[0].readRgba(from);
  sources_[1].readRgba(to);
  frame_.job.position = static_cast<uint32_t>(std::lround(moment * kProgressSteps));
  context_.render(settings(), frame_.job);
  frame_.output.writeRgba(out);
}

}  // namespace vta::frei0r
