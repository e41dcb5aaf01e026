#include "image_json.h"

#include "json_access.h"

namespace vtafx {

namespace {

struct WordField {
  const char* name;
  uint32_t vta::TextureImage::*field;
};

const WordField kWords[] = {
    {"width", &vta::TextureImage::width},         {"height", &vta::TextureImage::height},
    {"rowPixels", &vta::TextureImage::rowPixels}, {"rowCount", &vta::TextureImage::rowCount},
    {"skipRows", &vta::TextureImage::skipRows},   {"skipPixels", &vta::TextureImage::skipPixels},
};

struct ByteField {
  const char* name;
  uint8_t vta::TextureImage::*field;
};

const ByteField kBytes[] = {
    {"format", &vta::TextureImage::format},
    {"order", &vta::TextureImage::order},
    {"bytesPerPixel", &vta::TextureImage::bytesPerPixel},
    {"rowAlign", &vta::TextureImage::rowAlign},
};

}  // namespace

Json imageJson(const vta::TextureImage& image, bool withPixels) {
  Json out = Json::object();
  for (const ByteField& b : kBytes) out.add(b.name, jsonUint(image.*b.field));
  for (const WordField& w : kWords) out.add(w.name, jsonUint(image.*w.field));
  out.add("reals", jsonF32Array(image.imageReals, 4));
  if (withPixels) out.add("pixels", image.pixels ? jsonHex(image.pixels, image.dataSize) : Json());
  return out;
}

void imageFromJson(const Json& in, vta::TextureImage& image) {
  if (in.type() != Json::Type::kObject) throw BuildError("an image must be an object");
  for (const ByteField& b : kBytes)
    image.*b.field = static_cast<uint8_t>(memberUint(in, b.name, 255));
  for (const WordField& w : kWords) image.*w.field = memberUint(in, w.name);
  if (const Json* reals = optional(in, "reals")) readF32Array(*reals, "reals", image.imageReals, 4);
  const Json* pixels = optional(in, "pixels");
  if (!pixels || pixels->isNull()) return;
  if (!image.computeRowLayout()) throw BuildError("\"pixels\": the image's layout is too large");
  const std::vector<uint8_t> bytes = readHex(*pixels, "pixels", image.dataSize);
  if (bytes.size() != image.dataSize || !image.takePixels(bytes.data(), image.dataSize)) {
    throw BuildError("\"pixels\": expected rowCount rows of the row size the layout gives");
  }
}

}  // namespace vtafx
