// The "IMG0" payload of an effect file: the effect's icon.
//
//   0 u8 format, 1 u8 order, 2 u8 bytesPerPixel, 3 u8 rowAlign,
//   4 width, 8 height, 12 rowPixels, 16 rowCount, 20 skipRows,
//   24 skipPixels (u32 each), 28 four f32 imageReals, 44 the pixel rows.
#include <initializer_list>

#include "model/files/image_pixels.h"
#include "model/files/texture_file.h"
#include "platform/byte_reader.h"
#include "platform/memory.h"

namespace vta {

namespace {

constexpr uint32_t kIconHeadSize = 44;

}  // namespace

bool readIconPayload(TextureImage& image, const uint8_t* payload, uint32_t length) {
  if (!payload || length < kIconHeadSize) return false;
  ByteReader in(payload, length);
  image.format = in.u8();
  image.order = in.u8();
  image.bytesPerPixel = in.u8();
  image.rowAlign = in.u8();
  image.width = in.u32();
  image.height = in.u32();
  image.rowPixels = in.u32();
  image.rowCount = in.u32();
  image.skipRows = in.u32();
  image.skipPixels = in.u32();
  for (float& real : image.imageReals) real = in.f32();
  image.imageWord = 0;
  return takeImagePixels(image, payload + kIconHeadSize, length - kIconHeadSize);
}

uint8_t* writeIconPayload(const TextureImage& image, uint32_t* length) {
  const uint32_t pixelBytes = image.pixels ? image.dataSize : 0;
  if (!length || pixelBytes > UINT32_MAX - kIconHeadSize) return nullptr;
  const uint32_t size = kIconHeadSize + pixelBytes;
  auto* payload = static_cast<uint8_t*>(allocate(size));
  if (!payload) return nullptr;
  ByteWriter out(payload, size);
  out.u8(image.format);
  out.u8(image.order);
  out.u8(image.bytesPerPixel);
  out.u8(image.rowAlign);
  for (uint32_t word : {image.width, image.height, image.rowPixels, image.rowCount, image.skipRows,
                        image.skipPixels}) {
    out.u32(word);
  }
  for (float real : image.imageReals) out.f32(real);
  if (pixelBytes != 0) out.bytes(image.pixels, pixelBytes);
  *length = size;
  return payload;
}

}  // namespace vta
