#include "platform/file.h"

#include <windows.h>

#include <string>

namespace vta {

namespace {

HANDLE toHandle(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// ReadFile/WriteFile take 32-bit counts; larger requests go in pieces.
DWORD pieceOf(size_t remaining) {
  return remaining > MAXDWORD ? MAXDWORD : static_cast<DWORD>(remaining);
}

// The path as the "A" file functions read it (ANSI or OEM code page); ""
// for null or what does not convert.
std::wstring widePath(const char* path) {
  if (path == nullptr) {
    return std::wstring();
  }
  const UINT codePage = AreFileApisANSI() ? CP_ACP : CP_OEMCP;
  const int length = MultiByteToWideChar(codePage, 0, path, -1, nullptr, 0);
  if (length <= 1) {
    return std::wstring();
  }
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, path, -1, &wide[0], length);
  wide.resize(static_cast<size_t>(length - 1));
  return wide;
}

// Some ReplaceFileW implementations move a folder aside to put a file in its
// place; a save never replaces a folder.
bool isFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
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

bool File::createNew(const char* path) {
  close();
  if (path == nullptr) {
    return false;
  }
  HANDLE h =
      CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
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
  const std::wstring source = widePath(from), target = widePath(to);
  if (source.empty() || target.empty() || isFolder(target)) {
    return false;
  }
  // ReplaceFileW keeps the target's attributes; it refuses when there is no
  // target yet, and some file systems refuse it always.
  return ReplaceFileW(target.c_str(), source.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                      nullptr, nullptr) != 0 ||
         MoveFileExW(source.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool removeFile(const char* path) { return path != nullptr && DeleteFileA(path) != 0; }

}  // namespace vta
