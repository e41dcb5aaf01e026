#pragma once
// The one way the library and its tools save a file. A save never leaves the
// target half written, whatever fails and even when the machine stops: the
// content goes to a new temporary file in the target's folder, is flushed to
// the disk, and only then takes the target's place in one step (keeping the
// target's attributes on Windows). Until then the previous file stays as it
// was; after any failure the temporary file is deleted and the failure
// reported.
//
//   SafeSave save;
//   bool saved = save.begin(path) && save.write(a, n) && save.write(b, m) && save.commit();

#include <cstddef>
#include <string>

#include "platform/file.h"

namespace vta {

class SafeSave {
 public:
  SafeSave() = default;
  // Abandons a save that was not committed.
  ~SafeSave();
  SafeSave(const SafeSave&) = delete;
  SafeSave& operator=(const SafeSave&) = delete;

  // Abandons any save in progress and starts saving target: creates the
  // temporary file under a name no other file has, so two saves never collide
  // and no file of the user's is overwritten. False when it cannot be made.
  bool begin(const char* target);
  // Appends to the content. A failed write abandons the save, so every later
  // write and the commit fail too.
  bool write(const void* data, size_t size);
  // Flushes the content to the disk and puts it in the target's place. Ends
  // the save; false, with the target as it was, when any step failed.
  bool commit();
  // Deletes the temporary file; the target stays as it was.
  void abandon();

  bool saving() const { return file_.isOpen(); }

 private:
  File file_;
  std::string target_;
  std::string temporary_;
};

// Saves size bytes from data as the whole content of target.
bool saveFile(const char* target, const void* data, size_t size);

// The steps of a save, as named to the test seam below.
enum class SaveStep { kOpen, kWrite, kFlush, kReplace };
// Test seam, null in the product: when set, it is asked before each step of
// every save, and a true answer makes that step fail as if the system had
// refused it.
extern bool (*g_saveStepFails)(SaveStep step);

}  // namespace vta
