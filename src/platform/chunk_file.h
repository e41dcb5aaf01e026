#pragma once
// Reader and writer of the library's chunked container, as a file or as a
// memory block.
//
// File layout: a four-byte magic, then chunks back to back up to the end of
// the file, with no padding, count or end marker. A chunk is a u32 tag, a u32
// payload length and the payload. All numbers are little-endian; magics and
// tags are four-character codes (see fourCC in byte_order.h).
//
// Memory block layout: a u32 holding the block's total length (these first
// eight bytes included), the u32 magic, then chunks as in a file.

#include <cstddef>
#include <cstdint>

#include "platform/byte_order.h"
#include "platform/file.h"
#include "platform/safe_save.h"

namespace vta {

// How a ChunkFile is opened.
enum ChunkMode : uint32_t {
  kChunkReadFile = 0,
  kChunkWriteFile = 1,
  kChunkReadBlock = 2,   // the caller's block
  kChunkWriteBlock = 3,  // a block owned by the ChunkFile
};

// Outcome of the last operation.
enum ChunkStatus : uint32_t {
  kChunkOk = 0,
  kChunkEnd = 1,               // no further chunk: the normal end of reading
  kChunkOpenFailed = 2,        // the file could not be opened or created
  kChunkReadFailed = 3,        // a read failed, came up short or overran
  kChunkWrongMagic = 4,        // the magic is not the one expected
  kChunkMagicWriteFailed = 5,  // the magic could not be written
  kChunkOutOfMemory = 6,
  kChunkWrongMode = 7,  // not possible in this mode, or a chunk could
                        // not be written to the file
};

struct Chunk {
  uint32_t tag;
  uint32_t length;
  // Owned by the ChunkFile and valid until the next readChunk() or close().
  // Never null after a successful read, even for a zero-length chunk.
  const uint8_t* payload;
};

class ChunkFile {
 public:
  ChunkFile() = default;
  ~ChunkFile();
  ChunkFile(const ChunkFile&) = delete;
  ChunkFile& operator=(const ChunkFile&) = delete;

  // Modes kChunkReadFile and kChunkWriteFile. Reading checks the file's
  // magic. Writing saves the file through SafeSave: the magic and chunks go
  // to a temporary file that takes the target's place only at commit(), so a
  // save that fails or is never committed leaves the target as it was. Any
  // other mode gives kChunkWrongMode.
  uint32_t open(const char* fileName, uint32_t magic, uint32_t mode);
  // Mode kChunkReadBlock: reads the caller's block, which must stay alive
  // and hold as many bytes as its length word says. A null block or one whose
  // length word is below 8 gives kChunkReadFailed.
  uint32_t openBlock(const void* block, uint32_t magic);
  // Mode kChunkWriteBlock: starts a new owned block holding only the header.
  uint32_t createBlock(uint32_t magic);

  // Each open first closes whatever was open. After a failed open nothing is
  // open and further reads and writes give kChunkWrongMode.

  // Reads the next chunk in a reading mode. On any status but kChunkOk, out
  // is cleared. A chunk longer than what remains gives kChunkReadFailed
  // without reserving memory for it.
  uint32_t readChunk(Chunk& out);
  // Appends a chunk in a writing mode. payload may be null only when length
  // is 0. In kChunkWriteFile mode a chunk that cannot be written abandons the
  // save: later chunks and commit() fail too.
  uint32_t writeChunk(uint32_t tag, uint32_t length, const void* payload);

  // The block built in kChunkWriteBlock mode (null in other modes), valid
  // until the next write, open or close.
  const uint8_t* block() const { return ownBlock_; }
  uint32_t blockLength() const { return ownBlock_ ? readU32LE(ownBlock_) : 0; }

  uint32_t status() const { return status_; }

  // In kChunkWriteFile mode: puts the file written in the target's place,
  // then closes. True only when the open, every write and the replacement
  // succeeded; otherwise the target is as it was.
  bool commit();

  // Closes the file, abandoning an uncommitted save, and frees the last
  // payload and any owned block.
  void close();

 private:
  uint32_t finish(uint32_t status);
  uint32_t openRead(const char* fileName, uint32_t magic);
  uint32_t openWrite(const char* fileName, uint32_t magic);
  uint32_t readFileChunk(Chunk& out);
  uint32_t readBlockChunk(Chunk& out);
  uint32_t writeFileChunk(uint32_t tag, uint32_t length, const void* payload);
  uint32_t writeBlockChunk(uint32_t tag, uint32_t length, const void* payload);
  size_t readFile(void* buffer, size_t size);
  void releasePayload();

  static constexpr uint32_t kClosed = 0xFFFFFFFFu;

  uint32_t mode_ = kClosed;
  uint32_t status_ = kChunkOk;
  File file_;                   // reading
  SafeSave save_;               // writing
  uint64_t fileRemaining_ = 0;  // unread bytes of the file
  const uint8_t* readBlock_ = nullptr;
  uint32_t readLength_ = 0;
  uint32_t readOffset_ = 0;
  uint8_t* ownBlock_ = nullptr;
  uint8_t* payload_ = nullptr;
};

}  // namespace vta
