#pragma once
// A minimal binary file handle: read an existing file, or create a new file
// and write it (saves go through SafeSave, which uses the latter). On POSIX systems the path may
// use backslashes and is looked up case-blindly, as on Windows.

#include <cstddef>
#include <cstdint>

namespace vta {

class File {
 public:
  File() = default;
  ~File();
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  // Opens an existing file for sequential reading. Closes any file held.
  bool openForReading(const char* path);
  // Creates the file for writing; false when a file or folder of that name
  // exists already or it cannot be made. Closes any file held.
  bool createNew(const char* path);

  // Reads up to size bytes; returns how many were read (fewer at end of file
  // or on error).
  size_t read(void* buffer, size_t size);
  // Writes all size bytes; false when any could not be written.
  bool write(const void* data, size_t size);
  // Current size of the open file in bytes; 0 when none is open.
  uint64_t size() const;
  // Waits until what was written is on the disk; false when it could not be.
  bool flushToDisk();

  void close();
  bool isOpen() const { return handle_ != kNoHandle; }

 private:
  // File descriptor on POSIX, HANDLE on Windows; -1 is invalid on both.
  static constexpr intptr_t kNoHandle = -1;
  intptr_t handle_ = kNoHandle;
};

// Moves the file at from over to in one step, replacing any file already
// there and keeping that file's attributes. Both must be on the same volume.
// False when it could not be moved; both files are then as they were.
bool replaceFile(const char* from, const char* to);

// Deletes the file at path; false when there was none or it could not be
// deleted.
bool removeFile(const char* path);

}  // namespace vta
