#include "text_file.h"

#include "platform/file.h"
#include "platform/safe_save.h"

namespace vtafx {

bool readTextFile(const std::string& path, std::string& out, size_t maxBytes) {
  vta::File file;
  if (!file.openForReading(path.c_str())) return false;
  const uint64_t size = file.size();
  if (size > maxBytes) return false;
  out.assign(static_cast<size_t>(size), '\0');
  return file.read(&out[0], out.size()) == out.size();
}

bool writeTextFile(const std::string& path, const std::string& text) {
  return vta::saveFile(path.c_str(), text.data(), text.size());
}

}  // namespace vtafx
