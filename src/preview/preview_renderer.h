#pragma once
// The preview engine: one worker thread that renders the selected effect, as
// a short sequence of small frames, through the preview renderer plug-in into
// frame buffers that the "Selected FX" pane plays.
//
// The dialog thread raises requests (render, stop); the worker polls them and
// tells the user interface about its progress through a PreviewListener. The
// worker never reads the host's record or the Effects page's description: a
// render request hands over a copy of what the worker needs, made once.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "model/effect_description.h"
#include "model/effect_settings.h"
#include "preview/render_job.h"

namespace vta {

// Told about a render by the worker thread; implementations must return at
// once (post, never wait for the dialog thread). Never called once the
// engine's destruction has begun.
class PreviewListener {
 public:
  // A render started or ended: the Render button's text may have changed.
  virtual void renderStateChanged() = 0;
  // Percent of the frames rendered (not reported in filter mode).
  virtual void progressChanged(int percent) = 0;

 protected:
  ~PreviewListener() = default;
};

// What the worker needs of the selected effect's description.
struct PreviewEffect {
  bool selected = false;  // an effect is selected
  uint32_t variantCount = 0;
  float best = 0.0f;  // percent of the transition that shows it best
};

// The frames an engine renders: their size, their count and the prefix of
// the placeholder textures its video sources show.
struct PreviewFormat {
  uint32_t width = 32;
  uint32_t height = 32;
  uint32_t frameCount = 1;
  const char* texturePrefix = "PREVS_";
};

// The format "Prev_Quality" and "Prev_Frames" choose; a filter preview
// shows one frame.
PreviewFormat storedPreviewFormat(bool filterMode);

class PreviewRenderer {
 public:
  static constexpr uint32_t kMaxFrames = 200;
  static constexpr std::chrono::milliseconds kPollPeriod{50};

  // Loads the placeholder textures, clears the frames and starts the worker,
  // which binds the renderer named by "Prev_Engine". filterMode: the sheet
  // has a second record. listener may be null. The worker polls its flags
  // every pollPeriod while idle and wakes at once when a render is requested.
  PreviewRenderer(bool filterMode, const PreviewFormat& format, PreviewListener* listener,
                  std::chrono::milliseconds pollPeriod = kPollPeriod);
  // The same in the stored format.
  PreviewRenderer(bool filterMode, PreviewListener* listener,
                  std::chrono::milliseconds pollPeriod = kPollPeriod)
      : PreviewRenderer(filterMode, storedPreviewFormat(filterMode), listener, pollPeriod) {}
  // Asks the worker to quit and waits until it has ended (after the frame it
  // is rendering).
  ~PreviewRenderer();
  PreviewRenderer(const PreviewRenderer&) = delete;
  PreviewRenderer& operator=(const PreviewRenderer&) = delete;

  // Dialog thread. Asks for a render of record with the selected effect's
  // description (null: none selected). The worker shares the record's copy,
  // which nobody changes any more; what it needs of the description is
  // copied before this returns.
  void requestRender(std::shared_ptr<const EffectSettings> record,
                     const EffectDescription* selected);
  // The same with a copy of record made here.
  void requestRender(const EffectSettings& record, const EffectDescription* selected);
  // Dialog thread. Asks the running render to be abandoned.
  void requestStop() { stopRequested_ = 1; }

  bool isBusy() const { return busy_ != 0; }
  bool isStopping() const { return stopRequested_ != 0; }
  // The percentage the progress bar shows now (0 in filter mode).
  int progress() const { return progress_; }

  uint32_t width() const { return width_; }
  uint32_t height() const { return height_; }
  uint32_t frameCount() const { return frameCount_; }
  const char* texturePrefix() const { return texturePrefix_; }
  // Frame i: height bottom-up rows of width x 3 bytes (whole 32-bit words
  // when width is a multiple of 4, as every stored quality's). Written by the worker
  // while it renders.
  const uint8_t* frame(uint32_t i) const { return &frames_[i * frameBytes()]; }

  // Dialog thread, for each playback tick: the next frame to show, in turn;
  // while a render runs, the newest finished frame.
  uint32_t advanceDisplayFrame();
  // The frame the last tick showed (the first before any tick).
  uint32_t displayFrame() const {
    return displayFrame_ < 0 ? 0 : static_cast<uint32_t>(displayFrame_);
  }

  // The jobs' abort callback: whether the engine whose worker calls it has
  // been asked to stop.
  static int VTA_CALL abortRequested();

 private:
  friend class PreviewWorker;

  size_t frameBytes() const { return static_cast<size_t>(width_) * height_ * 3; }
  uint8_t* writableFrame(uint32_t i) { return &frames_[i * frameBytes()]; }
  void prepareJobTemplate();
  void clearFrames();
  // Worker side: reports unless a quit was requested (or, for progress, in
  // filter mode). Holding the lock the destructor takes to raise the quit
  // keeps every report before it.
  void reportState();
  void reportProgress(int percent);
  // Worker side: waits until a render is requested; false when quitting.
  bool waitForRequest();
  // Worker side: takes the request and marks the render started.
  void takeRequest(std::shared_ptr<const EffectSettings>& record, PreviewEffect& effect);

  const bool filterMode_;
  PreviewListener* const listener_;
  const std::chrono::milliseconds pollPeriod_;
  uint32_t width_ = 32;
  uint32_t height_ = 32;
  char texturePrefix_[8] = "PREVS_";
  uint32_t frameCount_ = 1;
  std::vector<uint8_t> frames_;
  RenderJob jobTemplate_;

  std::atomic<uint32_t> stopRequested_{0};
  std::atomic<uint32_t> renderRequested_{0};
  std::atomic<uint32_t> quitRequested_{0};
  std::atomic<uint32_t> busy_{0};
  std::atomic<uint32_t> renderingFrame_{0};
  std::atomic<int> progress_{0};
  int displayFrame_ = -1;

  std::mutex mutex_;  // guards the request, the wake-up and reports
  std::condition_variable wake_;
  std::shared_ptr<const EffectSettings> requestedRecord_;
  PreviewEffect requestedEffect_;

  std::thread thread_;
};

}  // namespace vta
