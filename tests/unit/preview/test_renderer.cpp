// The "Rnd_Test" renderer plug-in (see test_renderer.h). Built as a native
// shared library and as a Windows DLL from this one source; variants without
// Rnd_Prepare or Rnd_Render are built with RND_TEST_WITHOUT_PREPARE or
// RND_TEST_WITHOUT_RENDER.
#include "test_renderer.h"

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

#ifdef _WIN32
#define RND_EXPORT extern "C" __declspec(dllexport)
#else
#define RND_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {

std::mutex g_mutex;
std::condition_variable g_changed;
std::vector<RndTestCall> g_calls;
int g_delayMs = 0;
int g_holdNumber = -1;
bool g_holdYields = true;
int g_renders = 0;
bool g_released = false;

int record(const RndTestCall& call) {
  std::lock_guard<std::mutex> lock(g_mutex);
  g_calls.push_back(call);
  g_changed.notify_all();
  return static_cast<int>(g_calls.size()) - 1;
}

RndTestCall describe(int kind, void* context, const VtaEffectSettings* settings,
                     const VtaRenderJob* job) {
  RndTestCall call = {};
  call.kind = kind;
  call.context = context;
  if (settings) {
    std::memcpy(call.effectName, settings->effectName, sizeof call.effectName);
    call.flyMode = settings->globalParams[VTA_FLY_MODE];
    call.filterOn = settings->globalParams[VTA_FILTER_ON];
  }
  if (!job) return call;
  call.position = job->position;
  call.range = job->range;
  call.sourceCount = job->sourceCount;
  for (int k = 0; k < VTA_RENDER_SOURCE_COUNT; ++k) {
    if (job->sources[k].pixels) call.sourcesWithPixels |= 1u << k;
  }
  call.width = job->width;
  call.height = job->height;
  call.output = job->output;
  call.reserved0 = job->reserved0;
  call.previewMark = job->previewMark;
  call.hasAbortCallback = job->abortCallback != nullptr;
  return call;
}

#ifndef RND_TEST_WITHOUT_RENDER
// Background shading with position / range, a light bar at that point
// across the frame, and a green level from the source count.
void paint(const VtaRenderJob& job) {
  const VtaTextureImage& out = job.output;
  if (!out.pixels || job.range == 0) return;
  const uint32_t level = job.position * 255 / job.range;
  const uint32_t bar = job.position * (out.width - 1) / job.range;
  for (uint32_t y = 0; y < out.height; ++y) {
    uint8_t* row = out.pixels + static_cast<size_t>(y) * out.rowBytes;
    for (uint32_t x = 0; x < out.width; ++x) {
      const bool onBar = x + 1 >= bar && x <= bar + 1;
      row[3 * x + 0] = onBar ? 255 : static_cast<uint8_t>(255 - level);  // blue
      row[3 * x + 1] = onBar ? 255 : static_cast<uint8_t>(job.sourceCount * 12);
      row[3 * x + 2] = onBar ? 255 : static_cast<uint8_t>(level);  // red
    }
  }
}

// Waits while this render is the held one, until released or (when the
// hold yields) aborted.
bool holdIfAsked(int number, const VtaRenderJob& job) {
  std::unique_lock<std::mutex> lock(g_mutex);
  if (number != g_holdNumber) return false;
  while (!g_released) {
    if (g_holdYields && job.abortCallback && job.abortCallback()) return true;
    g_changed.wait_for(lock, std::chrono::milliseconds(1));
  }
  return false;
}
#endif

}  // namespace

#ifndef RND_TEST_WITHOUT_PREPARE
// Context tokens handed out by Rnd_Prepare.
int g_contexts[64];
int g_contextCount = 0;

RND_EXPORT void* VTA_CALL Rnd_Prepare(void* context, VtaEffectSettings* settings,
                                      VtaRenderJob* job) {
  RndTestCall call = describe(RND_TEST_PREPARE, context, settings, job);
  if (!context) {
    std::lock_guard<std::mutex> lock(g_mutex);
    context = &g_contexts[g_contextCount++ % 64];
  }
  call.result = context;
  record(call);
  return context;
}
#endif

#ifndef RND_TEST_WITHOUT_RENDER
RND_EXPORT int VTA_CALL Rnd_Render(void* context, VtaEffectSettings* settings, VtaRenderJob* job) {
  int number, delay;
  {
    std::lock_guard<std::mutex> lock(g_mutex);
    number = g_renders++;
    delay = g_delayMs;
  }
  const int index = record(describe(RND_TEST_RENDER, context, settings, job));
  paint(*job);
  if (delay > 0) std::this_thread::sleep_for(std::chrono::milliseconds(delay));
  const bool aborted = holdIfAsked(number, *job);
  std::lock_guard<std::mutex> lock(g_mutex);
  g_calls[index].aborted = aborted || (job->abortCallback && job->abortCallback());
  return 1;
}
#endif

RND_EXPORT int VTA_CALL Rnd_FreeContext(void* context) {
  record(describe(RND_TEST_FREE, context, nullptr, nullptr));
  return 1;
}

RND_EXPORT void* VTA_CALL Rnd_CreateContext(void) { return nullptr; }
RND_EXPORT int VTA_CALL Rnd_StaticVideo(void) { return 0; }

RND_EXPORT void VTA_CALL RndTest_Reset(void) {
  std::lock_guard<std::mutex> lock(g_mutex);
  g_calls.clear();
  g_delayMs = 0;
  g_holdNumber = -1;
  g_holdYields = true;
  g_renders = 0;
  g_released = false;
}

RND_EXPORT void VTA_CALL RndTest_SetDelay(int milliseconds) {
  std::lock_guard<std::mutex> lock(g_mutex);
  g_delayMs = milliseconds;
}

RND_EXPORT void VTA_CALL RndTest_Hold(int renderNumber, int yieldToAbort) {
  std::lock_guard<std::mutex> lock(g_mutex);
  g_holdNumber = renderNumber;
  g_holdYields = yieldToAbort != 0;
  g_released = false;
}

RND_EXPORT void VTA_CALL RndTest_Release(void) {
  std::lock_guard<std::mutex> lock(g_mutex);
  g_released = true;
  g_changed.notify_all();
}

RND_EXPORT int VTA_CALL RndTest_WaitFor(int kind, int count, int timeoutMs) {
  std::unique_lock<std::mutex> lock(g_mutex);
  auto enough = [&] {
    int seen = 0;
    for (const RndTestCall& call : g_calls) seen += call.kind == kind;
    return seen >= count;
  };
  return g_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), enough) ? 1 : 0;
}

RND_EXPORT int VTA_CALL RndTest_CallCount(void) {
  std::lock_guard<std::mutex> lock(g_mutex);
  return static_cast<int>(g_calls.size());
}

RND_EXPORT int VTA_CALL RndTest_GetCall(int i, RndTestCall* call) {
  std::lock_guard<std::mutex> lock(g_mutex);
  if (i < 0 || i >= static_cast<int>(g_calls.size())) return 0;
  *call = g_calls[static_cast<size_t>(i)];
  return 1;
}
