#include "platform/chunk_file.h"

#include "platform/memory.h"

namespace vta {

namespace {

constexpr uint32_t kHeaderSize = 8;  // tag + length, and a block's header
constexpr uint32_t kMaxLength = 0xFFFFFFFFu;

}  // namespace

ChunkFile::~ChunkFile() { close(); }

uint32_t ChunkFile::finish(uint32_t status) {
  status_ = status;
  return status;
}

size_t ChunkFile::readFile(void* buffer, size_t size) {
  size_t got = file_.read(buffer, size);
  // The file may change while we read it; never let the count wrap.
  fileRemaining_ -= got < fileRemaining_ ? got : fileRemaining_;
  return got;
}

void ChunkFile::releasePayload() {
  release(payload_);
  payload_ = nullptr;
}

void ChunkFile::close() {
  file_.close();
  save_.abandon();
  releasePayload();
  release(ownBlock_);
  ownBlock_ = nullptr;
  readBlock_ = nullptr;
  readLength_ = 0;
  readOffset_ = 0;
  fileRemaining_ = 0;
  mode_ = kClosed;
}

uint32_t ChunkFile::open(const char* fileName, uint32_t magic, uint32_t mode) {
  close();
  switch (mode) {
    case kChunkReadFile: return openRead(fileName, magic);
    case kChunkWriteFile: return openWrite(fileName, magic);
    default: return finish(kChunkWrongMode);
  }
}

uint32_t ChunkFile::openRead(const char* fileName, uint32_t magic) {
  if (!file_.openForReading(fileName)) {
    return finish(kChunkOpenFailed);
  }
  fileRemaining_ = file_.size();
  uint8_t bytes[4];
  uint32_t status = kChunkOk;
  if (readFile(bytes, sizeof bytes) != sizeof bytes) {
    status = kChunkReadFailed;
  } else if (readU32LE(bytes) != magic) {
    status = kChunkWrongMagic;
  }
  if (status != kChunkOk) {
    close();
    return finish(status);
  }
  mode_ = kChunkReadFile;
  return finish(kChunkOk);
}

uint32_t ChunkFile::openWrite(const char* fileName, uint32_t magic) {
  if (!save_.begin(fileName)) {
    return finish(kChunkOpenFailed);
  }
  uint8_t bytes[4];
  writeU32LE(bytes, magic);
  if (!save_.write(bytes, sizeof bytes)) {
    close();
    return finish(kChunkMagicWriteFailed);
  }
  mode_ = kChunkWriteFile;
  return finish(kChunkOk);
}

uint32_t ChunkFile::openBlock(const void* block, uint32_t magic) {
  close();
  if (block == nullptr) {
    return finish(kChunkReadFailed);
  }
  const auto* bytes = static_cast<const uint8_t*>(block);
  uint32_t length = readU32LE(bytes);
  if (length < kHeaderSize) {
    return finish(kChunkReadFailed);
  }
  if (readU32LE(bytes + 4) != magic) {
    return finish(kChunkWrongMagic);
  }
  readBlock_ = bytes;
  readLength_ = length;
  readOffset_ = kHeaderSize;
  mode_ = kChunkReadBlock;
  return finish(kChunkOk);
}

uint32_t ChunkFile::createBlock(uint32_t magic) {
  close();
  ownBlock_ = static_cast<uint8_t*>(allocate(kHeaderSize));
  if (ownBlock_ == nullptr) {
    return finish(kChunkOutOfMemory);
  }
  writeU32LE(ownBlock_, kHeaderSize);
  writeU32LE(ownBlock_ + 4, magic);
  mode_ = kChunkWriteBlock;
  return finish(kChunkOk);
}

uint32_t ChunkFile::readChunk(Chunk& out) {
  out = Chunk{0, 0, nullptr};
  releasePayload();
  switch (mode_) {
    case kChunkReadFile: return readFileChunk(out);
    case kChunkReadBlock: return readBlockChunk(out);
    default: return finish(kChunkWrongMode);
  }
}

uint32_t ChunkFile::readFileChunk(Chunk& out) {
  uint8_t bytes[4];
  if (readFile(bytes, sizeof bytes) != sizeof bytes) {
    return finish(kChunkEnd);
  }
  uint32_t tag = readU32LE(bytes);
  if (readFile(bytes, sizeof bytes) != sizeof bytes) {
    return finish(kChunkReadFailed);
  }
  uint32_t length = readU32LE(bytes);
  // Checked before allocating, so a corrupt or hostile length cannot make us
  // reserve gigabytes for a payload that is not there.
  if (length > fileRemaining_) {
    return finish(kChunkReadFailed);
  }
  payload_ = static_cast<uint8_t*>(allocate(length));
  if (payload_ == nullptr) {
    return finish(kChunkOutOfMemory);
  }
  if (readFile(payload_, length) != length) {
    releasePayload();
    return finish(kChunkReadFailed);
  }
  out = Chunk{tag, length, payload_};
  return finish(kChunkOk);
}

uint32_t ChunkFile::readBlockChunk(Chunk& out) {
  uint32_t left = readLength_ - readOffset_;
  if (left < 4) {
    return finish(kChunkEnd);
  }
  if (left < kHeaderSize) {
    return finish(kChunkReadFailed);
  }
  const uint8_t* at = readBlock_ + readOffset_;
  uint32_t length = readU32LE(at + 4);
  if (length > left - kHeaderSize) {
    return finish(kChunkReadFailed);
  }
  payload_ = static_cast<uint8_t*>(allocate(length));
  if (payload_ == nullptr) {
    return finish(kChunkOutOfMemory);
  }
  copyBytes(payload_, at + kHeaderSize, length);
  readOffset_ += kHeaderSize + length;
  out = Chunk{readU32LE(at), length, payload_};
  return finish(kChunkOk);
}

uint32_t ChunkFile::writeChunk(uint32_t tag, uint32_t length, const void* payload) {
  if (payload == nullptr && length != 0) {
    save_.abandon();
    return finish(kChunkWrongMode);
  }
  switch (mode_) {
    case kChunkWriteFile: return writeFileChunk(tag, length, payload);
    case kChunkWriteBlock: return writeBlockChunk(tag, length, payload);
    default: return finish(kChunkWrongMode);
  }
}

uint32_t ChunkFile::writeFileChunk(uint32_t tag, uint32_t length, const void* payload) {
  uint8_t header[kHeaderSize];
  writeU32LE(header, tag);
  writeU32LE(header + 4, length);
  if (!save_.write(header, sizeof header) || !save_.write(payload, length)) {
    return finish(kChunkWrongMode);
  }
  return finish(kChunkOk);
}

bool ChunkFile::commit() {
  const bool saved = mode_ == kChunkWriteFile && save_.commit();
  close();
  return saved;
}

uint32_t ChunkFile::writeBlockChunk(uint32_t tag, uint32_t length, const void* payload) {
  uint32_t used = readU32LE(ownBlock_);
  if (used > kMaxLength - kHeaderSize || length > kMaxLength - kHeaderSize - used) {
    return finish(kChunkOutOfMemory);
  }
  uint32_t grown = used + kHeaderSize + length;
  auto* bigger = static_cast<uint8_t*>(allocate(grown));
  if (bigger == nullptr) {
    return finish(kChunkOutOfMemory);
  }
  copyBytes(bigger, ownBlock_, used);
  writeU32LE(bigger, grown);
  writeU32LE(bigger + used, tag);
  writeU32LE(bigger + used + 4, length);
  copyBytes(bigger + used + kHeaderSize, payload, length);
  release(ownBlock_);
  ownBlock_ = bigger;
  return finish(kChunkOk);
}

}  // namespace vta
