// vtafx check-effect --install DIR [--renderer LIB] [EFFECT...]: renders the
// first and last frame of installed effects and reports every end that does
// not show exactly the outgoing or the incoming clip.

#include <algorithm>
#include <cstdio>

#include "effect_ends.h"
#include "render_commands.h"
#include "scoped_installation.h"

namespace vtafx {

namespace {

struct CheckArgs {
  std::string install, renderer;
  std::vector<std::string> effects;
};

bool parseArgs(const Args& args, CheckArgs& c) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i].rfind("--", 0) != 0)
      c.effects.push_back(args[i]);
    else if (i + 1 == args.size())
      return false;
    else if (args[i] == "--install")
      c.install = args[++i];
    else if (args[i] == "--renderer")
      c.renderer = args[++i];
    else
      return false;
  }
  return !c.install.empty();
}

// Prints the effect's unclean ends, or that it cuts cleanly; true when clean.
bool reportEnds(RenderSession& session, const std::string& effect) {
  bool clean = true;
  for (const EndCheck& check : checkEnds(session, effect, previewSizes())) {
    if (check.difference.clean()) continue;
    std::printf("FAILED: %s: %s\n", effect.c_str(), describe(check).c_str());
    clean = false;
  }
  if (clean) std::printf("ok: %s\n", effect.c_str());
  return clean;
}

}  // namespace

int runCheckEffect(const Args& args) {
  CheckArgs c;
  if (!parseArgs(args, c))
    return report(kExitUsage,
                  "usage: vtafx check-effect --install DIR [--renderer LIB] [EFFECT...]");
  if (c.renderer.empty()) c.renderer = defaultRenderer(c.install);
  const std::vector<std::string> installed = installedEffects(c.install);
  if (c.effects.empty()) c.effects = installed;
  if (c.effects.empty()) return report(kExitFailed, "no effects in " + c.install);
  for (const std::string& effect : c.effects)
    if (std::find(installed.begin(), installed.end(), effect) == installed.end())
      return report(kExitFailed, "no effect \"" + effect + "\" in " + c.install);
  ScopedInstallation installation(c.install);
  if (!installation.chosen()) return report(kExitFailed, "cannot record the installation path");
  RenderSession session;
  std::string error;
  if (!session.load(c.renderer, error)) return report(kExitFailed, error);
  int unclean = 0;
  for (const std::string& effect : c.effects) unclean += reportEnds(session, effect) ? 0 : 1;
  return unclean ? kExitFailed : kExitOk;
}

}  // namespace vtafx
