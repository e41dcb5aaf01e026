#include "platform/safe_save.h"

#include <atomic>
#include <chrono>
#include <cstdio>

#include "platform/file_system.h"

namespace vta {

bool (*g_saveStepFails)(SaveStep step) = nullptr;

namespace {

// Names already taken (left by a save that was cut off, or the user's) are
// skipped; past this many in a row the save gives up.
constexpr int kNameAttempts = 16;

bool stepFails(SaveStep step) { return g_saveStepFails != nullptr && g_saveStepFails(step); }

// "<target>.<8 hex digits>.tmp", numbered by a counter that every save of the
// process shares and that starts at a different value in each run.
std::string temporaryName(const std::string& target) {
  static std::atomic<uint32_t> next{
      static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count())};
  char suffix[16];
  std::snprintf(suffix, sizeof suffix, ".%08x.tmp", static_cast<unsigned>(next.fetch_add(1)));
  return target + suffix;
}

}  // namespace

SafeSave::~SafeSave() { abandon(); }

bool SafeSave::begin(const char* target) {
  abandon();
  if (target == nullptr || stepFails(SaveStep::kOpen)) return false;
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string temporary = temporaryName(target);
    if (file_.createNew(temporary.c_str())) {
      target_ = target;
      temporary_ = std::move(temporary);
      return true;
    }
  }
  return false;
}

bool SafeSave::write(const void* data, size_t size) {
  if (saving() && !stepFails(SaveStep::kWrite) && file_.write(data, size)) return true;
  abandon();
  return false;
}

bool SafeSave::commit() {
  // Flushed before the replacement, so that a crash cannot leave the target
  // replaced by a file whose bytes never reached the disk.
  const bool flushed = saving() && !stepFails(SaveStep::kFlush) && file_.flushToDisk();
  file_.close();
  const bool targetExisted = fileExists(target_.c_str());
  const bool replaced =
      flushed && !stepFails(SaveStep::kReplace) && replaceFile(temporary_.c_str(), target_.c_str());
  // A replacement can fail half-way with the old target already gone (Windows
  // reports it as ERROR_UNABLE_TO_MOVE_REPLACEMENT): the temporary file then
  // holds the only copy of the user's data and is kept.
  if (replaced || (targetExisted && !fileExists(target_.c_str()))) temporary_.clear();
  abandon();
  return replaced;
}

void SafeSave::abandon() {
  file_.close();
  if (!temporary_.empty()) removeFile(temporary_.c_str());
  temporary_.clear();
  target_.clear();
}

bool saveFile(const char* target, const void* data, size_t size) {
  SafeSave save;
  return save.begin(target) && save.write(data, size) && save.commit();
}

}  // namespace vta
