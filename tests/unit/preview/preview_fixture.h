// What the preview engine tests and the preview benchmark share: a private
// installation with the test renderers in its LIBS folder and private
// settings pointing at it, the test renderer's control entries, and a
// listener that records the engine's reports.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "../../support/settings_sandbox.h"
#include "../../support/temp_folder.h"
#include "../../support/test_renderer_control.h"
#include "preview/preview_renderer.h"

namespace vta::test {

// A fresh installation folder and settings store for one test; the settings
// name it as "Path" and "Rnd_Test" as "Prev_Engine". Put back afterwards.
class PreviewInstallation {
 public:
  PreviewInstallation();

  // Writes a size x size placeholder texture <name>.vtt into Textures.
  void addTexture(const std::string& name, uint32_t size);
  std::string file(const std::string& name) const { return folder_.file(name); }

 private:
  SettingsSandbox sandbox_;
  TempFolder folder_;
};

// The test renderer name in the installation's LIBS folder, bound from the
// same module the engine loads. Starts with the module reset.
class TestRenderer : public TestRendererControl {
 public:
  explicit TestRenderer(const PreviewInstallation& installation, const char* name = "Rnd_Test")
      : TestRendererControl(installation.file("LIBS/" + std::string(name) + ".dll")) {}
};

// Records what the engine reports, in order: -1 for a state change, else
// the progress percent.
class RecordingListener : public PreviewListener {
 public:
  static constexpr int kState = -1;

  void renderStateChanged() override { add(kState); }
  void progressChanged(int percent) override { add(percent); }

  std::vector<int> events() const;
  void clear();
  // Waits until count reports have arrived; false on timeout.
  bool waitForEvents(size_t count, int timeoutMs = 5000) const;

 private:
  void add(int event);

  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  std::vector<int> events_;
};

}  // namespace vta::test
