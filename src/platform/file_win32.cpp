#include "platform/file.h"

#include <windows.h>

namespace vta {

namespace {

HANDLE toHandle(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// ReadFile/WriteFile take 32-bit counts; larger requests go in pieces.
DWORD pieceOf(size_t remaining) {
  return remaining > MAXDWORD ? MAXDWORD : static_cast<DWORD>(remaining);
}

}  // namespace

File::~File() { close(); }

bool File::openForReading(const char* path) {
  close();
  if (path == nullptr) {
    return false;
  }
  HANDLE h = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  handle_ = reinterpret_cast<intptr_t>(h);
  return isOpen();
}

bool File::createForWriting(const char* path) {
  close();
  if (path == nullptr) {
    return false;
  }
  HANDLE h = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  handle_ = reinterpret_cast<intptr_t>(h);
  return isOpen();
}

size_t File::read(void* buffer, size_t size) {
  auto* to = static_cast<char*>(buffer);
  size_t done = 0;
  while (isOpen() && done < size) {
    DWORD got = 0;
    if (!ReadFile(toHandle(handle_), to + done, pieceOf(size - done), &got, nullptr) || got == 0) {
      break;
    }
    done += got;
  }
  return done;
}

bool File::write(const void* data, size_t size) {
  const auto* from = static_cast<const char*>(data);
  if (!isOpen()) {
    return false;
  }
  size_t done = 0;
  while (done < size) {
    DWORD put = 0;
    if (!WriteFile(toHandle(handle_), from + done, pieceOf(size - done), &put, nullptr) ||
        put == 0) {
      return false;
    }
    done += put;
  }
  return done == size;
}

uint64_t File::size() const {
  LARGE_INTEGER bytes;
  if (!isOpen() || !GetFileSizeEx(toHandle(handle_), &bytes)) {
    return 0;
  }
  return static_cast<uint64_t>(bytes.QuadPart);
}

bool File::flushToDisk() { return isOpen() && FlushFileBuffers(toHandle(handle_)) != 0; }

void File::close() {
  if (isOpen()) {
    CloseHandle(toHandle(handle_));
    handle_ = kNoHandle;
  }
}

bool replaceFile(const char* from, const char* to) {
  return from != nullptr && to != nullptr &&
         MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool removeFile(const char* path) { return path != nullptr && DeleteFileA(path) != 0; }

}  // namespace vta
