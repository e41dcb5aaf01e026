// eval env|path FILE T...: the curve's values through the library's own
// evaluation.
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "commands.h"
#include "component_json.h"
#include "model/components/envelope.h"
#include "model/files/envelope_file.h"
#include "curves/kb_spline.h"
#include "model/components/path.h"
#include "model/files/path_file.h"

namespace vtafx {

namespace {

// "N%" (N whole) gives keyTimeFromPercent(N); anything else must be a whole
// float. False when the argument is neither.
bool parseTime(const std::string& arg, float& time) {
  if (arg.empty()) return false;
  char* end = nullptr;
  errno = 0;
  if (arg.back() == '%') {
    const long percent = std::strtol(arg.c_str(), &end, 10);
    if (end != arg.c_str() + arg.size() - 1 || end == arg.c_str() || errno || percent < -1000000 ||
        percent > 1000000) {
      return false;
    }
    time = vta::keyTimeFromPercent(static_cast<int>(percent));
    return true;
  }
  time = std::strtof(arg.c_str(), &end);
  return end == arg.c_str() + arg.size() && end != arg.c_str();
}

template <class Kind>
ComponentPtr newCurve() {
  return ComponentPtr(vta::makeComponent<Kind>(0, 0.0f, 1.0f, 0, 0));
}

void printEnvelope(const vta::EffectComponent& curve, const std::string& arg, float t) {
  const float value = static_cast<const vta::EnvelopeComponent&>(curve).evaluate(t);
  std::printf("%s %.9g\n", arg.c_str(), static_cast<double>(value));
}

void printPath(const vta::EffectComponent& curve, const std::string& arg, float t) {
  vta::PathKey key{};
  static_cast<const vta::PathComponent&>(curve).evaluate(t, key);
  std::printf("%s", arg.c_str());
  for (auto field : vta::kPlacementFields) std::printf(" %.9g", static_cast<double>(key.*field));
  std::printf("\n");
}

}  // namespace

int runEval(const Args& args) {
  if (args.size() < 3 || (args[0] != "env" && args[0] != "path")) {
    return report(kExitUsage, "usage: vtafx eval env|path FILE T...");
  }
  std::vector<float> times(args.size() - 2);
  for (size_t i = 2; i < args.size(); ++i) {
    if (!parseTime(args[i], times[i - 2]))
      return report(kExitUsage, "not a time: \"" + args[i] + "\"");
  }
  const bool envelope = args[0] == "env";
  ComponentPtr curve =
      envelope ? newCurve<vta::EnvelopeComponent>() : newCurve<vta::PathComponent>();
  const vta::CurveFileResult loaded =
      envelope
          ? vta::loadEnvelopeFile(args[1].c_str(), static_cast<vta::EnvelopeComponent&>(*curve))
          : vta::loadPathFile(args[1].c_str(), static_cast<vta::PathComponent&>(*curve));
  if (loaded != vta::CurveFileResult::kDone)
    return report(kExitFailed, args[1] + ": cannot load the curve");
  for (size_t i = 2; i < args.size(); ++i) {
    if (envelope)
      printEnvelope(*curve, args[i], times[i - 2]);
    else
      printPath(*curve, args[i], times[i - 2]);
  }
  return kExitOk;
}

}  // namespace vtafx
