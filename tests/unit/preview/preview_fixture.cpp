#include "preview_fixture.h"

#include <chrono>
#include <filesystem>

#include "model/files/texture_file.h"
#include "model/texture_image.h"
#include "platform/settings_store.h"

namespace vta::test {
namespace {

const char* const kRenderers[] = {"Rnd_Test", "Rnd_NoPrepare", "Rnd_NoRender"};

}  // namespace

PreviewInstallation::PreviewInstallation() {
  std::filesystem::create_directories(folder_.file("LIBS"));
  for (const char* name : kRenderers) {
    const std::string module = std::string(name) + ".dll";
    std::filesystem::copy_file(std::string(VTA_TEST_RENDERER_DIR) + "/" + module,
                               folder_.file("LIBS/" + module));
  }
  writeRegistryString("Path", folder_.path().c_str());
  writeRegistryString("Prev_Engine", "Rnd_Test");
}

void PreviewInstallation::addTexture(const std::string& name, uint32_t size) {
  std::filesystem::create_directories(folder_.file("Textures"));
  TextureImage image;
  image.describeBgr24(size, size, VTA_ROW_ALIGN_PACKED);
  std::vector<uint8_t> pixels(image.dataSize, 0x40);
  image.takePixels(pixels.data(), image.dataSize);
  saveTextureImage(image, folder_.file("Textures/" + name + ".vtt").c_str());
}

std::vector<int> RecordingListener::events() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return events_;
}

bool RecordingListener::waitForEvents(size_t count, int timeoutMs) const {
  std::unique_lock<std::mutex> lock(mutex_);
  return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                           [&] { return events_.size() >= count; });
}

void RecordingListener::clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  events_.clear();
}

void RecordingListener::add(int event) {
  std::lock_guard<std::mutex> lock(mutex_);
  events_.push_back(event);
  changed_.notify_all();
}

}  // namespace vta::test
