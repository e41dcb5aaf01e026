#include "platform/file.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_system.h"

namespace vta {

namespace {

int descriptor(intptr_t handle) { return static_cast<int>(handle); }

// Makes a rename in the folder holding path last through a crash. Some file
// systems cannot flush a folder; the rename has happened all the same.
void syncFolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

}  // namespace

File::~File() { close(); }

bool File::openForReading(const char* path) {
  close();
  if (path == nullptr) {
    return false;
  }
  handle_ = ::open(resolvePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  return isOpen();
}

bool File::createNew(const char* path) {
  close();
  if (path == nullptr) {
    return false;
  }
  handle_ = ::open(resolvePath(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  return isOpen();
}

size_t File::read(void* buffer, size_t size) {
  auto* to = static_cast<char*>(buffer);
  size_t done = 0;
  while (isOpen() && done < size) {
    ssize_t got = ::read(descriptor(handle_), to + done, size - done);
    if (got < 0 && errno == EINTR) {
      continue;
    }
    if (got <= 0) {
      break;
    }
    done += static_cast<size_t>(got);
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
    ssize_t put = ::write(descriptor(handle_), from + done, size - done);
    if (put < 0 && errno == EINTR) {
      continue;
    }
    if (put <= 0) {
      return false;
    }
    done += static_cast<size_t>(put);
  }
  return done == size;
}

uint64_t File::size() const {
  struct stat info;
  if (!isOpen() || fstat(descriptor(handle_), &info) != 0) {
    return 0;
  }
  return static_cast<uint64_t>(info.st_size);
}

bool File::flushToDisk() { return isOpen() && ::fsync(descriptor(handle_)) == 0; }

void File::close() {
  if (isOpen()) {
    ::close(descriptor(handle_));
    handle_ = kNoHandle;
  }
}

bool replaceFile(const char* from, const char* to) {
  if (from == nullptr || to == nullptr) {
    return false;
  }
  const std::string source = resolvePath(from), target = resolvePath(to);
  struct stat replaced;
  if (::stat(target.c_str(), &replaced) == 0) {
    ::chmod(source.c_str(), replaced.st_mode & 07777);
  }
  if (std::rename(source.c_str(), target.c_str()) != 0) {
    return false;
  }
  syncFolderOf(target);
  return true;
}

bool removeFile(const char* path) {
  return path != nullptr && ::unlink(resolvePath(path).c_str()) == 0;
}

}  // namespace vta
