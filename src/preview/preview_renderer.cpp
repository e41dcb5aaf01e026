#include "preview/preview_renderer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "model/files/texture_file.h"
#include "platform/boundary.h"
#include "platform/install_paths.h"
#include "platform/settings_store.h"
#include "preview/preview_worker.h"

namespace vta {
namespace {

constexpr uint8_t kGrey = 192;
constexpr uint32_t kMinSequenceFrames = 6;

// "Prev_Quality": 1 medium, 2 high, anything else low.
PreviewFormat qualityFormat(uint32_t level) {
  if (level == 1) return {64, 64, 1, "PREVM_"};
  if (level == 2) return {128, 128, 1, "PREVL_"};
  return {32, 32, 1, "PREVS_"};
}

}  // namespace

// "Prev_Frames" within the 1 to 200 the Settings page offers; a filter
// preview and any count too short to animate show one frame.
PreviewFormat storedPreviewFormat(bool filterMode) {
  PreviewFormat format = qualityFormat(readRegistryDword("Prev_Quality"));
  const uint32_t frames =
      std::clamp<uint32_t>(readRegistryDword("Prev_Frames"), 1, PreviewRenderer::kMaxFrames);
  format.frameCount = filterMode || frames < kMinSequenceFrames ? 1 : frames;
  return format;
}

PreviewRenderer::PreviewRenderer(bool filterMode, const PreviewFormat& format,
                                 PreviewListener* listener, std::chrono::milliseconds pollPeriod)
    : filterMode_(filterMode),
      listener_(listener),
      pollPeriod_(pollPeriod),
      width_(format.width),
      height_(format.height),
      frameCount_(std::clamp<uint32_t>(format.frameCount, 1, kMaxFrames)) {
  std::snprintf(texturePrefix_, sizeof texturePrefix_, "%s", format.texturePrefix);
  frames_.resize(frameCount_ * frameBytes());
  prepareJobTemplate();
  clearFrames();
  try {
    thread_ = std::thread([this] {
      guarded(0, [this] {
        PreviewWorker(*this).run();
        return 0;
      });
    });
  } catch (const std::system_error&) {
    // Without a worker the preview stays grey.
  }
}

PreviewRenderer::~PreviewRenderer() {
  displayFrame_ = -1;
  if (!thread_.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    quitRequested_ = 1;
    stopRequested_ = 1;
  }
  wake_.notify_all();
  thread_.join();
}

// Size, the numbered placeholder textures as sources 1 to 20 (a missing
// file leaves its source empty), the output description and the abort
// callback.
void PreviewRenderer::prepareJobTemplate() {
  jobTemplate_.width = width_;
  jobTemplate_.height = height_;
  jobTemplate_.sourceCount = kRenderSourceCount;
  jobTemplate_.previewMark = 1;
  for (int k = 1; k <= kRenderSourceCount; ++k) {
    char name[16];
    char path[kInstallPathSize];
    std::snprintf(name, sizeof name, "%s%02d", texturePrefix_, k);
    TextureImage& source = jobTemplate_.sources[k - 1];
    if (!buildPath(path, sizeof path, "Textures", name, "vtt") || !loadTextureImage(source, path)) {
      source.clear();
    }
  }
  jobTemplate_.describePreviewOutput();
  jobTemplate_.abortCallback = &PreviewRenderer::abortRequested;
  jobTemplate_.reserved0 = 0;
}

void PreviewRenderer::clearFrames() { std::fill(frames_.begin(), frames_.end(), kGrey); }

void PreviewRenderer::requestRender(const EffectSettings& record,
                                    const EffectDescription* selected) {
  auto copy = std::make_shared<EffectSettings>();
  copy->copyFrom(record);
  requestRender(std::move(copy), selected);
}

void PreviewRenderer::requestRender(std::shared_ptr<const EffectSettings> record,
                                    const EffectDescription* selected) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    requestedRecord_ = std::move(record);
    requestedEffect_ =
        selected ? PreviewEffect{true, selected->variantCount, selected->best} : PreviewEffect{};
    renderRequested_ = 1;
  }
  wake_.notify_all();
}

uint32_t PreviewRenderer::advanceDisplayFrame() {
  displayFrame_ = displayFrame_ + 1 >= static_cast<int>(frameCount_) ? 0 : displayFrame_ + 1;
  const uint32_t rendering = renderingFrame_;
  if (busy_ && rendering != 0) displayFrame_ = static_cast<int>(rendering) - 1;
  return static_cast<uint32_t>(displayFrame_);
}

void PreviewRenderer::reportState() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (listener_ && !quitRequested_) listener_->renderStateChanged();
}

void PreviewRenderer::reportProgress(int percent) {
  if (filterMode_) return;
  progress_ = percent;
  std::lock_guard<std::mutex> lock(mutex_);
  if (listener_ && !quitRequested_) listener_->progressChanged(percent);
}

bool PreviewRenderer::waitForRequest() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!renderRequested_) {
    if (quitRequested_) return false;
    stopRequested_ = 0;  // a stop without a running render is forgotten
    wake_.wait_for(lock, pollPeriod_);
  }
  return !quitRequested_;
}

// A stop raised before this render began was meant for the previous one.
void PreviewRenderer::takeRequest(std::shared_ptr<const EffectSettings>& record,
                                  PreviewEffect& effect) {
  std::lock_guard<std::mutex> lock(mutex_);
  record = std::move(requestedRecord_);
  effect = requestedEffect_;
  renderRequested_ = 0;
  stopRequested_ = 0;
  renderingFrame_ = 0;
  busy_ = 1;
}

}  // namespace vta
