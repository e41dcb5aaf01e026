// What the known chunk tags hold, decoded for the raw listing.
#include "component_json.h"
#include "file_kind.h"
#include "image_json.h"
#include "json_access.h"
#include "model/components/component_factory.h"
#include "model/files/chunk_payload.h"
#include "model/files/texture_file.h"
#include "platform/byte_reader.h"
#include "raw_document.h"

namespace vtafx {

namespace {

using vta::fourCC;

enum class Shape { kNone, kU32, kF32, kU8, kText, kVariant, kReals, kIcon, kComponent };

Shape shapeOf(FileKind kind, uint32_t tag) {
  if (vta::isComponentTag(tag))
    return kind == FileKind::kTexture || kind == FileKind::kGroupList ? Shape::kNone
                                                                      : Shape::kComponent;
  switch (tag) {
    case fourCC("ETYP"):
    case fourCC("VCNT"):
    case fourCC("ALOW"):
    case fourCC("IWID"):
    case fourCC("IHIT"):
    case fourCC("IPXR"):
    case fourCC("ITRW"):
    case fourCC("ISKR"):
    case fourCC("ISKP"): return Shape::kU32;
    case fourCC("BEST"): return Shape::kF32;
    case fourCC("IBPP"):
    case fourCC("IALN"):
    case fourCC("IORD"):
    case fourCC("IFMT"): return Shape::kU8;
    case fourCC("ENAM"):
    case fourCC("DESC"):
    case fourCC("OGRP"):
    case fourCC("OITM"): return Shape::kText;
    case fourCC("VDSC"): return Shape::kVariant;
    case fourCC("IBIS"): return Shape::kReals;
    case fourCC("IMG0"): return Shape::kIcon;
    default: return Shape::kNone;
  }
}

Json componentOf(const WalkedChunk& c) {
  vta::ComponentKind kind = vta::kCameras;
  ComponentPtr made(vta::createComponentFromChunk(c.tag, c.length, c.payload, &kind));
  return made ? componentJson(*made, kind) : Json::string("refused by the library");
}

Json textOf(const vta::Chunk& chunk, uint32_t offset) {
  const vta::PayloadText text = vta::payloadText(chunk, offset);
  return Json::string(std::string(text.chars, text.length));
}

}  // namespace

Json decodeChunk(uint32_t magic, const WalkedChunk& c) {
  const vta::Chunk chunk{c.tag, c.length, c.payload};
  vta::ByteReader in(c.payload, c.length);
  uint32_t word = 0;
  float real = 0.0f;
  switch (shapeOf(kindFromMagic(magic), c.tag)) {
    case Shape::kNone: return Json();
    case Shape::kU32: return vta::payloadU32(chunk, word) ? jsonUint(word) : Json();
    case Shape::kF32: return vta::payloadF32(chunk, real) ? jsonF32(real) : Json();
    case Shape::kU8: return c.length ? jsonUint(c.payload[0]) : Json();
    case Shape::kText: return textOf(chunk, 0);
    case Shape::kVariant:
      return vta::payloadU32(chunk, word)
                 ? Json::object().add("index", jsonUint(word)).add("text", textOf(chunk, 4))
                 : Json();
    case Shape::kReals: {
      float reals[4];
      for (float& r : reals) r = in.f32();
      return in.ok() ? jsonF32Array(reals, 4) : Json();
    }
    case Shape::kIcon: {
      vta::TextureImage image;
      const bool pixels = vta::readIconPayload(image, c.payload, c.length);
      return c.length >= 44 ? imageJson(image, false).add("pixelsTaken", Json::boolean(pixels))
                            : Json();
    }
    case Shape::kComponent: return componentOf(c);
  }
  return Json();
}

}  // namespace vtafx
