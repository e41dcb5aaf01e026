#include "platform/atomic_chunk_file.h"

#include "platform/file.h"

namespace vta {

AtomicChunkFile::~AtomicChunkFile() { abandon(); }

void AtomicChunkFile::abandon() {
  file_.close();
  if (!temporary_.empty()) {
    removeFile(temporary_.c_str());
  }
  temporary_.clear();
  target_.clear();
  failed_ = true;
}

uint32_t AtomicChunkFile::open(const char* target, uint32_t magic) {
  abandon();
  if (target == nullptr) {
    return kChunkOpenFailed;
  }
  target_ = target;
  temporary_ = target_ + ".tmp";
  uint32_t status = file_.open(temporary_.c_str(), magic, kChunkWriteFile);
  if (status == kChunkOpenFailed) {
    temporary_.clear();  // nothing of ours to delete
  }
  failed_ = status != kChunkOk;
  return status;
}

uint32_t AtomicChunkFile::writeChunk(uint32_t tag, uint32_t length, const void* payload) {
  if (failed_) {
    return kChunkWrongMode;
  }
  uint32_t status = file_.writeChunk(tag, length, payload);
  failed_ = status != kChunkOk;
  return status;
}

bool AtomicChunkFile::finish(bool writersSucceeded) {
  // Flushed before the rename, so that a crash cannot leave the target
  // replaced by a file whose bytes never reached the disk.
  bool complete = writersSucceeded && !failed_ && file_.status() == kChunkOk && file_.flushToDisk();
  file_.close();
  if (complete && replaceFile(temporary_.c_str(), target_.c_str())) {
    temporary_.clear();
    target_.clear();
    failed_ = true;
    return true;
  }
  abandon();
  return false;
}

}  // namespace vta
