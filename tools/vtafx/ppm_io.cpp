// PPM pictures: "P6" (binary) and "P3" (text), maximum sample value up to 255.
#include <cctype>
#include <cstring>

#include "image_io.h"

namespace vtafx {

namespace {

class PpmReader {
 public:
  explicit PpmReader(const std::string& bytes) : bytes_(bytes) {}

  // The next whole number of the header or of a P3 body; false at the end
  // or on anything else.
  bool number(uint32_t& out) {
    skipSpaceAndComments();
    size_t digits = 0;
    uint64_t value = 0;
    while (at_ < bytes_.size() && std::isdigit(static_cast<unsigned char>(bytes_[at_])) &&
           digits < 9) {
      value = value * 10 + static_cast<unsigned>(bytes_[at_++] - '0');
      ++digits;
    }
    out = static_cast<uint32_t>(value);
    return digits > 0;
  }
  size_t at() const { return at_; }
  void skip(size_t n) { at_ += n; }

 private:
  void skipSpaceAndComments() {
    while (at_ < bytes_.size()) {
      if (bytes_[at_] == '#') {
        while (at_ < bytes_.size() && bytes_[at_] != '\n') ++at_;
      } else if (std::isspace(static_cast<unsigned char>(bytes_[at_]))) {
        ++at_;
      } else {
        return;
      }
    }
  }

  const std::string& bytes_;
  size_t at_ = 0;
};

bool fail(std::string& error, const char* message) {
  error = message;
  return false;
}

uint8_t scaled(uint32_t sample, uint32_t maxValue) {
  return static_cast<uint8_t>((sample * 255 + maxValue / 2) / maxValue);
}

bool readSamples(const std::string& bytes, bool binary, PpmReader& in, uint32_t maxValue,
                 Picture& out, std::string& error) {
  const size_t count = size_t{out.width} * out.height * 3;
  // Each sample takes a byte (P6) or at least two characters (P3): check
  // before allocating.
  const size_t left = bytes.size() - in.at();
  if (count > (binary ? left : left / 2)) return fail(error, "PPM data shorter than its size");
  if (binary && maxValue == 255) {  // the bytes as they are
    out.rgb.resize(count);
    std::memcpy(out.rgb.data(), bytes.data() + in.at(), count);
    return true;
  }
  out.rgb.resize(count);
  for (size_t i = 0; i < count; ++i) {
    uint32_t sample = 0;
    if (binary)
      sample = static_cast<uint8_t>(bytes[in.at()]), in.skip(1);
    else if (!in.number(sample))
      return fail(error, "PPM sample missing");
    if (sample > maxValue) return fail(error, "PPM sample above its maximum");
    out.rgb[i] = scaled(sample, maxValue);
  }
  return true;
}

}  // namespace

bool readPpm(const std::string& bytes, Picture& out, std::string& error) {
  if (bytes.size() < 2 || bytes[0] != 'P' || (bytes[1] != '6' && bytes[1] != '3')) {
    return fail(error, "not a PPM (P6 or P3) or PNG picture");
  }
  const bool binary = bytes[1] == '6';
  PpmReader in(bytes);
  in.skip(2);
  uint32_t maxValue = 0;
  if (!in.number(out.width) || !in.number(out.height) || !in.number(maxValue)) {
    return fail(error, "bad PPM header");
  }
  if (out.width == 0 || out.height == 0 || out.width > kMaxPictureSide ||
      out.height > kMaxPictureSide) {
    return fail(error, "PPM size outside 1 to 8192");
  }
  if (maxValue == 0 || maxValue > 255) return fail(error, "PPM maximum sample outside 1 to 255");
  if (binary) in.skip(1);  // the single whitespace byte before the data
  return readSamples(bytes, binary, in, maxValue, out, error);
}

std::string writePpm(const Picture& picture) {
  std::string out =
      "P6\n" + std::to_string(picture.width) + " " + std::to_string(picture.height) + "\n255\n";
  out.append(picture.rgb.begin(), picture.rgb.end());
  return out;
}

}  // namespace vtafx
