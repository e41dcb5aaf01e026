#pragma once
// A file the Objects page maps onto an object, as a run of pictures: an AVI
// clip (Video for Windows on Windows, FFmpeg elsewhere) or a numbered BMP or
// TGA sequence (one file without a number is a still picture).

#include <cstdint>
#include <memory>
#include <string>

#include "mapped_frame.h"
#include "model/components/surface_fields.h"

namespace rnd {

class MappedClip {
 public:
  virtual ~MappedClip() = default;
  // At least 1 for a clip that opened.
  virtual uint32_t frameCount() const = 0;
  // Decodes frame index (below frameCount()) into out; false when it
  // cannot be read or its size is not allowed.
  virtual bool decode(uint32_t index, MappedFrame& out) = 0;
};

// True for the mappings that name a file of their own (kinds 3 to 5).
bool mapsFile(vta::SurfaceMapping mapping);

// The clip of the file at path for mapping; null when it cannot be opened.
std::unique_ptr<MappedClip> openMappedClip(vta::SurfaceMapping mapping, const std::string& path);

// The back-ends: the platform's video decoder (mapped_video_*.cpp), and
// pictures decoded by stb_image (mapped_sequence.cpp).
std::unique_ptr<MappedClip> openVideoClip(const std::string& path);
std::unique_ptr<MappedClip> openPictureSequence(const std::string& path);

// Decodes one BMP or TGA file (mapped_image_file.cpp).
bool decodeImageFile(const std::string& path, MappedFrame& out);

}  // namespace rnd
