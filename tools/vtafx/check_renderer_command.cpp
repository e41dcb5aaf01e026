// vtafx check-renderer LIB --install DIR [--effect NAME]: loads a renderer
// plug-in and checks it against the contract of include/vantaro/renderer.h.

#include <cstdio>
#include <vector>

#include "render_commands.h"
#include "render_session.h"
#include "scoped_installation.h"

namespace vtafx {

namespace {

constexpr uint8_t kCanary = 0x5A;
constexpr size_t kGuard = 1024;
constexpr uint32_t kSize = 64;

struct Checker {
  RenderSession& session;
  vta::EffectSettings& record;
  int failures = 0;

  void expect(bool ok, const char* what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    failures += ok ? 0 : 1;
  }

  // Renders the middle frame into a guarded buffer; returns the buffer.
  std::vector<uint8_t> guardedFrame(VtaAbortFunction abort, bool prepare) {
    std::vector<uint8_t> bytes(kSize * kSize * 3 + 2 * kGuard, kCanary);
    session.setUp(kSize, placeholderSources(kSize), abort);
    session.job().output.pixels = bytes.data() + kGuard;
    if (prepare) session.prepare(record);
    session.render(record, 5, 10);
    return bytes;
  }
};

bool guardsIntact(const std::vector<uint8_t>& b) {
  for (size_t i = 0; i < kGuard; ++i)
    if (b[i] != kCanary || b[b.size() - 1 - i] != kCanary) return false;
  return true;
}

bool framed(const std::vector<uint8_t>& b) {
  for (size_t i = kGuard; i < b.size() - kGuard; ++i)
    if (b[i] != kCanary) return true;
  return false;
}

// Times the abort callback was asked since the last reset.
int g_abortQuestions = 0;

int VTA_CALL stopAtOnce() {
  ++g_abortQuestions;
  return 1;
}

}  // namespace

int runCheckRenderer(const Args& args) {
  std::string library, install, effect = "Slide Left";
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--install" && i + 1 < args.size())
      install = args[++i];
    else if (args[i] == "--effect" && i + 1 < args.size())
      effect = args[++i];
    else if (library.empty())
      library = args[i];
    else
      library.clear(), i = args.size();
  }
  if (library.empty() || install.empty())
    return report(kExitUsage, "usage: vtafx check-renderer LIB --install DIR [--effect NAME]");
  ScopedInstallation installation(install);
  if (!installation.chosen()) return report(kExitFailed, "cannot record the installation path");
  RenderSession session;
  std::string error;
  if (!session.load(library, error)) return report(kExitFailed, error);
  vta::EffectSettings record;
  previewRecord(record, effect);
  Checker c{session, record};
  c.expect(session.createContext && session.freeContext && session.staticVideo,
           "all five entries are exported");
  std::vector<uint8_t> first = c.guardedFrame(nullptr, true);
  c.expect(framed(first), "a prepared context renders a frame");
  c.expect(guardsIntact(first), "nothing is written outside the output buffer");
  std::vector<uint8_t> again = c.guardedFrame(nullptr, true);
  c.expect(again == first, "a second Rnd_Prepare with the same context renders the same frame");
  g_abortQuestions = 0;
  std::vector<uint8_t> stopped = c.guardedFrame(stopAtOnce, false);
  c.expect(g_abortQuestions > 0, "the abort callback is asked while a frame is drawn");
  c.expect(!framed(stopped) && guardsIntact(stopped), "a stopped frame leaves the output alone");
  session.finish();
  std::vector<uint8_t> fresh = c.guardedFrame(nullptr, true);
  c.expect(fresh == first, "after Rnd_FreeContext a new context renders the same frame");
  return c.failures ? kExitFailed : kExitOk;
}

}  // namespace vtafx
