// Numbered picture files as a clip: "logo0007.bmp" is frame 0 of the run
// logo0007.bmp, logo0008.bmp, ... (same folder, same number width), up to
// the first number that has no file. A name without digits before its
// extension is a still picture.

#include <cctype>
#include <cstdio>

#include "mapped_clip.h"
#include "platform/file_system.h"

namespace rnd {

namespace {

// Longest run counted, and most digits read as a number.
constexpr uint32_t kMaxSequenceFrames = 100000;
constexpr size_t kMaxNumberDigits = 9;

struct SequenceName {
  std::string head, tail;  // around the number
  uint32_t first = 0;
  int width = 0;  // 0: no number, a still picture

  static SequenceName of(const std::string& path) {
    SequenceName name;
    const size_t folder = path.find_last_of("/\\");
    size_t dot = path.rfind('.');
    if (dot == std::string::npos || (folder != std::string::npos && dot < folder))
      dot = path.size();
    const size_t nameStart = folder == std::string::npos ? 0 : folder + 1;
    size_t start = dot;
    while (start > nameStart && std::isdigit(static_cast<unsigned char>(path[start - 1])) &&
           dot - start < kMaxNumberDigits)
      --start;
    name.head = path.substr(0, start);
    name.tail = path.substr(dot);
    name.width = static_cast<int>(dot - start);
    if (name.width > 0) name.first = static_cast<uint32_t>(std::stoul(path.substr(start, dot - start)));
    return name;
  }

  std::string frame(uint32_t k) const {
    if (width == 0) return head + tail;
    char digits[24];
    std::snprintf(digits, sizeof digits, "%0*lu", width, static_cast<unsigned long>(first) + k);
    return head + digits + tail;
  }
};

class PictureSequence final : public MappedClip {
 public:
  PictureSequence(SequenceName name, uint32_t count) : name_(std::move(name)), count_(count) {}
  uint32_t frameCount() const override { return count_; }
  bool decode(uint32_t index, MappedFrame& out) override {
    return index < count_ && decodeImageFile(name_.frame(index), out);
  }

 private:
  SequenceName name_;
  uint32_t count_;
};

}  // namespace

std::unique_ptr<MappedClip> openPictureSequence(const std::string& path) {
  SequenceName name = SequenceName::of(path);
  uint32_t count = 0;
  const uint32_t most = name.width == 0 ? 1 : kMaxSequenceFrames;
  while (count < most && vta::fileExists(name.frame(count).c_str())) ++count;
  if (count == 0) return nullptr;
  return std::make_unique<PictureSequence>(std::move(name), count);
}

}  // namespace rnd
