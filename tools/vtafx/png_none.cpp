// Builds without libpng (the Windows builds): PPM only.
#include "image_io.h"

namespace vtafx {

namespace {

bool unavailable(std::string& error) {
  error = "PNG is not available in this build; use PPM";
  return false;
}

}  // namespace

const char* pictureFormatsNote() {
  return "Pictures: PPM (P6, P3) only; this build has no PNG support.";
}
const char* writtenPictureExtension() { return ".ppm"; }

bool readPng(const std::string&, Picture&, std::string& error) { return unavailable(error); }
bool writePng(const std::string&, const Picture&, std::string& error) { return unavailable(error); }
bool quickPng(uint32_t, uint32_t, const uint8_t*, std::string&) { return false; }

}  // namespace vtafx
