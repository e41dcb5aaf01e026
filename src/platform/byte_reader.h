#pragma once
// Little-endian readers and writers over a byte range of known size. A reader
// stays failed after its first short read and then yields zeros, so a parser
// can read a whole record and check ok() once.

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vta {

class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : data_(data), size_(data ? size : 0) {}

  bool ok() const { return ok_; }
  size_t offset() const { return offset_; }
  size_t remaining() const { return size_ - offset_; }

  // Moves to an absolute offset; past the end fails the reader.
  void seek(size_t offset) {
    if (offset > size_)
      fail();
    else
      offset_ = offset;
  }
  void skip(size_t n) { take(n); }

  uint8_t u8() {
    const uint8_t* p = take(1);
    return p ? p[0] : 0;
  }
  uint16_t u16() {
    const uint8_t* p = take(2);
    return p ? static_cast<uint16_t>(p[0] | p[1] << 8) : 0;
  }
  uint32_t u32() {
    const uint8_t* p = take(4);
    return p ? static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                   static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24
             : 0;
  }
  float f32() {
    uint32_t bits = u32();
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }
  // Copies n bytes to out; on a short read out is zero-filled.
  void bytes(void* out, size_t n) {
    const uint8_t* p = take(n);
    if (p)
      std::memcpy(out, p, n);
    else
      std::memset(out, 0, n);
  }
  // The next n bytes in place, or null when fewer remain.
  const uint8_t* take(size_t n) {
    if (!ok_ || n > size_ - offset_) {
      fail();
      return nullptr;
    }
    const uint8_t* p = data_ + offset_;
    offset_ += n;
    return p;
  }

 private:
  void fail() {
    ok_ = false;
    offset_ = size_;
  }

  const uint8_t* data_;
  size_t size_;
  size_t offset_ = 0;
  bool ok_ = true;
};

// Writes into a caller's buffer of known size; writes that would not fit are
// dropped and fail the writer.
class ByteWriter {
 public:
  ByteWriter(uint8_t* data, size_t size) : data_(data), size_(data ? size : 0) {}

  bool ok() const { return ok_; }
  size_t offset() const { return offset_; }
  void seek(size_t offset) {
    if (offset > size_)
      ok_ = false;
    else
      offset_ = offset;
  }

  void u8(uint8_t v) { put(&v, 1); }
  void u16(uint16_t v) {
    uint8_t b[2] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)};
    put(b, 2);
  }
  void u32(uint32_t v) {
    uint8_t b[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8),
                    static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 24)};
    put(b, 4);
  }
  void f32(float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    u32(bits);
  }
  void bytes(const void* p, size_t n) { put(p, n); }

 private:
  void put(const void* p, size_t n) {
    if (!ok_ || n > size_ - offset_) {
      ok_ = false;
      return;
    }
    std::memcpy(data_ + offset_, p, n);
    offset_ += n;
  }

  uint8_t* data_;
  size_t size_;
  size_t offset_ = 0;
  bool ok_ = true;
};

}  // namespace vta
