#pragma once
// Saves a chunk file so that a failed save never leaves the target half
// written: the chunks go to a temporary file beside the target
// ("<target>.tmp"), which replaces the target only when it was created and
// every write succeeded. Until then the previous target stays as it was.
//
//   AtomicChunkFile out;
//   out.open(path, fourCC("VTAG"));
//   out.writeChunk(...);            // stops being attempted after a failure
//   int saved = out.finish(true) ? 1 : 0;

#include <cstdint>
#include <string>

#include "platform/chunk_file.h"

namespace vta {

class AtomicChunkFile {
 public:
  AtomicChunkFile() = default;
  // Abandons an unfinished save: the temporary file is deleted.
  ~AtomicChunkFile();
  AtomicChunkFile(const AtomicChunkFile&) = delete;
  AtomicChunkFile& operator=(const AtomicChunkFile&) = delete;

  // Creates the temporary file and writes magic; returns the ChunkFile
  // status (kChunkOk when it can be written). A null target gives
  // kChunkOpenFailed.
  uint32_t open(const char* target, uint32_t magic);
  // Appends a chunk. Once a write has failed, later ones are refused, so
  // the failure is kept for finish().
  uint32_t writeChunk(uint32_t tag, uint32_t length, const void* payload);
  // The file being written, for writers that take a ChunkFile; pass their
  // outcome to finish().
  ChunkFile& chunks() { return file_; }
  // Closes the temporary file. When writersSucceeded is true, the open and
  // every writeChunk succeeded and the file's last status is kChunkOk, the
  // temporary file replaces the target and the result is true; otherwise it
  // is deleted and the result is false.
  bool finish(bool writersSucceeded);

 private:
  void abandon();

  ChunkFile file_;
  std::string target_;
  std::string temporary_;
  bool failed_ = true;  // nothing to save until open() succeeds
};

}  // namespace vta
